#pragma once
// The numeric conventions every part of the program shares: the leading
// number of a text, rounding half to even into integers, half-away rounding
// to decimals.
#include <QString>
#include <cstdint>
#include <optional>

namespace Num {

// The number formed by the leading numeric characters of a text: blanks
// skipped, optional sign, digits, one decimal point, exponent. 0 when there
// are none. "&H" prefixes a hexadecimal number.
double Val(const QString &text);
// The same, but nothing when the text does not begin with a number (or the
// number is too large for a double), where Val gives 0.
std::optional<double> LeadingVal(const QString &text);

// Round to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double v);

// Rounded (halves to even) into a 16-bit / 32-bit signed integer; nothing
// when the result leaves the range.
std::optional<int16_t> CInt(double v);
std::optional<int32_t> CLng(double v);

// Rounded to the given number of decimals, halves away from zero.
double RoundHalfAway(double v, int decimals);

// A number through a fixed format such as "#0.000": the given decimals,
// halves away from zero, at least one digit before the point, no "-0".
QString Fixed(double v, int decimals);

// Whole-number value of a text: Val then CInt. Nothing when out of range.
inline std::optional<int16_t> IntOf(const QString &text) { return CInt(Val(text)); }
inline std::optional<int32_t> LongOf(const QString &text) { return CLng(Val(text)); }

// A number as printed: its shortest decimal form after a blank for the sign
// of a value of 0 and above, after "-" for a negative one (12 -> " 12").
QString Str(double v);

// A number in plain decimal with just the digits that read back as the
// same value: never an exponent, never "-0" (1e20 -> "100000000000000000000").
QString Plain(double v);

// True when the whole text (blanks around it allowed) is a number.
bool IsNumeric(const QString &text);

} // namespace Num
