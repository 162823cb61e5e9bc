// A simulated RE-Z4 controller on a pseudo-terminal, for trying the program
// by hand without a controller: prints the device path, then answers until
// it is stopped. Start the program with REZ4_PORT1=<that path>. It serves
// every command the tests' simulated controller serves (SimFull).
//   rez4sim [model code] [axis mask] [program]
//   rez4sim S2M 3 program
#include "sim/SimFull.h"
#include "sim/SimOnline.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    SimController sim;
    if (!sim.ok())
        return 1;
    SimCmdModel model;
    SimTaskModel tasks;
    SimFull::InstallAll(sim, model, tasks);
    if (args.size() > 1)
        sim.model().modelCode = args[1].toLatin1();
    if (args.size() > 2)
        SimOnline::SetAxes(sim, args[2].toInt(nullptr, 16));
    if (args.size() > 3)
        SimOnline::SetProgramMode(sim, args[3] == QLatin1String("program"));
    QTextStream(stdout) << sim.slavePath() << Qt::endl;
    return app.exec();
}
