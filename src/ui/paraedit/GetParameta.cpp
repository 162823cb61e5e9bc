#include "ui/paraedit/GetParameta.h"

#include "core/AppState.h"
#include "core/Shell.h"
#include "link/AxisConfig.h"
#include "core/CommandSets.h"
#include "link/Engine.h"
#include "ui/online/GoOnline.h"
#include "link/Indicators.h"
#include "link/ParaBlocks.h"
#include "paradata/DevSetting.h"
#include "paradata/DeviceList.h"
#include "paradata/Module2Calc.h"
#include "paradata/ParaFile.h"
#include "paradata/ParadataState.h"
#include "paradata/UnitTexts.h"
#include "ui/paraedit/frmParameta2.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiGrid.h"
#include "ui/posi/PosiWindow.h"

namespace Online {
namespace {

using Platform::ResLines;
using Platform::ResText;
using Platform::Dialogs::MsgBox;
using Platform::MsgAnswer;
using Platform::MsgButtons;
using Platform::MsgIcon;

// True when the read may go on after the save offer: the user declined it,
// or the save ran and wrote the file. A cancelled or failed save stops the
// read, so edits not saved are not overwritten.
bool offerSave(frmParameta2 *window)
{
    if (!window || window->ParametaumuKakunin() != 0)
        return true;
    const MsgAnswer a = MsgBox(ResText(355), MsgButtons::YesNoCancel, MsgIcon::Question);
    if (a == MsgAnswer::Cancel)
        return false;
    if (a != MsgAnswer::Yes)
        return true;
    Paradata().PmtWriteError = false;
    return Module1::SaveParaFileDlg() == 0 && !Paradata().PmtWriteError;
}

// The controller's actuators become the PC's; false (offline) on failure.
bool takeCtDevices()
{
    AppState &a = App();
    if (Module3Tusin::ReadDeviceFromCt() != 0) {
        a.OfflineFlag = true;
        Module1::OnlineImg_Hide();
        return false;
    }
    Module1::CheckDeviceKind();
    if (Module1::LetCtDeviceToPcDevice() != 0) {
        a.OfflineFlag = true;
        Module1::OnlineImg_Hide();
        return false;
    }
    PosiWindow::AxisSettingChanged();
    a.OfflineFlag = false;
    Module1::OnlineImg_Disp();
    return true;
}

void readWithDialogue(frmParameta2 *window)
{
    if (!offerSave(window))
        return;
    if (!GoOnlineOnDemand())
        return;
    if (Module3Tusin::ReadAxisConfigFromCt() != 0) {
        MsgBox(ResText(359));
        return;
    }
    if (window)
        window->YukoJikuHyojiSettei();
    switch (Module3Tusin::CompareCtDevice2PcDevice()) {
    case -1:
        MsgBox(ResText(356));
        return;
    case 1:
        if (MsgBox(ResLines({357, 358}), MsgButtons::OkCancel, MsgIcon::Question)
            == MsgAnswer::Cancel)
            return;
        if (!takeCtDevices())
            return;
        break;
    default:
        break;
    }
    if (Module3Tusin::ReadParametaFromCt() != 0)
        return;
    Module1::LetParaFileToPara();
    if (window) {
        window->update();
        window->ParametaHyoji();
    }
}

} // namespace

void GetParametaValue(frmParameta2 *window)
{
    AppState &a = App();
    a.BusyFlag = true;
    Module1::AllForm_CMDBTN_Muko();
    readWithDialogue(window);
    Module3Tusin::CloseCommPortIfFree();
    a.BusyFlag = false;
    Module1::AllForm_CMDBTN_Yuko();
    Module1::SetPosiTabEnabled(a.OfflineFlag);
    Shell::Get().ChangeMenuDisp(a.PrgModeFlag);
}

int GetParametaValue2(frmParameta2 *window)
{
    return ReadAxisMaskAndParameters([window] {
        if (window)
            window->YukoJikuHyojiSettei();
    });
}

} // namespace Online
