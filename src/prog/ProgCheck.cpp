#include "prog/ProgCheck.h"

#include "core/Num.h"
#include "platform/StringTable.h"
#include "prog/CommandList.h"
#include "prog/OperandCode.h"
#include "prog/ProgGridModel.h"
#include "prog/ProgLines.h"

#include <algorithm>
#include <vector>

namespace ProgCheck {
namespace {

using ProgData::ProgStep;
constexpr int64_t B = ProgCode::kRefBase;
constexpr int64_t Neg = ProgCode::kNegBase;

bool in(int32_t v, int64_t lo, int64_t hi) { return v >= lo && v <= hi; }
// A plain number a..b (code a x 1000 .. b x 1000).
bool num(int32_t v, int a, int b) { return in(v, a * 1000LL, b * 1000LL); }
// A reference code of the coder's table; the position registers' range
// starts at the table's base (PR0).
bool ref(int32_t v, ProgCode::RefKind kind)
{
    for (const ProgCode::RefDef &d : ProgCode::kRefs)
        if (d.kind == kind)
            return in(v, B + d.offset + (kind == ProgCode::RefPR ? 0 : 1), B + d.offset + d.count);
    return false;
}
bool refI(int32_t v) { return ref(v, ProgCode::RefI); }
bool refO(int32_t v) { return ref(v, ProgCode::RefO); }
bool refF(int32_t v) { return ref(v, ProgCode::RefF); }
bool reff(int32_t v) { return ref(v, ProgCode::Reff); }
bool refRr(int32_t v) { return ref(v, ProgCode::RefR) || ref(v, ProgCode::Refr); }
bool refPR(int32_t v) { return ref(v, ProgCode::RefPR); }
bool refOFf(int32_t v) { return refO(v) || refF(v) || reff(v); }
bool refIOFf(int32_t v) { return refI(v) || refOFf(v); }
// The number a subroutine or label operand names.
int numberOf(int32_t v) { return int(Num::RoundHalfEven(v / 1000.0)); }

struct Ctx {
    ProgData::ProgDoc &doc;
    CheckTables &t;
    int n = 0;
    bool found = false;
    bool stop = false;

    // Whether the texts of both Operation columns of line r are sent as the
    // line shows them (columns the command does not take are not judged);
    // a line with no grid row behind it is judged by its codes alone.
    bool operandsShown(int r) const { return shown(r, ProgCode::kColOp1) && shown(r, ProgCode::kColOp2); }
    bool shown(int r, int col) const
    {
        const ProgGridModel *g = doc.flgdProg;
        if (!g || r >= g->Rows())
            return true;
        return ProgCode::SentAsShown(doc.ProgDA[static_cast<size_t>(r)].code, col, g->Text(r, col).trimmed());
    }

    // Records error `no` with message `msg` on `line`; past the tenth error
    // the check ends, unless the pass applies the limit itself.
    void record(int no, int msg, int line, bool limit = true)
    {
        found = true;
        if (t.ErrCount < kErrSlots) {
            ErrSlotEntry &e = t.ErrSlot[static_cast<size_t>(t.ErrCount)];
            e.line = QString::number(line);
            e.text = ErrorText(no, msg);
        }
        ++t.ErrCount;
        if (limit && t.ErrCount > kErrListed)
            stop = true;
    }
};

// A rule over one line whose command is the pass's keyword number kw.
using LineRule = void (*)(Ctx &, int line, const ProgStep &, int kw);
// A rule over the whole program, given the keywords' codes.
using WholeRule = void (*)(Ctx &, const std::vector<int> &codes);

struct Pass {
    std::vector<const char *> keywords;
    LineRule line = nullptr;
    WholeRule whole = nullptr;
};

// The register commands' Operation2: a value, a register, or a negative
// value as the coder makes it (so a program read back passes).
bool registerValue(int32_t v) { return in(v, 0, 2000000) || in(v, Neg, Neg + 2000000) || refRr(v) || refPR(v); }

void registerOperation(Ctx &c, int r, const ProgStep &s, int)
{
    if (!(refRr(s.op1) || refPR(s.op1)) || !registerValue(s.op2) || !c.operandsShown(r))
        c.record(14, 3114, r);
}

void resultNeeded(Ctx &c, int r, const ProgStep &s, int)
{
    if (s.res == 0)
        c.record(23, 3123, r);
}

const std::vector<Pass> &passes()
{
    static const std::vector<Pass> table = {
        // 1: no subroutine at the first step.
        {{"SR"}, nullptr,
         [](Ctx &c, const std::vector<int> &codes) {
             if (c.n >= 1 && codes[0] >= 0 && c.doc.ProgDA[1].code == codes[0])
                 c.record(1, 3101, 1);
         }},
        // 2: position numbers.
        {{"MVP", "MVA", "MVI", "PMOV"},
         [](Ctx &c, int r, const ProgStep &s, int kw) {
             const bool ok1 = in(s.op1, 1, 999000) || refRr(s.op1);
             const bool ok2 = kw == 3 || in(s.op2, 0, 999000) || refRr(s.op2);
             if (!ok1 || !ok2 || !c.operandsShown(r))
                 c.record(2, 3102, r);
         }},
        // 3: ACC.
        {{"ACC"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if (!num(s.op1, 1, 200) || !c.operandsShown(r))
                 c.record(3, 3104, r);
         }},
        // 4: VEL.
        {{"VEL"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if ((!num(s.op1, 1, 400) && !refRr(s.op1)) || !c.operandsShown(r))
                 c.record(4, 3103, r);
         }},
        // 5: program numbers.
        {{"STPG", "EDPG"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if ((!num(s.op1, 1, 100) && !refRr(s.op1)) || !c.operandsShown(r))
                 c.record(5, 3105, r);
         }},
        // 6: LB.
        {{"LB"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if (!num(s.op1, 1, 50) || !c.operandsShown(r))
                 c.record(7, 3107, r);
         }},
        // 7: JUMP.
        {{"JUMP"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if ((!num(s.op1, 1, 50) && !refRr(s.op1)) || !c.operandsShown(r))
                 c.record(7, 3107, r);
         }},
        // 8: SR numbers, collected (a second SR n is not reported).
        {{"SR"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             const int k = numberOf(s.op1);
             if (k >= 1 && k <= 20 && c.operandsShown(r))
                 c.t.SrDefFlag[static_cast<size_t>(k)] = true;
             else
                 c.record(10, 3110, r);
         }},
        // 9: CALL numbers.
        {{"CALL"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if ((!num(s.op1, 1, 20) && !refRr(s.op1)) || !c.operandsShown(r))
                 c.record(10, 3110, r);
         }},
        // 10: CALLs, collected with the line of the first call.
        {{"CALL"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if (num(s.op1, 1, 20)) {
                 const auto k = static_cast<size_t>(numberOf(s.op1));
                 if (!c.t.SrCallFlag[k]) {
                     c.t.SrCallFlag[k] = true;
                     c.t.SrCallLine[k] = r;
                 }
             } else if (!refRr(s.op1)) {
                 c.record(10, 3110, r);
             }
         }},
        // 11: every called subroutine is defined.
        {{}, nullptr,
         [](Ctx &c, const std::vector<int> &) {
             for (size_t k = 1; k <= 20 && !c.stop; ++k)
                 if (c.t.SrCallFlag[k] && !c.t.SrDefFlag[k])
                     c.record(20, 3120, c.t.SrCallLine[k]);
         }},
        // 12: labels, collected; a label defined twice is reported on its
        // second line.
        {{"LB"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if (!num(s.op1, 1, 50)) {
                 c.record(7, 3107, r);
                 return;
             }
             const auto k = static_cast<size_t>(numberOf(s.op1));
             if (c.t.LbDefFlag[k])
                 c.record(19, 3119, r);
             else
                 c.t.LbDefFlag[k] = true;
         }},
        // 13: every label jumped to is defined (labels are all collected by now).
        {{"LB", "JUMP"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if (num(s.op1, 1, 50)) {
                 if (!c.t.LbDefFlag[static_cast<size_t>(numberOf(s.op1))])
                     c.record(21, 3121, r);
             } else if (!refRr(s.op1)) {
                 c.record(7, 3107, r);
             }
         }},
        // 14: TIM.
        {{"TIM"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if ((!in(s.op1, 0, 999999) && !refRr(s.op1)) || !c.operandsShown(r))
                 c.record(9, 3109, r);
         }},
        // 15 to 28: operand kinds and ranges, one error a line.
        {{"WTON", "WTOF"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if (!refIOFf(s.op1) || !in(s.op2, 0, 999999) || !c.operandsShown(r))
                 c.record(14, 3114, r);
         }},
        {{"ON", "OFF"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if (!refOFf(s.op1) || !(s.op2 == 0 || refOFf(s.op2)) || !c.operandsShown(r))
                 c.record(14, 3114, r);
         }},
        {{"IN", "INB"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if (!refRr(s.op1) || !(refI(s.op2) || refF(s.op2) || reff(s.op2)) || !c.operandsShown(r))
                 c.record(14, 3114, r);
         }},
        {{"OUT", "OUTB"},
         [](Ctx &c, int r, const ProgStep &s, int kw) {
             const bool ok1 = in(s.op1, 0, kw == 0 ? 255000 : 99000) || refRr(s.op1);
             if (!ok1 || !refOFf(s.op2) || !c.operandsShown(r))
                 c.record(14, 3114, r);
         }},
        {{"=", "+", "-", "*", "/"}, registerOperation},
        {{"%", "==", "!=", ">", ">="}, registerOperation},
        {{"<", "<="}, registerOperation},
        {{"PPUT", "PGET", "PTST"},
         [](Ctx &c, int r, const ProgStep &s, int kw) {
             const bool ok1 = in(s.op1, 1, kw == 2 ? 15000 : 4000);
             if (!ok1 || !(num(s.op2, 1, 999) || refRr(s.op2)) || !c.operandsShown(r))
                 c.record(14, 3114, r);
         }},
        {{"CPRD", "ZOUT"},
         [](Ctx &c, int r, const ProgStep &s, int kw) {
             const bool ok2 = kw == 0 || s.op2 == 0 || s.op2 == 1000 || s.op2 == 2000;
             if (!num(s.op1, 1, 4) || !ok2 || !c.operandsShown(r))
                 c.record(14, 3114, r);
         }},
        {{"JOG+", "JOG-"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if (!in(s.op1, 0, 15000) || !refIOFf(s.op2) || !c.operandsShown(r))
                 c.record(14, 3114, r);
         }},
        {{"ZONE1", "ZONE2", "ZONE3", "ZONE4"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if (!in(s.op1, 0, 1000000) || !in(s.op2, 0, 1000000) || !c.operandsShown(r))
                 c.record(14, 3114, r);
         }},
        {{"PUST1", "PUST2", "PUST3", "PUST4"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if (!(s.op1 == 0 || num(s.op1, 20, 70)) || !in(s.op2, 0, 100000) || !c.operandsShown(r))
                 c.record(14, 3114, r);
         }},
        {{"CLR"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if (!(refRr(s.op1) || refPR(s.op1)) || !(refRr(s.op2) || refPR(s.op2)) || !c.operandsShown(r))
                 c.record(14, 3114, r);
         }},
        {{"HOME", "PGR", "MVD"},
         [](Ctx &c, int r, const ProgStep &s, int) {
             if (!num(s.op1, 1, 15) || !c.operandsShown(r))
                 c.record(16, 3116, r);
         }},
        // 29: SR and SRET alternate, starting with SR and ending with SRET.
        {{"SR", "SRET"}, nullptr,
         [](Ctx &c, const std::vector<int> &codes) {
             int s = 0, t = 0, at = c.n;
             for (int r = 1; r <= c.n; ++r) {
                 const int code = c.doc.ProgDA[static_cast<size_t>(r)].code;
                 if (code == codes[0]) {
                     if (++s != t + 1) {
                         c.record(22, 3122, r, false);
                         at = r;
                         break;
                     }
                 } else if (code == codes[1]) {
                     if (++t != s) {
                         c.record(22, 3122, r, false);
                         at = r;
                         break;
                     }
                 }
             }
             if (s != t)
                 c.record(22, 3122, at, false);
             c.stop = c.t.ErrCount > kErrListed;
         }},
        // 30 to 32: commands that give a result need one.
        {{"PMOV", "==", "!="}, resultNeeded},
        {{">", ">=", "<"}, resultNeeded},
        {{"<=", "PTST", "ZOUT"}, resultNeeded},
        // 33: a Condition or Result the write would send otherwise than
        // the line shows (a plain number or a reference the column does not
        // code, sent as none or as another; a fraction in a reference
        // number, sent rounded): one error a line.
        {{},
         nullptr,
         [](Ctx &c, const std::vector<int> &) {
             for (int r = 1; r <= c.n && !c.stop; ++r)
                 if (!c.shown(r, ProgCode::kColCondition) || !c.shown(r, ProgCode::kColResult))
                     c.record(14, 3114, r);
         }},
    };
    return table;
}

} // namespace

void InitCheckTables(CheckTables &t) { t = CheckTables{}; }

QString ErrorText(int no, int msg)
{
    return QStringLiteral("SyntaxErr No.") + QString::number(no) + QStringLiteral(" [") + Platform::ResText(msg)
           + QStringLiteral("]");
}

int programCheckProc(ProgData::ProgDoc &doc)
{
    CheckTables &t = doc.Check;
    InitCheckTables(t);
    Ctx c{doc, t};
    // Lines taken from the grid; a program of no line reads nothing.
    c.n = std::max(0, int(doc.ProgDA.size()) - 1);
    for (const Pass &p : passes()) {
        std::vector<int> codes;
        for (const char *k : p.keywords)
            codes.push_back(CommandList::GetCmdCode(QString::fromLatin1(k)));
        if (p.whole) {
            p.whole(c, codes);
        } else {
            for (int r = 1; r <= c.n && !c.stop; ++r) {
                const ProgStep &s = doc.ProgDA[static_cast<size_t>(r)];
                // A keyword missing from the list has code -1, which no line has.
                const auto it = std::find(codes.begin(), codes.end(), s.code);
                if (s.code >= 0 && it != codes.end())
                    p.line(c, r, s, int(it - codes.begin()));
            }
        }
        if (c.stop || t.ErrCount > kErrListed)
            break;
    }
    return c.found ? 1 : 0;
}

} // namespace ProgCheck
