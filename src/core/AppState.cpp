#include "core/AppState.h"

namespace {
AppState g_state;
}

AppState &App() { return g_state; }

void ResetAppState()
{
    frmMain *main = g_state.MainForm;
    g_state = AppState{};
    g_state.MainForm = main;
}
