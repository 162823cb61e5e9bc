#pragma once
// The offline change of the actuator setting from the position window:
// choose actuators with their standard parameters, or take them from a
// parameter file; then re-check and re-convert the positions.

namespace PosiChangeDev {

// After the actuator setting changed: the grid's positions are checked
// against the new actuators; when all pass they are converted into the
// display unit and shown again with the new names and rates, otherwise the
// user is asked to look at them again (1526).
void RecheckPositions();

// 0 done, -1 Back in the question, -2 Back in the actuator window.
int ChangeDev();

} // namespace PosiChangeDev
