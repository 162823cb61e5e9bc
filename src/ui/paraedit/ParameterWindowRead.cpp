#include "ui/paraedit/ParameterWindowRead.h"

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
#include "paradata/UnitConv.h"
#include "paradata/ParaFile.h"
#include "paradata/ParadataState.h"
#include "paradata/UnitTexts.h"
#include "ui/paraedit/ParameterWindow.h"
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
bool offerSave(ParameterWindow *window)
{
    if (!window || window->CheckParametersPresent() != 0)
        return true;
    const MsgAnswer a = MsgBox(ResText(355), MsgButtons::YesNoCancel, MsgIcon::Question);
    if (a == MsgAnswer::Cancel)
        return false;
    if (a != MsgAnswer::Yes)
        return true;
    Paradata().PmtWriteError = false;
    return ParaFile::SaveParaFileDlg() == 0 && !Paradata().PmtWriteError;
}

// The controller's actuators become the PC's; false (offline) on failure.
bool takeCtDevices()
{
    AppState &a = App();
    if (Comm::ReadDeviceFromCt() != 0) {
        a.OfflineFlag = true;
        Indicators::OnlineImg_Hide();
        return false;
    }
    DeviceList::CheckDeviceKind();
    if (DevSetting::LetCtDeviceToPcDevice() != 0) {
        a.OfflineFlag = true;
        Indicators::OnlineImg_Hide();
        return false;
    }
    PosiWindow::AxisSettingChanged();
    a.OfflineFlag = false;
    Indicators::OnlineImg_Disp();
    return true;
}

void readWithDialogue(ParameterWindow *window)
{
    if (!offerSave(window))
        return;
    if (!GoOnlineOnDemand())
        return;
    if (Comm::ReadAxisConfigFromCt() != 0) {
        MsgBox(ResText(359));
        return;
    }
    if (window)
        window->MarkValidAxes();
    switch (Comm::CompareCtDeviceToPcDevice()) {
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
    if (Comm::ReadParametersFromCt() != 0)
        return;
    ParaFile::LetParaFileToPara();
    if (window) {
        window->update();
        window->ShowParameters();
    }
}

} // namespace

void ReadParametersIntoWindow(ParameterWindow *window)
{
    AppState &a = App();
    a.BusyFlag = true;
    CommandSets::DisableCommandsOfAllWindows();
    readWithDialogue(window);
    Comm::CloseCommPortIfFree();
    a.BusyFlag = false;
    CommandSets::EnableCommandsOfAllWindows();
    CommandSets::SetPosiTabEnabled(a.OfflineFlag);
    Shell::Get().ChangeMenuDisp(a.PrgModeFlag);
}

int ReadParametersMarkingAxes(ParameterWindow *window)
{
    return ReadAxisMaskAndParameters([window] {
        if (window)
            window->MarkValidAxes();
    });
}

} // namespace Online
