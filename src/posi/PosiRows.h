#pragma once
// Rows of the position grid: inserting default rows and colouring a row by
// its axes.
namespace Module1 {

// Inserts last - first + 1 rows of default values at grid row first,
// renumbers the rows and keeps the grid within positions ..999 (rows pushed
// past 999 are dropped). DispNoEnd and PosiNoEnd grow with each row while
// below 999.
void PosiGridInsertLine(int &first, int &last);
// Colours the data cells of one grid row by axis, as a filled grid is.
void PosiGridColorRow(int row);
// 0 when the clipboard offers text, 1 when it does not.
int IsClipText();

} // namespace Module1
