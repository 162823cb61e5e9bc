#include "support/PdfTools.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace PdfTools {
namespace {
QByteArray run(const QString &tool, const QStringList &args)
{
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}
} // namespace

QString Missing()
{
    QStringList missing;
    for (const char *t : {"pdfinfo", "pdftotext", "pdftoppm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(t)).isEmpty())
            missing << QString::fromLatin1(t);
    return missing.join(QLatin1Char(' '));
}

int Pages(const QString &path)
{
    const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {path}));
    const auto m = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
                       .match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString Text(const QString &path, int page)
{
    QStringList args{QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    args << path << QStringLiteral("-");
    return QString::fromUtf8(run(QStringLiteral("pdftotext"), args));
}

QImage Render(const QString &path, int page, int dpi)
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                     QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                     QString::number(page), QStringLiteral("-singlefile"), path, base});
    return QImage(base + QStringLiteral(".png"));
}

} // namespace PdfTools
