#include "ui/prog/ProgFlows.h"

#include "core/AppState.h"
#include "platform/Wait.h"
#include "core/CommandSets.h"
#include "core/Shell.h"
#include "link/CommandHost.h"
#include "link/CommandProcs.h"
#include "link/CommandState.h"
#include "link/Engine.h"
#include "link/ProgTransfer.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiFile.h"
#include "prog/CommandList.h"
#include "prog/ProgFile.h"
#include "prog/ProgVerify.h"
#include "prog/ProgWire.h"
#include "ui/online/GoOnline.h"
#include "ui/prog/ProgGridView.h"
#include "ui/prog/ProgramWindow.h"
#include "ui/prog/ProgramNumberDialog.h"
#include "ui/prog/ProgramVerifyResultWindow.h"

#include <QFileInfo>

using Platform::MsgAnswer;
using Platform::MsgButtons;
using Platform::MsgIcon;
using Platform::ResLines;
using Platform::ResText;
using Platform::Dialogs::MsgBox;
namespace Host = Comm::CmdHost;

namespace ProgFlows {
namespace {

// The window's grid is silent and takes no edits while a flow changes it,
// and is shown again, the window no longer busy, on every way out.
struct GridBracket {
    ProgramWindow &w;
    explicit GridBracket(ProgramWindow &win) : w(win)
    {
        w.ProgBusyFlag = true;
        w.ProgGrid_InitCurrentCell();
        w.ProgGrid_BeginBulk();
        w.flgdProg->SetEditable(false);
    }
    ~GridBracket()
    {
        w.flgdProg->SetEditable(true);
        w.ProgGrid_EndBulk();
        w.ProgBusyFlag = false;
        w.flgdProgView->setFocus();
    }
};

} // namespace

int CheckShowingPane(ProgramWindow &w, int quiet)
{
    if (w.ProgDataCheck(quiet) == 0)
        return 0;
    if (w.Doc.Check.ErrCount > 0) {
        w.ErrPaneFlag = true;
        w.ShowErrPane();
    }
    return 1;
}

int EnsureProgStepCounts()
{
    if (Comm::Commands().ProgStepCountKnown)
        return 0;
    int rc;
    {
        Host::TransferProgress progress(Comm::Frames::kProgramCount, 368, true);
        rc = Comm::ReadAllProgStepCountsFromCt();
        if (rc == 0)
            Platform::WaitMs(100);
    }
    if (rc != 0)
        Comm::CloseCommPortIfFree();
    return rc;
}

bool AskProgNo()
{
    AppState &a = App();
    a.ProgNoCancel = false;
    {
        // Over the main window, like every dialog of the flows.
        ProgramNumberDialog dlg(Shell::Get().MainWidget());
        Platform::Dialogs::ExecModal(dlg);
    }
    if (a.ProgNoCancel) {
        a.ProgNoCancel = false;
        return false;
    }
    return true;
}

void ProgDataWriteToCt(ProgramWindow &w)
{
    AppState &a = App();
    // Every window's commands off; on again at the end with the position
    // tabs by the link state and the menus by the mode.
    CommandSets::BusyScope busy({.busyFlag = false});
    GridBracket grid(w);

    if (ProgData::TakeOver(w.Doc) != 0 || CheckShowingPane(w, 0) != 0)
        return;
    // A code too wide for its field would reach the controller as "X":
    // the program is refused before anything is sent.
    if (ProgWire::FirstUnfitLine(w.Doc.ProgDA) != 0) {
        MsgBox(ResLines({134, 135}));
        return;
    }
    if (!Online::GoOnlineOnDemand())
        return;
    if (EnsureProgStepCounts() != 0)
        return;
    if (!AskProgNo())
        return;
    const int p = a.SelProgNo;
    if (w.CheckProgramStepCount(p) != 0) {
        MsgBox(ResText(453) + QString::number(p) + ResText(454) + QString::number(Programs::GetProgStepMax(p))
                   + ResText(455),
               MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    const int still = Comm::CheckCtAxisStop();
    if (still != 1) {
        if (still == 0)
            MsgBox(ResText(424));
        Comm::CloseCommPortIfFree();
        return;
    }
    int modeNo = 1;
    if (Comm::SetCommunicationMode(0, modeNo, 0) != 0) {
        MsgBox(ResText(377), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    if (w.WriteProgdataToCt(p) != 0)
        return;
    modeNo = 0;
    if (Comm::SetCommunicationMode(0, modeNo, 0) == 0) {
        MsgBox(ResText(376));
        w.LetCopyProgNo(p);
    }
    int count;
    {
        Host::TransferProgress progress(100, 368, true);
        count = Comm::ReadProgStepCountFromCt(p);
        if (count >= 0) {
            progress.setValue(100);
            Comm::Commands().ProgStepCount[static_cast<size_t>(p)] = count;
            Platform::WaitMs(100);
        }
    }
    Comm::CloseCommPortIfFree();
    if (count < 0)
        return;
    if (!a.ComCancelFlag)
        w.setWindowTitle(QStringLiteral("Program ") + QString::number(p));
    else
        a.ComCancelFlag = false;
}

void ProgDataSaveAs(ProgramWindow &w)
{
    CommandSets::BusyScope busy(CommandSets::kCommandsOnly);
    GridBracket grid(w);
    if (ProgData::TakeOver(w.Doc) != 0)
        return;
    const bool errors = CheckShowingPane(w, 1) != 0;
    if (MsgBox(ResText(errors ? 441 : 405), MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok)
        return;
    Platform::FileFilter f;
    f.title = ResText(436);
    f.filter = ResText(437);
    f.initialName = ResText(438);
    QString path = Platform::Dialogs::GetSaveFileName(f);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".prg");
    w.SaveFileProgAs(path);
}

void ProgDataPrint(ProgramWindow &w)
{
    CommandSets::BusyScope busy(CommandSets::kCommandsOnly);
    GridBracket grid(w);
    if (ProgData::TakeOver(w.Doc) != 0)
        return;
    if (CheckShowingPane(w, 1) != 0
        && MsgBox(ResText(441), MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok)
        return;
    if (MsgBox(ResText(1032), MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok)
        return;
    w.GetPrintProgName();
    w.PrintProgramData();
}

void ProgVerifyCt(ProgramWindow &w)
{
    AppState &a = App();
    CommandSets::BusyScope busy({.busyFlag = false});
    GridBracket grid(w);
    if (ProgData::TakeOver(w.Doc) != 0 || CheckShowingPane(w, 0) != 0)
        return;
    if (!Online::GoOnlineOnDemand())
        return;
    if (EnsureProgStepCounts() != 0)
        return;
    Shell::Get().ProgressHide();
    Comm::CloseCommPortIfFree();
    if (a.ComCancelFlag) {
        a.ComCancelFlag = false;
        return;
    }
    if (!AskProgNo())
        return;
    // Read aside: a failed read leaves the window's program as it was.
    std::vector<ProgData::ProgStep> read;
    if (Comm::ReadProgFromCt(a.SelProgNo, read) != 0)
        return;
    w.Doc.ProgDARead = std::move(read);
    if (ProgVerify::ProgDataVerifyProc(w.Doc.ProgDA, w.Doc.ProgDARead) == 0) {
        MsgBox(ResText(354) + QStringLiteral("\r\n\r\n") + ResText(826));
    } else {
        ProgramVerifyResultWindow result(&w);
        Platform::Dialogs::ExecModal(result);
    }
    ProgVerify::InitProgVerifyDA();
}

void ProgDataFileOpen(ProgramWindow &w)
{
    w.ProgramCommandsOff();
    w.ProgramEditCommandsOff();
    Platform::FileFilter f;
    f.title = ResText(130);
    f.filter = ResText(131);
    const QString path = Platform::Dialogs::GetOpenFileName(f);
    if (path.isEmpty()) {
        MsgBox(ResText(367));
    } else if (w.OpenProgFile(path) == ProgFile::ReadOk) {
        App().DataFileName = PosiFile::TitleOf(path);
        w.setWindowTitle(ProgFile::CaptionOf(path));
        w.Doc.ProgChangeFlag = false;
        w.LetCopyProgNo(1);
        w.ShowProgramFileData();
    }
    w.ProgramCommandsOn();
}

} // namespace ProgFlows
