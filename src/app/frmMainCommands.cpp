// The commands of the main window's menus, toolbar and status panel. Most
// switch every window's commands off, hand the work to the window or
// procedure that owns it and switch the commands on again; the few with
// logic of their own live in app/MainCommands.cpp.
#include "core/AppState.h"
#include "ui/common/Forms.h"
#include "app/HelpViewer.h"
#include "app/MainCommands.h"
#include "app/Options.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "app/frmOptions2.h"
#include "core/CommandSets.h"
#include "ui/paraedit/frmParameta2.h"
#include "ui/paraedit/frmSystemPara.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "ui/posi/frmPosi.h"
#include "ui/prog/frmProgNo.h"

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

void frmMain::mnuFileNewPosi_Click()
{
    Module1::BusyScope commandsOff(Module1::kCommandsOnly);
    frmPosi *posi = PosiWindow();
    QMdiSubWindow *sub = ShowChild(posi);
    mdiArea()->setActiveSubWindow(sub);
    posi->SinkiSakusei();
}

void frmMain::mnuFileNewProg_Click()
{
    Module1::BusyScope commandsOff(Module1::kCommandsOnly);
    frmProgNo dlg(this);
    Dlg::ExecModal(dlg);
    if (!App().ProgNoCancel)
        OpenProgWindow();
    else
        App().ProgNoCancel = false;
}

void frmMain::mnuFileOpenPosi_Click() { PosiWindow()->PosidataFileOpen(); }

void frmMain::mnuFileOpenProg_Click()
{
    Module1::BusyScope commandsOff(Module1::kCommandsOnly);
    OpenProgWindow();
    Cmd::DispatchToActiveChild(nullptr, "ProgDataFileOpen");
}

void frmMain::mnuFileClose_Click()
{
    if (QMdiSubWindow *sub = mdiArea()->activeSubWindow())
        sub->close();
}

void frmMain::mnuFileSave_Click() { PosiWindow()->PosidataSaveToFile(); }
void frmMain::mnuFileSaveAs_Click() { Cmd::DispatchToActiveChild("PosiDataSaveAs", "ProgDataSaveAs"); }
void frmMain::mnuFileSaveAll_Click() {}

void frmMain::mnuFilePageSetup_Click()
{
    QPageSetupDialog dlg(&Cmd::SharedPrinter(), this);
    Dlg::ExecModal(dlg);
}

void frmMain::mnuFilePrint_Click()
{
    Module1::BusyScope commandsOff(Module1::kCommandsOnly);
    PosiWindow()->PrintPosiData();
}

void frmMain::mnuFileExit_Click() { close(); }

// ---------------------------------------------------------------- Edit and popup

void frmMain::mnuEditCopy_Click() { Cmd::DispatchToActiveChild("cmdPosiCopy_Click", "PrgDataLineCopy"); }
void frmMain::mnuEditPaste_Click() { Cmd::DispatchToActiveChild("cmdPosiPaste_Click", "ProgDataLinePaste"); }
void frmMain::mnuEditInsert_Click() { Cmd::DispatchToActiveChild("cmdInsertLine_Click", "cmdInsLineProg_Click"); }
void frmMain::mnuEditLineDelete_Click() { Cmd::DispatchToActiveChild("cmdDeleteLine_Click", "cmdDelLineProg_Click"); }
void frmMain::mnuPopupCopy_Click() { Cmd::DispatchPopup("cmdPosiCopy_Click", "cmdProgLineCopy_Click"); }
void frmMain::mnuPopupPaste_Click() { Cmd::DispatchPopup("cmdPosiPaste_Click", "cmdProgLinePaste_Click"); }
void frmMain::mnuPopupLineInsert_Click() { mnuEditInsert_Click(); }
void frmMain::mnuPopupLineDelete_Click() { mnuEditLineDelete_Click(); }

// ---------------------------------------------------------------- View

// The items are checkable: a click has already inverted the check mark.
void frmMain::mnuViewToolbar_Click() { tbToolBar->setVisible(mnuViewToolbar->isChecked()); }
void frmMain::mnuViewStatusBar_Click() { sbStatusBar->setVisible(mnuViewStatusBar->isChecked()); }

void frmMain::mnuViewGrp_Click() { Cmd::OpenGrpWindow(*this); }
void frmMain::mnuViewSM_Click() { Cmd::OpenSqMcrWindow(*this); }
void frmMain::mnuViewMove_Click()
{
    if (Cmd::Sending())
        Cmd::RaiseOwnWindow(*this);
}
void frmMain::mnuViewTeaching_Click() {}
void frmMain::mnuViewParameter_Click() { Cmd::OpenParameterWindow(*this); }
void frmMain::mnuViewOptions_Click() { Options::ShowOptionsDialog(this); }

void frmMain::mnuViewSysPara_Click()
{
    QWidget *w = Forms::Find(QStringLiteral("frmSystemPara"));
    ShowChild(w ? w : new frmSystemPara());
}

// ---------------------------------------------------------------- Controller

void frmMain::mnuContPosiRead_Click() { PosiWindow()->PosidataGetfromCt(); }
void frmMain::mnuContPosiWrite_Click() { PosiWindow()->PosidataLoadtoCt(); }
void frmMain::mnuContProgRead_Click() { Cmd::ReadProgramData(*this); }
void frmMain::mnuContProgTask_Click() { Cmd::ShowProgTask(*this); }
void frmMain::mnuContVersion_Click() { Cmd::ControllerVersions(*this); }
void frmMain::mnuContAlarmReset_Click() { cmdReset_Click(); }
void frmMain::mnuMonitor_Click() { Cmd::Monitor(*this); }

// ---------------------------------------------------------------- Setting

void frmMain::mnuSettingOnline_Click() { Cmd::GoOnline(*this); }
void frmMain::mnuSettingOffline_Click() { Cmd::GoOffline(*this); }
void frmMain::mnuSettingDeviceOnline_Click() { Cmd::OnlineDeviceSetting(*this); }

void frmMain::mnuSettingDeviceOffline_Click()
{
    {
        Module1::BusyScope commandsOff(Module1::kCommandsOnly);
        Cmd::OfflineDeviceChange(*this);
    }
    Module1::SetPosiTabEnabled(true);
}

void frmMain::mnuSettingCtMode_Click() { Cmd::CtModeSetting(*this); }

void frmMain::mnuSettingParameter_Click()
{
    PosiWindow()->EditCMD_Muko();
    const auto answer = Dlg::MsgBox(ResLines({410, 411}), Platform::MsgButtons::YesNo,
                                    Platform::MsgIcon::Warning);
    if (answer == Platform::MsgAnswer::Yes)
        Cmd::ShowParameterWindow(*this);
}

// ---------------------------------------------------------------- Window and Help

void frmMain::mnuWindowCascade_Click()
{
    // Restoring a maximized window in the cascade activates it and brings it
    // forward; the window the user worked in stays active and in front.
    QPointer<QMdiSubWindow> active = mdiArea()->activeSubWindow();
    mdiArea()->cascadeSubWindows();
    if (active) {
        mdiArea()->setActiveSubWindow(active);
        active->raise();
    }
}
void frmMain::mnuWindowTileHorizontal_Click() { mdiArea()->tileSubWindows(); }
void frmMain::mnuWindowTileVertical_Click() { mdiArea()->tileSubWindows(); }

void frmMain::mnuHelpContents_Click() { ModuleHelp::ShowHelp(this, ResText(414)); }
void frmMain::mnuHelpSearchForHelpOn_Click() {}

void frmMain::mnuHelpAbout_Click()
{
    PosiWindow()->EditCMD_Muko();
    frmAbout about(this);
    Dlg::ExecModal(about);
}

// ---------------------------------------------------------------- toolbar and status panel

void frmMain::tbToolBar_ButtonClick(QAction *button)
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

void frmMain::cmdReset_Click() { Cmd::AlarmReset(*this); }

void frmMain::lblCtMode_DblClick()
{
    if (!App().OfflineFlag)
        mnuSettingCtMode_Click();
}

// The running transfer stops at its next test of the flag.
void frmMain::cmdComCancel_Click() { App().ComCancelFlag = true; }
