#include "platform/Printer.h"

#include <QFontDatabase>
#include <QStringList>

namespace Platform {

double Printer::TextWidth(const QString &text)
{
    if (m_failed)
        return 0;
    return measureWidth(m_font, text);
}

double Printer::TextHeight(const QString & /*text*/)
{
    if (m_failed)
        return 0;
    return measureHeight(m_font);
}

bool Printer::ensurePage()
{
    if (m_failed || m_done)
        return false;
    if (m_pageOpen)
        return true;
    if (!beginPage(m_pages + 1)) {
        m_failed = true;
        return false;
    }
    m_pageOpen = true;
    ++m_pages;
    return true;
}

void Printer::Print(const QString &text, bool lineEnd)
{
    if (!ensurePage())
        return;
    drawText(m_font, m_x, m_y, text);
    if (lineEnd) {
        m_x = 0;
        m_y += measureHeight(m_font);
    } else {
        m_x += measureWidth(m_font, text);
    }
}

void Printer::Line(double x1, double y1, double x2, double y2)
{
    if (!ensurePage())
        return;
    drawLine(m_drawWidth, x1, y1, x2, y2);
    m_x = x2;
    m_y = y2;
}

void Printer::NewPage()
{
    m_pageOpen = false;
    m_x = 0;
    m_y = 0;
}

bool Printer::EndDoc()
{
    if (m_done)
        return !m_failed;
    if (m_failed) {
        Abort();
        return false;
    }
    m_done = true;
    if (!finishDoc(m_pages)) {
        m_failed = true;
        abortDoc();
        return false;
    }
    return true;
}

void Printer::Abort()
{
    if (m_done)
        return;
    m_done = true;
    m_failed = true;
    abortDoc();
}

QString PrintFaceFor(const QString &name)
{
    const QString up = name.toUpper();
    const bool mincho = up.contains(QStringLiteral("明朝")) || up.contains(QStringLiteral("MINCHO"));
    const bool gothic = up.contains(QStringLiteral("ゴシック")) || up.contains(QStringLiteral("GOTHIC"));
    if (!mincho && !gothic)
        return name;
    // Faces whose line is one em high, as the faces named are; a taller face
    // would push the fixed layouts off the page.
    static const QStringList minchoFaces{QStringLiteral("IPAMincho"), QStringLiteral("IPAexMincho"),
                                         QStringLiteral("IPAPMincho")};
    static const QStringList gothicFaces{QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                                         QStringLiteral("IPAPGothic")};
    const QStringList installed = QFontDatabase::families(QFontDatabase::Japanese);
    for (const QString &f : mincho ? minchoFaces : gothicFaces) {
        if (installed.contains(f))
            return f;
    }
    for (const QString &f : mincho ? gothicFaces : minchoFaces) {
        if (installed.contains(f))
            return f;
    }
    return installed.isEmpty() ? name : installed.first();
}

} // namespace Platform
