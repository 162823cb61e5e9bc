#include "support/RecordingShell.h"

#include "ui/posi/VerifyResultWindow.h"

void RecordingShell::SetStatusPanel(int panel, const QString &text)
{
    if (panel >= 1 && panel <= 3)
        panels[size_t(panel)] = text;
    if (m_next)
        m_next->SetStatusPanel(panel, text);
}

void RecordingShell::SetAlarmLamp(bool on)
{
    alarmLamp = on;
    if (m_next)
        m_next->SetAlarmLamp(on);
}

void RecordingShell::SetLinkLamp(bool on)
{
    linkLamp = on;
    if (m_next)
        m_next->SetLinkLamp(on);
}

void RecordingShell::SetStatusText(const QString &text)
{
    statusText = text;
    if (m_next)
        m_next->SetStatusText(text);
}

void RecordingShell::ProgressBegin(int maximum, const QString &status, bool cancelOffered)
{
    progress.maximum = maximum;
    progress.value = 0;
    progress.status = status;
    progress.cancelOffered = cancelOffered;
    statusText = status;
    if (m_next)
        m_next->ProgressBegin(maximum, status, cancelOffered);
}

void RecordingShell::ProgressStep(int value)
{
    progress.value = value;
    progress.steps << value;
    if (m_next)
        m_next->ProgressStep(value);
}

void RecordingShell::ProgressShow()
{
    progress.visible = true;
    if (m_next)
        m_next->ProgressShow();
}

void RecordingShell::ProgressHide()
{
    progress.visible = false;
    progress.value = 0;
    progress.status.clear();
    progress.cancelOffered = false;
    statusText.clear();
    if (m_next)
        m_next->ProgressHide();
}

void RecordingShell::BusyPointer(bool on)
{
    if (on)
        ++busyDepth;
    else if (busyDepth > 0)
        --busyDepth;
    progress.busyPointer = busyDepth > 0;
    if (m_next)
        m_next->BusyPointer(on);
}

void RecordingShell::MainCommandsOff()
{
    if (m_next)
        m_next->MainCommandsOff();
}

void RecordingShell::MainCommandsOn()
{
    if (m_next)
        m_next->MainCommandsOn();
}

void RecordingShell::ChangeMenuDisp(bool prgMode)
{
    ++menuChanges;
    if (m_next)
        m_next->ChangeMenuDisp(prgMode);
}

void RecordingShell::DispControlerMode()
{
    if (m_next)
        m_next->DispControlerMode();
}

void RecordingShell::StartNewProgramTimer()
{
    newProgramTimer = true;
    if (m_next)
        m_next->StartNewProgramTimer();
}

void RecordingShell::StartTerminateTimer()
{
    terminateTimer = true;
    if (m_next)
        m_next->StartTerminateTimer();
}

void RecordingShell::RequestParameterWindow(int delayMs)
{
    parameterWindowDelay = delayMs;
    if (m_next)
        m_next->RequestParameterWindow(delayMs);
}

std::optional<QRect> RecordingShell::MainRectToKeep() { return m_next ? m_next->MainRectToKeep() : std::nullopt; }
QWidget *RecordingShell::MainWidget() { return m_next ? m_next->MainWidget() : nullptr; }
QList<QWidget *> RecordingShell::ChildWindows() { return m_next ? m_next->ChildWindows() : QList<QWidget *>{}; }
QWidget *RecordingShell::ActiveChild() { return m_next ? m_next->ActiveChild() : nullptr; }
QWidget *RecordingShell::PosiForm() { return m_next ? m_next->PosiForm() : nullptr; }

void RecordingShell::SetPosiCaption(const QString &caption)
{
    posiCaption = caption;
    if (m_next)
        m_next->SetPosiCaption(caption);
}

void RecordingShell::SetDeviceLabel(int axis, const QString &text)
{
    if (axis >= 0 && axis < 4)
        deviceLabels[size_t(axis)] = text;
    if (m_next)
        m_next->SetDeviceLabel(axis, text);
}

void RecordingShell::PosiCommandsOff()
{
    if (m_next)
        m_next->PosiCommandsOff();
}

void RecordingShell::PosiCommandsOn()
{
    if (m_next)
        m_next->PosiCommandsOn();
}

void RecordingShell::PosiEditCommandsOff()
{
    if (m_next)
        m_next->PosiEditCommandsOff();
}

void RecordingShell::SetPosiTabsEnabled(bool enabled)
{
    if (m_next)
        m_next->SetPosiTabsEnabled(enabled);
}

void RecordingShell::SetPosiCommandTabsEnabled(bool enabled)
{
    if (m_next)
        m_next->SetPosiCommandTabsEnabled(enabled);
}

int RecordingShell::ChangeDev()
{
    if (m_next)
        return m_next->ChangeDev();
    return changeDev ? changeDev() : 0;
}

void RecordingShell::ShowPosiCheckResult()
{
    ++posiCheckResultsShown;
    // The real window, answered through the dialog service.
    VerifyResult::Show();
}

int RecordingShell::CheckParametersPresent() { return m_next ? m_next->CheckParametersPresent() : paraFilled; }

int RecordingShell::TakeInParameterValues()
{
    if (m_next)
        return m_next->TakeInParameterValues();
    return paraTake ? paraTake() : 0;
}

int RecordingShell::CheckParameterValues() { return m_next ? m_next->CheckParameterValues() : paraOutOfRange; }
