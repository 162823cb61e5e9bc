#pragma once
// The simulated controller's ten program tasks: "0DM" starts a program in
// the first free task, "0PM" stops the task running a program, "0PN" stops
// them all; "0TN" answers the number of busy tasks, "0TS" the program of
// each task; "0PT" answers the step status the test set for a program.
#include <QByteArray>
#include <QHash>
#include <array>
#include <functional>

class SimController;

struct SimTaskModel {
    std::array<int, 10> taskProg{}; // program each task runs, 0 = idle
    // The 23 hex characters after "0PT" for a program; a program without an
    // entry answers its number and zeros.
    QHash<int, QByteArray> stepStatus;
    // Replies put in place of the handler's, by whole frame (without CR LF):
    // an empty text means silence.
    QHash<QByteArray, QByteArray> replyFor;
    // Called with every task frame before it is answered.
    std::function<void(const QByteArray &frame)> onFrame;
};

// Registers the task commands (replacing any "0TN" installed before); the
// model must outlive the simulator.
void InstallTaskSim(SimController &sim, SimTaskModel &model);
