// Row commands on a full position grid, with its view shown: pasting 999
// whole rows, inserting 10 rows at the top and deleting 500 rows. Prints
// the median of nine runs of each.
#include "core/AppState.h"
#include "paradata/ParadataState.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "posi/PosiGrid.h"
#include "posi/PosiRows.h"
#include "posi/PosiTables.h"
#include "ui/posi/PosiGridView.h"

#include "BenchTiming.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Platform::Dialogs::SetScripted(true);
    ResetParadataState();
    ResetPosiState();
    App().DispMmUnit = false;
    PosiGrid::Set_PosFormStrAtPosMode();
    PosiGrid::SizeInit_PositionGridAtPosMode();
    PosiGridModel &g = PosiGrid::Grid();
    PosiGridView view(&g);
    view.resize(1200, 600);
    view.show();
    app.processEvents();

    auto fullGrid = [] {
        PosiTables::InitPosiData();
        for (int n = 1; n <= kPosiMax; ++n)
            Posi().PosiData[static_cast<size_t>(n)][PosiField::Comment] = QStringLiteral("position %1").arg(n);
        App().DispNoStart = App().PosiNoStart = 1;
        App().DispNoEnd = App().PosiNoEnd = kPosiMax;
        PosiGrid::FillGridPositionMode();
    };

    QStringList lines;
    for (int n = 1; n <= kPosiMax; ++n) {
        QStringList cells;
        for (int c = 1; c <= 28; ++c)
            cells << QString::number(n % 7 + c);
        lines << cells.join(QLatin1Char('\t'));
    }
    const QString clip = lines.join(QLatin1Char('\r'));
    const double paste = Bench::MedianShownMs(
        9,
        [&] {
            fullGrid();
            Platform::SetClipboardText(clip);
            g.SetCurrent(2, 1);
        },
        [&] { PosiRows::PosiDataPaste(); });
    std::printf("paste 999 whole rows: %.1f ms (row 1000 col 28 = %s)\n", paste, qPrintable(g.Text(1000, 28)));

    const double insert = Bench::MedianShownMs(
        9,
        [&] {
            fullGrid();
            g.SyncSelection(2, 1, 11, 28);
        },
        [&] { PosiRows::InsertSelectedRows(); });
    std::printf("insert 10 rows at the top of 999: %.1f ms (rows %d, last %s)\n", insert, g.Rows(),
                qPrintable(g.Text(g.Rows() - 1, 28)));

    const double remove = Bench::MedianShownMs(
        9,
        [&] {
            fullGrid();
            g.SyncSelection(2, 1, 501, 28);
        },
        [&] { PosiRows::DeleteSelectedRows(); });
    std::printf("delete 500 rows of 999: %.1f ms (rows %d, first %s)\n", remove, g.Rows(),
                qPrintable(g.Text(2, 28)));
    return 0;
}
