#pragma once
// The rez4sim tool's command line and the controller it sets up: the whole
// command table (SimFull) with the model code, the axes present and the
// controller mode the user names. A test sets up the same controller from
// the same arguments.
#include "sim/SimFull.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace SimTool {

struct Options {
    QByteArray modelCode = "S4M";
    int axisMask = 0xF;
    bool programMode = false;
    // Answers paced as a line at this speed carries them; 0 = at once.
    int baud = 0;
    // File that gets a line per request and answer crossing the line (see
    // the usage text); empty = none.
    QString lineLogPath;
};

// What the arguments (without the tool's own name) ask for: the options to
// run with, or the usage text to print (`--help`) and stop, or an error
// message to print and stop with a failure.
struct Parsed {
    std::optional<Options> options;
    QString usage;
    QString error;
};
Parsed Parse(const QStringList &args);
QString Usage();

// Registers every command on the simulator and makes it the controller
// `o` names, paced at its speed; the models must outlive the simulator.
void Install(SimController &sim, SimCmdModel &model, SimTaskModel &tasks, const Options &o);

// One line of the line log: nanoseconds since the simulator started, "R"
// for a request that came in or "A" for an answer sent, the characters it
// held with CR LF, and its text ("1234567 R 9 0RG001"; a CR or LF within
// shown as \r or \n).
QByteArray LineLogText(const SimController::LineEvent &e);

} // namespace SimTool
