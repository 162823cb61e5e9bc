#include "prog/ProgVerify.h"

#include <algorithm>

namespace ProgVerify {
namespace {

SyogoState g_syogo;

constexpr size_t kMinLines = 101;

int32_t field(const ProgData::ProgStep &s, int f)
{
    switch (f) {
    case 1: return s.code;
    case 2: return s.op1;
    case 3: return s.op2;
    case 4: return s.cond;
    default: return s.res;
    }
}

} // namespace

SyogoState &Syogo() { return g_syogo; }

void ResetSyogo() { g_syogo = SyogoState{}; }

void ProgSyogoDA_init()
{
    g_syogo.ProgSyogoDA.resize(std::max(g_syogo.ProgSyogoDA.size(), kMinLines));
    for (auto &line : g_syogo.ProgSyogoDA)
        line.fill(false);
}

int ProgDataVerifyProc(const std::vector<ProgData::ProgStep> &progDA,
                       const std::vector<ProgData::ProgStep> &progDARead)
{
    SyogoState &s = g_syogo;
    const int k1 = std::max(0, int(progDA.size()) - 1);
    const int k2 = std::max(0, int(progDARead.size()) - 1);
    s.ProgSyogoLineSu1 = k1;
    s.ProgSyogoLineSu2 = k2;
    const int nMax = std::max(k1, k2), nMin = std::min(k1, k2);
    // A window may hold more lines than any step limit (a long file, lines
    // inserted at the limit): the table grows to the longer program.
    s.ProgSyogoDA.assign(std::max(kMinLines, size_t(nMax) + 1), std::array<bool, 8>{});
    s.ProgSyogoNgSu = 0;
    for (int i = 1; i <= nMax; ++i) {
        auto &row = s.ProgSyogoDA[size_t(i)];
        for (int f = 1; f <= 5; ++f) {
            const bool differs = i > nMin || field(progDA[size_t(i)], f) != field(progDARead[size_t(i)], f);
            if (differs)
                row[size_t(f)] = row[7] = true;
        }
        if (row[7])
            ++s.ProgSyogoNgSu;
    }
    return s.ProgSyogoNgSu > 0 ? 1 : 0;
}

std::vector<ResultRow> ResultRows()
{
    const SyogoState &s = g_syogo;
    std::vector<ResultRow> rows;
    const int nMax = std::min(std::max(s.ProgSyogoLineSu1, s.ProgSyogoLineSu2), int(s.ProgSyogoDA.size()) - 1);
    for (int i = 1; i <= nMax && int(rows.size()) < s.ProgSyogoNgSu; ++i) {
        const auto &line = s.ProgSyogoDA[size_t(i)];
        if (!line[7])
            continue;
        ResultRow r;
        r.line = i;
        for (int f = 1; f <= 5; ++f)
            r.differs[size_t(f - 1)] = line[size_t(f)];
        rows.push_back(r);
    }
    return rows;
}

} // namespace ProgVerify
