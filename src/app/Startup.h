#pragma once
// The program's start: splash, start values, settings, the main window.
#include "ui/common/Localize.h"

namespace Startup {
// Runs the start-up and returns with the main window shown; the event loop
// does the rest.
void Main();
// The start values of the application state, the emptied tables and queues
// and the settings read at start-up (the part of Main between the splash and
// the main window).
void SetStartValues();
// Qt's own texts (standard buttons, file dialogs) in Japanese when the
// language is Japanese: false when Qt's translation file is not installed
// (the buttons then stay English).
bool InstallQtTexts();
} // namespace Startup
