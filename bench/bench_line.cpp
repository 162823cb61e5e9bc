// Short exchanges at line speed: the group window's write and read and the
// position window's write and read of 999 positions, run through their own
// flows against the simulated controller paced at 38400 baud. Each figure
// is the time taken as a ratio to the line's own time for the exact frames
// exchanged (characters x 10 / baud, answers included), the median of 5
// runs with the spread; and the program's turnaround, from an answer's last
// character to the next request.
#include "core/AppState.h"
#include "grpsm/GrpSmTables.h"
#include "link/Engine.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "posi/PosiTables.h"
#include "sim/SimCommands.h"
#include "sim/SimController.h"
#include "sim/SimParaBlocks.h"
#include "sim/SimPosi.h"
#include "support/TestEnv.h"
#include "ui/grpsm/GroupWindow.h"
#include "ui/posi/PosiTransfer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kBaud = 38400;
constexpr int kRuns = 5;

struct Run {
    double ratio = 0;
    double ms = 0;
    double lineMs = 0;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Times op; the line time and the turnarounds come from the simulator's log
// of what crossed the line meanwhile.
// How much later than its paced time the simulator answered (its own timer's
// lateness, which counts against the program in the ratios).
std::vector<double> g_simLate;

Run timed(SimController &sim, const std::function<void()> &op, std::vector<double> &turnarounds)
{
    sim.clearLineLog();
    QElapsedTimer t;
    t.start();
    op();
    Run r;
    r.ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    qint64 chars = 0;
    qint64 lastAnswer = -1;
    const SimController::LineEvent *request = nullptr;
    for (const SimController::LineEvent &e : sim.lineLog()) {
        chars += e.chars;
        if (e.request && lastAnswer >= 0)
            turnarounds.push_back(static_cast<double>(e.ns - lastAnswer) / 1e6);
        if (!e.request && request)
            g_simLate.push_back(static_cast<double>(e.ns - request->ns) / 1e6
                                - static_cast<double>(request->chars + e.chars) * 10 * 1000 / kBaud);
        lastAnswer = e.request ? -1 : e.ns;
        request = e.request ? &e : nullptr;
    }
    r.lineMs = static_cast<double>(chars) * 10 * 1000 / kBaud;
    r.ratio = r.ms / r.lineMs;
    return r;
}

void report(const char *what, const std::vector<Run> &runs)
{
    std::vector<double> ratios;
    for (const Run &r : runs)
        ratios.push_back(r.ratio);
    const auto [lo, hi] = std::minmax_element(ratios.begin(), ratios.end());
    std::vector<double> ms, line;
    for (const Run &r : runs) {
        ms.push_back(r.ms);
        line.push_back(r.lineMs);
    }
    std::printf("%-34s %9.1f ms, line %9.1f ms, ratio %.3f (%.3f .. %.3f)\n", what, median(ms), median(line),
                median(ratios), *lo, *hi);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestEnv::Scope env;
    namespace Dlg = Platform::Dialogs;
    App().LangOffset = 10000;
    SimController sim;
    SimCmdModel cmd;
    InstallCommandSim(sim, cmd);
    SimParaBlocks::InstallParaBlockCommands(sim);
    SimPosi::InstallPosiCommands(sim);
    sim.setLineBaud(kBaud);
    sim.attach(1);
    App().PortNo = 1;
    App().BaudIndex = 2;
    Paradata().ParaSet.ParaSpAxis = 0xF;
    Common::ReadErrorList();
    Common::SetOnlineMode();
    Comm::StartLink();

    std::vector<double> turnarounds;
    std::vector<Run> grpWrite, grpRead, posiWrite, posiRead;
    for (int i = 0; i < kRuns; ++i) {
        // A fresh window each time: a read leaves the controller's groups in
        // the window.
        auto &t = GrpSm::Tables();
        for (int g = 1; g <= 99; ++g)
            t.GrpData[g] = {int16_t(g), int16_t(g + 100)};
        GroupWindow w;
        Dlg::ClearScript();
        Dlg::QueueAnswer(Platform::MsgAnswer::Yes);
        grpWrite.push_back(timed(sim, [&] { w.cmdWriteGrp->click(); }, turnarounds));
        Dlg::ClearScript();
        Dlg::QueueAnswer(Platform::MsgAnswer::Ok);
        grpRead.push_back(timed(sim, [&] { w.cmdReadGrp->click(); }, turnarounds));
    }
    App().PortOccupy = true;
    App().PosiNoStart = 1;
    App().PosiNoEnd = kPosiMax;
    for (int i = 0; i < kRuns; ++i) {
        int rd = 0, wr = 0;
        posiRead.push_back(timed(sim, [&] { rd = PosiTransfer::ReadPosidataFromCt(); }, turnarounds));
        posiWrite.push_back(timed(sim, [&] { wr = PosiTransfer::WritePosidataToCt(); }, turnarounds));
        if (rd != 0 || wr != 0)
            std::printf("a position transfer failed (read %d, write %d)\n", rd, wr);
    }
    Comm::StopLink();

    std::printf("at %d baud, %d runs each:\n", kBaud, kRuns);
    report("group write (99 x 0WG)", grpWrite);
    report("group read", grpRead);
    report("999 positions, write", posiWrite);
    report("999 positions, read", posiRead);
    std::sort(turnarounds.begin(), turnarounds.end());
    std::printf("turnaround, answer to next request: median %.3f ms, 90th %.3f ms, over %zu exchanges\n",
                median(turnarounds), turnarounds[turnarounds.size() * 9 / 10], turnarounds.size());
    std::sort(g_simLate.begin(), g_simLate.end());
    std::printf("simulator's lateness after its paced time: median %.3f ms, 90th %.3f ms\n", median(g_simLate),
                g_simLate[g_simLate.size() * 9 / 10]);
    return 0;
}
