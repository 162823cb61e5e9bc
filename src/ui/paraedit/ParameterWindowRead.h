#pragma once
// All parameters of the connected controller read into the parameter set:
// with the whole dialogue of the parameter window's read command, for the
// parameter window's write (the read without any window is in
// ui/online/ReadParameters.h).
#include "ui/online/ReadParameters.h"

class ParameterWindow;

namespace Online {

// The parameter window's read: save offer, going online, the check of the
// controller's actuators against the PC's with the offer to take them, the
// read and the display in `window`.
void ReadParametersIntoWindow(ParameterWindow *window);
// The axis mask and the parameters, the valid axes of `window` enabled: 0 /
// 1.
int ReadParametersMarkingAxes(ParameterWindow *window);

} // namespace Online
