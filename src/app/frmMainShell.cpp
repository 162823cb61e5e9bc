// The main window as the program's shell: what the logic below asks of the
// user interface, carried out on the status panel, the menus and the child
// windows.
#include "app/frmMain.h"
#include "core/AppState.h"
#include "core/Shell.h"
#include "ui/common/Forms.h"
#include "ui/paraedit/frmParameta2.h"
#include "ui/posi/PosiChangeDev.h"
#include "ui/posi/frmPosi.h"
#include "ui/posi/frmSyogoKekka.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QTabWidget>
#include <QTimer>

frmMain *MainWindow() { return dynamic_cast<frmMain *>(Shell::Get().MainWidget()); }

void frmMain::SetStatusPanel(int panel, const QString &text) { SetPanelText(panel, text); }

void frmMain::SetAlarmLamp(bool on)
{
    if (imgAlarm)
        imgAlarm->setVisible(on);
}

void frmMain::SetLinkLamp(bool on)
{
    if (imgComPort)
        imgComPort->setVisible(on);
}

void frmMain::SetStatusText(const QString &text)
{
    if (lblStatus)
        lblStatus->setText(text);
}

void frmMain::ProgressBegin(int maximum, const QString &status, bool)
{
    ProgressBar1->setMaximum(maximum);
    lblStatus->setText(status);
}

void frmMain::ProgressStep(int value) { ProgressBar1->setValue(value); }
void frmMain::ProgressShow() { Disp_ProgressBar(); }
void frmMain::ProgressHide() { Hide_ProgressBar(); }

void frmMain::BusyPointer(bool on)
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

void frmMain::MainCommandsOff() { CTM_MukoSyori(); }
void frmMain::MainCommandsOn() { CTM_YukoSyori(); }
void frmMain::DispControlerMode() { DispControlerMode(App().PrgModeFlag); }

void frmMain::StartNewProgramTimer()
{
    TimerTest->setInterval(10);
    TimerTest->start();
}

void frmMain::StartTerminateTimer() { timerTerminate->start(); }

void frmMain::RequestParameterWindow(int delayMs)
{
    Timer2->setInterval(delayMs);
    Timer2->start();
}

QWidget *frmMain::MainWidget() { return this; }

std::optional<QRect> frmMain::MainRectToKeep()
{
    if (isMinimized())
        return std::nullopt;
    return QRect(x(), y(), width(), height());
}

QList<QWidget *> frmMain::ChildWindows()
{
    QList<QWidget *> children;
    for (QMdiSubWindow *s : m_mdi->subWindowList(QMdiArea::CreationOrder))
        if (s->widget())
            children << s->widget();
    return children;
}

QWidget *frmMain::ActiveChild()
{
    QMdiSubWindow *s = m_mdi->activeSubWindow();
    return s ? s->widget() : nullptr;
}

QWidget *frmMain::PosiForm() { return PosiWindow(); }

void frmMain::SetPosiCaption(const QString &caption) { PosiWindow()->setWindowTitle(caption); }

void frmMain::SetDeviceLabel(int axis, const QString &text)
{
    if (axis >= 0 && axis < 4)
        PosiWindow()->lblDeviceType[size_t(axis)]->setText(text);
}

void frmMain::PosiCommandsOff() { PosiWindow()->PosCMDBTN_Muko(); }
void frmMain::PosiCommandsOn() { PosiWindow()->PosCMDBTN_Yuko(); }
void frmMain::PosiEditCommandsOff() { PosiWindow()->EditCMD_Muko(); }

void frmMain::SetPosiTabsEnabled(bool enabled)
{
    QTabWidget *tabs = PosiWindow()->SSTabCommand;
    if (!tabs)
        return;
    for (int t = 1; t <= 2 && t < tabs->count(); ++t)
        tabs->setTabEnabled(t, enabled);
}

void frmMain::SetPosiCommandTabsEnabled(bool enabled)
{
    if (QTabWidget *tabs = PosiWindow()->SSTabCommand)
        tabs->setEnabled(enabled);
}

int frmMain::ChangeDev() { return PosiChangeDev::ChangeDev(); }

void frmMain::ShowPosiCheckResult() { SyogoKekka::Show(); }

// The parameter file's save asks the parameter window for its fields; the
// window is created (loaded, not shown) when it does not exist.
int frmMain::ParametaumuKakunin() { return frmParameta2::Instance()->ParametaumuKakunin(); }

int frmMain::TorikomiParametaValue() { return frmParameta2::Instance()->TorikomiParametaValue(); }

int frmMain::ParametaValueCheck() { return frmParameta2::Instance()->ParametaValueCheck(); }
