#pragma once
// The offline change of the actuator setting from the position window:
// choose actuators with their standard parameters, or take them from a
// parameter file; then re-check and re-convert the positions.
#include <functional>

namespace PosiChangeDev {

// The actuator selection window (Module1.ShowDeviceSetting): -1 cancelled,
// 0 standard parameters set, 1 setting them failed, -2 Back. Tests put
// their own in its place; an empty one restores the real window.
void SetShowDeviceSetting(std::function<int()> show);

// After the actuator setting changed: the grid's positions are checked
// against the new actuators; when all pass they are converted into the
// display unit and shown again with the new names and rates, otherwise the
// user is asked to look at them again (1526).
void RecheckPositions();

// 0 done, -1 Back in the question, -2 Back in the actuator window.
int ChangeDev();

} // namespace PosiChangeDev
