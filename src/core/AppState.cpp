#include "core/AppState.h"
#include "platform/StringTable.h"

namespace {
AppState g_state;

// The string table follows the language kept here.
struct LanguageSource {
    LanguageSource() { Platform::SetLanguageOffsetSource(&g_state.LangOffset); }
} g_languageSource;
} // namespace

AppState &App() { return g_state; }

void ResetAppState() { g_state = AppState{}; }
