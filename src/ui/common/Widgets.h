#pragma once
// Widget helpers every window uses: geometry from a design in twips, and the
// input method switched per box.
class QWidget;
class QAbstractItemModel;
class QStandardItemModel;
class QString;
class QTableView;

namespace Twips {
// A widget's geometry from its design in twips.
void Place(QWidget *w, int left, int top, int width, int height);
} // namespace Twips

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

namespace Module1 {
// Input method off (open = false) or on for a widget.
void SetIMEStatus(QWidget *w, bool open);
} // namespace Module1
