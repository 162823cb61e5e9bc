#include "link/Indicators.h"

#include "core/AppState.h"

namespace Module1 {
namespace {
IndicatorState g_ind;
LinkView g_none;
LinkView *g_view = &g_none;
} // namespace

IndicatorState &Indicators() { return g_ind; }
void ResetIndicatorState() { g_ind = IndicatorState{}; }

void SetLinkView(LinkView *view) { g_view = view ? view : &g_none; }

void SetStatusPanel1(const QString &text)
{
    g_ind.StatusPanel1 = text;
    g_view->SetStatusPanel1(text);
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
    g_view->SetLinkImageVisible(true);
}

void OnlineImg_Hide()
{
    g_ind.LinkVisible = false;
    g_view->SetLinkImageVisible(false);
}

void AlarmImg_Disp()
{
    g_ind.AlarmVisible = true;
    g_view->SetAlarmImageVisible(true);
}

void AlarmImg_Hide()
{
    g_ind.AlarmVisible = false;
    g_view->SetAlarmImageVisible(false);
}

} // namespace Module1
