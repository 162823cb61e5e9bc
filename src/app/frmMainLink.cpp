// The link's part of the main window: the command sets switched around long
// operations, the menu layout by controller mode and link state, the
// controller-mode label, the Setting menu's online and offline commands, and
// the link engine started under it.
#include "core/AppState.h"
#include "app/frmMain.h"
#include "core/CommandSets.h"
#include "link/Engine.h"
#include "ui/online/GoOnline.h"
#include "link/Indicators.h"
#include "app/MainWindowLink.h"
#include "platform/StringTable.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <initializer_list>

namespace {
void setOn(std::initializer_list<QAction *> items, bool on)
{
    for (QAction *a : items)
        if (a)
            a->setEnabled(on);
}

void showItem(QAction *a, bool visible)
{
    if (a) {
        a->setVisible(visible);
        a->setEnabled(visible);
    }
}
} // namespace

void frmMain::CTM_MukoSyori()
{
    Main_CMDBTN_Muko();
    ToolBar_Muko();
    Menyu_Muko();
}

void frmMain::CTM_YukoSyori()
{
    Main_CMDBTN_Yuko();
    ToolBar_Yuko();
    Menyu_Yuko();
}

void frmMain::Main_CMDBTN_Muko() { cmdReset->setEnabled(false); }
void frmMain::Main_CMDBTN_Yuko() { cmdReset->setEnabled(true); }

void frmMain::ToolBar_Muko()
{
    for (int i : {1, 2, 3, 5, 7, 8, 9, 11, 12})
        if (QAction *b = ToolButton(i))
            b->setEnabled(false);
}

void frmMain::ToolBar_Yuko()
{
    for (int i : {1, 2, 3, 5, 7, 8, 9})
        if (QAction *b = ToolButton(i))
            b->setEnabled(true);
    const bool prg = App().PrgModeFlag;
    const bool online = !App().OfflineFlag;
    QAction *edit = ToolButton(11);
    QAction *run = ToolButton(12);
    showItem(edit, prg);
    showItem(run, prg && online);
}

void frmMain::Menyu_Muko()
{
    setOn({mnuFile, mnuFileNew, mnuFileOpen, mnuFileSave, mnuFileSaveAs, mnuFileClose, mnuFilePrint, mnuEdit,
           mnuEditCopy, mnuEditPaste, mnuEditInsert, mnuEditLineDelete, mnuView, mnuCont, mnuMonitor, mnuSetting,
           mnuWindow, mnuHelp},
          false);
}

void frmMain::Menyu_Yuko()
{
    setOn({mnuFile, mnuFileNew, mnuFileOpen}, true);
    QWidget *active = ActiveChild();
    const QString name = active ? active->objectName() : QString();
    mnuFileSave->setEnabled(name == QLatin1String("frmPosi"));
    mnuFileSaveAs->setEnabled(name == QLatin1String("frmPosi") || name == QLatin1String("frmProg"));
    setOn({mnuFileClose, mnuFilePrint, mnuView, mnuSetting}, true);
    setOn({mnuCont, mnuMonitor}, !App().OfflineFlag);
    setOn({mnuWindow, mnuHelp}, true);
}

void frmMain::ChangeMenuDisp(bool prgMode)
{
    const bool offline = App().OfflineFlag;
    showItem(mnuFileNewProg, prgMode);
    showItem(mnuFileOpenProg, prgMode);
    showItem(mnuViewGrp, !prgMode);
    showItem(mnuViewSM, !prgMode);
    showItem(mnuContProg, prgMode);
    if (prgMode) {
        setOn({mnuContProgRead, mnuContProgTask}, true);
        setOn({mnuMonitor, mnuCont}, !offline);
    }
    mnuSettingOnline->setEnabled(offline);
    setOn({mnuSettingOffline, mnuSettingDeviceOnline, mnuSettingCtMode}, !offline);
}

void frmMain::DispControlerMode(bool)
{
    lblCtMode->setText(Platform::ResText(App().PrgModeFlag ? 129 : 128));
}

void frmMain::OfflineSyori()
{
    Module1::AllForm_CMDBTN_Muko();
    if (Module1::fChangeToOffline() == 0) {
        Module3Tusin::CloseCommPort();
        Module1::SetOfflineMode();
        Module1::SetPosiTabEnabled(true);
        ChangeMenuDisp(App().PrgModeFlag);
    }
    Module1::SetPosiTabEnabled(App().OfflineFlag);
    Module1::AllForm_CMDBTN_Yuko();
}

void frmMain::OnlineSyori()
{
    Module1::AllForm_CMDBTN_Muko();
    fChangeToOnline();
    Module1::SetPosiTabEnabled(App().OfflineFlag);
    ChangeMenuDisp(App().PrgModeFlag);
    Module1::AllForm_CMDBTN_Yuko();
}

int frmMain::fChangeToOnline() { return Online::fChangeToOnline(); }


namespace Module3Tusin {
void AttachMainWindow(frmMain *main)
{
    StopLink();
    StartLink(main);
    main->LinkEngine = LinkObject();
}
} // namespace Module3Tusin
