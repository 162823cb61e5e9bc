#include "posi/PosiRows.h"

#include "core/AppState.h"
#include "core/ClipText.h"
#include "core/Shell.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiDevice.h"
#include "posi/PosiEdit.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"

using Platform::ResLines;
using Platform::ResText;
using Platform::MsgButtons;
using Platform::MsgIcon;
using Platform::Dialogs::MsgBox;

namespace {

constexpr int kLastCol = 28;      // the comment
constexpr int kRowCells = 28;     // cells of a whole position row
constexpr int kMaxGridRows = kPosiMax + 2;

QString defaultText(int col)
{
    const AppState &app = App();
    if (col == 0 || col == kLastCol)
        return QString();
    if (col >= 1 && col <= 24) {
        const int a = (col - 1) / 6;
        switch ((col - 1) % 6) {
        case 0: return QStringLiteral("30");
        // The grid shows the acceleration in ms: the default units of 10 ms
        // times ten, as new data show it.
        case 1: return QString::number(PosiTables::DefaultPosiAcc(a) * 10);
        case 3:
            if (app.DispMmUnit)
                return app.PrgModeFlag ? QStringLiteral("       N") : QStringLiteral("   0.000");
            return QStringLiteral("0");
        default: return QStringLiteral("0");
        }
    }
    return QStringLiteral("0");
}

void renumber()
{
    PosiGridModel &g = PosiGrid::Grid();
    const int start = App().DispNoStart;
    for (int r = 2; r < g.Rows(); ++r)
        g.SetText(r, 0, QString::number(start + r - 2));
}

struct Block {
    int firstRow, lastRow, firstCol, lastCol;
};
Block selection()
{
    const PosiGridModel &g = PosiGrid::Grid();
    return {std::min(g.Row(), g.RowSel()), std::max(g.Row(), g.RowSel()), std::min(g.Col(), g.ColSel()),
            std::max(g.Col(), g.ColSel())};
}

bool isDataRow(int r) { return r >= 2 && r < PosiGrid::Grid().Rows(); }

// The column a paste of whole rows starts from: the first data column, or
// in program mode the first shown one.
bool isRowPasteColumn(int col)
{
    if (col == 1)
        return true;
    return App().PrgModeFlag && (col == PosiField::Position(0) || col == PosiEdit::FirstEditColumn());
}

// Text a position file cannot keep is refused as typing refuses it: a
// pasted cell is never left that no save could write.
bool clipTextKeepable()
{
    const auto ch = PosiEdit::FirstUnkeptChar(Platform::ClipboardText());
    if (!ch)
        return true;
    MsgBox(ResText(9431).arg(*ch), MsgButtons::Ok, MsgIcon::Critical);
    return false;
}

} // namespace

namespace PosiRows {

void PosiGridColorRow(int row)
{
    PosiGridModel &g = PosiGrid::Grid();
    if (row < 2 || row >= g.Rows())
        return;
    for (int c = 1; c <= 27; ++c)
        g.SetCellBackColor(row, c, PosiEdit::CellColor(c));
}

void PosiGridInsertLine(int &first, int &last)
{
    AppState &app = App();
    PosiGridModel &g = PosiGrid::Grid();
    if (first < 2 || last < first)
        return;
    PosiGrid::BeginBulk();
    PosiGridColorRow(first);
    PosiGridColorRow(last);
    for (int i = first; i <= last; ++i) {
        g.InsertRow(first);
        for (int c = 0; c < PosiGridModel::kCols; ++c)
            g.SetText(first, c, defaultText(c));
        g.SetRowHeight(first, 250);
        if (app.DispNoEnd < kPosiMax) {
            ++app.DispNoEnd;
            ++app.PosiNoEnd;
        }
        PosiGridColorRow(first);
    }
    renumber();
    int keep = std::min(g.Rows(), kMaxGridRows);
    keep = std::min(keep, kPosiMax - app.DispNoStart + 3);
    if (keep < g.Rows())
        g.SetRows(std::max(keep, 2));
    PosiGrid::EndBulk();
}

void PosiGridDeleteLine(int &first, int &last)
{
    AppState &app = App();
    PosiGridModel &g = PosiGrid::Grid();
    first = std::max(first, 2);
    last = std::min(last, g.Rows() - 1);
    const int count = last - first + 1;
    if (count <= 0)
        return;
    PosiGrid::BeginBulk();
    // The range shrinks row by row as each removal would shrink it; the
    // rows themselves go in one step.
    for (int i = 0; i < count; ++i) {
        --app.DispNoEnd;
        if (app.PosiNoEnd > app.DispNoEnd) {
            app.PosiNoEnd = app.DispNoEnd;
            if (app.DispNoEnd < app.DispNoStart)
                app.DispNoStart = app.PosiNoEnd = app.DispNoEnd;
        }
    }
    g.RemoveRows(first, count);
    renumber();
    // The row that moved up into the gap keeps its axis colours.
    PosiGridColorRow(std::min(first, g.Rows() - 1));
    PosiGrid::EndBulk();
    if (g.Rows() < 3)
        Shell::Get().PosiEditCommandsOff();
}

void CopyPosiLinesToClip()
{
    const PosiGridModel &g = PosiGrid::Grid();
    const Block b = selection();
    std::vector<QStringList> rows;
    for (int r = std::max(b.firstRow, 2); r <= b.lastRow && r < g.Rows(); ++r) {
        QStringList cells;
        for (int c = b.firstCol; c <= b.lastCol; ++c)
            cells << g.Text(r, c);
        rows.push_back(cells);
    }
    Platform::SetClipboardText(ClipText::Join(rows));
}

int CheckClipPosiData()
{
    const QString text = Platform::ClipboardText();
    if (text.isEmpty())
        return 0;
    return ClipText::FirstRowTabs(text) == kRowCells - 1 ? 1 : 2;
}

void PastePosiLinesFromClip()
{
    PosiGridModel &g = PosiGrid::Grid();
    const auto table = ClipText::Split(Platform::ClipboardText());
    if (!table || table->rows.empty())
        return;
    const int startRow = g.Row();
    const int startCol = (App().PrgModeFlag && table->cols == kRowCells) ? 1 : g.Col();
    // Titles and position numbers are never written.
    if (startRow < 2 || startCol < 1 || startCol > kLastCol)
        return;
    PosiGrid::BeginBulk();
    int r = startRow;
    for (const QStringList &cells : table->rows) {
        int c = startCol;
        for (const QString &cell : cells) {
            g.SetText(r, c, cell);
            if (c >= kLastCol)
                break;
            ++c;
        }
        if (r >= g.Rows() - 1)
            break;
        ++r;
    }
    PosiGrid::EndBulk();
    g.SetCurrent(startRow, startCol);
}

int IsClipText() { return Platform::ClipboardHasText() ? 0 : 1; }

bool InsertSelectedRows()
{
    PosiGridModel &g = PosiGrid::Grid();
    Block b = selection();
    // The selection is checked before anything changes: a refused insert
    // keeps position 999.
    if (b.firstRow < 2 || b.firstRow > kPosiMax + 1 || b.firstRow >= g.Rows()) {
        MsgBox(ResLines({388, 389}), MsgButtons::Ok, MsgIcon::None);
        return false;
    }
    b.lastRow = std::min(b.lastRow, g.Rows() - 1);
    if (g.Rows() >= kMaxGridRows)
        g.RemoveRows(g.Rows() - 1, 1);
    PosiRows::PosiGridInsertLine(b.firstRow, b.lastRow);
    Posi().DataChanged = true;
    return true;
}

bool DeleteSelectedRows()
{
    PosiGridModel &g = PosiGrid::Grid();
    Block b = selection();
    if (g.Rows() < 3)
        return false;
    if (b.firstRow < 2 || b.firstRow > kPosiMax + 1) {
        MsgBox(ResLines({386, 387}), MsgButtons::Ok, MsgIcon::None);
        return false;
    }
    const int oldRow = g.Row();
    PosiRows::PosiGridDeleteLine(b.firstRow, b.lastRow);
    Posi().DataChanged = true;
    const int rows = g.Rows();
    int row = oldRow < rows ? oldRow - 1 : rows - 1;
    row = rows >= 3 ? std::max(row, 2) : rows - 1;
    g.SetCurrent(std::max(row, 0), 1);
    return true;
}

bool CopySelection()
{
    const Block b = selection();
    const int columns = b.lastCol - b.firstCol + 1;
    if (columns != kRowCells && columns != 1) {
        MsgBox(ResText(335), MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    // Title rows are not copied; with no position selected the clipboard
    // keeps what it holds.
    if (b.lastRow < 2)
        return false;
    PosiRows::CopyPosiLinesToClip();
    App().ClipCopyFlag = PosiRows::CheckClipPosiData() == 1;
    return true;
}

int GetClipPosiData()
{
    const auto table = ClipText::Split(Platform::ClipboardText());
    return table ? table->cols : -1;
}

bool PosiDataPaste()
{
    if (PosiRows::IsClipText() != 0)
        return false;
    switch (GetClipPosiData()) {
    case -1:
        return false;
    case kRowCells:
        return PosiDataLinePaste();
    case 1:
        return PosiDataLinePasteCheck();
    default:
        MsgBox(ResText(336), MsgButtons::Ok, MsgIcon::None);
        return false;
    }
}

bool PosiDataLinePaste()
{
    const PosiGridModel &g = PosiGrid::Grid();
    if (!isDataRow(g.Row()) || !isRowPasteColumn(g.Col())) {
        MsgBox(ResText(App().PrgModeFlag ? 580 : 393), MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    if (!clipTextKeepable())
        return false;
    PosiRows::PastePosiLinesFromClip();
    Posi().DataChanged = true;
    return true;
}

bool PosiDataLinePasteCheck()
{
    const PosiGridModel &g = PosiGrid::Grid();
    if (g.Col() != g.ColSel() || !isDataRow(g.Row()) || g.Col() < 1 || g.Col() > kLastCol) {
        MsgBox(ResText(481), MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    if (!clipTextKeepable())
        return false;
    PosiRows::PastePosiLinesFromClip();
    App().ClipCopyFlag = false;
    Posi().DataChanged = true;
    return true;
}

} // namespace PosiRows
