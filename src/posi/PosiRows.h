#pragma once
// Rows of the position grid: inserting default rows, deleting rows, copying
// a block of rows or of one column to the clipboard and pasting such text
// back. These act on the grid only; the re-validation takes the grid into
// the tables later. The window's buttons and the Edit menu run the
// commands of PosiRows, which show their own messages.
namespace PosiRows {

// Inserts last - first + 1 rows of default values at grid row first,
// renumbers the rows and keeps the grid within positions ..999 (rows pushed
// past 999 are dropped). DispNoEnd and PosiNoEnd grow with each row while
// below 999.
void PosiGridInsertLine(int &first, int &last);
// Removes grid rows first..last, renumbers the rest (later positions take
// the lower numbers) and shrinks the displayed range; with no data row left
// the edit commands go off.
void PosiGridDeleteLine(int &first, int &last);
// Colours the data cells of one grid row by axis, as a filled grid is.
void PosiGridColorRow(int row);
// Clears the clipboard and puts the selected block of the grid on it: Tab
// between cells, CR between rows.
void CopyPosiLinesToClip();
// Writes the clipboard text into the grid from the current cell, as it
// stands: never past column 28 nor below the last row.
void PastePosiLinesFromClip();
// 0: no text on the clipboard; 1: its first row holds exactly 27 Tabs
// (whole position rows); 2: other text.
int CheckClipPosiData();
// 0 when the clipboard offers text, 1 when it does not.
int IsClipText();

// The commands. Each returns true when the grid changed (DataChanged is
// then set); a refusal shows its message and changes nothing.
bool InsertSelectedRows();
bool DeleteSelectedRows();
// Copies a selection of 28 columns (whole rows) or of one column; sets
// ClipCopyFlag by the text's shape. False when refused (message 335).
bool CopySelection();
// Cells per row of the clipboard text; -1 when it cannot be split.
int GetClipPosiData();
// Pastes whole rows or one column by the clipboard text's shape.
bool PosiDataPaste();
bool PosiDataLinePaste();
bool PosiDataLinePasteCheck();

} // namespace PosiRows
