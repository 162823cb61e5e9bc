#include "ui/paraedit/ParaFlows.h"

#include "core/Shell.h"
#include "link/AxisBlockWrites.h"
#include "link/AxisConfig.h"
#include "link/CommandProcs.h"
#include "link/Engine.h"
#include "link/ParaBlocks.h"
#include "link/Versions.h"
#include "paradata/DevSetting.h"
#include "paradata/ParaFile.h"
#include "paradata/ParaForm.h"
#include "paradata/ParaVerify.h"
#include "paradata/ParadataState.h"
#include "paradata/StdPara.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiTables.h"
#include "ui/common/ChoiceDialog.h"
#include "ui/device/ActuatorWindows.h"
#include "ui/online/AxesAtRest.h"
#include "ui/online/GoOnline.h"
#include "ui/paraedit/ParameterWindowRead.h"
#include "ui/paraedit/ParameterWindow.h"
#include "ui/posi/PosiChangeDev.h"
#include "ui/posi/PosiWindow.h"

namespace ParaFlows {
namespace {

using Platform::MsgAnswer;
using Platform::MsgButtons;
using Platform::MsgIcon;
using Platform::ResLines;
using Platform::ResText;
using Platform::Dialogs::MsgBox;

bool ask(const QString &text) { return MsgBox(text, MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes; }

void hideProgress() { Shell::Get().ProgressHide(); }

void commError()
{
    MsgBox(ResText(377));
    hideProgress();
}

// No field empty, as every use of the window's values begins; false after
// the message.
bool fieldsTaken(ParameterWindow &w)
{
    if (w.CheckParametersPresent() != 0) {
        MsgBox(ResLines({7, 8}));
        return false;
    }
    return true;
}

// The values taken into the parameter set and within their ranges; false
// after the message.
bool valuesTaken(ParameterWindow &w)
{
    if (w.TakeInParameterValues() != 0 || w.CheckParameterValues() != 0) {
        MsgBox(ResLines({1524, 1525}));
        return false;
    }
    return true;
}

// The controller's and the PC's axes settled. A failed read or write here
// ends the write: block 1 or the axis mask would otherwise go out unread or
// unwritten under parameters meant for other axes.
bool axesSettled()
{
    if (Comm::ReadBlock1FromCt() != 0) {
        commError();
        return false;
    }
    switch (Online::CompareCtAxisConfig()) {
    case 0:
        return true;
    case 1:
        break;
    default:
        return false;
    }
    const int choice =
        Choice::SetSelectionDlg(ResText(471), ResText(472), ResText(473), ResText(474), 0, 0, 0);
    if (choice == 0) {
        if (Comm::WriteAxesInUseMaskToCt() != 0) {
            commError();
            return false;
        }
        return true;
    }
    if (choice == 1) {
        if (Comm::ReadAxisConfigFromCt() != 0) {
            commError();
            return false;
        }
        return true;
    }
    return false;
}

// After a write the user may take the written setting over: it is read
// back, becomes the PC's actuator setting, and the positions are checked
// against the new limits. False when the read-back failed.
bool takeOver(ParameterWindow &w)
{
    Shell::Get().SetStatusText(ResText(1902));
    if (Online::ReadParametersMarkingAxes(&w) != 0) {
        hideProgress();
        return false;
    }
    DevSetting::LetParaToDevSetting();
    DevSetting::LetNewTypeFlag();
    PosiWindow::AxisSettingChanged();
    PosiChangeDev::RecheckPositions();
    Shell::Get().SetStatusText(QString());
    return true;
}

void showVerifyResult(int result) { MsgBox(ParaVerify::ResultText(result, Paradata().ParaChangeLog)); }

QString pickParaFile(int title)
{
    Platform::FileFilter f;
    f.title = ResText(title);
    f.filter = ResText(1827);
    return Platform::Dialogs::GetOpenFileName(f);
}

// A parameter file into the table; false after message 681.
bool readFile(const QString &path)
{
    auto &s = Paradata();
    s.PmtReadError = false;
    ParaFile::ReadParaFile(path);
    if (s.PmtReadError) {
        MsgBox(ResText(681));
        return false;
    }
    return true;
}

} // namespace

bool ParametersTaken(ParameterWindow &w) { return fieldsTaken(w) && valuesTaken(w); }

int CheckCtAxisAndParaAxis(const ParameterWindow &w)
{
    const int ct = Comm::ReadAxisCountFromCt();
    if (ct < 0)
        return -1;
    const int para = ParaForm::ParaSideAxisCount(w.SpUnlocked(), w.ListIndex(ParaForm::Ctl::comboOneAxis, 0),
                                                 Comm::Versions().CtAxisCount);
    return para <= ct ? 0 : 1;
}

void WriteParaToCt(ParameterWindow &w)
{
    if (!ask(ResText(470)))
        return;
    if (!Online::GoOnlineOnDemand())
        return;
    if (!axesSettled())
        return;
    if (!fieldsTaken(w))
        return;
    switch (CheckCtAxisAndParaAxis(w)) {
    case 0:
        break;
    case 1:
        if (!ask(ResLines({631, 632, 633})))
            return;
        break;
    default:
        return;
    }
    if (!valuesTaken(w))
        return;
    switch (Online::AxesAtRest()) {
    case 1:
        break;
    case 0:
        MsgBox(ResText(424));
        hideProgress();
        return;
    default:
        commError();
        return;
    }
    int modeNo = 1;
    if (Comm::SetCommunicationMode(0, modeNo, 0) != 0) {
        commError();
        return;
    }
    // A failed block write leaves the controller in its writing mode, as
    // the position and program writes do.
    if (Comm::WriteParametersToCt() != 0) {
        commError();
        return;
    }
    modeNo = 0;
    if (Comm::SetCommunicationMode(0, modeNo, 0) != 0) {
        commError();
        return;
    }
    hideProgress();
    Comm::CloseCommPortIfFree();
    if (ask(ResText(685)) && !takeOver(w))
        return;
    // The power-cycle notice goes with every write: a changed controller
    // mode only takes effect after one.
    MsgBox(ResText(1527) + QStringLiteral("\r\n\r\n") + ResLines({492, 497}));
    hideProgress();
}

void CompareParametersWithController(ParameterWindow &w)
{
    if (!ParametersTaken(w))
        return;
    if (!Online::GoOnlineOnDemand())
        return;
    if (Comm::ReadParametersFromCt() != 0)
        return;
    Comm::CloseCommPortIfFree();
    showVerifyResult(ParaVerify::MakeParaChangeLog());
}

void CompareParametersWithFile(ParameterWindow &w)
{
    if (!ParametersTaken(w))
        return;
    if (MsgBox(ResText(679), MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok)
        return;
    const QString path = pickParaFile(680);
    if (path.isEmpty() || !readFile(path))
        return;
    showVerifyResult(ParaVerify::MakeParaChangeLog());
}

void ReadParaFileToWindow(ParameterWindow &w)
{
    const QString path = pickParaFile(686);
    if (path.isEmpty() || !readFile(path))
        return;
    // A value the set cannot hold refuses the whole file: the set and the
    // controller actuator data stay as they were.
    auto &s = Paradata();
    const ParaSetData set = s.ParaSet;
    const CtAxisData ct = s.Ct;
    if (ParaFile::LetParaRecToValue() != 0) {
        s.ParaSet = set;
        s.Ct = ct;
        MsgBox(ResText(681));
        return;
    }
    w.ShowParameters();
}

void SaveParaFile() { ParaFile::SaveParaFileDlg(); }

void LoadStdParameters(ParameterWindow &w)
{
    Paradata().KeepAxisMask = false;
    DevFlags().DevWinNoBack = true;
    OfflineActuatorWindow dlg(Shell::Get().MainWidget());
    Platform::Dialogs::ExecModal(dlg);
    if (dlg.DevCancelFlag)
        return;
    // The position window's flag: an axis in use without a device-list
    // record has no actuator to take standard values from.
    if (Posi().DevNotFoundFlag)
        return;
    if (StdPara::SetStandardParameters() == 0)
        w.ShowParameters();
}

} // namespace ParaFlows
