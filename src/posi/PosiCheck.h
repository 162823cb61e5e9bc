#pragma once
// Re-validation of the position grid: every field of the positions
// PosiNoStart..PosiNoEnd is checked against its limits and, only when all
// are valid, the grid is taken into PosiData and PosiDataDisp.
namespace PosiCheck {

// 0: all valid, tables updated; 1: some position bad (the result window was
// shown) or the range lies outside the grid; 2: the grid holds no positions.
int CheckGridPositions();

// Shows the flagged positions in the result window (check mode), then
// clears the flags and the count.
void ShowCheckResult();

} // namespace PosiCheck
