#pragma once
// The program's start: splash, start values, settings, the main window.
#include "app/Localize.h"

namespace PrgModule1 {
// Runs the start-up and returns with the main window shown; the event loop
// does the rest.
void Main();
} // namespace PrgModule1
