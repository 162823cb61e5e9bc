// A simulated RE-Z4 controller on a pseudo-terminal, for trying the program
// by hand without a controller: prints the device path, then answers until
// it is stopped. Start the program with REZ4_PORT1=<that path>. It serves
// every command the tests' simulated controller serves (SimFull); `rez4sim
// --help` tells the arguments.
#include "sim/SimTool.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const SimTool::Parsed parsed = SimTool::Parse(app.arguments().mid(1));
    if (!parsed.options) {
        if (!parsed.error.isEmpty()) {
            QTextStream(stderr) << parsed.error;
            return 2;
        }
        QTextStream(stdout) << parsed.usage;
        return 0;
    }
    SimController sim;
    if (!sim.ok()) {
        QTextStream(stderr) << "rez4sim: no pseudo-terminal could be opened\n";
        return 1;
    }
    SimCmdModel model;
    SimTaskModel tasks;
    SimTool::Install(sim, model, tasks, *parsed.options);
    QTextStream(stdout) << sim.slavePath() << Qt::endl;
    return app.exec();
}
