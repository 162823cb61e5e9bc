#pragma once
// Typing into a program window's grid: the keys each column takes, the
// editor's length per column, the commit of an edited cell, where the
// cursor goes after an edit (appending a line within the step limit), and
// which line commands a click on the grid offers. Plain functions over a
// program document; the window's view only forwards the user's keys.
#include <QString>

namespace ProgData {
struct ProgDoc;
}

namespace ProgEdit {

// Back colour of a cell while it is being edited (&HBBGGRR).
inline constexpr quint32 kEditColor = 0xFFFFC0u;

// The key filter of a column (1 Command .. 6 Comment): the character passed
// on, possibly turned to upper case, or 0 when it is refused. Backspace (8)
// and Tab (9) pass in every column; the comment column takes whatever the
// program file can hold.
int FilterKey(int col, int key);
// The same for the text of one typed key (a character outside the basic
// plane arrives as two): what goes into the editor, empty when refused.
QString FilterText(int col, const QString &typed);
// Editor maximum length of a column.
int MaxLength(int col);

// The commit of an edited cell (row >= 1, column 1..6). A command must be a
// name of the command list (refused: beep, the old text kept); the other
// columns are trimmed. An accepted text goes into the cell and sets
// ProgChangeFlag; a refused one puts oldText back.
struct Commit {
    int result = 0;   // 0 accepted, 1 refused
    QString text;     // the cell's text afterwards
    bool beep = false;
};
Commit SetDataForProgramGrid(ProgData::ProgDoc &doc, int row, int col, const QString &editText,
                          const QString &oldText);

// Appends one empty line after row r when 1 <= r <= the step limit of the
// document's program number - 1: true when it did.
bool AppendLineAfter(ProgData::ProgDoc &doc, int r);

// Where the cursor goes once an edit has ended with key (13 Enter, 40 Down,
// 38 Up); a line is appended on the way when the step limit allows.
struct Move {
    bool moves = false;
    int row = 0, col = 0;
};
Move AfterEdit(ProgData::ProgDoc &doc, int key);
// Tab (backward: Shift+Tab), in the editor or outside it: the next cell of
// the line, and from the Comment column where Enter goes from there; back,
// the previous cell, from Command the previous line's Comment, and nothing
// on the first line's Command. From no cell, either goes to the first.
Move TabStep(ProgData::ProgDoc &doc, bool backward);
// Down on the last line outside the editor: a line appended within the
// step limit and the cursor on its first column; nothing otherwise.
Move DownOnLastLine(ProgData::ProgDoc &doc);

// Delete outside the editor: the current cell emptied; a change to save.
void DeleteCell(ProgData::ProgDoc &doc);

// The selection covers whole lines (all six columns).
bool WholeLines(const ProgData::ProgDoc &doc);

// What a click on the grid switches. Line commands: cmdInsLineProg,
// cmdDelLineProg, cmdProgLineCopy and the Edit menu's mnuEdit, mnuEditCopy,
// mnuEditInsert, mnuEditLineDelete.
struct LeftClick {
    bool lineCommands = false;
    bool setsPaste = false;   // the paste button and mnuEditPaste are set...
    bool paste = false;       // ...to this
};
LeftClick LeftClickState(const ProgData::ProgDoc &doc, bool clipHasText, bool clipCopyFlag);
struct RightClick {
    bool popup = false;   // no popup: mnuEditCopy disabled
    bool copy = false, paste = false, insert = false, remove = false;   // items visible
};
RightClick RightClickState(const ProgData::ProgDoc &doc, bool clipHasText, bool clipCopyFlag);

} // namespace ProgEdit
