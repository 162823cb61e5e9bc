#include "core/AppState.h"

namespace {
AppState g_state;
}

AppState &App() { return g_state; }

void ResetAppState() { g_state = AppState{}; }
