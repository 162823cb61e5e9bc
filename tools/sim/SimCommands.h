#pragma once
// The simulated controller's state, motion, input/output, program, task,
// group and sequence-macro commands, over a model of what they read and
// change. InstallCommandSim registers the handlers on a simulator; they keep
// a reference to the model, which the test owns and inspects.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <array>
#include <functional>
#include <map>

class SimController;

struct SimMacroStep {
    int code = 0;
    int data = 0;
};

struct SimCmdModel {
    // Axes: "0RA" answers the present-axis mask at rest, "0" while moving;
    // "0RH" the mask when homed, "0" when not. restDigit / homeDigit, when
    // set, are answered as they are (e.g. "F").
    bool moving = false;
    bool homed = true;
    QByteArray restDigit;
    QByteArray homeDigit;
    // Last move: position, axis mask digit, "0MP" or "0MS"; group moved to.
    int movedTo = -1;
    QByteArray moveMask;
    QByteArray moveCode;
    int groupMovedTo = -1;
    bool groupMoveSilent = false; // "0MG" never ends
    // Motion: after each "0MP", "0MS" or "0MG" the next movePolls "0RA"
    // report moving (pollsLeft counts them down). A move to position 0 is
    // the home return: it sets homed. restErrorAfterHome, when set, is the
    // answer to the first "0RA" after a home move.
    int movePolls = 0;
    int pollsLeft = 0;
    QByteArray restErrorAfterHome;
    bool homeErrorPending = false;
    // "0MG" answers this many ms after it arrived (0 = at once) when its
    // group move ends.
    int groupMoveMs = 0;
    // Jog: "0JR" runs each axis it names ("1" +, "2" -) until "0SP", which
    // leaves a jogged axis jogStep pulses further. "0MV" moves every axis
    // whose flag is "1" to its target (movePolls apply). servo: the axis
    // digits of the last "0CM" with four of them ("2" = servo off).
    std::array<int, 4> jogDir{};
    int jogStep = 100;
    QByteArray servo = "0000";
    bool jogging(int axis) const { return jogDir[static_cast<size_t>(axis)] != 0; }
    // Range closed by "0WA"; -1 = none.
    int storedFirst = -1, storedLast = -1;

    // Inputs (7 hex digits) and outputs (5 hex digits), digit 0 first.
    std::array<int, 7> inputs{};
    std::array<int, 5> outputs{};

    // Present position of axes 1..4 in pulses, sent as 5 hex digits (values
    // wider than that are sent as their last 5 digits); "0RC" answers the
    // axes its mask digit names, axis 1 first.
    std::array<int, 4> presentPos{};

    // Watched items by (program, number); program 0 holds the global items.
    // Flags and variables of a program are numbered 1..50, global ones
    // 1..100; position variables by (program 1..100, axis 1..4). An item
    // outside those ranges, or refused by replyFor, gets an error reply.
    std::map<std::pair<int, int>, int> flags;
    std::map<std::pair<int, int>, int32_t> variables;
    std::map<std::pair<int, int>, int32_t> posVariables;

    // Step counts of programs 1..100 and the running task's program digit.
    std::array<int, 101> stepCount{};
    int runningTask = 0;

    // Groups 1..99 and macros 1..20 as stored; the write frames fill the
    // pending copies, which the store command ("0WE3" / "0WE1") takes over.
    std::array<std::array<int, 2>, 100> groups{};
    std::array<std::array<int, 2>, 100> groupsPending{};
    std::array<std::array<SimMacroStep, 16>, 21> macros{};
    std::array<std::array<SimMacroStep, 16>, 21> macrosPending{};
    int groupStores = 0, macroStores = 0;

    // Replies put in place of the handler's, by whole frame (without CR LF):
    // an empty text means silence.
    QHash<QByteArray, QByteArray> replyFor;
    // Called with every frame before it is answered (the user acting while
    // the program waits).
    std::function<void(const QByteArray &frame)> onFrame;
};

// Registers every command of the model on the simulator; the model must
// outlive it.
void InstallCommandSim(SimController &sim, SimCmdModel &model);
