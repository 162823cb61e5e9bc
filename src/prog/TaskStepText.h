#pragma once
// Texts of the step a controller task executes, as the program task window
// shows them: the controller reports a command code and four values
// (operand 1, operand 2, condition, result); how a value reads depends on the
// command code. The task monitor scales several operands differently from
// the program editor's decoders (OperandCode.h), so it keeps its own table.
#include <QString>
#include <array>
#include <cstdint>

namespace TaskMonitor {

// Field numbers of a step's values.
inline constexpr int kFieldOp1 = 2, kFieldOp2 = 3, kFieldCondition = 4, kFieldResult = 5;

// One decoded cell: a prefix followed by the text of the value. A field no
// rule sets reads "0"; a blanked field reads nothing.
struct StepText {
    QString DispOpeStr;
    QString DispOpeVal = QStringLiteral("0");
    QString text() const { return DispOpeStr + DispOpeVal; }
};

StepText GetOperandText(int cmdCode, int field, int32_t value);
StepText GetConditionText(int32_t value);
StepText GetResultText(int32_t value);

// `value` / 1000 without trailing zeros ("1.5", "0.25", "3").
QString Thousandths(int32_t value);
// Bit 21 is the sign; the magnitude in thousandths with three decimals.
QString SignedThousandths(int32_t value);

} // namespace TaskMonitor

namespace TaskMonitor {
// The seven values a task's step reports: program, step, command code,
// operand 1, operand 2, condition, result.
using StepValues = std::array<int32_t, 7>;
// Columns 1..7 of its row in the task table: program and step as decimal
// numbers, the command name (empty for a code beyond the command list, whose
// operands then read as those of code 0), and the four decoded values.
std::array<QString, 7> TaskRowTexts(const StepValues &st);
} // namespace TaskMonitor
