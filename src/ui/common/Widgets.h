#pragma once
// Widget helpers every window uses: geometry from a design in twips, the
// input method switched per box, and the Shift+Tab of the grids.
class QKeyEvent;
class QWidget;
class QAbstractButton;
class QAbstractItemModel;
class QRect;
class QFont;
class QModelIndex;
class QSize;
class QStandardItemModel;
class QString;
class QTableView;

namespace Geometry {
// A widget's geometry from its design in twips.
void Place(QWidget *w, int left, int top, int width, int height);
} // namespace Geometry

namespace BackColor {
// Fills a widget's background (and a box's base) with a &HBBGGRR colour.
void Set(QWidget *w, unsigned int bgr);
} // namespace BackColor

namespace GridCells {
// Sets the text of a read-only cell of a display grid, creating the cell on
// first use.
void SetText(QStandardItemModel *m, int row, int col, const QString &text);
// A display grid: no headers, nothing edited in place.
QTableView *DisplayGrid(QWidget *parent, const char *name, QAbstractItemModel *model);
} // namespace GridCells

namespace TextFit {
// Where the style draws a push button's, check box's or radio button's
// caption (and icon), in the button's coordinates.
QRect CaptionRect(const QAbstractButton *b);
// The font, from f down to 6 points in half points, at which text fits
// room: on one line, or wrapped where wrap is set, a line starting only
// after a space or where a Latin word follows Japanese (no word broken). Below
// 6 points nothing is readable: the smallest is returned then.
QFont Fitting(const QFont &f, const QString &text, const QSize &room, bool wrap = false);
// A caption longer than its widget (label, button, check box, radio button;
// every entry of a closed list) is written smaller rather than cut; a push
// button whose caption is too long even then, and that is tall enough for
// two lines, breaks its caption at a space.
void Shrink(QWidget *w);
// Shrink for every such widget of a window (the ones shown and hidden).
void ShrinkAll(QWidget *window);
// A grid's title cell written smaller until it fits (wrapped where the
// grid wraps and the row is tall enough).
void ShrinkCell(QTableView *v, const QModelIndex &index);
} // namespace TextFit

namespace Input {
// Input method off (open = false) or on for a widget.
void SetIMEStatus(QWidget *w, bool open);
// Shift+Tab: a back tab, or a Tab with Shift held (as a test may send it).
bool IsBackTab(const QKeyEvent *k);
} // namespace Input
