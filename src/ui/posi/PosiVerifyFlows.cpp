#include "ui/posi/PosiVerifyFlows.h"

#include "core/AppState.h"
#include "core/CommandSets.h"
#include "core/FixedText.h"
#include "core/Shell.h"
#include "link/CommandHost.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiCheck.h"
#include "posi/PosiFile.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "posi/PosiVerify.h"
#include "ui/online/GoOnline.h"
#include "ui/posi/PosiTransfer.h"
#include "ui/posi/PositionRangeDialogs.h"
#include "ui/posi/VerifyResultWindow.h"

using Platform::ResLines;
using Platform::ResText;
using Platform::MsgButtons;
using Platform::MsgIcon;
using Platform::Dialogs::MsgBox;

namespace PosiVerifyFlows {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Whichever way a verification ends, its flags are cleared and the grid
// takes input again.
struct FlagsBack {
    ~FlagsBack()
    {
        PosiTables::ClearPosiFlags();
        Posi().PosiErrCount = 0;
        PosiGrid::EndBulk();
    }
};

// Compares and shows the outcome: the result window, or the OK message
// whose first line names the reference.
void compareAndShow(const QString &okFirstLine)
{
    if (PosiVerify::ComparePositionData() == 1) {
        Posi().VerifyMode = true;
        VerifyResult::Show();
        return;
    }
    MsgBox(okFirstLine + kCrLf + kCrLf + ResText(826), MsgButtons::Ok, MsgIcon::Information);
}

} // namespace

int VerifyPositionsWithFile()
{
    AppState &app = App();
    PosiState &p = Posi();
    FlagsBack flagsBack;
    app.PosiNoStart = app.DispNoStart;
    app.PosiNoEnd = app.DispNoEnd;
    // Data the check refuses are not in the tables: nothing to compare.
    if (PosiCheck::CheckGridPositions() != 0)
        return 1;

    Platform::FileFilter f;
    f.title = ResText(350);
    f.filter = ResText(351);
    const QString path = Platform::Dialogs::GetOpenFileName(f);
    if (path.isEmpty())
        return 1;

    p.FileReadError = false;
    const int rc = PosiFile::ReadPosiFileRetrying(path);
    if (rc == PosiFile::ReadError) {
        MsgBox(PosiFile::ReadErrorMessage(), MsgButtons::Ok, MsgIcon::Critical);
        return 1;
    }
    if (rc != PosiFile::ReadOk)
        return 1;   // not a position file, or no positions: already reported
    if (p.FilePrgMode != app.PrgModeFlag) {
        MsgBox(ResLines({330, 331}), MsgButtons::Ok, MsgIcon::Critical);
        return 1;
    }

    const bool common = PosiTables::GetCommonPosiRange() == 0;
    {
        VerifyRangeDialog dlg;
        if (!common)
            dlg.SetNoCommonRange();
        Platform::Dialogs::ExecModal(dlg);
    }
    if (app.SelectCancelFlag) {
        app.SelectCancelFlag = false;
        return 1;
    }
    // With nothing in common there is nothing to compare.
    if (!common)
        return 1;
    compareAndShow(ResText(352) + path + ResText(353));
    return 0;
}

int VerifyPositionsWithCt()
{
    AppState &app = App();
    FlagsBack flagsBack;
    {
        PositionRangeDialog dlg;
        Platform::Dialogs::ExecModal(dlg);
    }
    if (app.SelectCancelFlag) {
        app.SelectCancelFlag = false;
        return 1;
    }
    app.ComCancelFlag = false;
    if (PosiCheck::CheckGridPositions() != 0)
        return 1;
    if (!Online::GoOnlineOnDemand())
        return 1;
    app.ComCancelFlag = false;
    switch (PosiTransfer::ReadPosidataFromCt()) {
    case 0:
        break;
    case 2:
        MsgBox(ResText(440), MsgButtons::Ok, MsgIcon::Information);
        Comm::CmdHost::ClosePortIfFree();
        return 1;
    default:
        return 1;   // reported by the read
    }
    Comm::CmdHost::ClosePortIfFree();
    compareAndShow(ResText(354));
    return 0;
}

void cmdPosiVerify_Click()
{
    CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
    if (PosiGrid::Check_flgdLineNo() == 0)
        VerifyPositionsWithFile();
}

void cmdPosiVerifyCt_Click()
{
    CommandSets::BusyScope busy;
    CommandSets::SetPosiTabEnabled(true);
    if (PosiGrid::Check_flgdLineNo() == 0)
        VerifyPositionsWithCt();
}

} // namespace PosiVerifyFlows
