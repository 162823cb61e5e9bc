// The commands of the main window's menus, toolbar and status panel. Most
// hand the work to the window or procedure that owns it; those not yet
// written do nothing.
#include "app/AppState.h"
#include "app/frmMain.h"

#include <QAction>

void frmMain::mnuFileNewPosi_Click() {}
void frmMain::mnuFileNewProg_Click() {}
void frmMain::mnuFileOpenPosi_Click() {}
void frmMain::mnuFileOpenProg_Click() {}
void frmMain::mnuFileClose_Click() {}
void frmMain::mnuFileSave_Click() {}
void frmMain::mnuFileSaveAs_Click() {}
void frmMain::mnuFileSaveAll_Click() {}
void frmMain::mnuFilePageSetup_Click() {}
void frmMain::mnuFilePrint_Click() {}
void frmMain::mnuFileExit_Click() { close(); }
void frmMain::mnuEditCopy_Click() {}
void frmMain::mnuEditPaste_Click() {}
void frmMain::mnuEditInsert_Click() {}
void frmMain::mnuEditLineDelete_Click() {}
void frmMain::mnuPopupCopy_Click() {}
void frmMain::mnuPopupPaste_Click() {}
void frmMain::mnuPopupLineInsert_Click() {}
void frmMain::mnuPopupLineDelete_Click() {}
void frmMain::mnuViewToolbar_Click() {}
void frmMain::mnuViewStatusBar_Click() {}
void frmMain::mnuViewGrp_Click() {}
void frmMain::mnuViewSM_Click() {}
void frmMain::mnuViewMove_Click() {}
void frmMain::mnuViewTeaching_Click() {}
void frmMain::mnuViewParameter_Click() {}
void frmMain::mnuViewOptions_Click() {}
void frmMain::mnuViewSysPara_Click() {}
void frmMain::mnuContPosiRead_Click() {}
void frmMain::mnuContPosiWrite_Click() {}
void frmMain::mnuContProgRead_Click() {}
void frmMain::mnuContProgTask_Click() {}
void frmMain::mnuContVersion_Click() {}
void frmMain::mnuContAlarmReset_Click() {}
void frmMain::mnuMonitor_Click() {}
void frmMain::mnuSettingOnline_Click() {}
void frmMain::mnuSettingOffline_Click() {}
void frmMain::mnuSettingDeviceOnline_Click() {}
void frmMain::mnuSettingDeviceOffline_Click() {}
void frmMain::mnuSettingCtMode_Click() {}
void frmMain::mnuSettingParameter_Click() {}
void frmMain::mnuWindowCascade_Click() {}
void frmMain::mnuWindowTileHorizontal_Click() {}
void frmMain::mnuWindowTileVertical_Click() {}
void frmMain::mnuHelpContents_Click() {}
void frmMain::mnuHelpSearchForHelpOn_Click() {}
void frmMain::mnuHelpAbout_Click() {}
void frmMain::tbToolBar_ButtonClick(QAction *) {}
void frmMain::cmdReset_Click() {}
void frmMain::lblCtMode_DblClick() {}

// The running transfer stops at its next test of the flag.
void frmMain::cmdComCancel_Click() { App().ComCancelFlag = true; }
