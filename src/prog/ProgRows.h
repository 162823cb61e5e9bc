#pragma once
// Lines of a program window's grid: inserting empty lines at the selection,
// deleting the selected lines, copying whole lines to the clipboard and
// pasting clipboard lines back. Each acts on the document it is given (the
// window's own); the windows show the refusals' messages.
#include <QString>

namespace ProgData {
struct ProgDoc;
}

namespace ProgRows {
// Puts the document's selected lines on the clipboard in place of what it
// held: six cells a line joined by Tab, lines joined by CR.
void CopyProgLinesToClip(const ProgData::ProgDoc &doc);
// 0: no text on the clipboard; 1: its first line holds exactly 5 Tabs
// (program lines); 2: other text.
int CheckClipProgData();
// Writes the clipboard's lines into the grid from the current line, column
// 1 on, as they stand: never past column 6 nor below the last line. False
// when nothing was written (no text, or a later line longer than the first).
bool PasteProgLinesFromClip(ProgData::ProgDoc &doc);

// The result of a line command.
enum class Result { Done, NoLine, NotWholeLines, NotColumn1, NothingPasted };

// The first and last selected line, bounded to the lines that exist.
struct Span {
    int first = 0, last = 0;
};
Span SelectedLines(const ProgData::ProgDoc &doc);

// Empty lines, as many as are selected, above the selection; at the step
// limit the last line goes first (after the selection was checked).
Result InsertLines(ProgData::ProgDoc &doc);
// The selected lines removed; the only line, or every line, leaves one
// empty line 1.
Result DeleteLines(ProgData::ProgDoc &doc);
// Whole lines to the clipboard; ClipCopyFlag by the text's shape.
Result CopyLines(ProgData::ProgDoc &doc);
// The clipboard's lines from the current line, which must be in column 1.
Result PasteLines(ProgData::ProgDoc &doc);

} // namespace ProgRows
