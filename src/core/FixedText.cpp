#include "core/FixedText.h"


namespace FixedText {

QString HexZeroPad(int32_t value, int digits)
{
    // Negative values are written as their 32-bit two's complement.
    const QString t = QString::number(static_cast<uint32_t>(value), 16).toUpper();
    if (digits < t.size())
        return QStringLiteral("X");
    return QString(digits - t.size(), QLatin1Char('0')) + t;
}

static int hexDigit(QChar c, bool upperOnly)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (!upperOnly && u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

bool IsHexText(const QString &digits, bool upperOnly)
{
    if (digits.isEmpty())
        return false;
    for (QChar c : digits)
        if (hexDigit(c, upperOnly) < 0)
            return false;
    return true;
}

std::optional<uint32_t> HexValue(const QString &digits)
{
    if (digits.size() > 8 || !IsHexText(digits))
        return std::nullopt;
    uint32_t v = 0;
    for (QChar c : digits)
        v = v * 16 + uint32_t(hexDigit(c, false));
    return v;
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

} // namespace FixedText
