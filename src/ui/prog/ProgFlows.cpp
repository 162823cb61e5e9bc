#include "ui/prog/ProgFlows.h"

#include "core/AppState.h"
#include "core/Module1Text.h"
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
#include "ui/prog/frmProg.h"
#include "ui/prog/frmProgNo.h"
#include "ui/prog/frmProgSyogokekka.h"

#include <QFileInfo>

using Platform::MsgAnswer;
using Platform::MsgButtons;
using Platform::MsgIcon;
using Platform::ResLines;
using Platform::ResText;
using Platform::Dialogs::MsgBox;
namespace Host = Module3Tusin::CmdHost;

namespace ProgFlows {
namespace {

// The window's grid is silent and takes no edits while a flow changes it,
// and is shown again, the window no longer busy, on every way out.
struct GridBracket {
    frmProg &w;
    explicit GridBracket(frmProg &win) : w(win)
    {
        w.ProgBusyFlag = true;
        w.FGProg_InitPos();
        w.FGProg_HighSyoriStart();
        w.flgdProg->SetEditable(false);
    }
    ~GridBracket()
    {
        w.flgdProg->SetEditable(true);
        w.FGProg_HighSyoriEnd();
        w.ProgBusyFlag = false;
        w.flgdProgView->setFocus();
    }
};

} // namespace

int CheckShowingPane(frmProg &w, int quiet)
{
    if (w.ProgDataCheck(quiet) == 0)
        return 0;
    if (w.Doc.Check.ErrCount > 0) {
        w.ErrPaneFlag = true;
        w.ShowErrPane();
    }
    return 1;
}

int EnsureProgStepSu()
{
    if (Module3Tusin::Commands().ProgStepSuKnown)
        return 0;
    int rc;
    {
        Host::TransferProgress progress(Module3Tusin::Frames::kProgramCount, 368, true);
        rc = Module3Tusin::ReadAllProgStepSuFromCt();
        if (rc == 0)
            Module1::mmsecWait(100);
    }
    if (rc != 0)
        Module3Tusin::CloseCommPortIfFree();
    return rc;
}

bool AskProgNo()
{
    AppState &a = App();
    a.ProgNoCancel = false;
    {
        // Over the main window, like every dialog of the flows.
        frmProgNo dlg(Shell::Get().MainWidget());
        Platform::Dialogs::ExecModal(dlg);
    }
    if (a.ProgNoCancel) {
        a.ProgNoCancel = false;
        return false;
    }
    return true;
}

void ProgDataWrite2Ct(frmProg &w)
{
    AppState &a = App();
    // Every window's commands off; on again at the end with the position
    // tabs by the link state and the menus by the mode.
    Module1::BusyScope busy({.busyFlag = false});
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
    if (EnsureProgStepSu() != 0)
        return;
    if (!AskProgNo())
        return;
    const int p = a.SelProgNo;
    if (w.Check_ProgramStepSu(p) != 0) {
        MsgBox(ResText(453) + QString::number(p) + ResText(454) + QString::number(Module4Prog::GetProgStepMax(p))
                   + ResText(455),
               MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    const int still = Module3Tusin::CheckCtAxisStop();
    if (still != 1) {
        if (still == 0)
            MsgBox(ResText(424));
        Module3Tusin::CloseCommPortIfFree();
        return;
    }
    int modeNo = 1;
    if (Module3Tusin::TusinModeSet(0, modeNo, 0) != 0) {
        MsgBox(ResText(377), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    if (w.WriteProgdataToCt(p) != 0)
        return;
    modeNo = 0;
    if (Module3Tusin::TusinModeSet(0, modeNo, 0) == 0) {
        MsgBox(ResText(376));
        w.LetCopyProgNo(p);
    }
    int count;
    {
        Host::TransferProgress progress(100, 368, true);
        count = Module3Tusin::ReadProgStepSuFromCt(p);
        if (count >= 0) {
            progress.setValue(100);
            Module3Tusin::Commands().ProgStepSu[static_cast<size_t>(p)] = count;
            Module1::mmsecWait(100);
        }
    }
    Module3Tusin::CloseCommPortIfFree();
    if (count < 0)
        return;
    if (!a.ComCancelFlag)
        w.setWindowTitle(QStringLiteral("Program ") + QString::number(p));
    else
        a.ComCancelFlag = false;
}

void ProgDataGetfromCt(frmProg &w)
{
    if (w.ReadProgDataFromCt(App().SelProgNo) != 0)
        MsgBox(ResText(425));
}

void ProgDataSaveAs(frmProg &w)
{
    Module1::BusyScope busy(Module1::kCommandsOnly);
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
    w.SaveFileProgAs2(path);
}

void ProgDataPrint(frmProg &w)
{
    Module1::BusyScope busy(Module1::kCommandsOnly);
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

void ProgVerifyCt(frmProg &w)
{
    AppState &a = App();
    Module1::BusyScope busy({.busyFlag = false});
    GridBracket grid(w);
    if (ProgData::TakeOver(w.Doc) != 0 || CheckShowingPane(w, 0) != 0)
        return;
    if (!Online::GoOnlineOnDemand())
        return;
    if (EnsureProgStepSu() != 0)
        return;
    Shell::Get().ProgressHide();
    Module3Tusin::CloseCommPortIfFree();
    if (a.ComCancelFlag) {
        a.ComCancelFlag = false;
        return;
    }
    if (!AskProgNo())
        return;
    // Read aside: a failed read leaves the window's program as it was.
    std::vector<ProgData::ProgStep> read;
    if (Module3Tusin::ReadProgFromCt(a.SelProgNo, read) != 0)
        return;
    w.Doc.ProgDARead = std::move(read);
    if (ProgVerify::ProgDataVerifyProc(w.Doc.ProgDA, w.Doc.ProgDARead) == 0) {
        MsgBox(ResText(354) + QStringLiteral("\r\n\r\n") + ResText(826));
    } else {
        frmProgSyogokekka result(&w);
        Platform::Dialogs::ExecModal(result);
    }
    ProgVerify::ProgSyogoDA_init();
}

void ProgDataFileOpen(frmProg &w)
{
    w.ProgCMDBTN_Muko();
    w.EditProgCMD_Muko();
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
        w.ProgDataHyoji2();
    }
    w.ProgCMDBTN_Yuko();
}

} // namespace ProgFlows
