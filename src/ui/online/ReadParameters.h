#pragma once
// All parameters of the connected controller read into the parameter set
// without any window, for the commands that write parameters and read them
// back.
#include <functional>

namespace Online {

// The axis mask (message 359 when it cannot be read), then every parameter
// block into the parameter table and the parameter set. `axesRead`, when
// given, runs between the two (a window marks the axes now valid). The port
// is closed afterwards unless it is held open. 0 read, 1 failed.
int ReadAxisMaskAndParameters(const std::function<void()> &axesRead = {});
// The same without anything between: 0 / 1.
int ReadAllParameters();

} // namespace Online
