#pragma once
// Typing into the position grid: which cells may be edited, which keys each
// column takes, the hint of a column, the commit of a typed value with its
// range checks and pulse/millimetre conversion, and where the cursor goes
// after an edit. Plain functions over the position tables; the grid model
// runs them and a view only forwards the user's keys.
#include <QString>
#include <cstdint>
#include <optional>

class PosiGridModel;

namespace PosiEdit {

// Back colour of a cell while it is being edited (&HBBGGRR).
inline constexpr quint32 kEditColor = 0xFFFFC0u;

// Key filters: the key (a character code) passed on, possibly mapped, or 0
// when it is dropped. Backspace (8) and Tab (9) always pass.
int KeyChk_Num(int key);
int KeyChk_Method(int key);
int KeyChk_NumDot(int key);
int KeyChk_Interpolation(int key);
int KeyChk_NumRel(int key);
int KeyChk_NumDotRel(int key);
// The filter of a grid column in the current controller mode and display
// unit; the comment column takes every key Shift-JIS can hold.
int FilterKey(int col, int key);
// True when a typed text can be kept in the comment column.
bool CommentCharOk(QChar ch);
// The first character of text that a position file's code page cannot
// hold (a surrogate pair as one); nothing when every one can be kept.
std::optional<QString> FirstUnkeptChar(const QString &text);

// Editor maximum length of a column (0: none set).
int MaxLength(int col);
// An edit of the cell may start (positioner mode refuses an axis not in use).
bool CanEdit(int row, int col);

// Where the selection stands: the current cell and the selection's other
// corner.
struct Selection {
    int row = 0, col = 0, rowSel = 0, colSel = 0;
};
struct Commit {
    int result = 1;       // 0 accepted, 1 refused
    QString text;         // the editor text after the check
    bool beep = false;
    bool fillRows = false;   // the value goes to every selected row of the column
    Selection sel;        // the selection afterwards (narrowed or collapsed)
};
// The commit of one edit in positioner / program mode. An accepted position
// is stored in PosiDataDisp (display row of every row the value goes to);
// any accepted value sets DataChanged.
Commit SetDataForPositionGrid(const Selection &sel, const QString &editText);
Commit SetDataForPositionGridAtPrgMode(const Selection &sel, const QString &editText);
// The one of the current controller mode.
Commit CommitEdit(const Selection &sel, const QString &editText);

// The hint of a column (message 50 ... 51 ... unit); empty in program mode
// for column 0.
QString InputRangeText(int col);

// Where the cursor goes when an edit ends with key (13 Enter, 40 Down);
// rows is the grid's row count. append: the row step appends one grid row
// first (the target row is then the new last row).
struct Move {
    bool moves = false;
    int row = 0, col = 0;
    bool append = false;
};
Move AfterEdit(int key, int row, int col, int rows);
// The column a new row is entered at: the first column (positioner mode)
// or the position column (program mode) of the first axis in use.
int FirstEditColumn();
// The row step of a Down arrow on the last row, outside the editor too.
Move RowStep(int row, int rows, int col);
// Tab (backward: Shift+Tab) from the grid's current cell, in the editor or
// outside it: the next cell of the row that is shown and may be edited, and
// from the last one the row step Enter takes from the comment; back, the
// previous such cell, from the first one the previous row's last, and
// nothing on the first data row. From a title cell, either goes to the
// first data row's first such cell.
Move TabStep(const PosiGridModel &g, bool backward);

// Normal back colour of a data cell by its axis (restored when the cursor
// leaves a cell).
quint32 CellColor(int col);

} // namespace PosiEdit
