// The commands of the main window's menus, toolbar and status panel. Most
// switch every window's commands off, hand the work to the window or
// procedure that owns it and switch the commands on again; the few with
// logic of their own live in app/MainCommands.cpp.
#include "core/AppState.h"
#include "ui/common/Forms.h"
#include "ui/common/OnScreen.h"
#include "app/HelpViewer.h"
#include "app/MainCommands.h"
#include "app/Options.h"
#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "app/OptionsDialog.h"
#include "core/CommandSets.h"
#include "ui/paraedit/ParameterWindow.h"
#include "ui/paraedit/SystemParameterWindow.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "ui/posi/PositionWindow.h"
#include "ui/prog/ProgramNumberDialog.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

using Platform::ResLines;
using Platform::ResText;
namespace Dlg = Platform::Dialogs;
namespace Cmd = MainCommands;

// ---------------------------------------------------------------- File

void MainWindow::mnuFileNewPosi_Click()
{
    CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
    PositionWindow *posi = PosiWindow();
    ShowChild(posi);
    posi->CreateNewPositions();
}

void MainWindow::mnuFileNewProg_Click()
{
    CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
    ProgramNumberDialog dlg(this);
    Dlg::ExecModal(dlg);
    if (!App().ProgNoCancel)
        OpenProgWindow();
    else
        App().ProgNoCancel = false;
}

void MainWindow::mnuFileOpenPosi_Click() { PosiWindow()->PosidataFileOpen(); }

void MainWindow::mnuFileOpenProg_Click()
{
    CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
    OpenProgWindow();   // the active child from here on
    Cmd::ForActiveChild(&ChildCommands::OpenFile);
}

void MainWindow::mnuFileClose_Click()
{
    if (QMdiSubWindow *sub = mdiArea()->activeSubWindow())
        sub->close();
}

void MainWindow::mnuFileSave_Click() { PosiWindow()->PosidataSaveToFile(); }
void MainWindow::mnuFileSaveAs_Click() { Cmd::ForActiveChild(&ChildCommands::SaveAs); }
void MainWindow::mnuFileSaveAll_Click() {}

void MainWindow::mnuFilePageSetup_Click()
{
    QPageSetupDialog dlg(&Cmd::SharedPrinter(), this);
    Dlg::ExecModal(dlg);
}

void MainWindow::mnuFilePrint_Click()
{
    CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
    PosiWindow()->PrintPosiData();
}

void MainWindow::mnuFileExit_Click() { close(); }

// ---------------------------------------------------------------- Edit and popup

void MainWindow::mnuEditCopy_Click() { Cmd::ForActiveChild(&ChildCommands::CopyLines); }
void MainWindow::mnuEditPaste_Click() { Cmd::ForActiveChild(&ChildCommands::PasteLines); }
void MainWindow::mnuEditInsert_Click() { Cmd::ForActiveChild(&ChildCommands::InsertLines); }
void MainWindow::mnuEditLineDelete_Click() { Cmd::ForActiveChild(&ChildCommands::DeleteLines); }
void MainWindow::mnuPopupCopy_Click() { mnuEditCopy_Click(); }
void MainWindow::mnuPopupPaste_Click() { mnuEditPaste_Click(); }
void MainWindow::mnuPopupLineInsert_Click() { mnuEditInsert_Click(); }
void MainWindow::mnuPopupLineDelete_Click() { mnuEditLineDelete_Click(); }

// ---------------------------------------------------------------- View

// The items are checkable: a click has already inverted the check mark.
void MainWindow::mnuViewToolbar_Click() { tbToolBar->setVisible(mnuViewToolbar->isChecked()); }
void MainWindow::mnuViewStatusBar_Click() { sbStatusBar->setVisible(mnuViewStatusBar->isChecked()); }

void MainWindow::mnuViewGrp_Click() { Cmd::OpenGrpWindow(*this); }
void MainWindow::mnuViewSM_Click() { Cmd::OpenSqMcrWindow(*this); }
void MainWindow::mnuViewMove_Click()
{
    if (Cmd::Sending())
        Cmd::RaiseOwnWindow(*this);
}
void MainWindow::mnuViewTeaching_Click() {}
void MainWindow::mnuViewParameter_Click() { Cmd::OpenParameterWindow(*this); }
void MainWindow::mnuViewOptions_Click() { Options::ShowOptionsDialog(this); }

void MainWindow::mnuViewSysPara_Click()
{
    QWidget *w = Forms::Find(QStringLiteral("SystemParameterWindow"));
    ShowChild(w ? w : new SystemParameterWindow());
}

// ---------------------------------------------------------------- Controller

void MainWindow::mnuContPosiRead_Click() { PosiWindow()->PosidataGetfromCt(); }
void MainWindow::mnuContPosiWrite_Click() { PosiWindow()->PosidataLoadtoCt(); }
void MainWindow::mnuContProgRead_Click() { Cmd::ReadProgramData(*this); }
void MainWindow::mnuContProgTask_Click() { Cmd::ShowProgTask(*this); }
void MainWindow::mnuContVersion_Click() { Cmd::ControllerVersions(*this); }
void MainWindow::mnuContAlarmReset_Click() { cmdReset_Click(); }
void MainWindow::mnuMonitor_Click() { Cmd::Monitor(*this); }

// ---------------------------------------------------------------- Setting

void MainWindow::mnuSettingOnline_Click() { Cmd::GoOnline(*this); }
void MainWindow::mnuSettingOffline_Click() { Cmd::GoOffline(*this); }
void MainWindow::mnuSettingDeviceOnline_Click() { Cmd::OnlineDeviceSetting(*this); }

void MainWindow::mnuSettingDeviceOffline_Click()
{
    {
        CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
        Cmd::OfflineDeviceChange(*this);
    }
    CommandSets::SetPosiTabEnabled(true);
}

void MainWindow::mnuSettingCtMode_Click() { Cmd::CtModeSetting(*this); }

void MainWindow::mnuSettingParameter_Click()
{
    PosiWindow()->EditCommandsOff();
    const auto answer = Dlg::MsgBox(ResLines({410, 411}), Platform::MsgButtons::YesNo,
                                    Platform::MsgIcon::Warning);
    if (answer == Platform::MsgAnswer::Yes)
        Cmd::ShowParameterWindow(*this);
}

// ---------------------------------------------------------------- Window and Help

void MainWindow::mnuWindowCascade_Click()
{
    // Restoring a maximized window in the cascade activates it and brings it
    // forward; the window the user worked in stays active and in front.
    QPointer<QMdiSubWindow> active = mdiArea()->activeSubWindow();
    mdiArea()->cascadeSubWindows();
    // The cascade gives each window its full size at its step down and
    // right, which can put a window's buttons below the work area: such a
    // window is shortened where it lies, or moved in where it cannot be.
    const QRect area = mdiArea()->viewport()->rect();
    for (QMdiSubWindow *sub : mdiArea()->subWindowList()) {
        if (sub->isMinimized() || sub->isMaximized() || area.contains(sub->geometry()))
            continue;
        sub->resize(sub->size().boundedTo(QSize(area.right() - sub->x() + 1, area.bottom() - sub->y() + 1)));
        OnScreen::KeepChildInArea(sub);
    }
    if (active) {
        mdiArea()->setActiveSubWindow(active);
        active->raise();
    }
}
void MainWindow::mnuWindowTileHorizontal_Click() { mdiArea()->tileSubWindows(); }
void MainWindow::mnuWindowTileVertical_Click() { mdiArea()->tileSubWindows(); }

void MainWindow::mnuHelpContents_Click() { HelpViewer::ShowHelp(this, ResText(414)); }
void MainWindow::mnuHelpSearchForHelpOn_Click() {}

void MainWindow::mnuHelpAbout_Click()
{
    PosiWindow()->EditCommandsOff();
    AboutDialog about(this);
    Dlg::ExecModal(about);
}

// ---------------------------------------------------------------- toolbar and status panel

void MainWindow::tbToolBar_ButtonClick(QAction *button)
{
    if (!button)
        return;
    const QString key = button->data().toString();
    if (key == QStringLiteral("新規作成"))
        mnuFileNewPosi_Click();
    else if (key == QStringLiteral("開く"))
        mnuFileOpenPosi_Click();
    else if (key == QStringLiteral("上書き保存"))
        mnuFileSave_Click();
    else if (key == QStringLiteral("印刷"))
        PosiWindow()->PrintPosiData();   // without the menu's bracket
    else if (key == QStringLiteral("ｺﾋﾟｰ"))
        mnuEditCopy_Click();
    else if (key == QStringLiteral("貼り付け"))
        mnuEditPaste_Click();
    else if (key == QStringLiteral("プログラム編集"))
        App().OfflineFlag ? mnuFileNewProg_Click() : mnuContProgRead_Click();
    else if (key == QStringLiteral("プログラム実行"))
        Cmd::ShowProgTask(*this);
    // "切り取り" (cut) does nothing.
}

void MainWindow::cmdReset_Click() { Cmd::AlarmReset(*this); }

void MainWindow::lblCtMode_DblClick()
{
    if (!App().OfflineFlag)
        mnuSettingCtMode_Click();
}

// The running transfer stops at its next test of the flag.
void MainWindow::cmdComCancel_Click() { App().ComCancelFlag = true; }
