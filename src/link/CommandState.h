#pragma once
// State kept by the controller command procedures between calls: the
// input/output bit tables of the monitor, the monitor's mode flags, the
// controller's stored step counts per program. One instance for the run; tests
// reset it with ResetCommandState().
#include "link/CommandFrames.h"

#include <array>

namespace Comm {

struct CommandState {
    // Input/output monitor.
    Frames::BitTable InBit{};
    Frames::BitTable OutBit{};
    Frames::BitTable OutReq{};
    bool IoModeSet = false;    // the monitor's mode command has been sent
    bool IoModeResend = false; // send it again at the next cycle
    bool IoModeSentIgnore = false; // the mode last sent ignores the external inputs
    // The monitor window's requests: the outputs are to be written (cleared
    // after a successful write); an input/output read is awaited (cleared
    // whenever one ends); "ignore external inputs" is ticked.
    bool OutputWriteReq = false;
    bool IoReadFlag = false;
    bool IgnoreInputs = false;

    // Step counts stored in the controller, indexed by program 1..100.
    std::array<int, Frames::kProgramCount + 1> ProgStepCount{};
    bool ProgStepCountKnown = false;
};

CommandState &Commands();
void ResetCommandState();

} // namespace Comm
