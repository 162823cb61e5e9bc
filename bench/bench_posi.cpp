// Position data timings: filling the grid with 999 rows, saving and
// opening a 999-position file. Prints the median of several runs.
#include "core/AppState.h"
#include "link/Engine.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "ui/posi/PosiTransfer.h"
#include "sim/SimCommands.h"
#include "sim/SimController.h"
#include "sim/SimParaBlocks.h"
#include "sim/SimPosi.h"
#include "support/TestEnv.h"
#include "paradata/ParadataState.h"
#include "posi/PosiFile.h"
#include "posi/PosiGrid.h"
#include "posi/PosiRows.h"
#include "ui/posi/PosiGridView.h"
#include "posi/PosiTables.h"

#include "BenchTiming.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ResetParadataState();
    ResetPosiState();
    PosiTables::InitPosiData();
    for (int n = 1; n <= kPosiMax; ++n) {
        Posi().PosiData[n][PosiField::Position(0)] = n * 100;
        Posi().PosiData[n][PosiField::Comment] = QStringLiteral("position %1").arg(n);
    }
    App().DispNoStart = App().PosiNoStart = 1;
    App().DispNoEnd = App().PosiNoEnd = kPosiMax;
    App().DispMmUnit = false;
    PosiGrid::Set_PosFormStrAtPosMode();
    PosiGrid::SizeInit_PositionGridAtPosMode();
    auto view = std::make_unique<PosiGridView>(&PosiGrid::Grid());
    view->resize(1200, 600);
    view->show();
    app.processEvents();

    const double fill = Bench::MedianMs(9, [&] {
        PosiGrid::FillGridPositionMode();
        app.processEvents();
    });
    view->hide();
    const double fillNoView = Bench::MedianMs(9, [&] { PosiGrid::FillGridPositionMode(); });
    std::printf("fill grid 999 rows, hidden view: %.1f ms\n", fillNoView);

    // Typing into the shown grid: one value committed to 999 selected rows
    // of a column, and a row appended below the last of 998.
    view->show();
    PosiGridModel &g = PosiGrid::Grid();
    Paradata().MaxSpeed[0] = 300;
    int speed = 30;
    const double fillRows = Bench::MedianShownMs(9, [&] { g.SyncSelection(2, 1, g.Rows() - 1, 1); },
                                                 [&] { g.setData(g.index(2, 1), QString::number(++speed % 200 + 1)); });
    std::printf("commit to 999 selected rows: %.1f ms\n", fillRows);
    const double append = Bench::MedianShownMs(
        9,
        [&] {
            App().DispNoStart = App().PosiNoStart = 1;
            App().DispNoEnd = App().PosiNoEnd = 998;
            PosiGrid::FillGridPositionMode();
        },
        [&] {
            int first = g.Rows(), last = first;
            PosiRows::PosiGridInsertLine(first, last);
        });
    std::printf("append a row to 998: %.1f ms (rows now %d)\n", append, g.Rows());
    App().DispNoEnd = App().PosiNoEnd = kPosiMax;
    view->hide();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.qzd"));
    const std::array<QString, 4> names{QStringLiteral("QZ42"), QStringLiteral("QZ42"), QStringLiteral("QZ42"), QStringLiteral("QZ42")};
    const double save = Bench::MedianMs(9, [&] { PosiFile::SaveFileAs(path, names); });
    const double open = Bench::MedianMs(9, [&] { PosiFile::ReadPosiFile(path); });
    std::printf("fill grid 999 rows: %.1f ms\nsave 999 positions: %.1f ms\nopen 999 positions: %.1f ms\n", fill, save, open);

    // Read and write 1..999 against the simulated controller paced at
    // 38400 baud, as a ratio to the line's own time for those characters.
    // The scope replaces the grid's model: the view of the old one goes
    // first.
    view.reset();
    TestEnv::Scope env;
    SimController sim;
    SimCmdModel cmd;
    InstallCommandSim(sim, cmd);
    SimParaBlocks::InstallParaBlockCommands(sim);
    SimPosi::InstallPosiCommands(sim);
    sim.setLineBaud(38400);
    sim.attach(1);
    App().PortNo = 1;
    App().PortOccupy = true;
    App().PosiNoStart = 1;
    App().PosiNoEnd = kPosiMax;
    ErrorList::ReadErrorList();
    Indicators::SetOnlineMode();
    Comm::StartLink();
    auto lineMs = [](double chars) { return chars * 10 * 1000 / 38400; };
    QElapsedTimer t;
    t.start();
    const int rd = PosiTransfer::ReadPosidataFromCt();
    const double readMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
    const double readLine = lineMs(kPosiMax * (8.0 + 68.0));
    t.restart();
    const int wr = PosiTransfer::WritePosidataToCt();
    const double writeMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
    const double writeLine = lineMs(kPosiMax * (68.0 + 8.0) + 11 + 11);
    Comm::StopLink();
    std::printf("read 1..999 at 38400: %.0f ms, line %.0f ms, ratio %.3f (result %d)\n", readMs, readLine, readMs / readLine, rd);
    std::printf("write 1..999 at 38400: %.0f ms, line %.0f ms, ratio %.3f (result %d)\n", writeMs, writeLine, writeMs / writeLine, wr);
    return 0;
}
