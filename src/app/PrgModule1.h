#pragma once
// The program's start: splash, start values, settings, the main window.
#include "ui/common/Localize.h"

namespace PrgModule1 {
// Runs the start-up and returns with the main window shown; the event loop
// does the rest.
void Main();
// The start values of the application state, the emptied tables and queues
// and the settings read at start-up (the part of Main between the splash and
// the main window).
void SetStartValues();
} // namespace PrgModule1
