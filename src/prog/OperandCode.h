#pragma once
// Coding of program operands: the texts a user types (12.5, R3, /I4, PR2,
// -1.5) into the integer codes the controller stores, by command code and
// column, and the codes read back from the controller into texts. The
// per-command rules are one table (OperandRuleOf); the program windows share
// the coder and the decoders (the task monitor scales differently and keeps
// its own decoders, TaskStepText.h, over the same reference table).
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace ProgCode {

// Base of the reference codes (hex 3FF000).
inline constexpr int32_t kRefBase = 4190208;
// A negative value of the register commands' Operation2 is this plus its
// magnitude x 1000 (hex 200000).
inline constexpr int32_t kNegBase = 2097152;

// Columns of a program line.
inline constexpr int kColOp1 = 2, kColOp2 = 3, kColCondition = 4, kColResult = 5;

// Reference kinds, as bits.
enum RefKind : unsigned {
    RefI = 1u << 0,   // input I1..I18
    RefO = 1u << 1,   // output O1..O16
    RefF = 1u << 2,   // flag F1..F100
    Reff = 1u << 3,   // flag f1..f50
    RefR = 1u << 4,   // register R1..R100
    Refr = 1u << 5,   // register r1..r50
    RefPR = 1u << 6,  // position register PR1..PR4
};

// The reference kinds' codes: kRefBase + offset + n for n = 1..count.
struct RefDef {
    RefKind kind;
    const char *prefix;
    int32_t offset;
    int32_t count;
};
inline constexpr std::array<RefDef, 7> kRefs{{
    {RefI, "I", 0, 18},
    {RefO, "O", 20, 16},
    {RefF, "F", 99, 100},
    {Reff, "f", 199, 50},
    {RefR, "R", 299, 100},
    {Refr, "r", 399, 50},
    {RefPR, "PR", 500, 4},
}};

// How one Operation column of one command codes and shows its operand.
struct OperandRule {
    unsigned refs = 0;   // reference prefixes coded by the reference table
    // A reference with any other prefix: 0, its bare number n, or its
    // number part treated as a plain number.
    enum class Other { Zero, Bare, AsNumber } other = Other::Zero;
    // A plain number: 0; N x scale within lo..hi (0 outside); or N x scale
    // within lo..hi and the bare n outside.
    enum class Plain { Zero, Scaled, ScaledElseBare } plain = Plain::Zero;
    double lo = 0, hi = 0;   // range of N; lo > hi means none
    int scale = 1000;
    // Plain codes shown, as codes: showLo..showHi, every showStep-th.
    int32_t showLo = 1, showHi = 0;
    int32_t showStep = 1;
    // Register commands' Operation2: "-x" is kNegBase + x x 1000, shown
    // with three decimals.
    bool signedFixed = false;
};

// The rule of command code `cmdCode`, column kColOp1 or kColOp2.
OperandRule OperandRuleOf(int cmdCode, int col);
// Whether the Condition / Result column of a command takes an operand.
bool UsesCondition(int cmdCode);
bool UsesResult(int cmdCode);

// How a trimmed operand text reads: reference or plain, its prefix and its
// number part N (four decimals). Nothing when the number part is not a
// number.
struct Operand {
    bool ref = false;
    QString prefix;
    double N = 0;
};
std::optional<Operand> ParseOperand(const QString &text);

// The code of one operand text (leading and trailing spaces removed; an
// empty cell is passed as "0") for a command code and a column 2..5.
// Nothing when the number part is not a number, a reference names a number
// outside its kind's range (I1-18, O1-16, F1-100, f1-50, R1-100, r1-50,
// PR1-4), or a code does not fit 32 bits.
std::optional<int32_t> seekInputData(int cmdCode, int col, const QString &text);
std::optional<int32_t> CodeCondition(bool ref, const QString &prefix, int32_t n);
std::optional<int32_t> CodeResult(bool ref, const QString &prefix, int32_t n);

// Whether the command takes an operand in column 2..5 at all: a column it
// does not take is sent as 0 whatever it shows.
bool TakesOperand(int cmdCode, int col);
// Whether the text of a column the command takes (trimmed; empty stands for
// "0") is sent as the line shows it: its code reads back as the same
// reference or the same number. A number outside the column's range, a
// fraction in a reference number, a reference or number the column codes as
// something else, or more decimals than the column holds are not. A text
// without a code is not either; a column the command does not take is not
// judged (true).
bool SentAsShown(int cmdCode, int col, const QString &text);

// A decoded cell: DispPrefix followed by DispValue.
struct Disp {
    QString DispPrefix;
    QString DispValue;
    QString text() const { return DispPrefix + DispValue; }
};
// Codes read from the controller as texts; a code outside every range its
// column accepts gives an empty cell.
Disp DecodeOperand(int cmdCode, int col, int32_t value);
Disp DecodeCondition(int32_t value);
Disp DecodeResult(int32_t value);

} // namespace ProgCode
