#include "prog/OperandCode.h"

#include "core/Num.h"

#include <array>
#include <cmath>

namespace ProgCode {
namespace {

constexpr double kAny = 1e300;

const RefDef *refOf(const QString &prefix)
{
    for (const RefDef &d : kRefs)
        if (prefix == QLatin1String(d.prefix))
            return &d;
    return nullptr;
}

// ---- the rules of the Operation columns -----------------------------------
using O = OperandRule;

constexpr O zero() { return O{}; }

// A plain number within lo..hi times 1000, shown back within the same
// range; with `refs` the references coded by the reference table.
constexpr O plain(double lo, double hi, unsigned refs = 0, int32_t showLo = -1, int32_t showHi = -1)
{
    O r;
    r.refs = refs;
    r.plain = O::Plain::Scaled;
    r.lo = lo;
    r.hi = hi;
    r.showLo = showLo >= 0 ? showLo : int32_t(lo * 1000);
    r.showHi = showHi >= 0 ? showHi : int32_t(hi * 1000);
    return r;
}

// The number part of any text, within lo..hi, times scale.
constexpr O number(double lo, double hi, int32_t showLo, int32_t showHi, int scale = 1000)
{
    O r;
    r.other = O::Other::AsNumber;
    r.plain = O::Plain::Scaled;
    r.lo = lo;
    r.hi = hi;
    r.scale = scale;
    r.showLo = showLo;
    r.showHi = showHi;
    return r;
}

// References only: the listed kinds by the table, any other prefix its
// bare number (or 0 with otherZero), a plain number 0.
constexpr O refsOnly(unsigned refs, bool otherZero = false)
{
    O r;
    r.refs = refs;
    r.other = otherZero ? O::Other::Zero : O::Other::Bare;
    return r;
}

constexpr unsigned kRr = RefR | Refr;
constexpr unsigned kReg = RefR | Refr | RefPR;
constexpr int32_t kBelowRefs = kRefBase - 1;

struct CommandRule {
    O op1, op2;
};

CommandRule ruleOf(int code)
{
    switch (code) {
    case 1:
    case 5:
        return {number(1, 15, 1000, 15000), zero()};
    case 2:
    case 3:
    case 4:
        return {plain(1, 999, kRr), plain(1, 999, kRr)};
    case 6:
        return {plain(1, 999, kRr), zero()};
    case 8:
        return {plain(1, 400, kRr), zero()};
    case 9:
        return {number(10, 2000, 1000, 255000, 100), zero()};
    case 10: {
        O r = plain(0, 999.999, kRr, 0, 999999);
        r.plain = O::Plain::ScaledElseBare;
        return {r, zero()};
    }
    case 11:
    case 14:
        return {number(-kAny, kAny, 0, kBelowRefs), zero()};
    case 12:
    case 13:
        return {plain(-kAny, kAny, kRr, 0, kBelowRefs), zero()};
    case 16:
    case 17:
        return {refsOnly(RefI | RefO | RefF | Reff), number(-kAny, kAny, 0, 999999)};
    case 18:
    case 19:
        return {refsOnly(RefO | RefF | Reff), refsOnly(RefO | RefF | Reff)};
    case 20:
    case 21:
        return {refsOnly(kRr, true), refsOnly(RefI | RefF | Reff)};
    case 22:
        return {plain(-kAny, kAny, kRr, 0, 255000), refsOnly(RefO | RefF | Reff)};
    case 23:
        return {plain(-kAny, kAny, kRr, 0, 99000), refsOnly(RefO | RefF | Reff)};
    case 24:
    case 25:
        return {plain(-kAny, kAny, kRr, 1000, 100000), zero()};
    case 39:
        return {number(1, 15, 1000, 15000), zero()};
    case 40:
    case 41:
        return {number(1, 4, 1000, 4000), plain(1, 999, kRr)};
    case 42:
        return {number(1, 15, 1000, 15000), plain(1, 999, kRr)};
    case 43:
        return {number(1, 4, 1000, 4000), zero()};
    case 44: {
        O r = number(-kAny, kAny, 0, 2000);
        r.showStep = 1000;
        return {number(1, 4, 1000, 4000), r};
    }
    case 47:
    case 48:
        return {number(1, 15, 1000, 15000), refsOnly(RefI | RefO | RefF)};
    case 49:
    case 50:
    case 51:
    case 52:
        return {number(-kAny, kAny, 0, 1000000), number(-kAny, kAny, 0, 1000000)};
    case 53:
    case 54:
    case 55:
    case 56:
        return {number(-kAny, kAny, 0, kBelowRefs), number(-kAny, kAny, 0, 100000)};
    case 57:
        return {refsOnly(kReg, true), refsOnly(kReg, true)};
    default:
        break;
    }
    if (code >= 27 && code <= 38) {
        O op2 = plain(-kAny, kAny, kReg, 0, kRefBase);
        op2.signedFixed = true;
        return {refsOnly(kReg, true), op2};
    }
    // 0, 7, 15, 26, 45, 46, 58 and above: no operand.
    return {zero(), zero()};
}

std::optional<int32_t> scaled(double N, int scale) { return Num::CLng(N * scale); }

QString shortest(double v) { return QString::number(v, 'g', 15); }

bool inShowRange(const OperandRule &r, int32_t v)
{
    return v >= r.showLo && v <= r.showHi && (r.showStep <= 1 || (v - r.showLo) % r.showStep == 0);
}

} // namespace

OperandRule OperandRuleOf(int cmdCode, int col)
{
    const CommandRule r = ruleOf(cmdCode);
    if (col == kColOp1)
        return r.op1;
    if (col == kColOp2)
        return r.op2;
    return zero();
}

bool UsesCondition(int c)
{
    return c >= 1 && c <= 57 && c != 11 && c != 14 && c != 15 && c != 45 && c != 46;
}

bool UsesResult(int c)
{
    return (c >= 1 && c <= 7) || c == 10 || (c >= 16 && c <= 19) || c == 24 || c == 25 || (c >= 27 && c <= 38)
           || c == 42 || c == 44 || c == 47 || c == 48 || c == 57;
}

std::optional<Operand> ParseOperand(const QString &text)
{
    Operand o;
    QString digits;
    if (text.contains(QLatin1String("PR"))) {
        o.ref = true;
        o.prefix = QStringLiteral("PR");
        digits = text.mid(2);
    } else if (text.startsWith(QLatin1Char('/'))) {
        o.ref = true;
        o.prefix = text.left(2);
        digits = text.mid(2);
    } else if (!text.isEmpty() && QStringLiteral("FfRrPIOp-").contains(text.front())) {
        o.ref = true;
        o.prefix = text.left(1);
        digits = text.mid(1);
    } else {
        digits = text;
    }
    // Digits with a sign, a point and an exponent only: no "inf" or "nan".
    for (QChar ch : digits)
        if (ch.isLetter() && ch != QLatin1Char('e') && ch != QLatin1Char('E'))
            return std::nullopt;
    if (!Num::IsNumeric(digits))
        return std::nullopt;
    const double v = Num::Val(digits);
    // Four decimals, as the controller's tool always kept them; beyond the
    // range such a number can hold the text is no number.
    if (!std::isfinite(v) || std::abs(v) > 9e14)
        return std::nullopt;
    o.N = Num::RoundHalfEven(v * 10000.0) / 10000.0;
    return o;
}

std::optional<int32_t> CodeCondition(bool ref, const QString &prefix, int32_t n)
{
    if (!ref)
        return 0;
    static const struct {
        const char *prefix;
        int32_t offset, count;
    } kinds[] = {{"I", 0, 18},      {"O", 20, 16},    {"F", 99, 100},    {"f", 199, 50},
                 {"/I", 1000, 18},  {"/O", 1020, 16}, {"/F", 1099, 100}, {"/f", 1199, 50}};
    for (const auto &k : kinds) {
        if (prefix == QLatin1String(k.prefix)) {
            if (n < 1 || n > k.count)
                return std::nullopt;
            return k.offset + n;
        }
    }
    return 0;
}

namespace {
// The references the Result column codes by its own table.
const struct ResultKind {
    const char *prefix;
    int32_t offset, count;
} kResultKinds[] = {{"O", 20, 16}, {"F", 99, 100}, {"f", 199, 50}};
} // namespace

std::optional<int32_t> CodeResult(bool ref, const QString &prefix, int32_t n)
{
    if (!ref)
        return 0;
    for (const auto &k : kResultKinds) {
        if (prefix == QLatin1String(k.prefix)) {
            if (n < 1 || n > k.count)
                return std::nullopt;
            return k.offset + n;
        }
    }
    return n;
}

std::optional<int32_t> seekInputData(int cmdCode, int col, const QString &text)
{
    const auto o = ParseOperand(text);
    if (!o)
        return std::nullopt;
    const auto n = Num::CLng(o->N);
    if (!n)
        return std::nullopt;
    if (col == kColCondition)
        return UsesCondition(cmdCode) ? CodeCondition(o->ref, o->prefix, *n) : std::optional<int32_t>(0);
    if (col == kColResult)
        return UsesResult(cmdCode) ? CodeResult(o->ref, o->prefix, *n) : std::optional<int32_t>(0);
    if (col != kColOp1 && col != kColOp2)
        return 0;

    const OperandRule r = OperandRuleOf(cmdCode, col);
    bool asPlain = !o->ref;
    if (o->ref) {
        const RefDef *d = refOf(o->prefix);
        if (d && (r.refs & d->kind)) {
            if (*n < 1 || *n > d->count)
                return std::nullopt;
            return kRefBase + d->offset + *n;
        }
        if (r.signedFixed && o->prefix == QLatin1String("-")) {
            // Coded the way the decoder shows it, so a program read from
            // the controller goes back unchanged.
            const auto m = scaled(o->N, 1000);
            if (!m || *m > INT32_MAX - kNegBase)
                return std::nullopt;
            return kNegBase + *m;
        }
        switch (r.other) {
        case OperandRule::Other::Zero:
            return 0;
        case OperandRule::Other::Bare:
            return *n;
        case OperandRule::Other::AsNumber:
            asPlain = true;
            break;
        }
    }
    if (!asPlain)
        return 0;
    const bool inRange = o->N >= r.lo && o->N <= r.hi;
    switch (r.plain) {
    case OperandRule::Plain::Zero:
        return 0;
    case OperandRule::Plain::Scaled:
        return inRange ? scaled(o->N, r.scale) : std::optional<int32_t>(0);
    case OperandRule::Plain::ScaledElseBare:
        return inRange ? scaled(o->N, r.scale) : std::optional<int32_t>(*n);
    }
    return 0;
}

Disp DecodeOperand(int cmdCode, int col, int32_t v)
{
    if (col == kColCondition)
        return DecodeCondition(v);
    if (col == kColResult)
        return DecodeResult(v);
    const OperandRule r = OperandRuleOf(cmdCode, col);
    for (const RefDef &d : kRefs) {
        const int32_t n = v - kRefBase - d.offset;
        if ((r.refs & d.kind) && n >= 1 && n <= d.count)
            return {QString::fromLatin1(d.prefix), QString::number(n)};
    }
    if (r.signedFixed) {
        if (v >= 0 && v < kNegBase)
            return {QString(), Num::Fixed(v / 1000.0, 3)};
        if (v >= kNegBase && v <= kRefBase)
            return {QStringLiteral("-"), Num::Fixed((v - kNegBase) / 1000.0, 3)};
        return {};
    }
    const bool showsPlain = r.plain != OperandRule::Plain::Zero;
    if (showsPlain && inShowRange(r, v))
        return {QString(), shortest(double(v) / r.scale)};
    return {};
}

Disp DecodeCondition(int32_t v)
{
    static const struct {
        const char *prefix;
        int32_t lo, hi, offset;
    } kinds[] = {{"I", 1, 18, 0},          {"O", 21, 36, 20},        {"F", 100, 199, 99},
                 {"f", 200, 249, 199},     {"/I", 1001, 1018, 1000}, {"/O", 1021, 1036, 1020},
                 {"/F", 1100, 1199, 1099}, {"/f", 1200, 1249, 1199}};
    if (v == 0)
        return {};
    for (const auto &k : kinds)
        if (v >= k.lo && v <= k.hi)
            return {QString::fromLatin1(k.prefix), QString::number(v - k.offset)};
    return {QString(), QString::number(v)};
}

Disp DecodeResult(int32_t v)
{
    static const struct {
        const char *prefix;
        int32_t lo, hi, offset;
    } kinds[] = {{"O", 21, 36, 20}, {"F", 100, 199, 99}, {"f", 200, 249, 199}};
    if (v == 0)
        return {};
    for (const auto &k : kinds)
        if (v >= k.lo && v <= k.hi)
            return {QString::fromLatin1(k.prefix), QString::number(v - k.offset)};
    return {QString(), QString::number(v)};
}

bool TakesOperand(int cmdCode, int col)
{
    if (col == kColCondition)
        return UsesCondition(cmdCode);
    if (col == kColResult)
        return UsesResult(cmdCode);
    if (col != kColOp1 && col != kColOp2)
        return false;
    const OperandRule r = OperandRuleOf(cmdCode, col);
    return r.refs != 0 || r.other != OperandRule::Other::Zero || r.plain != OperandRule::Plain::Zero;
}

bool SentAsShown(int cmdCode, int col, const QString &text)
{
    if (!TakesOperand(cmdCode, col))
        return true;
    const QString typed = text.isEmpty() ? QStringLiteral("0") : text;
    const auto code = seekInputData(cmdCode, col, typed);
    if (!code)
        return false;
    // An empty cell read back stands for code 0, as an empty typed one.
    const QString back = DecodeOperand(cmdCode, col, *code).text();
    const auto a = ParseOperand(typed);
    const auto b = ParseOperand(back.isEmpty() ? QStringLiteral("0") : back);
    return a && b && a->ref == b->ref && a->prefix == b->prefix && a->N == b->N;
}

} // namespace ProgCode
