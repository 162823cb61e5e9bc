#pragma once
// The shell as the tests see it: records what the logic asked of the user
// interface, answers the questions it asks of windows, and passes every call
// on to a real main window when a test has one (MainScope).
#include "core/Shell.h"

#include <QList>
#include <QString>
#include <array>
#include <functional>

class RecordingShell : public Shell::Face {
public:
    // ---- what was asked ----
    std::array<QString, 4> panels{};   // status bar panels 1..3 (index 1..3)
    bool alarmLamp = false;
    bool linkLamp = false;
    QString statusText;
    struct Progress {
        bool visible = false;
        bool cancelOffered = false;
        int maximum = 0;
        int value = 0;
        QString status;
        bool busyPointer = false;
        QList<int> steps;   // every value set since the recorder was made
    } progress;
    int busyDepth = 0;
    int menuChanges = 0;
    bool newProgramTimer = false;
    bool terminateTimer = false;
    int parameterWindowDelay = -1;
    QString posiCaption;
    std::array<QString, 4> deviceLabels{};
    int posiCheckResultsShown = 0;

    // ---- answers when no main window is attached ----
    std::function<int()> changeDev;          // default: 0
    int paraFilled = 1;                      // CheckParametersPresent
    int paraOutOfRange = 0;                  // CheckParameterValues
    std::function<int()> paraTake;           // TakeInParameterValues

    // A real main window to pass the calls on to (nullptr = none).
    void forwardTo(Shell::Face *next) { m_next = next; }

    void SetStatusPanel(int panel, const QString &text) override;
    void SetAlarmLamp(bool on) override;
    void SetLinkLamp(bool on) override;
    void SetStatusText(const QString &text) override;
    void ProgressBegin(int maximum, const QString &status, bool cancelOffered) override;
    void ProgressStep(int value) override;
    void ProgressShow() override;
    void ProgressHide() override;
    void BusyPointer(bool on) override;
    void MainCommandsOff() override;
    void MainCommandsOn() override;
    void ChangeMenuDisp(bool prgMode) override;
    void DispControlerMode() override;
    void StartNewProgramTimer() override;
    void StartTerminateTimer() override;
    void RequestParameterWindow(int delayMs) override;
    std::optional<QRect> MainRectToKeep() override;
    QWidget *MainWidget() override;
    QList<QWidget *> ChildWindows() override;
    QWidget *ActiveChild() override;
    QWidget *PosiForm() override;
    void SetPosiCaption(const QString &caption) override;
    void SetDeviceLabel(int axis, const QString &text) override;
    void PosiCommandsOff() override;
    void PosiCommandsOn() override;
    void PosiEditCommandsOff() override;
    void SetPosiTabsEnabled(bool enabled) override;
    void SetPosiCommandTabsEnabled(bool enabled) override;
    int ChangeDev() override;
    void ShowPosiCheckResult() override;
    int CheckParametersPresent() override;
    int TakeInParameterValues() override;
    int CheckParameterValues() override;

private:
    Shell::Face *m_next = nullptr;
};

namespace TestEnv {
// The recorder of the current test scope.
RecordingShell &Recorder();
} // namespace TestEnv
