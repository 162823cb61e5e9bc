#pragma once
// The move-test tab's rules that need no window: what its editors accept
// and commit, the dwell, and how the start and end numbers of a range keep
// each other consistent.
#include <QString>
#include <optional>

namespace MoveRules {

inline constexpr int kListColumns = 15;
inline constexpr int kMaxPosiNo = 999;
inline constexpr int kMaxDwell = 999; // units of 100 ms

// Key codes as the editors see them: the character typed, or these.
inline constexpr int kKeyBack = 8;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyEnter = 13;

// The text the move list's editor opens with for the key that opened it:
// the cell's text for a key code 0..32 (space, Enter, control keys), the
// digit alone for a digit key, nothing (the editor keeps its text) for any
// other key.
struct EditorStart {
    bool replace = false;
    QString text;
};
EditorStart EditorStartText(int key, const QString &cellText);

// A key typed into the move list's editor holding `length` characters:
// digits and Backspace, and with three characters only Backspace.
bool ListEditorAccepts(int key, int length);
// The dwell boxes: digits, Backspace and Tab, and with three characters
// only Backspace.
bool DwellAccepts(int key, int length);

// Committing the move list's editor. By the grid getting the focus back:
// a value 1..999 stores the editor's text, anything else empties the cell.
// By leaving the cell: 1..999 stores the trimmed text, anything else
// empties it with a beep.
struct CellCommit {
    QString cell;
    bool beep = false;
};
CellCommit CommitByFocus(const QString &editorText);
CellCommit CommitByLeaving(const QString &editorText);

// Enter in a dwell box: a value outside 0..999 empties the box with a beep,
// any other shows the value as a plain number ("007" -> "7", "" -> "0").
struct DwellCommit {
    QString text;
    bool beep = false;
};
DwellCommit CommitDwell(const QString &text);

// The dwell after a move, in ms: 0 (none) when the Timer box is not ticked
// or the text is empty or 0; else the value x 100.
int DwellMs(bool timerTicked, const QString &text);

// The position number of a move-list cell or a number label: the value of
// its leading digits, 0 when there are none.
int NumberOf(const QString &text);

// Start and end of a range (Continual: start <= end; Step: end = start).
struct Range {
    int start = 1;
    int end = 10;
    bool operator==(const Range &) const = default;
};
// The start slider moved to `start`: the end follows when it is smaller
// (Continual) or always (Step).
Range StartMoved(Range r, int start, bool stepWay);
// The end slider moved to `end`: the start follows when it is greater
// (Continual only).
Range EndMoved(Range r, int end, bool stepWay);

} // namespace MoveRules
