#include "app/Module1Text.h"
#include "platform/Wait.h"

#include <QWidget>

namespace Module1 {

QString HexZeroPad(int32_t value, int digits)
{
    // Negative values are written as their 32-bit two's complement.
    const QString t = QString::number(static_cast<uint32_t>(value), 16).toUpper();
    if (digits < t.size())
        return QStringLiteral("X");
    return QString(digits - t.size(), QLatin1Char('0')) + t;
}

static QString decFill(int32_t value, int digits, QChar fill)
{
    const QString t = QString::number(value);
    if (digits < t.size())
        return QStringLiteral("X");
    return QString(digits - t.size(), fill) + t;
}

QString DecZeroPad(int32_t value, int digits) { return decFill(value, digits, QLatin1Char('0')); }
QString DecSpacePad(int32_t value, int width) { return decFill(value, width, QLatin1Char(' ')); }

std::optional<QString> PadSpace(const QString &text, int width)
{
    if (width < text.size())
        return std::nullopt;
    return QString(width - text.size(), QLatin1Char(' ')) + text;
}

void mmsecWait(int ms)
{
    Platform::WaitMs(ms);
}

void SetIMEStatus(QWidget *w, bool open)
{
    if (!w)
        return;
    Qt::InputMethodHints h = w->inputMethodHints();
    if (open) {
        h &= ~Qt::InputMethodHints(Qt::ImhPreferLatin | Qt::ImhLatinOnly);
        w->setAttribute(Qt::WA_InputMethodEnabled, true);
    } else {
        h |= Qt::ImhPreferLatin | Qt::ImhLatinOnly;
        w->setAttribute(Qt::WA_InputMethodEnabled, false);
    }
    w->setInputMethodHints(h);
}

} // namespace Module1
