#pragma once
// A program step on the wire: command code (2 hex digits), Operation1 (6),
// Operation2 (6), Condition (3), Result (2), upper case, filled with "0".
// The steps of a write, with their terminating all-"0" step, and the steps
// of a program read back.
#include "prog/ProgLines.h"

#include <QString>
#include <optional>
#include <vector>

namespace ProgWire {

inline constexpr int kStepDigits = 19;

// The 19 digits of a step; nothing when a code does not fit its field (a
// negative code included).
std::optional<QString> EncodeStep(const ProgData::ProgStep &step);

// The first line (1..n) of ProgDA with a code too wide for its field, or 0.
int FirstUnfitLine(const std::vector<ProgData::ProgStep> &progDA);

// Lines 1..n of ProgDA as the steps of program progNo: n < L steps and one
// terminating step of 19 "0", or exactly L steps. Nothing when n exceeds the
// limit L of the number (or the number has none) or a code does not fit.
std::optional<QString> EncodeSteps(int progNo, const std::vector<ProgData::ProgStep> &progDA);

// Characters of the reply to reading program progNo, CR LF included:
// 19 x L + 7.
int ReadReplyLength(int progNo);

// Lines 1..count of a read reply ("0RM" + the program in 2 hex digits, then
// L steps), element 0 unused. Nothing when the echo is not this program's,
// count is outside 0..L, the reply is shorter than the steps asked for, or
// a digit is not hexadecimal.
std::optional<std::vector<ProgData::ProgStep>> DecodeSteps(const QString &reply, int progNo, int count);

} // namespace ProgWire
