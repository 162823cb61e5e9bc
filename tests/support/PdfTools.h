#pragma once
// Reading printed PDF files back with poppler's tools (pdfinfo, pdftotext,
// pdftoppm; scripts/deps.sh installs them).
#include <QImage>
#include <QString>

namespace PdfTools {
// Empty when the tools are there, else what is missing.
QString Missing();
// Pages of the file; -1 when it cannot be read.
int Pages(const QString &path);
// The text of the file (or of one page), in reading layout.
QString Text(const QString &path, int page = 0);
// One page rendered at the given resolution; a null image on failure.
QImage Render(const QString &path, int page, int dpi);
} // namespace PdfTools
