#pragma once
// The main window's commands that carry logic of their own: alarm reset,
// the controller-mode setting, the program task command, the monitor, the
// group and macro windows' placement, the online actuator setting, and the
// dispatch of the Edit, popup and Save As commands to the active child
// window. The menu, toolbar and status-panel handlers of frmMain call these;
// tests call them directly.
#include <QString>

class QObject;
class QPrinter;
class QWidget;
class frmMain;

namespace MainCommands {

// True while the link is sending a request and waiting for its reply.
bool Sending();


// Left = top offset in twips of a group or macro window just shown, from the
// number of loaded windows (the new one included).
int ChildOffsetTwips(int loadedWindows);

// Calls the procedure `proc` of the active child window, by name; nothing
// when there is no active child window or it has no such procedure. The
// child's name decides which of the two procedures is called: posiProc for
// "frmPosi", progProc for "frmProg" (nullptr = none).
void DispatchToActiveChild(const char *posiProc, const char *progProc);
// The popup's variant: any active child but the position window gets progProc.
void DispatchPopup(const char *posiProc, const char *progProc);

void AlarmReset(frmMain &main);
void CtModeSetting(frmMain &main);
void ShowProgTask(frmMain &main);
void Monitor(frmMain &main);
// While a request is being sent: the program's own window to the front.
void RaiseOwnWindow(frmMain &main);
void OpenGrpWindow(frmMain &main);
void OpenSqMcrWindow(frmMain &main);
void OpenParameterWindow(frmMain &main);
// The parameter window shown without marking it as opened by the View menu.
void ShowParameterWindow(frmMain &main);
void OnlineDeviceSetting(frmMain &main);

// Commands whose work belongs to other parts of the program.
void ReadProgramData(frmMain &main);
void ControllerVersions(frmMain &main);
void GoOnline(frmMain &main);
void GoOffline(frmMain &main);
void OfflineDeviceChange(frmMain &main);

// The printer the print commands use; the File menu's printer setup edits it.
QPrinter &SharedPrinter();

} // namespace MainCommands
