#pragma once
// Verifying a program window's program against one read from the
// controller, line by line on the coded fields (command and four operand
// codes; the comment stays on the PC and is not compared). The result table
// lives for the run and is cleared after each result is shown.
#include "prog/ProgLines.h"

#include <array>
#include <vector>

namespace ProgVerify {

struct VerificationState {
    // (line, field): field 1..5 differs; field 7: the line differs in any
    // field. Sized from the two programs compared (at least lines 0..100).
    std::vector<std::array<bool, 8>> ProgVerifyDA;
    int ProgVerifyNgCount = 0;       // differing lines
    int ProgVerifyLineCount1 = 0;    // lines of the window's program
    int ProgVerifyLineCount2 = 0;    // lines of the controller's
};
VerificationState &Verification();
void ResetVerification();

// Every entry False.
void InitProgVerifyDA();

// Compares lines 1..k1 of progDA with lines 1..k2 of progDARead: a line on
// one side only differs in every field. 0 = equal, 1 = differences.
int ProgDataVerifyProc(const std::vector<ProgData::ProgStep> &progDA,
                       const std::vector<ProgData::ProgStep> &progDARead);

// The rows of the result window, in line order: the line and, per field 1..5,
// whether it differs.
struct ResultRow {
    int line = 0;
    std::array<bool, 5> differs{};
};
std::vector<ResultRow> ResultRows();

} // namespace ProgVerify
