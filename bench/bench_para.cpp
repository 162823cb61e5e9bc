// Parameter window timings: the window created hidden with its whole load
// (lists, actuator lists from the device list, marking of the valid axes),
// and one display of a parameter set followed by its take-in. Prints the
// median of several runs.
#include "core/AppState.h"
#include "link/Versions.h"
#include "paradata/ParadataState.h"
#include "support/MemoryParaFace.h"
#include "support/TestEnv.h"
#include "ui/paraedit/ParameterWindow.h"

#include "BenchTiming.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestEnv::Scope env;
    App().LangOffset = 10000;
    App().AxisNotUsed = {false, false, false, true};   // one axis marked unused

    // Creation with its load, never shown; the window of the last run stays.
    const double create = Bench::MedianMs(
        9, [] { delete ParameterWindow::Existing(); }, [] { ParameterWindow::Instance(); });
    std::printf("create the hidden window with its load: %.1f ms\n", create);

    // A valid set in the tables: filled into a face, taken in once.
    App().AxisNotUsed = {false, false, false, false};
    Comm::Versions().CtAxisCount = 4;
    ParameterWindow *w = ParameterWindow::Instance();
    FillValidParaFields(*w);
    if (w->CheckParametersPresent() != 0 || w->TakeInParameterValues() != 0) {
        std::fprintf(stderr, "the valid set was not taken in\n");
        return 1;
    }
    int taken = 0;
    const double roundTrip = Bench::MedianMs(25, [&] {
        w->ShowParameters();
        taken += w->TakeInParameterValues();
    });
    std::printf("display and take-in of the parameter set: %.2f ms (failures %d)\n", roundTrip, taken);
    delete w;
    return 0;
}
