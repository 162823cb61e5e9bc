#pragma once
// The link's indicators and the online/offline flag: the status bar's first
// panel, the alarm image and the link image. The link keeps their state here
// and tells the main window through a small view interface, so the engine
// runs without any window (tests read the state directly).
#include <QString>

namespace Module1 {

// Implemented by the main window; every member defaults to doing nothing.
class LinkView {
public:
    virtual ~LinkView() = default;
    virtual void SetStatusPanel1(const QString &) {}
    virtual void SetAlarmImageVisible(bool) {}
    virtual void SetLinkImageVisible(bool) {}
};

struct IndicatorState {
    QString StatusPanel1;    // text of panel 1 of sbStatusBar
    bool AlarmVisible = false; // imgAlarm
    bool LinkVisible = false;  // imgComPort
};

IndicatorState &Indicators();
void ResetIndicatorState();

// The view the indicators go to; nullptr = none (no window).
void SetLinkView(LinkView *view);

void SetStatusPanel1(const QString &text);

// OfflineFlag = false, then the link image shown.
void SetOnlineMode();
// OfflineFlag = true, then the link image hidden.
void SetOfflineMode();
void OnlineImg_Disp();
void OnlineImg_Hide();
void AlarmImg_Disp();
void AlarmImg_Hide();

} // namespace Module1
