#pragma once
// The shell: the one face the program's logic has of its user interface.
// Everything the tables, the link and the workflows ask of the windows goes
// through it: the status panel (texts, progress with its cancel button, the
// alarm and link lamps), the busy pointer, the main window's menus and
// command sets, the position window's caption and tabs, and the few window
// procedures logic must call. The main window implements it and registers
// itself at start; tests register a recording one. With none registered
// every call does nothing, so the logic runs without any window.
#include <QList>
#include <QRect>
#include <optional>
#include <QString>

class QWidget;

namespace Shell {

class Face {
public:
    virtual ~Face() = default;

    // ---- status panel ----
    // Panels 1 to 3 of the status bar.
    virtual void SetStatusPanel(int /*panel*/, const QString &) {}
    // The alarm lamp (imgAlarm) and the link lamp (imgComPort).
    virtual void SetAlarmLamp(bool) {}
    virtual void SetLinkLamp(bool) {}
    // The status label beside the progress bar (lblStatus).
    virtual void SetStatusText(const QString &) {}
    // The progress bar: its maximum and status text, and whether the cancel
    // button is offered with it; then values; then shown and hidden.
    virtual void ProgressBegin(int /*maximum*/, const QString & /*status*/, bool /*cancelOffered*/) {}
    virtual void ProgressStep(int /*value*/) {}
    virtual void ProgressShow() {}
    virtual void ProgressHide() {}
    // The hourglass over the whole program.
    virtual void BusyPointer(bool /*on*/) {}

    // ---- main window ----
    // The main window's own command set (buttons, toolbar, menus).
    virtual void MainCommandsOff() {}
    virtual void MainCommandsOn() {}
    // Menus by controller mode and link state (OfflineFlag).
    virtual void ChangeMenuDisp(bool /*prgMode*/) {}
    // The controller-mode label.
    virtual void DispControlerMode() {}
    // A new program window 10 ms from now (offline start in program mode).
    virtual void StartNewProgramTimer() {}
    // The application ends once the position window has closed.
    virtual void StartTerminateTimer() {}
    // The parameter window, one second after the online actuator setting.
    virtual void RequestParameterWindow(int /*delayMs*/) {}
    // The main window's rectangle to keep at exit (frame position, client
    // size, pixels); nothing without a main window or while minimised.
    virtual std::optional<QRect> MainRectToKeep() { return std::nullopt; }
    // The main window, as parent and anchor of dialogs; nullptr without one.
    virtual QWidget *MainWidget() { return nullptr; }
    // Child windows in the order they were opened, and the active one.
    virtual QList<QWidget *> ChildWindows() { return {}; }
    virtual QWidget *ActiveChild() { return nullptr; }

    // ---- position window ----
    // The position window, created (not shown) when it does not exist yet;
    // nullptr without a main window.
    virtual QWidget *PosiForm() { return nullptr; }
    virtual void SetPosiCaption(const QString &) {}
    // The caption of an axis's actuator label (axis 0..3).
    virtual void SetDeviceLabel(int /*axis*/, const QString &) {}
    // The position window's command buttons (PositionCommandsOff / PositionCommandsOn) and
    // its edit buttons (EditCommandsOff).
    virtual void PosiCommandsOff() {}
    virtual void PosiCommandsOn() {}
    virtual void PosiEditCommandsOff() {}
    // Tabs 1 (move test) and 2 (teaching) of the command tabs.
    virtual void SetPosiTabsEnabled(bool) {}
    // The whole command tab control.
    virtual void SetPosiCommandTabsEnabled(bool) {}
    // The offline actuator setting: -1 Back in its question, -2 Back in the
    // actuator window, else done.
    virtual int ChangeDev() { return 0; }
    // The position window's check window for positions out of range.
    virtual void ShowPosiCheckResult() {}

    // ---- parameter window ----
    // 0 when every field of the parameter window is filled, else 1; the
    // window is created (not shown) when it does not exist.
    virtual int CheckParametersPresent() { return 1; }
    // The window's fields into ParaSet: 0 taken, 1 a field does not fit its
    // table (nothing taken).
    virtual int TakeInParameterValues() { return 0; }
    // 1 when some value of the window is out of range.
    virtual int CheckParameterValues() { return 0; }
};

// nullptr = none.
void Register(Face *face);
Face &Get();
// True when a face other than the silent one is registered.
bool Registered();

} // namespace Shell
