#include "prog/TaskStepText.h"

#include "prog/CommandList.h"
#include "prog/OperandCode.h"

#include <array>

namespace TaskMonitor {

namespace {

constexpr int32_t kBase = ProgCode::kRefBase;
constexpr int32_t kSignBit = ProgCode::kNegBase;

// Reference kinds as the program coder names them.
constexpr unsigned I = ProgCode::RefI, O = ProgCode::RefO, F = ProgCode::RefF, f = ProgCode::Reff,
                   R = ProgCode::RefR, r = ProgCode::Refr, PR = ProgCode::RefPR;

// How a value with no range or reference match reads.
enum class Else { Blank, Number, Zero };
// How a value within the plain range reads.
enum class Plain { None, Number, Thou, SignedThou };
// Whole-field rules besides the ranged one.
enum class Kind { Ranged, Blank, Zero, Number, Cond, Result };

struct Field {
    Kind kind = Kind::Zero;
    Plain plain = Plain::None;
    int32_t lo = 1, hi = 0;
    unsigned based = 0;   // references with the base
    unsigned small = 0;   // references without it
    Else other = Else::Zero;
};

constexpr Field kBlank{Kind::Blank};
constexpr Field kZero{Kind::Zero};
constexpr Field kNumber{Kind::Number};
constexpr Field kCond{Kind::Cond};
constexpr Field kResult{Kind::Result};

constexpr Field ranged(Plain p, int32_t lo, int32_t hi, unsigned based, unsigned small, Else other)
{
    return Field{Kind::Ranged, p, lo, hi, based, small, other};
}
constexpr Field refs(unsigned based, Else other) { return ranged(Plain::None, 1, 0, based, 0, other); }
constexpr Field smallRefs(unsigned small, Else other) { return ranged(Plain::None, 1, 0, 0, small, other); }

using Row = std::array<Field, 4>; // operand 1, operand 2, condition, result

Row rowOf(int c)
{
    switch (c) {
    case 0: case 15:
        return {kBlank, kBlank, kBlank, kBlank};
    case 1: case 5:
        return {ranged(Plain::Number, 1, 15, 0, 0, Else::Blank), kBlank, kCond, kResult};
    case 2: case 3: case 4: case 6: {
        const Field op = ranged(Plain::Number, 1, 999, R | r, 0, Else::Blank);
        return {op, op, kCond, kResult};
    }
    case 7:
        return {kBlank, kBlank, kCond, kResult};
    case 8: case 9:
        return {refs(R | r, Else::Number), kBlank, kCond, kBlank};
    case 10:
        return {ranged(Plain::Thou, 0, 999999, R | r, 0, Else::Zero), kBlank, kCond, kResult};
    // Operand 1 of these is coded × 1000 by the program editor: speeds and
    // accelerations within 1..50 or 1..20.
    case 11:
        return {ranged(Plain::Thou, 1000, 50000, 0, 0, Else::Number), kBlank, kBlank, kBlank};
    case 12:
        return {ranged(Plain::Thou, 1000, 50000, R | r, 0, Else::Number), kBlank, kCond, kBlank};
    case 13:
        return {ranged(Plain::Thou, 1000, 20000, R | r, 0, Else::Number), kBlank, kCond, kBlank};
    case 14:
        return {ranged(Plain::Thou, 1000, 20000, 0, 0, Else::Number), kBlank, kBlank, kBlank};
    case 16: case 17:
        return {smallRefs(I | O | F | f, Else::Blank), ranged(Plain::Thou, 0, 999999, 0, 0, Else::Number), kCond,
                kResult};
    case 18: case 19: {
        const Field op = refs(O | F | f, Else::Blank);
        return {op, op, kCond, kBlank};
    }
    case 20: case 21:
        return {refs(R | r, Else::Number), refs(I | F | f, Else::Number), kCond, kBlank};
    case 22:
        return {ranged(Plain::Number, 0, 255, 0, R | r, Else::Number), smallRefs(O | F | f, Else::Number), kCond,
                kBlank};
    case 23:
        return {ranged(Plain::Number, 0, 99, 0, R | r, Else::Number), smallRefs(O | F | f, Else::Number), kCond,
                kBlank};
    case 24: case 25:
        return {ranged(Plain::Number, 1, 100, 0, R | r, Else::Number), kBlank, kCond, kResult};
    case 26:
        return {kBlank, kBlank, kCond, kBlank};
    case 39:
        return {ranged(Plain::Number, 1, 15, 0, 0, Else::Blank), kBlank, kCond, kBlank};
    case 40: case 41:
        return {ranged(Plain::Thou, 1, 150, 0, 0, Else::Number), ranged(Plain::Number, 1, 999, R | r, 0, Else::Number),
                kCond, kBlank};
    case 42:
        return {ranged(Plain::Thou, 1, 400, 0, 0, Else::Number), ranged(Plain::Number, 1, 999, R | r, 0, Else::Number),
                kCond, kResult};
    case 43:
        return {kNumber, kBlank, kCond, kBlank};
    case 44:
        return {kNumber, kNumber, kCond, kResult};
    case 47: case 48:
        return {kNumber, refs(I | O | F | f, Else::Number), kCond, kResult};
    case 57: {
        const Field op = refs(R | r | PR, Else::Number);
        return {op, op, kCond, kResult};
    }
    default:
        break;
    }
    if (c >= 27 && c <= 38)
        return {refs(R | r | PR, Else::Number), ranged(Plain::SignedThou, 0, kBase, R | r | PR, 0, Else::Number), kCond,
                kResult};
    if (c >= 49 && c <= 56)
        return {kNumber, kNumber, kCond, kBlank};
    return {kZero, kZero, kZero, kZero}; // 45, 46, 58 and above, and any negative code
}

StepText blank() { return StepText{QString(), QString()}; }
StepText number(int32_t v) { return StepText{QString(), QString::number(v)}; }

// The reference of `v` among `kinds`, relative to `base`, if any.
bool reference(int32_t v, unsigned kinds, int32_t base, StepText &out)
{
    for (const ProgCode::RefDef &k : ProgCode::kRefs) {
        if (!(kinds & k.kind))
            continue;
        const int64_t n = int64_t(v) - base - k.offset;
        if (n >= 1 && n <= k.count) {
            out = StepText{QString::fromLatin1(k.prefix), QString::number(n)};
            return true;
        }
    }
    return false;
}

StepText decode(const Field &fd, int32_t v)
{
    switch (fd.kind) {
    case Kind::Blank: return blank();
    case Kind::Zero: return StepText{};
    case Kind::Number: return number(v);
    case Kind::Cond: return GetConditionText(v);
    case Kind::Result: return GetResultText(v);
    case Kind::Ranged: break;
    }
    if (fd.plain != Plain::None && v >= fd.lo && v <= fd.hi) {
        switch (fd.plain) {
        case Plain::Number: return number(v);
        case Plain::Thou: return StepText{QString(), Thousandths(v)};
        case Plain::SignedThou: return StepText{QString(), SignedThousandths(v)};
        case Plain::None: break;
        }
    }
    StepText out;
    if (reference(v, fd.based, kBase, out) || reference(v, fd.small, 0, out))
        return out;
    switch (fd.other) {
    case Else::Blank: return blank();
    case Else::Number: return number(v);
    case Else::Zero: break;
    }
    return StepText{};
}

} // namespace

QString Thousandths(int32_t value)
{
    const int64_t v = value;
    const int64_t mag = v < 0 ? -v : v;
    QString s = QString::number(mag / 1000);
    if (const int64_t frac = mag % 1000) {
        QString d = QStringLiteral("%1").arg(frac, 3, 10, QLatin1Char('0'));
        while (d.endsWith(QLatin1Char('0')))
            d.chop(1);
        s += QLatin1Char('.') + d;
    }
    return v < 0 ? QLatin1Char('-') + s : s;
}

QString SignedThousandths(int32_t value)
{
    int64_t v = value;
    if (v >= kSignBit)
        v = -(v - kSignBit);
    const int64_t mag = v < 0 ? -v : v;
    const QString s = QStringLiteral("%1.%2").arg(mag / 1000).arg(mag % 1000, 3, 10, QLatin1Char('0'));
    return v < 0 ? QLatin1Char('-') + s : s;
}

StepText GetConditionText(int32_t v)
{
    if (v == 0)
        return blank();
    StepText out;
    if (reference(v, I | O | F | f, 0, out))
        return out;
    // The code plus 1000 is the negated condition.
    if (reference(v, I | O | F | f, 1000, out)) {
        out.DispOpeStr.prepend(QLatin1Char('/'));
        return out;
    }
    return number(v);
}

StepText GetResultText(int32_t v)
{
    if (v == 0)
        return blank();
    StepText out;
    if (reference(v, O | F | f, 0, out))
        return out;
    return number(v);
}

StepText GetOperandText(int cmdCode, int field, int32_t value)
{
    if (field < kFieldOp1 || field > kFieldResult)
        return StepText{};
    return decode(rowOf(cmdCode)[size_t(field - kFieldOp1)], value);
}

} // namespace TaskMonitor

namespace TaskMonitor {

std::array<QString, 7> TaskRowTexts(const StepValues &st)
{
    std::array<QString, 7> cells;
    cells[0] = QString::number(st[0]);
    cells[1] = QString::number(st[1]);
    int c = st[2];
    if (c > CommandList::State().CommandCount || c < 0) {
        c = 0;
    } else {
        cells[2] = CommandList::CommandNameOf(c);
    }
    for (int k = 3; k <= 6; ++k)
        cells[size_t(k)] = GetOperandText(c, k - 1, st[size_t(k)]).text();
    return cells;
}

} // namespace TaskMonitor
