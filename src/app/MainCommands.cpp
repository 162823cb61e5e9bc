#include "app/MainCommands.h"

#include "core/AppState.h"
#include "ui/common/Forms.h"
#include "app/HelpViewer.h"
#include "app/Options.h"
#include "core/Twips.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "ui/common/frmSelection.h"
#include "core/Module1Text.h"
#include "ui/device/frmDevice2.h"
#include "ui/grpsm/frmGrp.h"
#include "ui/grpsm/frmSqMcr.h"
#include "link/CommandProcs.h"
#include "link/AxisBlockWrites.h"
#include "core/CommandSets.h"
#include "link/CommandState.h"
#include "link/Engine.h"
#include "ui/online/GoOnline.h"
#include "link/Versions.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "ui/live/frmIOCheckFG.h"
#include "ui/live/frmProgTask.h"
#include "paradata/DeviceList.h"
#include "paradata/ParadataState.h"
#include "ui/paraedit/frmParameta2.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "ui/posi/frmPosi.h"
#include "prog/CommandList.h"
#include "ui/prog/ProgFlows.h"
#include "ui/prog/frmProg.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMetaObject>
#include <QPrinter>
#include "platform/PrinterQt.h"

using Platform::ResLines;
using Platform::ResText;
namespace Dlg = Platform::Dialogs;

namespace MainCommands {
namespace {


bool callByName(QObject *w, const char *proc)
{
    return w && proc && QMetaObject::invokeMethod(w, proc, Qt::DirectConnection);
}

void toFront(frmMain &main, QWidget *w)
{
    QMdiSubWindow *sub = main.ShowChild(w);
    main.mdiArea()->setActiveSubWindow(sub);
    sub->raise();
}

// The group and macro windows: shown once, placed by the number of loaded
// windows; while open only brought to the front.
template <class W>
void openPlaced(frmMain &main, bool &openFlag, const char *name)
{
    QWidget *existing = Forms::Find(QString::fromLatin1(name));
    if (openFlag && existing) {
        toFront(main, existing);
        return;
    }
    openFlag = true;
    QWidget *form = existing ? existing : new W();
    // The new window counts among the loaded ones from its creation on.
    const int px = Twips::ToPx(ChildOffsetTwips(int(Forms::Loaded().size())));
    main.ShowChild(form, QPoint(px, px));
}

} // namespace

bool Sending() { return Module3Tusin::Link().SendingFlag; }

void ReadProgramData(frmMain &main)
{
    AppState &a = App();
    Module1::BusyScope busy;
    if (!Online::GoOnlineOnDemand())
        return;
    if (ProgFlows::EnsureProgStepSu() != 0)
        return;
    Module3Tusin::CloseCommPortIfFree();
    if (a.ComCancelFlag) {
        a.ComCancelFlag = false;
        return;
    }
    if (!ProgFlows::AskProgNo())
        return;
    auto *w = qobject_cast<frmProg *>(main.OpenProgWindow());
    if (!w)
        return;
    if (w->ReadProgDataFromCt(a.SelProgNo) == 0) {
        w->ProgDataHyoji();
    } else if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget())) {
        // A window for a program that could not be read goes again.
        sub->close();
    } else {
        w->deleteLater();
    }
    a.ComCancelFlag = false;
}
void ControllerVersions(frmMain &) { Online::VersionCommand(); }
void GoOnline(frmMain &main) { main.OnlineSyori(); }
void GoOffline(frmMain &main) { main.OfflineSyori(); }
void OfflineDeviceChange(frmMain &) { frmMain::Change_Device(); }

int ChildOffsetTwips(int n)
{
    if (n >= 11)
        n = 1;
    else if (n >= 3)
        n -= 2;
    return n * 350;
}

void DispatchToActiveChild(const char *posiProc, const char *progProc)
{
    QWidget *child = Forms::ActiveChild();
    if (!child)
        return;
    if (child->objectName() == QLatin1String("frmPosi"))
        callByName(child, posiProc);
    else if (child->objectName() == QLatin1String("frmProg"))
        callByName(child, progProc);
}

void DispatchPopup(const char *posiProc, const char *progProc)
{
    QWidget *child = Forms::ActiveChild();
    if (!child)
        return;
    callByName(child, child->objectName() == QLatin1String("frmPosi") ? posiProc : progProc);
}

void AlarmReset(frmMain &main)
{
    Module1::BusyScope commandsOff(Module1::kCommandsOnly);
    AppState &a = App();
    if (a.OfflineFlag)
        a.OfflineFlag = false;   // the reset talks to the controller at once
    if (Module3Tusin::OpenCommPort() != 0) {
        // No link after all: back offline, and say why.
        Module1::SetOfflineMode();
        Dlg::MsgBox(Module3Tusin::PortOpenFailureText());
    } else if (Module3Tusin::AlarmResetCt() == 0) {
        Module1::AlarmImg_Hide();
        Module1::SetStatusPanel1(QString());
        if (Module3Tusin::TusinModeOn(1) == 0) {
            if (main.fChangeToOnline() == 0)
                Module1::SetPosiTabEnabled(false);
            Module1::SetPosiTabEnabled(a.OfflineFlag);
            main.ChangeMenuDisp(a.PrgModeFlag);
        } else {
            Module3Tusin::Queues().TusinErrorFlag = false;
        }
    }
    Module3Tusin::CloseCommPortIfFree();
}

void CtModeSetting(frmMain &)
{
    Module1::BusyScope commandsOff(Module1::kCommandsOnly);
    const int mode = Module1::SetSelectionDlg2(ResText(471), ResText(476), ResText(477), ResText(478), 0, 0, 0,
                                               App().PrgModeFlag ? 1 : 0);
    if (mode != 0 && mode != 1)
        return;
    if (Module3Tusin::SetCtModeToCt(mode) != 0)
        return;
    Dlg::MsgBox(ResLines({495, 496, 497}, true));
    // The new mode applies after the controller and the program restart.
    Module1::SetPosiTabEnabled(true);
}

void ShowProgTask(frmMain &main)
{
    AppState &a = App();
    // Busy, but the position tabs and the menus stay as they are.
    Module1::BusyScope busy({.posiTabs = false, .menus = false});
    bool show = false;
    if (Module1::ReadCommandList() == 0 && Online::GoOnlineOnDemand()) {
        bool read = true;
        if (!Module3Tusin::Commands().ProgStepSuKnown) {
            main.Disp_ProgressBar();
            read = Module3Tusin::ReadAllProgStepSuFromCt() == 0;
            if (read)
                Module1::mmsecWait(100);
        }
        // The progress display goes on every way out, a failed read included.
        main.Hide_ProgressBar();
        Module3Tusin::CloseCommPortIfFree();
        // A cancelled read ends the command; the flag must not outlive it
        // and stop the next transfer at its first frame.
        if (a.ComCancelFlag)
            a.ComCancelFlag = false;
        else
            show = read;
    }
    if (show) {
        frmProgTask task(&main);
        Dlg::ExecModal(task);
    }
}

void RaiseOwnWindow(frmMain &main)
{
    // The program's own frame to the front at the top left, its size kept;
    // never a window of another program.
    main.move(0, 0);
    main.raise();
    main.activateWindow();
}

void Monitor(frmMain &main)
{
    // Busy; the menus follow the link state at the end, the position tabs
    // stay as they are.
    Module1::BusyScope busy({.posiTabs = false});
    if (Online::GoOnlineOnDemand()) {
        if (Sending()) {
            RaiseOwnWindow(main);
        } else {
            frmIOCheckFG monitor(&main);
            Dlg::ExecModal(monitor);
        }
    }
}

void OpenGrpWindow(frmMain &main) { openPlaced<frmGrp>(main, App().GrpWinOpen, "frmGrp"); }
void OpenSqMcrWindow(frmMain &main) { openPlaced<frmSqMcr>(main, App().SmWinOpen, "frmSqMcr"); }

void OpenParameterWindow(frmMain &main)
{
    frmParameta2 *existing = frmParameta2::Existing();
    if (App().ParaWinOpen && existing) {
        toFront(main, existing);
        return;
    }
    App().ParaWinOpen = true;
    main.ShowChild(frmParameta2::Instance());
}

void ShowParameterWindow(frmMain &main) { main.ShowChild(frmParameta2::Instance()); }

void OnlineDeviceSetting(frmMain &main)
{
    Module1::BusyScope commandsOff(Module1::kCommandsOnly);
    auto &errs = Paradata().DevListErr;
    errs.fill(false);
    Module1::ReadQzDeviceList();
    for (int axis = 0; axis < 4; ++axis) {
        if (!App().AxisNotUsed[axis] && errs[axis])
            return;
    }
    QWidget *existing = Forms::Find(QStringLiteral("frmDevice3"));
    QWidget *w = existing ? existing : new frmDevice3(&main);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    w->raise();
}

QPrinter &SharedPrinter() { return Platform::SharedQPrinter(); }

} // namespace MainCommands
