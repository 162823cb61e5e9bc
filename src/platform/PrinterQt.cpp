#include "platform/PrinterQt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace Platform {
namespace {

constexpr int kPdfDpi = 600;

class QtPagePrinter final : public Printer {
public:
    // Straight onto a printer.
    explicit QtPagePrinter(QPrinter &printer) : m_printer(&printer), m_device(&printer)
    {
        m_area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
        m_dpmm = printer.resolution() / 25.4;
    }
    // Into a PDF file through a save file.
    QtPagePrinter(const QString &path, const QPageLayout &layout, int dpi)
        : m_file(std::make_unique<QSaveFile>(path))
    {
        m_pdf = std::make_unique<QPdfWriter>(m_file.get());
        m_pdf->setResolution(dpi);
        m_pdf->setPageLayout(layout);
        m_pdf->setCreator(QStringLiteral("RE-Z4 support tool"));
        m_device = m_pdf.get();
        m_area = layout.paintRect(QPageLayout::Millimeter);
        m_dpmm = dpi / 25.4;
    }
    ~QtPagePrinter() override
    {
        if (m_painter.isActive())
            Abort();
    }

    double ScaleWidth() const override { return m_area.width(); }
    double ScaleHeight() const override { return m_area.height(); }

protected:
    QFont qfont(const Font &f) const
    {
        QFont q(PrintFaceFor(f.name));
        q.setPointSizeF(f.size > 0 ? f.size : 1);
        q.setBold(f.bold);
        q.setItalic(f.italic);
        return QFont(q, m_device);
    }
    double measureWidth(const Font &f, const QString &text) override
    {
        return QFontMetricsF(qfont(f), m_device).horizontalAdvance(text) / m_dpmm;
    }
    double measureHeight(const Font &f) override
    {
        const QFontMetricsF m(qfont(f), m_device);
        return (m.ascent() + m.descent()) / m_dpmm;
    }
    bool beginPage(int page) override
    {
        if (page > 1)
            return m_pdf ? m_pdf->newPage() : m_printer->newPage();
        if (m_file && !m_file->open(QIODevice::WriteOnly))
            return false;
        return m_painter.begin(m_device);
    }
    void drawText(const Font &f, double x, double top, const QString &text) override
    {
        const QFont q = qfont(f);
        m_painter.setFont(q);
        m_painter.setPen(Qt::black);
        const double ascent = QFontMetricsF(q, m_device).ascent();
        m_painter.drawText(QPointF(x * m_dpmm, top * m_dpmm + ascent), text);
    }
    void drawLine(int widthPx, double x1, double y1, double x2, double y2) override
    {
        m_painter.setPen(QPen(Qt::black, widthPx));
        m_painter.drawLine(QPointF(x1 * m_dpmm, y1 * m_dpmm), QPointF(x2 * m_dpmm, y2 * m_dpmm));
    }
    bool finishDoc(int pages) override
    {
        if (pages == 0)
            return true;   // nothing drawn: nothing sent, no file
        if (!m_painter.end())
            return false;
        return m_file ? m_file->commit() : m_printer->printerState() != QPrinter::Error;
    }
    void abortDoc() override
    {
        if (m_printer && m_painter.isActive())
            m_printer->abort();
        if (m_painter.isActive())
            m_painter.end();
        if (m_file && m_file->isOpen())
            m_file->cancelWriting();
    }

private:
    QPrinter *m_printer = nullptr;
    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<QPdfWriter> m_pdf;
    QPagedPaintDevice *m_device = nullptr;
    QPainter m_painter;
    QRectF m_area;
    double m_dpmm = 1;
};

} // namespace

std::shared_ptr<Printer> MakeQtPrinter(QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        const int dpi = printer.resolution() >= 300 ? printer.resolution() : kPdfDpi;
        return std::make_shared<QtPagePrinter>(printer.outputFileName(), printer.pageLayout(), dpi);
    }
    return std::make_shared<QtPagePrinter>(printer);
}

std::shared_ptr<Printer> MakePdfPrinter(const QString &path)
{
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                         QPageLayout::Millimeter);
    return std::make_shared<QtPagePrinter>(path, a4, kPdfDpi);
}

QPrinter &SharedQPrinter()
{
    static QPrinter printer;
    return printer;
}

} // namespace Platform
