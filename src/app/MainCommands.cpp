#include "app/MainCommands.h"

#include "core/AppState.h"
#include "ui/common/Forms.h"
#include "app/HelpViewer.h"
#include "app/Options.h"
#include "core/Twips.h"
#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "ui/common/ChoiceDialog.h"
#include "platform/Wait.h"
#include "ui/device/ActuatorWindows.h"
#include "ui/grpsm/GroupWindow.h"
#include "ui/grpsm/SequenceMacroWindow.h"
#include "link/CommandProcs.h"
#include "link/AxisBlockWrites.h"
#include "core/CommandSets.h"
#include "link/CommandState.h"
#include "link/Engine.h"
#include "ui/online/GoOnline.h"
#include "link/Versions.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "ui/live/MonitorWindow.h"
#include "ui/live/ProgramTaskWindow.h"
#include "paradata/DeviceList.h"
#include "paradata/ParadataState.h"
#include "ui/paraedit/ParameterWindow.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "ui/posi/PositionWindow.h"
#include "prog/CommandList.h"
#include "ui/prog/ProgFlows.h"
#include "ui/prog/ProgramWindow.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include "platform/PrinterQt.h"

using Platform::ResLines;
using Platform::ResText;
namespace Dlg = Platform::Dialogs;

namespace MainCommands {
namespace {

void toFront(MainWindow &main, QWidget *w)
{
    main.ShowChild(w)->raise();
}

// The group and macro windows: shown once, placed by the number of loaded
// windows; while open only brought to the front.
template <class W>
void openPlaced(MainWindow &main, bool &openFlag, const char *name)
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

bool Sending() { return Comm::Link().SendingFlag; }

void ReadProgramData(MainWindow &main)
{
    AppState &a = App();
    CommandSets::BusyScope busy;
    if (!Online::GoOnlineOnDemand())
        return;
    if (ProgFlows::EnsureProgStepCounts() != 0)
        return;
    Comm::CloseCommPortIfFree();
    if (a.ComCancelFlag) {
        a.ComCancelFlag = false;
        return;
    }
    if (!ProgFlows::AskProgNo())
        return;
    auto *w = qobject_cast<ProgramWindow *>(main.OpenProgWindow());
    if (!w)
        return;
    if (w->ReadProgDataFromCt(a.SelProgNo) == 0) {
        w->ShowProgramData();
    } else if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget())) {
        // A window for a program that could not be read goes again.
        sub->close();
    } else {
        w->deleteLater();
    }
    a.ComCancelFlag = false;
}
void ControllerVersions(MainWindow &) { Online::VersionCommand(); }
void GoOnline(MainWindow &main) { main.OnlineCommand(); }
void GoOffline(MainWindow &main) { main.OfflineCommand(); }
void OfflineDeviceChange(MainWindow &) { MainWindow::Change_Device(); }

int ChildOffsetTwips(int n)
{
    if (n >= 11)
        n = 1;
    else if (n >= 3)
        n -= 2;
    return n * 350;
}

void ForActiveChild(void (ChildCommands::*command)())
{
    if (auto *child = dynamic_cast<ChildCommands *>(Forms::ActiveChild()))
        (child->*command)();
}

void AlarmReset(MainWindow &main)
{
    CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
    AppState &a = App();
    if (a.OfflineFlag)
        a.OfflineFlag = false;   // the reset talks to the controller at once
    if (Comm::OpenCommPort() != 0) {
        // No link after all: back offline, and say why.
        Indicators::SetOfflineMode();
        Dlg::MsgBox(Comm::PortOpenFailureText());
    } else if (Comm::AlarmResetCt() == 0) {
        Indicators::AlarmImg_Hide();
        Indicators::SetStatusPanel1(QString());
        if (Comm::CommunicationModeOn(1) == 0) {
            if (main.fChangeToOnline() == 0)
                CommandSets::SetPosiTabEnabled(false);
            CommandSets::SetPosiTabEnabled(a.OfflineFlag);
            main.ChangeMenuDisp(a.PrgModeFlag);
        } else {
            Comm::Queues().LinkFailed = false;
        }
    }
    Comm::CloseCommPortIfFree();
}

void CtModeSetting(MainWindow &)
{
    CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
    const int mode = Choice::SetSelectionDlgPreselected(ResText(471), ResText(476), ResText(477), ResText(478), 0, 0, 0,
                                               App().PrgModeFlag ? 1 : 0);
    if (mode != 0 && mode != 1)
        return;
    if (Comm::SetCtModeToCt(mode) != 0)
        return;
    Dlg::MsgBox(ResLines({495, 496, 497}, true));
    // The new mode applies after the controller and the program restart.
    CommandSets::SetPosiTabEnabled(true);
}

void ShowProgTask(MainWindow &main)
{
    AppState &a = App();
    // Busy, but the position tabs and the menus stay as they are.
    CommandSets::BusyScope busy({.posiTabs = false, .menus = false});
    bool show = false;
    if (CommandList::ReadCommandList() == 0 && Online::GoOnlineOnDemand()) {
        bool read = true;
        if (!Comm::Commands().ProgStepCountKnown) {
            main.Disp_ProgressBar();
            read = Comm::ReadAllProgStepCountsFromCt() == 0;
            if (read)
                Platform::WaitMs(100);
        }
        // The progress display goes on every way out, a failed read included.
        main.Hide_ProgressBar();
        Comm::CloseCommPortIfFree();
        // A cancelled read ends the command; the flag must not outlive it
        // and stop the next transfer at its first frame.
        if (a.ComCancelFlag)
            a.ComCancelFlag = false;
        else
            show = read;
    }
    if (show) {
        ProgramTaskWindow task(&main);
        Dlg::ExecModal(task);
    }
}

void RaiseOwnWindow(MainWindow &main)
{
    // The program's own frame to the front at the top left, its size kept;
    // never a window of another program.
    main.move(0, 0);
    main.raise();
    main.activateWindow();
}

void Monitor(MainWindow &main)
{
    // Busy; the menus follow the link state at the end, the position tabs
    // stay as they are.
    CommandSets::BusyScope busy({.posiTabs = false});
    if (Online::GoOnlineOnDemand()) {
        if (Sending()) {
            RaiseOwnWindow(main);
        } else {
            MonitorWindow monitor(&main);
            Dlg::ExecModal(monitor);
        }
    }
}

void OpenGrpWindow(MainWindow &main) { openPlaced<GroupWindow>(main, App().GrpWinOpen, "GroupWindow"); }
void OpenSqMcrWindow(MainWindow &main) { openPlaced<SequenceMacroWindow>(main, App().SmWinOpen, "SequenceMacroWindow"); }

void OpenParameterWindow(MainWindow &main)
{
    ParameterWindow *existing = ParameterWindow::Existing();
    if (App().ParaWinOpen && existing) {
        toFront(main, existing);
        return;
    }
    App().ParaWinOpen = true;
    main.ShowChild(ParameterWindow::Instance());
}

void ShowParameterWindow(MainWindow &main) { main.ShowChild(ParameterWindow::Instance()); }

void OnlineDeviceSetting(MainWindow &main)
{
    CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
    auto &errs = Paradata().DevListErr;
    errs.fill(false);
    DeviceList::ReadQzDeviceList();
    for (int axis = 0; axis < 4; ++axis) {
        if (!App().AxisNotUsed[axis] && errs[axis])
            return;
    }
    QWidget *existing = Forms::Find(QStringLiteral("OnlineActuatorWindow"));
    QWidget *w = existing ? existing : new OnlineActuatorWindow(&main);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    w->raise();
}

QPrinter &SharedPrinter() { return Platform::SharedQPrinter(); }

} // namespace MainCommands
