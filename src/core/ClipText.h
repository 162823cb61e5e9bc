#pragma once
// The clipboard text of grid rows, shared by the position and program
// editors: one Tab between cells, CR between rows. Reading also takes CR LF
// and LF as a row end.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace ClipText {

struct Table {
    // Cells per row: the first row's count (0 for an empty text).
    int cols = 0;
    // Every row padded with empty cells to cols.
    std::vector<QStringList> rows;
};

// Splits text into rows of cells. A final CR LF (or LF) ends the last row;
// a final lone CR starts one more, empty row. Fails when a later row has
// more cells than the first.
std::optional<Table> Split(const QString &text);

// Number of Tabs in the first row (the text before the first CR or LF).
int FirstRowTabs(const QString &text);

// Rows of cells as clipboard text: Tab between cells, CR between rows, no
// row end after the last.
QString Join(const std::vector<QStringList> &rows);

} // namespace ClipText
