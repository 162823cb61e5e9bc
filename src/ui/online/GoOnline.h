#pragma once
// Going online: the one way the application goes online after start-up
// (fChangeToOnline), with the identification of the controller and the
// reconciliation of its axes, mode and actuators with the PC's; the
// start-up connection dialogue; and the comparisons they rely on.
#include <array>

namespace Online {
// 0 = the axes in use agree with the controller's, 1 = they differ, -1 =
// the read failed.
int CompareCtAxisConfig();
// 0 = axes and actuators agree, 1 = something differs, -1 = a read failed.
int CompareCtAxisAndDevice();
// -1 = the read failed, else 1 (axes differ) + 2 (controller mode differs).
int CompareCtAxisConfigAndMode();

// 0 = online and reconciled; 1 = not online (offline afterwards, except
// when the port would not open: then nothing has changed).
int fChangeToOnline();

// Going online when a command needs the controller: true when the
// application is online (OfflineFlag cleared), false when the command must
// end.
bool GoOnlineOnDemand();

// The going-online state kept between calls (the busy pointer shown).
void ResetOnlineState();

// The start-up connection dialogue: online (the controller's axes, mode and
// actuators are taken) or offline (controller mode and actuator setting
// asked for). Always ends with the commands enabled and BusyFlag false.
void CtConnectAtStart();

// Asks before going offline (string 432): 0 = go on, 1 = declined. No
// question while already offline.
int fChangeToOffline();

// The Controller menu's version command (goes online when offline).
void VersionCommand();
} // namespace Online
