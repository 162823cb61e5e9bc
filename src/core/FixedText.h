#pragma once
// Fixed-width texts for the controller protocol and for displays.
#include <QString>
#include <cstdint>
#include <optional>


namespace FixedText {

// Upper-case hexadecimal filled with "0" on the left to exactly `digits`
// characters; "X" when it does not fit.
QString HexZeroPad(int32_t value, int digits);
// Decimal twins: filled with "0" / blanks; a minus sign counts; "X" when longer.
QString DecZeroPad(int32_t value, int digits);
QString DecSpacePad(int32_t value, int width);
// Right-aligns text in `width` characters; nothing (the original's -1) when
// the text is longer than the width.
std::optional<QString> PadSpace(const QString &text, int width);

// True when the text is not empty and holds only hexadecimal digits (upper
// case only when upperOnly, as the controller writes them).
bool IsHexText(const QString &digits, bool upperOnly = false);
// Value of a text of at most 8 hexadecimal digits (either case); nothing for
// an empty or longer text or any other character.
std::optional<uint32_t> HexValue(const QString &digits);

// True when a fill helper reported "does not fit".
inline bool DoesNotFit(const QString &field) { return field == QLatin1String("X"); }

} // namespace FixedText
