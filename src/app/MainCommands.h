#pragma once
// The main window's commands that carry logic of their own: alarm reset,
// the controller-mode setting, the program task command, the monitor, the
// group and macro windows' placement, the online actuator setting, and the
// dispatch of the Edit, popup and Save As commands to the active child
// window. The menu, toolbar and status-panel handlers of MainWindow call these;
// tests call them directly.
#include "ui/common/ChildCommands.h"

#include <QString>

class QPrinter;
class QWidget;
class MainWindow;

namespace MainCommands {

// True while the link is sending a request and waiting for its reply.
bool Sending();


// Left = top offset in twips of a group or macro window just shown, from the
// number of loaded windows (the new one included).
int ChildOffsetTwips(int loadedWindows);

// Runs the command on the active child window; nothing when there is no
// active child window or it does not take the child commands.
void ForActiveChild(void (ChildCommands::*command)());

void AlarmReset(MainWindow &main);
void CtModeSetting(MainWindow &main);
void ShowProgTask(MainWindow &main);
void Monitor(MainWindow &main);
// While a request is being sent: the program's own window to the front.
void RaiseOwnWindow(MainWindow &main);
void OpenGrpWindow(MainWindow &main);
void OpenSqMcrWindow(MainWindow &main);
void OpenParameterWindow(MainWindow &main);
// The parameter window shown without marking it as opened by the View menu.
void ShowParameterWindow(MainWindow &main);
void OnlineDeviceSetting(MainWindow &main);

// Commands whose work belongs to other parts of the program.
void ReadProgramData(MainWindow &main);
void ControllerVersions(MainWindow &main);
void GoOnline(MainWindow &main);
void GoOffline(MainWindow &main);
void OfflineDeviceChange(MainWindow &main);

// The printer the print commands use; the File menu's printer setup edits it.
QPrinter &SharedPrinter();

} // namespace MainCommands
