#pragma once
// A program as a window holds it: the grid of typed texts, the codes taken
// from it, the program read from the controller or a file, the program
// number and the change flag; and the procedures that take the grid into
// codes. Every procedure works on the window's own data it is given, never
// on whichever window happens to be active.
#include "prog/ProgCheck.h"
#include "prog/ProgGridModel.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace ProgData {

// One program line as the controller stores it: command code and four
// operand codes; the comment stays on the PC.
struct ProgStep {
    int32_t code = 0;
    int32_t op1 = 0;
    int32_t op2 = 0;
    int32_t cond = 0;
    int32_t res = 0;
    QString comment;
    bool operator==(const ProgStep &) const = default;
};

// Six texts of a line: Command, Operation1, Operation2, Condition, Result,
// Comment (index 0..5).
using ProgTexts = std::array<QString, 6>;

// Every member has a default, so a document is built as ProgDoc{&grid}.
struct ProgDoc {
    ProgGridModel *flgdProg = nullptr;  // the window's grid (owned by the window)
    // Lines 1..n taken from the grid (element 0 unused).
    std::vector<ProgStep> ProgDA{};
    // Lines 1..c read from the controller (element 0 unused).
    std::vector<ProgStep> ProgDARead{};
    // Lines 1..n read from a program file, as stored (element 0 unused).
    std::vector<ProgTexts> ProgDAReadText{};
    int ProgLineCount = 0;
    int ProgNo = 1;
    bool ProgChangeFlag = false;
    // The tables and errors of the last syntax check.
    ProgCheck::CheckTables Check{};
};

// Message 433/434 and 1 when the grid holds no line, else 0.
int Check_flgdProgLineNo(const ProgDoc &doc);

// Removes rows first..last of the given grid and renumbers the lines.
void ProgLineDelete(ProgGridModel &grid, int first, int last);
// Inserts last - first + 1 empty lines (250 twips high) at row first of the
// given grid, the lines from there moving down, and renumbers the lines.
void ProgLineInsert(ProgGridModel &grid, int first, int last);

// Removes the entirely empty lines of the document's own grid (a cell of
// spaces is not empty); line 1 always stays. Clears ProgDA to the new size.
int Check_NullLineAndDelete(ProgDoc &doc);

// Takes the grid into ProgDA: 0 done; 1 when a command name is not in the
// command list or an operand cannot be coded (message 1030/1031 shown with
// the line, the column and its text between them; the lines taken before
// stay).
int TakeInProgramGrid(ProgDoc &doc);

// The take-over every check and transfer starts with: the command list
// read, a line at all, the empty lines removed and the grid taken into
// ProgDA. 0 done; 1 when a step refused (its message shown).
int TakeOver(ProgDoc &doc);

// Lines of the grid as trimmed texts (rows 1..n).
std::vector<ProgTexts> GridTexts(const ProgGridModel &grid);

// Fills the grid with lines of texts (rows = lines + 1, renumbered, 250
// twips each).
void FillGrid(ProgGridModel &grid, const std::vector<ProgTexts> &lines);

// The texts of steps read from the controller: command names from the list
// (empty when the code has none), operands decoded, no comment.
std::vector<ProgTexts> DecodedTexts(const std::vector<ProgStep> &steps);

// The texts of file lines: the command name only when the list knows it.
std::vector<ProgTexts> FileTexts(const std::vector<ProgTexts> &lines);

// 0 when the lines taken last fit the step limit of the program number.
int CheckProgramStepCount(const ProgDoc &doc, int progNo);

} // namespace ProgData
