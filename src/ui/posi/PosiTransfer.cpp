#include "ui/posi/PosiTransfer.h"

#include "core/AppState.h"
#include "ui/common/Forms.h"
#include "ui/common/ChoiceDialog.h"
#include "link/AxisConfig.h"
#include "core/CommandSets.h"
#include "link/CommandFrames.h"
#include "ui/online/GoOnline.h"
#include "link/Indicators.h"
#include "paradata/DevSetting.h"
#include "paradata/DeviceList.h"
#include "link/CommandHost.h"
#include "link/CommandProcs.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "platform/Wait.h"
#include "posi/PosiCheck.h"
#include "posi/PosiCodec.h"
#include "posi/PosiDevice.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "ui/posi/PosiFileFlows.h"
#include "ui/posi/PosiWindow.h"
#include "ui/posi/PositionRangeDialogs.h"

#include <QMetaObject>
#include <QWidget>

using Platform::ResText;
using Platform::Dialogs::MsgBox;
using Platform::MsgAnswer;
using Platform::MsgButtons;
using Platform::MsgIcon;
namespace Host = Comm::CmdHost;

namespace PosiTransfer {
namespace {

// The grid takes input again and is redrawn after a command, whatever its
// outcome.
struct GridRelease {
    ~GridRelease() { PosiGrid::EndBulk(); }
};

void showCommError() { MsgBox(ResText(377), MsgButtons::Ok, MsgIcon::Critical); }

} // namespace

int ReadPosidataFromCt()
{
    AppState &app = App();
    PosiState &p = Posi();
    const int s = app.PosiNoStart, e = app.PosiNoEnd;
    if (s < 1 || e > kPosiMax)
        return 1;
    {
        Host::TransferProgress progress(e - s + 2, 368, true);
        for (int n = s; n <= e && !app.ComCancelFlag; ++n) {
            progress.setValueWithNextRequest(n - s);
            const auto reply = Comm::Exchange(PosiCodec::ReadCommand(n), PosiCodec::kReadReplyLen, 5000, 1);
            if (!reply) {
                Host::ClosePortIfFree();
                return 1;
            }
            p.WireText[static_cast<size_t>(n - 1)] = *reply;
        }
    }
    Host::ClosePortIfFree();
    if (app.ComCancelFlag)
        return 2;
    // Decode everything first: a damaged reply must not leave half a table.
    std::vector<PosiRecord> rows;
    rows.reserve(static_cast<size_t>(std::max(e - s + 1, 0)));
    for (int n = s; n <= e; ++n) {
        const auto rec = PosiCodec::DecodeReadReply(p.WireText[static_cast<size_t>(n - 1)], n);
        if (!rec) {
            showCommError();
            return 1;
        }
        rows.push_back(*rec);
    }
    for (int n = s; n <= e; ++n) {
        PosiRecord &dst = p.PosiDataRead[static_cast<size_t>(n)];
        const PosiRecord &src = rows[static_cast<size_t>(n - s)];
        for (int f = 1; f < PosiField::Comment; ++f)
            dst[f] = src[f];   // the comment is not kept in the controller
        p.PosiReadHeld[static_cast<size_t>(n)] = true;
    }
    return 0;
}

void PosidataGetfromCtProc()
{
    AppState &app = App();
    PosiState &p = Posi();
    app.ComCancelFlag = false;
    // Whichever way the read ends, the port is closed unless it is held.
    struct PortBack {
        ~PortBack() { Host::ClosePortIfFree(); }
    } portBack;

    p.PosiDataExistFlag = false;
    if (CheckPosiDataExist()) {
        const MsgAnswer a = MsgBox(ResText(369), MsgButtons::YesNoCancel, MsgIcon::Question);
        if (a == MsgAnswer::Cancel)
            return;
        // Unsaved edits are never overwritten: a save that did not go
        // through stops the read.
        if (a == MsgAnswer::Yes && PosiFileFlows::PosiDataSaveAs() != 0)
            return;
    }
    {
        TransferRangeDialog dlg;
        Platform::Dialogs::ExecModal(dlg);
    }
    if (app.SelectCancelFlag) {
        app.SelectCancelFlag = false;
        return;
    }
    if (MsgBox(ResText(370), MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok)
        return;
    if (!Online::GoOnlineOnDemand())
        return;
    app.ComCancelFlag = false;

    switch (Online::CompareCtAxisAndDevice()) {
    case -1:
        return;
    case 1: {
        const int choice = Choice::SetSelectionDlg(ResText(471), ResText(371), ResText(372), ResText(373), 0, 0, 0);
        if (choice < 0)
            return;
        if (choice == 0) {
            // Take the controller's axes and actuators as the PC's setting.
            if (Comm::ReadAxisConfigFromCt() != 0)
                return;
            if (Comm::ReadDeviceFromCt() != 0 || (DeviceList::CheckDeviceKind(), DevSetting::LetCtDeviceToPcDevice() != 0)) {
                Indicators::SetOfflineMode();
                PosiWindow::ChangeMenuDisp();
                return;
            }
            PosiWindow::AxisSettingChanged();
            app.OfflineFlag = false;
        }
        break;
    }
    default:
        break;
    }

    const int rc = ReadPosidataFromCt();
    if (rc == 2)
        MsgBox(ResText(425), MsgButtons::Ok, MsgIcon::Information);
    if (rc != 0)
        return;
    PosiTables::CopyPosiRecord();
    PosiDevice::PosiPulseToMm();
    // Only a read that succeeded changes the grid's range.
    app.DispNoStart = app.PosiNoStart;
    app.DispNoEnd = app.PosiNoEnd;
    PosiGrid::FillGridByMode();
    PosiWindow::SetCaption(ResText(202) + QStringLiteral("-[") + ResText(374) + QStringLiteral("]"));
    app.DataFileName = ResText(374);
    p.DataFilePath.clear();
}

int PosidataGetfromCt()
{
    CommandSets::BusyScope busy(true);
    // The move-test and teaching tabs are off for the transfer, online too.
    CommandSets::SetPosiTabEnabled(true);
    GridRelease grid;
    PosidataGetfromCtProc();
    return 0;
}

int CheckParametersBeforePositionWrite()
{
    AppState &app = App();
    PosiState &p = Posi();
    Comm::QueueState &q = Comm::Queues();
    Host::TransferProgress progress(4, 378, false);
    if (Host::OpenPort() != 0) {
        PosiGrid::InitCurrentCell();
        q.LinkFailed = false;
        return 1;
    }
    if (Comm::CommunicationModeOn(1) != 0 || q.LinkFailed) {
        q.LinkFailed = false;
        return 1;
    }
    if (Comm::ReadAxisConfigFromCt() != 0 || Comm::ReadMaxPulseFromCt() != 0)
        return 1;
    const auto maxPulse = Paradata().Ct.CtMaxPulse;
    for (int a = 0; a < 4; ++a)
        progress.setValue(a + 1);

    PosiTables::ClearPosiFlags();
    p.PosiErrCount = 0;
    PosiGrid::BeginBulk();
    for (int n = std::max(app.PosiNoStart, 1); n <= std::min(app.PosiNoEnd, kPosiMax); ++n) {
        if (p.PosiErrRow[static_cast<size_t>(n - 1)])
            continue;
        bool flagged = false;
        for (int a = 0; a < 4; ++a) {
            if (app.AxisNotUsed[static_cast<size_t>(a)])
                continue;
            // The pulses the write will send (the check has just taken the
            // grid over, a program-mode prefix included).
            const int32_t value = p.PosiData[static_cast<size_t>(n)][PosiField::Position(a)].whole().value_or(INT32_MAX);
            if (maxPulse[static_cast<size_t>(a)] < value) {
                p.PosiErrFlag[static_cast<size_t>(n)][static_cast<size_t>(PosiField::Position(a))] = true;
                flagged = true;
            }
        }
        if (flagged) {
            p.PosiErrFlag[static_cast<size_t>(n)][28] = true;
            ++p.PosiErrCount;
        }
    }
    PosiGrid::InitCurrentCell();
    PosiGrid::EndBulk();
    if (p.PosiErrCount == 0)
        return 0;
    PosiCheck::ShowCheckResult();
    return 1;
}

int WritePosidataToCt()
{
    AppState &app = App();
    PosiState &p = Posi();
    const int s = app.PosiNoStart, e = app.PosiNoEnd;
    if (s < 1 || e > kPosiMax)
        return 1;
    for (int n = s; n <= e; ++n)
        if (!p.PosiErrRow[static_cast<size_t>(n - 1)])
            p.WireText[static_cast<size_t>(n - 1)] = PosiCodec::WriteData(n, p.PosiData[static_cast<size_t>(n)]);
    {
        Host::TransferProgress progress(e - s + 1, 383, true);
        int done = 0;
        for (int n = s; n <= e; ++n) {
            if (!p.PosiErrRow[static_cast<size_t>(n - 1)]) {
                const QString frame = PosiCodec::WriteCommand(p.WireText[static_cast<size_t>(n - 1)]);
                const auto reply = Comm::Exchange(frame, PosiCodec::kWriteReplyLen, 5000, 1);
                if (!reply) {
                    Host::ClosePortIfFree();
                    return 1;
                }
                if (!Comm::Frames::EchoMatches(*reply, frame, 6)) {
                    Comm::CmdHost::ShowDataWrong();
                    Host::ClosePortIfFree();
                    return 1;
                }
            }
            progress.setValueWithNextRequest(++done);
            if (app.ComCancelFlag)
                break;
        }
        // Stores what was sent, also after a cancel.
        if (Comm::StorePosiDataInCt(s, e) != 0) {
            Host::ClosePortIfFree();
            return 1;
        }
    }
    if (app.ComCancelFlag)
        return 2;
    Host::ClosePortIfFree();
    return 0;
}

void PosidataLoadtoCtProc()
{
    AppState &app = App();
    app.ComCancelFlag = false;
    struct GridBack {
        ~GridBack()
        {
            PosiGrid::EndBulk();
            PosiGrid::InitCurrentCell();
            Host::ClosePortIfFree();
        }
    } gridBack;

    if (PosiGrid::Check_flgdLineNo() == 1)
        return;
    {
        PositionRangeDialog dlg;
        Platform::Dialogs::ExecModal(dlg);
    }
    if (app.SelectCancelFlag) {
        app.SelectCancelFlag = false;
        return;
    }
    if (PosiCheck::CheckGridPositions() == 1)
        return;
    if (MsgBox(ResText(375), MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok)
        return;
    if (!Online::GoOnlineOnDemand())
        return;
    app.ComCancelFlag = false;
    Platform::DoEvents();
    switch (Comm::CheckCtAxisStop()) {
    case 0:
        MsgBox(ResText(424), MsgButtons::Ok, MsgIcon::Warning);
        return;
    case 1:
        break;
    default:
        return;
    }
    int modeNo = 1;
    if (Comm::SetCommunicationMode(0, modeNo, 0) != 0) {
        showCommError();
        return;
    }
    if (Comm::ReadAxisConfigFromCt() != 0) {
        showCommError();
        return;
    }
    if (CheckParametersBeforePositionWrite() != 0)
        return;
    if (WritePosidataToCt() != 0)
        return;
    modeNo = 0;
    if (Comm::SetCommunicationMode(0, modeNo, 0) != 0)
        showCommError();
    MsgBox(ResText(376), MsgButtons::Ok, MsgIcon::Information);
}

int PosidataLoadtoCt()
{
    CommandSets::BusyScope busy;
    CommandSets::SetPosiTabEnabled(true);
    GridRelease grid;
    PosidataLoadtoCtProc();
    return 0;
}

} // namespace PosiTransfer
