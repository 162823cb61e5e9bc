#pragma once
// The program task window's exchanges with the controller: each one goes out
// even while the application is offline (it clears the offline flag first)
// and opens the port when it is closed.
#include "link/CommandFrames.h"

#include <optional>

namespace ProgTaskLink {
// "0DM" / "0PM" + program, "0PN": 0 = acknowledged, 1 = failed.
int SendStartTask(int progNo);
int SendStopTask(int progNo);
int SendStopAllTask();
// The task digit of "0TN" (0 = none runs), or nothing on failure.
std::optional<int> TaskCount();
// "0TS": the program of each task, or nothing on failure.
std::optional<Comm::Frames::TaskProgs> TaskPrograms();
// "0PT" + program: the step it executes, or nothing on failure.
std::optional<Comm::Frames::StepStatus> StepStatus(int progNo);
} // namespace ProgTaskLink
