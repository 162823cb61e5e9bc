#pragma once
// The group and sequence-macro tables: edit tables shown by the group and
// macro windows and read buffers filled from the controller or a file, with
// the ranges, results and names the checks, compares and printouts use.
// Live for the whole run; the test scope resets them with ResetGrpSmTables().
#include <QString>
#include <array>
#include <cstdint>

namespace GrpSm {

inline constexpr int kGroupRows = 100;    // group 0..99; groups are 1..99
inline constexpr int kGroupCount = 99;
inline constexpr int kGroupCols = 2;      // start, end
inline constexpr int kMacroStepRows = 17; // step 0..16; steps 0..15 are used
inline constexpr int kMacroSteps = 16;
inline constexpr int kMacroCount = 20;
inline constexpr int kMacroCols = 41;     // macro n: code 2(n-1), data 2(n-1)+1

// Command codes of a macro step.
inline constexpr int kSmEnd = 0;
inline constexpr int kSmTimer10 = 6;     // highest code the window lists
inline constexpr int kSmEndAlias = 15;   // shown and stored as END

using GroupTable = std::array<std::array<int16_t, kGroupCols>, kGroupRows>;
using MacroTable = std::array<std::array<int16_t, kMacroCols>, kMacroStepRows>;

struct GrpSmTables {
    GroupTable GrpData{};
    GroupTable GrpDataBuf{};
    MacroTable SmData{};
    MacroTable SmDataBuf{};

    // Range of the group check and compare; callers set 1..99.
    int GrpNoStart = 1;
    int GrpNoEnd = kGroupCount;
    bool GrpVerifyNG = false;
    QString GrpVerifyNgList;       // " 3, 17,"
    QString GrpPrintDataName;

    bool SmVerifyNG = false;
    QString SmVerifyNgList;        // " 2, 11,"
    QString SmErrNoList;          // "<3>,<7>,"
    int SqMcrNoStart = 1;
    int SqMcrNoEnd = kMacroCount;
    QString SqMcrPrintDataName;

    // What made the last failed group or macro file read refuse the file,
    // as a line for the read message (a cut text, a number given twice, too
    // few records); empty when not known.
    QString FileReadFault;
};

GrpSmTables &Tables();
void ResetGrpSmTables();

// Column of macro n's command codes; its data are in the next column.
constexpr int MacroCodeCol(int macroNo) { return 2 * (macroNo - 1); }

// Every group (rows 0..99) set to start 1, end 1: the group window's
// table when it opens.
void ResetGrpData();
// The table a file read starts from: every group 0 / 0, every macro step END.
void ClearGroupTable(GroupTable &t);
void ClearMacroTable(MacroTable &t);

// 0 when every group of GrpNoStart..GrpNoEnd has start and end in 1..999
// and start <= end, else 1. The table is not changed.
int GrpData_Check();
int GrpData_Check(const GroupTable &t, int first, int last);

// 0 when every step of the 20 macros of SmData is valid, else 1, with the
// bad macros listed in SmErrNoList. END steps (code 0 or 15) become code 0,
// data 0 in the table, also when the result is 1.
int SmData_Check();

// Name of command code 0..6 as listed ("5. TIMER"); empty for others.
QString SmCommandName(int code);
// Highest data value a step of that code takes (4 or 9); 0 = none.
int SmDataMax(int code);

// Groups 1..99, columns 0 and 1; row 0 is not copied.
void LetGrpBufToData();
void LetGrpDataToBuf();
// Compares GrpData with GrpDataBuf over GrpNoStart..GrpNoEnd into
// GrpVerifyNG and GrpVerifyNgList.
void MakeGrpDataStr();

// Steps 0..15 of all 20 macros.
void LetSqMcrBufToData();
void LetSqMcrDataToBuf();
// Every element of SmData in steps 0..16 and columns 0..39 to 0.
void ClearSqMcrData();
// Compares SmData with SmDataBuf into SmVerifyNG and SmVerifyNgList: 1 when a
// macro differs, else 0. The data of an END step of SmData are not compared.
int MakeSqMcrDataStr();
} // namespace GrpSm
