// The link's part of the main window: the command sets switched around long
// operations, the menu layout by controller mode and link state, the
// controller-mode label, the Setting menu's online and offline commands, and
// the link engine started under it.
#include "core/AppState.h"
#include "app/MainWindow.h"
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

void MainWindow::AllCommandsOff()
{
    MainWindowButtonsOff();
    ToolBarOff();
    MenusOff();
}

void MainWindow::AllCommandsOn()
{
    MainWindowButtonsOn();
    ToolBarOn();
    MenusOn();
}

void MainWindow::MainWindowButtonsOff() { cmdReset->setEnabled(false); }
void MainWindow::MainWindowButtonsOn() { cmdReset->setEnabled(true); }

void MainWindow::ToolBarOff()
{
    for (int i : {1, 2, 3, 5, 7, 8, 9, 11, 12})
        if (QAction *b = ToolButton(i))
            b->setEnabled(false);
}

void MainWindow::ToolBarOn()
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

void MainWindow::MenusOff()
{
    setOn({mnuFile, mnuFileNew, mnuFileOpen, mnuFileSave, mnuFileSaveAs, mnuFileClose, mnuFilePrint, mnuEdit,
           mnuEditCopy, mnuEditPaste, mnuEditInsert, mnuEditLineDelete, mnuView, mnuCont, mnuMonitor, mnuSetting,
           mnuWindow, mnuHelp},
          false);
}

void MainWindow::MenusOn()
{
    setOn({mnuFile, mnuFileNew, mnuFileOpen}, true);
    QWidget *active = ActiveChild();
    const QString name = active ? active->objectName() : QString();
    mnuFileSave->setEnabled(name == QLatin1String("PositionWindow"));
    mnuFileSaveAs->setEnabled(name == QLatin1String("PositionWindow") || name == QLatin1String("ProgramWindow"));
    setOn({mnuFileClose, mnuFilePrint, mnuView, mnuSetting}, true);
    setOn({mnuCont, mnuMonitor}, !App().OfflineFlag);
    setOn({mnuWindow, mnuHelp}, true);
}

void MainWindow::ChangeMenuDisp(bool prgMode)
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

void MainWindow::DispControlerMode(bool)
{
    lblCtMode->setText(Platform::ResText(App().PrgModeFlag ? 129 : 128));
}

void MainWindow::OfflineCommand()
{
    CommandSets::DisableCommandsOfAllWindows();
    if (Online::fChangeToOffline() == 0) {
        Comm::CloseCommPort();
        Indicators::SetOfflineMode();
        CommandSets::SetPosiTabEnabled(true);
        ChangeMenuDisp(App().PrgModeFlag);
    }
    CommandSets::SetPosiTabEnabled(App().OfflineFlag);
    CommandSets::EnableCommandsOfAllWindows();
}

void MainWindow::OnlineCommand()
{
    CommandSets::DisableCommandsOfAllWindows();
    fChangeToOnline();
    CommandSets::SetPosiTabEnabled(App().OfflineFlag);
    ChangeMenuDisp(App().PrgModeFlag);
    CommandSets::EnableCommandsOfAllWindows();
}

int MainWindow::fChangeToOnline() { return Online::fChangeToOnline(); }


namespace MainWindowLink {
void AttachMainWindow(MainWindow *main)
{
    Comm::StopLink();
    Comm::StartLink(main);
    main->LinkEngine = Comm::LinkObject();
}
} // namespace MainWindowLink
