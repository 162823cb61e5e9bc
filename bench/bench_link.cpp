// The controller link against the simulated controller on a pseudo-terminal:
// round trips per second of a short command ("0AR", 5-character reply), CPU
// time per round trip (program and simulator together, one thread), and the
// CPU used while one request waits 2 s for a late reply.
#include "core/AppState.h"
#include "link/Engine.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "sim/SimController.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {
double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? QByteArray(argv[1]).toInt() : 5000;
    QTemporaryDir dir;
    Platform::UseSettingsFile(dir.filePath(QStringLiteral("settings.ini")));
    Platform::Dialogs::SetScripted(true);

    SimController sim;
    if (!sim.ok()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    sim.attach(1);
    App().PortNo = 1;
    App().BaudIndex = 2;
    Indicators::SetOnlineMode();
    Comm::StartLink(&app);

    if (!Comm::Exchange(QStringLiteral("0AR"), 5, 1000)) { // opens the port
        std::fprintf(stderr, "first exchange failed\n");
        return 1;
    }

    QElapsedTimer wall;
    wall.start();
    const double cpu0 = cpuSeconds();
    int ok = 0;
    for (int i = 0; i < rounds; ++i)
        ok += Comm::Exchange(QStringLiteral("0AR"), 5, 1000).has_value() ? 1 : 0;
    const double wallS = double(wall.nsecsElapsed()) / 1e9;
    const double cpuS = cpuSeconds() - cpu0;
    std::printf("round trips:            %d of %d good\n", ok, rounds);
    std::printf("round trips per second: %.0f\n", rounds / wallS);
    std::printf("CPU per round trip:     %.1f us (program and simulator)\n", cpuS / rounds * 1e6);

    sim.addFault("0AR", {SimFault::Late, 2000, {}});
    wall.restart();
    const double cpu1 = cpuSeconds();
    const bool late = Comm::Exchange(QStringLiteral("0AR"), 5, 5000).has_value();
    const double waitWall = double(wall.nsecsElapsed()) / 1e9;
    const double waitCpu = cpuSeconds() - cpu1;
    std::printf("late reply:             %s after %.2f s\n", late ? "received" : "FAILED", waitWall);
    std::printf("CPU while waiting:      %.3f s = %.2f %% of one core\n", waitCpu, 100.0 * waitCpu / waitWall);

    Comm::StopLink();
    return ok == rounds && late ? 0 : 1;
}
