// Programs against the simulated controller paced at 9600 baud: a 100-step
// program written ("0WM", "0MW") and read back ("0RR", "0RM"), and the step
// counts of all 100 programs ("0RR" x 100), each as a ratio to the time the
// line itself needs for the characters of the frames and their answers.
// Measure a Release build: the sanitizers add about a millisecond to every
// exchange. The simulator paces in whole milliseconds (17 for the 16.7 of
// one step count), which alone adds 2 % to the step counts.
#include "core/AppState.h"
#include "link/CommandProcs.h"
#include "link/Engine.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "link/ProgTransfer.h"
#include "sim/SimCommands.h"
#include "sim/SimController.h"
#include "sim/SimProg.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestEnv::Scope env;
    SimController sim;
    if (!sim.ok()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    SimCmdModel cmd;
    InstallCommandSim(sim, cmd);
    SimProg::InstallProgCommands(sim);
    constexpr int kBaud = 9600;
    sim.setLineBaud(kBaud);
    sim.attach(1);
    App().PortNo = 1;
    App().BaudIndex = 0;
    App().PortOccupy = true;
    ErrorList::ReadErrorList();
    Indicators::SetOnlineMode();
    Comm::StartLink();
    Comm::OpenCommPort();

    std::vector<ProgData::ProgStep> da(101);
    for (int i = 1; i <= 100; ++i)
        da[static_cast<size_t>(i)] = ProgData::ProgStep{2, 1000 * i, 4190510, 1003, 36, {}};
    auto lineMs = [](double chars) { return chars * 10 * 1000 / kBaud; };
    auto ms = [](const QElapsedTimer &t) { return double(t.nsecsElapsed()) / 1e6; };

    QElapsedTimer t;
    t.start();
    const int wr = Comm::WriteProgToCt(1, da);
    const double writeMs = ms(t);
    // "0WM01" + 100 steps, "0MW01", each answered with 5 characters; CR LF
    // after every frame and answer.
    const double writeLine = lineMs((5 + 1900 + 2) + 7 + 7 + 7);

    std::vector<ProgData::ProgStep> read;
    t.restart();
    const int rd = Comm::ReadProgFromCt(1, read);
    const double readMs = ms(t);
    const double readLine = lineMs(7 + 9 + 7 + (5 + 1900 + 2));
    const bool same = rd == 0 && read == da;

    t.restart();
    const int counts = Comm::ReadAllProgStepCountsFromCt();
    const double countsMs = ms(t);
    const double countsLine = lineMs(100 * (7 + 9));
    // The same without pacing: what the program and the simulator add to
    // each exchange besides the line.
    sim.setLineBaud(0);
    t.restart();
    Comm::ReadAllProgStepCountsFromCt();
    const double countsFastMs = ms(t);
    Comm::StopLink();

    std::printf("write 100 steps at %d: %.0f ms, line %.0f ms, ratio %.3f (result %d)\n", kBaud, writeMs, writeLine,
                writeMs / writeLine, wr);
    std::printf("read 100 steps at %d: %.0f ms, line %.0f ms, ratio %.3f (result %d, %s)\n", kBaud, readMs, readLine,
                readMs / readLine, rd, same ? "same as written" : "DIFFERENT");
    std::printf("100 step counts at %d: %.0f ms, line %.0f ms, ratio %.3f (result %d)\n", kBaud, countsMs,
                countsLine, countsMs / countsLine, counts);
    std::printf("100 step counts unpaced: %.0f ms (%.2f ms a request)\n", countsFastMs, countsFastMs / 100);
    return 0;
}
