#pragma once
// The online actuator window's "Change and Write": the controller changed
// over to the chosen axes and actuators (new axis mask, the actuators'
// standard parameters written and stored), the PC's setting taken from what
// the controller then holds, and the positions checked against it.
#include <array>
#include <functional>

namespace DeviceWrite {

// The axes not in use for a chosen axis count: axes n..3 for n = 1..4; any
// other count leaves all four in use.
std::array<bool, 4> NotUsedOfCount(int n);

// What the window gives the write.
struct Window {
    int axisCount = 0;
    // The lists' choice into the candidate setting; false (message shown)
    // when it cannot be taken.
    std::function<bool()> takeChoice;
    // Hides the window once the parameters have been read back.
    std::function<void()> hide;
};

// Everything between the window's own busy steps and its closing steps:
// every outcome is told in a message box. The chosen actuators' standard
// rows are looked up before anything is sent, so a missing row leaves the
// controller as it was.
void ChangeAndWrite(const Window &w);

// After parameters were written: the positions of the grid checked against
// the new limits and, when they all pass, converted and shown again (1526
// when some do not), then the actuator names, rates and axis columns.
void RecheckPositionsAfterWrite();

} // namespace DeviceWrite
