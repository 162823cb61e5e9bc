// A simulated RE-Z4 controller on a pseudo-terminal, for trying the program
// by hand without a controller: prints the device path, then answers until
// it is stopped. Start the program with REZ4_PORT1=<that path>. It serves
// every command the tests' simulated controller serves (SimFull), at once or
// paced at a line's speed, and can log what crosses the line (for the
// benchmarks); `rez4sim --help` tells the arguments.
#include "sim/SimTool.h"

#include <QCoreApplication>
#include <QFile>
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
    // Unbuffered, so a reader sees each line as soon as it is told.
    QFile lineLog(parsed.options->lineLogPath);
    if (!parsed.options->lineLogPath.isEmpty()) {
        if (!lineLog.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
            QTextStream(stderr) << "rez4sim: cannot write " << lineLog.fileName() << '\n';
            return 1;
        }
        sim.setLineEventSink([&lineLog](const SimController::LineEvent &e) { lineLog.write(SimTool::LineLogText(e)); });
    }
    QTextStream(stdout) << sim.slavePath() << Qt::endl;
    return app.exec();
}
