#include "posi/PosiRows.h"

#include "core/AppState.h"
#include "platform/Clipboard.h"
#include "posi/PosiDevice.h"
#include "posi/PosiEdit.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"

namespace Module1 {
namespace {

QString defaultText(int col)
{
    const AppState &app = App();
    if (col == 0 || col == 28)
        return QString();
    if (col >= 1 && col <= 24) {
        const int a = (col - 1) / 6;
        switch ((col - 1) % 6) {
        case 0: return QStringLiteral("30");
        case 1: return PosiDevice::IsSize42SpeedD(a) ? QStringLiteral("20") : QStringLiteral("10");
        case 3:
            if (app.DispMmUnit)
                return app.PrgModeFlag ? QStringLiteral("       N") : QStringLiteral("   0.000");
            return QStringLiteral("0");
        default: return QStringLiteral("0");
        }
    }
    return QStringLiteral("0");
}

} // namespace

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
    PosiGrid::FG_HighSyoriStart();
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
    for (int r = 2; r < g.Rows(); ++r)
        g.SetText(r, 0, QString::number(app.DispNoStart + r - 2));
    int keep = std::min(g.Rows(), 1001);
    keep = std::min(keep, kPosiMax - app.DispNoStart + 3);
    if (keep < g.Rows())
        g.SetRows(std::max(keep, 2));
    PosiGrid::FG_HighSyoriEnd();
}

int IsClipText() { return Platform::ClipboardHasText() ? 0 : 1; }

} // namespace Module1
