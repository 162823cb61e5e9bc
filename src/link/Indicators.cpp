#include "link/Indicators.h"

#include "core/AppState.h"
#include "core/Shell.h"

namespace Indicators {
namespace {
IndicatorState g_ind;
} // namespace

IndicatorState &State() { return g_ind; }
void ResetIndicatorState() { g_ind = IndicatorState{}; }

void SetStatusPanel1(const QString &text)
{
    g_ind.StatusPanel1 = text;
    Shell::Get().SetStatusPanel(1, text);
}

void SetOnlineMode()
{
    App().OfflineFlag = false;
    OnlineImg_Disp();
}

void SetOfflineMode()
{
    App().OfflineFlag = true;
    OnlineImg_Hide();
}

void OnlineImg_Disp()
{
    g_ind.LinkVisible = true;
    Shell::Get().SetLinkLamp(true);
}

void OnlineImg_Hide()
{
    g_ind.LinkVisible = false;
    Shell::Get().SetLinkLamp(false);
}

void AlarmImg_Disp()
{
    g_ind.AlarmVisible = true;
    Shell::Get().SetAlarmLamp(true);
}

void AlarmImg_Hide()
{
    g_ind.AlarmVisible = false;
    Shell::Get().SetAlarmLamp(false);
}

} // namespace Indicators
