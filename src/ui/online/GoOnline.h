#pragma once
// Going online: the one way the application goes online after start-up
// (fChangeToOnline), with the identification of the controller and the
// reconciliation of its axes, mode and actuators with the PC's; the
// start-up connection dialogue; and the comparisons they rely on.
#include <array>

namespace Module3Tusin {
// 0 = the axes in use agree with the controller's, 1 = they differ, -1 =
// the read failed.
int CompareCtAxisConfig();
// 0 = axes and actuators agree, 1 = something differs, -1 = a read failed.
int CompareCtAxisAndDevice();
// -1 = the read failed, else 1 (axes differ) + 2 (controller mode differs).
int CompareCtAxisConfig2();
} // namespace Module3Tusin

namespace Online {

// 0 = online and reconciled; 1 = not online (offline afterwards, except
// when the port would not open: then nothing has changed).
int fChangeToOnline();

// Going online when a command needs the controller: true when the
// application is online (OfflineFlag cleared), false when the command must
// end.
bool GoOnlineOnDemand();

// What going online does to the windows: the main window's menus, mode
// label, progress display and command sets, and the position window. Each
// does nothing when its window is not there, so the logic runs without
// windows in tests.
namespace Host {
void ChangeMenuDisp(bool prgMode);
void DispControlerMode();
void CTM_MukoSyori();
void CTM_YukoSyori();
// The position window's command buttons, edit buttons and tab control.
void PosCMDBTN_Muko();
void PosCMDBTN_Yuko();
void EditCMD_Muko();
void SetCommandTabsEnabled(bool enabled);
// The position grid laid out for the controller mode (positioner: columns,
// then the axis columns; program: columns).
void LayoutGridForMode(bool prgMode);
void DispAxisData2();
// The busy pointer on (true) or the default pointer.
void BusyPointer(bool on);
// The progress display of the main window.
void ShowProgress(int maximum, int statusTextId);
void SetProgress(int value);
void HideProgress();
void SetStatusLabel(int textId);
// The new-program command 10 ms from now.
void StartNewProgramTimer();
// The actuator setting of the position window: -1 Back in its question,
// -2 Back in the actuator window, else done.
int ChangeDev();
// The position window's flag: an actuator was not found in the device list.
bool DevNotFound();
void ClearDevNotFound();
} // namespace Host

// What tests read of the last going-online or start-up dialogue.
struct OnlineTrace {
    int progressMax = 0;
    std::array<int, 8> progressSeen{}; // values set, in order
    int progressCount = 0;
    bool progressShown = false;
    int statusLabelId = 0;            // 0 = emptied
    bool newProgramTimer = false;
    bool busyPointer = false;         // the hourglass is shown
};
OnlineTrace &Trace();
void ResetOnlineState();

} // namespace Online

namespace Module1 {
// The start-up connection dialogue: online (the controller's axes, mode and
// actuators are taken) or offline (controller mode and actuator setting
// asked for). Always ends with the commands enabled and BusyFlag false.
void CtConnectAtStart();
} // namespace Module1
