#pragma once
// The group and sequence-macro tables: edit tables shown by the group and
// macro windows and read buffers filled from the controller or a file.
// Live for the whole run; tests reset them with ResetGrpSmTables().
#include <array>
#include <cstdint>

namespace GrpSm {

inline constexpr int kGroupRows = 100;   // group 0..99; groups are 1..99
inline constexpr int kGroupCols = 3;     // start, end, the window's error flag
inline constexpr int kMacroStepRows = 17; // step 0..16; steps 0..15 are used
inline constexpr int kMacroCols = 41;    // macro n: code 2(n-1), data 2(n-1)+1

using GroupTable = std::array<std::array<int16_t, kGroupCols>, kGroupRows>;
using MacroTable = std::array<std::array<int16_t, kMacroCols>, kMacroStepRows>;

struct GrpSmTables {
    GroupTable GrpData{};
    GroupTable GrpDataBuf{};
    MacroTable SmData{};
    MacroTable SmDataBuf{};
};

GrpSmTables &Tables();
void ResetGrpSmTables();

// Column of macro n's command codes; its data are in the next column.
constexpr int MacroCodeCol(int macroNo) { return 2 * (macroNo - 1); }

} // namespace GrpSm
