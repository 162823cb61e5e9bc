#include "grpsm/GrpSmTables.h"

#include <algorithm>

namespace GrpSm {
namespace {
GrpSmTables g_tables;

constexpr int kPosiMin = 1;
constexpr int kPosiMax = 999;

bool posiValid(int v) { return v >= kPosiMin && v <= kPosiMax; }

// The number as the listings show it: a blank where a sign would stand.
QString signedText(int n) { return (n < 0 ? QString() : QStringLiteral(" ")) + QString::number(n); }
} // namespace

GrpSmTables &Tables() { return g_tables; }
void ResetGrpSmTables() { g_tables = GrpSmTables{}; }

void ResetGrpData()
{
    for (auto &row : g_tables.GrpData)
        row = {1, 1};
}

void ClearGroupTable(GroupTable &t)
{
    for (auto &row : t)
        row = {0, 0};
}

void ClearMacroTable(MacroTable &t)
{
    for (auto &row : t)
        row.fill(0);
}

int GrpData_Check(const GroupTable &t, int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, kGroupRows - 1);
    for (int g = first; g <= last; ++g) {
        const int start = t[g][0], end = t[g][1];
        if (!posiValid(start) || !posiValid(end) || start > end)
            return 1;
    }
    return 0;
}

int GrpData_Check() { return GrpData_Check(g_tables.GrpData, g_tables.GrpNoStart, g_tables.GrpNoEnd); }

int SmDataMax(int code)
{
    if (code >= 1 && code <= 4)
        return 4;
    if (code == 5 || code == 6)
        return 9;
    return 0;
}

QString SmCommandName(int code)
{
    static const char *const kNames[] = {"0. END",    "1. IN-ON", "2. IN-OFF",  "3. OUT-ON",
                                         "4. OUT-OFF", "5. TIMER", "6. TIMER10"};
    if (code < kSmEnd || code > kSmTimer10)
        return {};
    return QString::fromLatin1(kNames[code]);
}

int SmData_Check()
{
    auto &t = g_tables;
    bool invalid = false;
    t.SmErrNoList.clear();
    for (int m = 1; m <= kMacroCount; ++m) {
        const int col = MacroCodeCol(m);
        bool bad = false;
        for (int s = 0; s < kMacroSteps; ++s) {
            const int c = t.SmData[s][col];
            const int d = t.SmData[s][col + 1];
            if (c == kSmEnd || c == kSmEndAlias) {
                t.SmData[s][col] = 0;
                t.SmData[s][col + 1] = 0;
            } else if (const int max = SmDataMax(c); max == 0 || d < 1 || d > max) {
                bad = true;
            }
        }
        if (bad) {
            invalid = true;
            t.SmErrNoList += QLatin1Char('<') + QString::number(m) + QStringLiteral(">,");
        }
    }
    return invalid ? 1 : 0;
}

using GrpSm::Tables;

void LetGrpBufToData()
{
    auto &t = Tables();
    for (int g = 1; g <= GrpSm::kGroupCount; ++g)
        t.GrpData[g] = t.GrpDataBuf[g];
}

void LetGrpDataToBuf()
{
    auto &t = Tables();
    for (int g = 1; g <= GrpSm::kGroupCount; ++g)
        t.GrpDataBuf[g] = t.GrpData[g];
}

void MakeGrpDataStr()
{
    auto &t = Tables();
    t.GrpVerifyNG = false;
    t.GrpVerifyNgList.clear();
    const int first = std::max(t.GrpNoStart, 0);
    const int last = std::min(t.GrpNoEnd, GrpSm::kGroupRows - 1);
    for (int g = first; g <= last; ++g) {
        if (t.GrpData[g] != t.GrpDataBuf[g]) {
            t.GrpVerifyNG = true;
            t.GrpVerifyNgList += GrpSm::signedText(g) + QLatin1Char(',');
        }
    }
}

void LetSqMcrBufToData()
{
    auto &t = Tables();
    for (int s = 0; s < GrpSm::kMacroSteps; ++s)
        for (int c = 0; c < 2 * GrpSm::kMacroCount; ++c)
            t.SmData[s][c] = t.SmDataBuf[s][c];
}

void LetSqMcrDataToBuf()
{
    auto &t = Tables();
    for (int s = 0; s < GrpSm::kMacroSteps; ++s)
        for (int c = 0; c < 2 * GrpSm::kMacroCount; ++c)
            t.SmDataBuf[s][c] = t.SmData[s][c];
}

void ClearSqMcrData()
{
    auto &t = Tables();
    for (int s = 0; s < GrpSm::kMacroStepRows; ++s)
        for (int c = 0; c < 2 * GrpSm::kMacroCount; ++c)
            t.SmData[s][c] = 0;
}

int MakeSqMcrDataStr()
{
    auto &t = Tables();
    t.SmVerifyNG = false;
    t.SmVerifyNgList.clear();
    for (int m = 1; m <= GrpSm::kMacroCount; ++m) {
        const int col = GrpSm::MacroCodeCol(m);
        bool differs = false;
        for (int s = 0; s < GrpSm::kMacroSteps && !differs; ++s) {
            const int code = t.SmData[s][col];
            if (code != t.SmDataBuf[s][col])
                differs = true;
            else if (code != GrpSm::kSmEnd && t.SmData[s][col + 1] != t.SmDataBuf[s][col + 1])
                differs = true;
        }
        if (differs) {
            t.SmVerifyNG = true;
            t.SmVerifyNgList += GrpSm::signedText(m) + QLatin1Char(',');
        }
    }
    return t.SmVerifyNG ? 1 : 0;
}

} // namespace GrpSm
