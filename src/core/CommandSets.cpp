#include "core/CommandSets.h"

#include "core/AppState.h"
#include "core/Shell.h"

#include <algorithm>
#include <vector>

namespace CommandSets {
namespace {
std::vector<CommandSet *> g_sets;

template <typename F> void each(F f)
{
    // A copy: a procedure may open or close a window.
    const std::vector<CommandSet *> sets = g_sets;
    for (CommandSet *s : sets) {
        if (std::find(g_sets.begin(), g_sets.end(), s) == g_sets.end())
            continue;
        try {
            f(s);
        } catch (...) {
            // One window's failure does not leave the others switched wrongly.
        }
    }
}
} // namespace

void Register(CommandSet *set)
{
    if (set && std::find(g_sets.begin(), g_sets.end(), set) == g_sets.end())
        g_sets.push_back(set);
}

void Unregister(CommandSet *set) { g_sets.erase(std::remove(g_sets.begin(), g_sets.end(), set), g_sets.end()); }

void AllOff() { each([](CommandSet *s) { s->CommandsOff(); }); }
void AllOn() { each([](CommandSet *s) { s->CommandsOn(); }); }
void ProgOff() { each([](CommandSet *s) { s->ProgCommandsOff(); }); }

void SetPosiTabEnabled(bool offline) { Shell::Get().SetPosiTabsEnabled(!offline); }

BusyScope::BusyScope(bool progFormsToo) : BusyScope(BusyParts{.progForms = progFormsToo}) {}

BusyScope::BusyScope(const BusyParts &parts) : m_parts(parts)
{
    if (m_parts.busyFlag)
        App().BusyFlag = true;
    DisableCommandsOfAllWindows();
    if (m_parts.progForms)
        DisableCommandsOfProgramWindows();
    if (m_parts.posiTabs)
        SetPosiTabEnabled(App().OfflineFlag);
}

BusyScope::~BusyScope()
{
    EnableCommandsOfAllWindows();
    if (m_parts.posiTabs)
        SetPosiTabEnabled(App().OfflineFlag);
    if (m_parts.menus)
        Shell::Get().ChangeMenuDisp(App().PrgModeFlag);
    if (m_parts.busyFlag)
        App().BusyFlag = false;
}

} // namespace CommandSets
