#pragma once
// The compare of a verification: the positions PosiNoStart..PosiNoEnd of
// PosiData against the reference in PosiDataRead (a file's or the
// controller's), marking every differing field in PosiErrFlag.
namespace PosiVerify {

// Whether field k (1..27) takes part in the compare in the current
// controller mode with the current axes. The comment never does.
bool TakesPart(int field);

// Clears the flags, then marks each differing field and its row flag and
// counts the differing positions in PosiErrCount. Positions the reference
// does not hold (PosiReadHeld) are left out. 1 when any position differs,
// else 0. PosiData is never changed.
int ComparePositionData();

} // namespace PosiVerify
