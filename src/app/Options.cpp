#include "app/Options.h"

#include "core/AppState.h"
#include "core/Num.h"
#include "posi/PosiCheck.h"
#include "posi/PosiDevice.h"
#include "posi/PosiGrid.h"
#include "platform/Dialogs.h"
#include "core/AppSettings.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"

namespace Options {
namespace {

// The position subsystem's procedures.
UnitHooks defaultHooks()
{
    UnitHooks h;
    h.CheckGridPositions = [] { return PosiCheck::CheckGridPositions(); };
    h.PosiPulseToMm = [] { PosiDevice::PosiPulseToMm(); };
    h.PosiMmToPulse = [] { PosiDevice::PosiMmToPulse(); };
    h.FillGridPositionMode = [] { PosiGrid::FillGridPositionMode(); };
    h.FillGridProgramMode = [] { PosiGrid::FillGridProgramMode(); };
    h.Change_DispUnit = [] { PosiGrid::Change_DispUnit(); };
    return h;
}

UnitHooks g_hooks = defaultHooks();

// The language the program runs in: any stored value but 1 runs English, so
// anything but 1 counts as 2 here. Comparing against a raw odd value (say a
// hand-edited 5) would make a plain OK flag a change and switch the language.
int runningLanguage()
{
    return App().Language == 1 ? 1 : 2;
}

void call(const std::function<void()> &f)
{
    if (f)
        f();
}
} // namespace

UnitHooks &Hooks() { return g_hooks; }
void ResetHooks() { g_hooks = defaultHooks(); }

Choice LoadChoice()
{
    AppState &a = App();
    Choice c;
    if (a.PortNo >= 1 && a.PortNo <= 9)
        c.portText = QString::number(a.PortNo);
    else
        c.portText = Platform::GetSetting(QStringLiteral("PortNo"), QStringLiteral("1"));
    if (a.Language != 1 && a.Language != 2)
        a.Language = AppSettings::GetSettingInt(QStringLiteral("Language"), 1);
    c.language = runningLanguage();
    c.mmUnit = a.DispMmUnit;
    c.roundUp = a.MmRoundUp;
    c.portOccupy = a.PortOccupy;
    return c;
}

int PortKeyFilter(const QString &boxText, int keyAscii)
{
    constexpr int kBack = 8, kTab = 9, kEnter = 13;
    if (keyAscii == kEnter)
        return 0;
    if (boxText.size() >= 1 && keyAscii != kBack)
        return 0;
    if ((keyAscii >= '0' && keyAscii <= '3') || keyAscii == kBack || keyAscii == kTab)
        return keyAscii;
    return 0;
}

void ApplyOk(const Choice &c)
{
    AppState &a = App();

    const double port = Num::Val(c.portText);
    if (port >= 1 && port <= 9 && port == static_cast<int>(port))
        a.PortNo = static_cast<int>(port);
    else
        a.PortNo = AppSettings::GetSettingInt(QStringLiteral("PortNo"), 1);

    a.LanguageChange = c.language != runningLanguage();

    if (c.mmUnit != a.DispMmUnit) {
        const int r = g_hooks.CheckGridPositions ? g_hooks.CheckGridPositions() : static_cast<int>(Recheck::Empty);
        if (r == static_cast<int>(Recheck::Valid)) {
            call(c.mmUnit ? g_hooks.PosiPulseToMm : g_hooks.PosiMmToPulse);
            a.DispMmUnit = c.mmUnit;
            call(a.PrgModeFlag ? g_hooks.FillGridProgramMode : g_hooks.FillGridPositionMode);
            call(g_hooks.Change_DispUnit);
            Platform::SaveSetting(QStringLiteral("DispMmUnit"), c.mmUnit ? 1 : 0);
        } else if (r == static_cast<int>(Recheck::Empty)) {
            // No positions to convert: only the captions follow the unit.
            a.DispMmUnit = c.mmUnit;
            call(g_hooks.Change_DispUnit);
            Platform::SaveSetting(QStringLiteral("DispMmUnit"), c.mmUnit ? 1 : 0);
        } else {
            // Out of range, or a check that failed otherwise: the positions
            // were not converted, so the unit must stay what they are in.
            Platform::Dialogs::MsgBox(Platform::ResLines({2541, 2542}));
        }
    }

    a.MmRoundUp = c.roundUp;
    Platform::SaveSetting(QStringLiteral("MmRoundUp"), c.roundUp ? 1 : 0);
    a.PortOccupy = c.portOccupy;
    Platform::SaveSetting(QStringLiteral("PortOccupy"), c.portOccupy ? 1 : 0);
}

} // namespace Options
