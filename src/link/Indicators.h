#pragma once
// The link's indicators and the online/offline flag: the status bar's first
// panel, the alarm image and the link image. The link keeps their state here
// and shows them through the shell, so the engine
// runs without any window (tests read the state directly).
#include <QString>

namespace Indicators {

struct IndicatorState {
    QString StatusPanel1;    // text of panel 1 of sbStatusBar
    bool AlarmVisible = false; // imgAlarm
    bool LinkVisible = false;  // imgComPort
};

IndicatorState &State();
void ResetIndicatorState();

void SetStatusPanel1(const QString &text);

// OfflineFlag = false, then the link image shown.
void SetOnlineMode();
// OfflineFlag = true, then the link image hidden.
void SetOfflineMode();
void OnlineImg_Disp();
void OnlineImg_Hide();
void AlarmImg_Disp();
void AlarmImg_Hide();

} // namespace Indicators
