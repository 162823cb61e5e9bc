#include "prog/ProgVerify.h"

#include <algorithm>

namespace ProgVerify {
namespace {

VerificationState g_verification;

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

VerificationState &Verification() { return g_verification; }

void ResetVerification() { g_verification = VerificationState{}; }

void InitProgVerifyDA()
{
    g_verification.ProgVerifyDA.resize(std::max(g_verification.ProgVerifyDA.size(), kMinLines));
    for (auto &line : g_verification.ProgVerifyDA)
        line.fill(false);
}

int ProgDataVerifyProc(const std::vector<ProgData::ProgStep> &progDA,
                       const std::vector<ProgData::ProgStep> &progDARead)
{
    VerificationState &s = g_verification;
    const int k1 = std::max(0, int(progDA.size()) - 1);
    const int k2 = std::max(0, int(progDARead.size()) - 1);
    s.ProgVerifyLineCount1 = k1;
    s.ProgVerifyLineCount2 = k2;
    const int nMax = std::max(k1, k2), nMin = std::min(k1, k2);
    // A window may hold more lines than any step limit (a long file, lines
    // inserted at the limit): the table grows to the longer program.
    s.ProgVerifyDA.assign(std::max(kMinLines, size_t(nMax) + 1), std::array<bool, 8>{});
    s.ProgVerifyNgCount = 0;
    for (int i = 1; i <= nMax; ++i) {
        auto &row = s.ProgVerifyDA[size_t(i)];
        for (int f = 1; f <= 5; ++f) {
            const bool differs = i > nMin || field(progDA[size_t(i)], f) != field(progDARead[size_t(i)], f);
            if (differs)
                row[size_t(f)] = row[7] = true;
        }
        if (row[7])
            ++s.ProgVerifyNgCount;
    }
    return s.ProgVerifyNgCount > 0 ? 1 : 0;
}

std::vector<ResultRow> ResultRows()
{
    const VerificationState &s = g_verification;
    std::vector<ResultRow> rows;
    const int nMax = std::min(std::max(s.ProgVerifyLineCount1, s.ProgVerifyLineCount2), int(s.ProgVerifyDA.size()) - 1);
    for (int i = 1; i <= nMax && int(rows.size()) < s.ProgVerifyNgCount; ++i) {
        const auto &line = s.ProgVerifyDA[size_t(i)];
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
