#pragma once
// The syntax check of a program: fixed passes over the coded lines, one
// rule group each, in a fixed order. An operand passes only when the write
// sends it as the grid's line shows it, so the passes also judge the texts
// the codes were taken from. Each pass names the keywords it looks
// at; their codes are looked up in the command list when the pass starts,
// so a keyword the list lacks switches its passes off. Errors are numbered
// ("SyntaxErr No.7") and kept with their line; the check ends at the
// eleventh, and the window's pane lists the first ten.
#include <QString>
#include <array>

namespace ProgData {
struct ProgDoc;
}

namespace ProgCheck {

inline constexpr int kErrSlots = 26;
// Errors the pane lists; one more ends the check.
inline constexpr int kErrListed = 10;

struct ErrSlotEntry {
    QString line;   // program line, as decimal text
    QString text;   // "SyntaxErr No." + number + " [" + message + "]"
};

// One set per program window, cleared at the start of every check.
struct CheckTables {
    std::array<ErrSlotEntry, kErrSlots> ErrSlot{};
    std::array<bool, 64> SrDefFlag{};    // SR n defined (1..20)
    std::array<bool, 64> SrCallFlag{};   // SR n called (1..20)
    std::array<int, 64> SrCallLine{};    // line of the first CALL of n
    std::array<bool, 64> LbDefFlag{};    // LB n defined (1..50)
    int ErrCount = 0;
};

void InitCheckTables(CheckTables &t);

// The passes over the document's ProgDA (lines 1..n taken from the grid):
// 0 = no error, 1 = at least one error recorded in doc.Check.
int programCheckProc(ProgData::ProgDoc &doc);

// The text of error number `no` with message `msg` in the running language.
QString ErrorText(int no, int msg);

} // namespace ProgCheck
