#include "core/Num.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace Num {

std::optional<double> LeadingVal(const QString &text)
{
    // Blanks are skipped anywhere, as the value-of-text conversion does.
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            s += c;
    qsizetype i = 0;
    const qsizetype n = s.size();
    if (n >= 2 && s[0] == QLatin1Char('&') && (s[1] == QLatin1Char('H') || s[1] == QLatin1Char('h'))) {
        i = 2;
        qint64 v = 0;
        bool any = false;
        while (i < n && std::isxdigit(static_cast<unsigned char>(s[i].toLatin1())) && v < (qint64(1) << 40)) {
            v = v * 16 + QString(s[i]).toInt(nullptr, 16);
            ++i;
            any = true;
        }
        if (!any)
            return std::nullopt;
        return double(v);
    }
    QString num;
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        num += s[i++];
    bool digits = false;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) { num += s[i++]; digits = true; }
    if (i < n && s[i] == QLatin1Char('.')) {
        num += s[i++];
        while (i < n && s[i].isDigit() && s[i].unicode() < 128) { num += s[i++]; digits = true; }
    }
    if (!digits)
        return std::nullopt;
    if (i < n && (s[i] == QLatin1Char('E') || s[i] == QLatin1Char('e') || s[i] == QLatin1Char('D') || s[i] == QLatin1Char('d'))) {
        QString e = QStringLiteral("e");
        qsizetype j = i + 1;
        if (j < n && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
            e += s[j++];
        bool ed = false;
        while (j < n && s[j].isDigit() && s[j].unicode() < 128) { e += s[j++]; ed = true; }
        if (ed)
            num += e;
    }
    bool ok = false;
    const double v = num.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

double Val(const QString &text) { return LeadingVal(text).value_or(0.0); }

double RoundHalfEven(double v)
{
    if (!std::isfinite(v))
        return v;
    const double f = std::floor(v);
    const double diff = v - f;
    if (diff > 0.5)
        return f + 1.0;
    if (diff < 0.5)
        return f;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

std::optional<int16_t> CInt(double v)
{
    const double r = RoundHalfEven(v);
    if (!std::isfinite(r) || r < std::numeric_limits<int16_t>::min() || r > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(r);
}

std::optional<int32_t> CLng(double v)
{
    const double r = RoundHalfEven(v);
    if (!std::isfinite(r) || r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(r);
}

double RoundHalfAway(double v, int decimals)
{
    const double p = std::pow(10.0, decimals);
    // The small nudge keeps values such as 100.005 (stored a hair below)
    // from rounding the wrong way.
    const double scaled = v * p;
    const double r = std::round(scaled + (scaled >= 0 ? 1e-9 : -1e-9));
    return r / p;
}

QString Fixed(double v, int decimals)
{
    double r = RoundHalfAway(v, decimals);
    if (r == 0)
        r = 0;   // -0 shows as 0
    return QString::number(r, 'f', decimals);
}

bool IsNumeric(const QString &text)
{
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

QString Str(double v)
{
    if (v == 0)
        v = 0;   // no "-0"
    const QString digits = QString::number(v, 'g', 15);
    return v < 0 ? digits : QLatin1Char(' ') + digits;
}

QString Plain(double v)
{
    if (v == 0)
        v = 0;   // no "-0"
    return QString::number(v, 'f', QLocale::FloatingPointShortest);
}

} // namespace Num
