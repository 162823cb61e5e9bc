#pragma once
// The position grid's layout and display: titles, widths, colours, hidden
// columns of unused axes and of program mode, and the fill from the
// position tables. The grid lives in one model for the run.
#include "posi/PosiGridModel.h"

namespace PosiGrid {

PosiGridModel &Grid();
void ResetGrid();   // a fresh, empty grid (tests)

// Grid row of position n, and the position of grid row r.
inline int RowOf(int posiNo, int dispNoStart) { return posiNo - dispNoStart + 2; }

void Set_PosFormStrAtPosMode();
void Set_PosFormStrAtPrgMode();
void Change_DispUnit();
// Width of the comment column for a grid width and the sum of the widths
// of columns 0 to 27: 3500 when the grid is narrower than the other columns
// plus 3500 (the grid scrolls then, rather than cut the column to a
// sliver), else the rest of the grid less a margin.
int CommentWidth(int gridWidth, int otherColumns, int margin);
// The comment column sized by that rule to the columns 0 to 27 now set.
void FitCommentColumn(int gridWidth, int margin);
void SizeInit_PositionGridAtPosMode();
void SizeInit_PositionGridAtPosModeKeepingRows();
void SizeInit_PositionGridAtPrgMode();
void SizeInit_PositionGridAtPrgModeKeepingRows();
void ColourAxisColumns();
void BeginBulk();
void EndBulk();
void InitCurrentCell();
void FillGridPositionMode();
void FillGridProgramMode();
// Fills the grid in the display of the controller mode.
void FillGridByMode();
// 1 (after message 433/434) when the grid holds no position, else 0.
int Check_flgdLineNo();

// The actuator texts: the axis titles of the grid and the device labels.
void DispDeviceName();

// Cell texts of the display.
QString MmText(double mm);   // "#0.000", padded on the left to 8

} // namespace PosiGrid
