// The main window as the program's shell: what the logic below asks of the
// user interface, carried out on the status panel, the menus and the child
// windows.
#include "app/MainWindow.h"
#include "core/AppState.h"
#include "core/Shell.h"
#include "ui/common/Forms.h"
#include "ui/paraedit/ParameterWindow.h"
#include "ui/posi/PosiChangeDev.h"
#include "ui/posi/PositionWindow.h"
#include "ui/posi/VerifyResultWindow.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QTabWidget>
#include <QTimer>

MainWindow *TheMainWindow() { return dynamic_cast<MainWindow *>(Shell::Get().MainWidget()); }

void MainWindow::SetStatusPanel(int panel, const QString &text) { SetPanelText(panel, text); }

void MainWindow::SetAlarmLamp(bool on)
{
    if (imgAlarm)
        imgAlarm->setVisible(on);
}

void MainWindow::SetLinkLamp(bool on)
{
    if (imgComPort)
        imgComPort->setVisible(on);
}

void MainWindow::SetStatusText(const QString &text)
{
    if (lblStatus)
        lblStatus->setText(text);
}

void MainWindow::ProgressBegin(int maximum, const QString &status, bool)
{
    ProgressBar1->setMaximum(maximum);
    lblStatus->setText(status);
}

void MainWindow::ProgressStep(int value) { ProgressBar1->setValue(value); }
void MainWindow::ProgressShow() { Disp_ProgressBar(); }
void MainWindow::ProgressHide() { Hide_ProgressBar(); }

void MainWindow::BusyPointer(bool on)
{
    // Brackets may nest; the pointer returns when the outermost one ends.
    if (on) {
        ++m_busyPointers;
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else if (m_busyPointers > 0) {
        --m_busyPointers;
        QGuiApplication::restoreOverrideCursor();
    }
}

void MainWindow::MainCommandsOff() { AllCommandsOff(); }
void MainWindow::MainCommandsOn() { AllCommandsOn(); }
void MainWindow::DispControlerMode() { DispControlerMode(App().PrgModeFlag); }

void MainWindow::StartNewProgramTimer()
{
    TimerTest->setInterval(10);
    TimerTest->start();
}

void MainWindow::StartTerminateTimer() { timerTerminate->start(); }

void MainWindow::RequestParameterWindow(int delayMs)
{
    Timer2->setInterval(delayMs);
    Timer2->start();
}

QWidget *MainWindow::MainWidget() { return this; }

std::optional<QRect> MainWindow::MainRectToKeep()
{
    if (isMinimized())
        return std::nullopt;
    const QRect now(x(), y(), width(), height());
    // A rectangle moved in at start is the screen's doing: the one the user
    // chose is kept until the user moves or resizes the window.
    if (m_chosenRect && now == m_startRect)
        return m_chosenRect;
    return now;
}

QList<QWidget *> MainWindow::ChildWindows()
{
    QList<QWidget *> children;
    for (QMdiSubWindow *s : m_mdi->subWindowList(QMdiArea::CreationOrder))
        if (s->widget())
            children << s->widget();
    return children;
}

QWidget *MainWindow::ActiveChild()
{
    QMdiSubWindow *s = m_mdi->activeSubWindow();
    return s ? s->widget() : nullptr;
}

QWidget *MainWindow::PosiForm() { return PosiWindow(); }

void MainWindow::SetPosiCaption(const QString &caption) { PosiWindow()->setWindowTitle(caption); }

void MainWindow::SetDeviceLabel(int axis, const QString &text)
{
    if (axis >= 0 && axis < 4)
        PosiWindow()->lblDeviceType[size_t(axis)]->setText(text);
}

void MainWindow::PosiCommandsOff() { PosiWindow()->PositionCommandsOff(); }
void MainWindow::PosiCommandsOn() { PosiWindow()->PositionCommandsOn(); }
void MainWindow::PosiEditCommandsOff() { PosiWindow()->EditCommandsOff(); }

void MainWindow::SetPosiTabsEnabled(bool enabled)
{
    QTabWidget *tabs = PosiWindow()->SSTabCommand;
    if (!tabs)
        return;
    for (int t = 1; t <= 2 && t < tabs->count(); ++t)
        tabs->setTabEnabled(t, enabled);
}

void MainWindow::SetPosiCommandTabsEnabled(bool enabled)
{
    if (QTabWidget *tabs = PosiWindow()->SSTabCommand)
        tabs->setEnabled(enabled);
}

int MainWindow::ChangeDev() { return PosiChangeDev::ChangeDev(); }

void MainWindow::ShowPosiCheckResult() { VerifyResult::Show(); }

// The parameter file's save asks the parameter window for its fields; the
// window is created (loaded, not shown) when it does not exist.
int MainWindow::CheckParametersPresent() { return ParameterWindow::Instance()->CheckParametersPresent(); }

int MainWindow::TakeInParameterValues() { return ParameterWindow::Instance()->TakeInParameterValues(); }

int MainWindow::CheckParameterValues() { return ParameterWindow::Instance()->CheckParameterValues(); }
