#include "ui/grpsm/GrpSmFlows.h"

#include "core/AppState.h"
#include "platform/Wait.h"
#include "core/ItemFile.h"
#include "grpsm/GrpSmFiles.h"
#include "print/PrintGrpSm.h"
#include "grpsm/GrpSmTables.h"
#include "core/CommandSets.h"
#include "core/Shell.h"
#include "link/CommandProcs.h"
#include "link/Indicators.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "ui/online/GoOnline.h"

#include <QFileInfo>
#include <functional>

using Platform::ResLines;
using Platform::ResText;
using Platform::MsgAnswer;
using Platform::MsgButtons;
using Platform::MsgIcon;
namespace Dlg = Platform::Dialogs;

namespace GrpSmFlows {
namespace {

// File commands try a read or a write four times, 100 ms apart.
constexpr int kFileTries = 4;
constexpr int kRetryWaitMs = 100;
const QString kIndicatedData = QStringLiteral("INDICATED DATA");

void say(const QString &text) { Dlg::MsgBox(text); }
void say(int id) { say(ResText(id)); }
bool confirmed(int id, MsgButtons buttons)
{
    const MsgAnswer a = Dlg::MsgBox(ResText(id), buttons, MsgIcon::Question);
    return a == MsgAnswer::Ok || a == MsgAnswer::Yes;
}

// FileBusy for the run of a file or print command.
struct FileBusyScope {
    FileBusyScope() { App().FileBusy = true; }
    ~FileBusyScope() { App().FileBusy = false; }
    FileBusyScope(const FileBusyScope &) = delete;
    FileBusyScope &operator=(const FileBusyScope &) = delete;
};

// The hourglass for a stretch of a command, restored on every way out.
struct Hourglass {
    Hourglass() { Shell::Get().BusyPointer(true); }
    ~Hourglass() { Shell::Get().BusyPointer(false); }
    Hourglass(const Hourglass &) = delete;
    Hourglass &operator=(const Hourglass &) = delete;
};

// Reads with retries: true when read. A file that is not of this kind has
// shown its message and is not read again; a file that cannot be read is
// tried four times, then the error text is shown once, with what is wrong
// with the file on a line of its own when the last read could say it.
bool readWithRetry(const std::function<int()> &read, int errorTextId)
{
    for (int attempt = 1; attempt <= kFileTries; ++attempt) {
        const int rc = read();
        if (rc == GrpSm::FileReadOk)
            return true;
        if (rc == GrpSm::FileNotOurs)
            return false;
        if (attempt < kFileTries)
            Platform::WaitMs(kRetryWaitMs);
    }
    say(ItemFile::ReadMessage(errorTextId, GrpSm::Tables().FileReadFault));
    return false;
}

bool writeWithRetry(const std::function<int()> &write, int errorTextId)
{
    for (int attempt = 1; attempt <= kFileTries; ++attempt) {
        if (write() == 0)
            return true;
        if (attempt < kFileTries)
            Platform::WaitMs(kRetryWaitMs);
    }
    say(errorTextId);
    return false;
}

QString openDialog(int titleId, int filterId)
{
    Platform::FileFilter f;
    f.title = ResText(titleId);
    f.filter = ResText(filterId);
    return Dlg::GetOpenFileName(f);
}

// The save dialog with the proposed name; a name typed without extension
// gets the default one.
QString saveDialog(int titleId, int filterId, int nameId, const QString &defaultExt)
{
    Platform::FileFilter f;
    f.title = ResText(titleId);
    f.filter = ResText(filterId);
    f.initialName = ResText(nameId);
    QString path = Dlg::GetSaveFileName(f);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + defaultExt;
    return path;
}

QString fileTitle(const QString &path) { return QFileInfo(path).fileName(); }

// ---- groups ------------------------------------------------------------

const QString kGrpExt = QStringLiteral("grp");

// The whole table is checked; 820 / 821 when a group is invalid.
bool grpDataValid()
{
    auto &t = GrpSm::Tables();
    t.GrpNoStart = 1;
    t.GrpNoEnd = GrpSm::kGroupCount;
    if (GrpSm::GrpData_Check() == 0)
        return true;
    say(ResLines({820, 821}));
    return false;
}

void showGrpVerifyResult()
{
    const auto &t = GrpSm::Tables();
    if (t.GrpVerifyNG)
        say(ResLines({823, 824}) + QStringLiteral("\r\n") + ResText(825) + t.GrpVerifyNgList);
    else
        say(826);
}

bool readGrpFileWithRetry(const QString &path)
{
    return readWithRetry([&] { return GrpSm::ReadGrpFile(path, fileTitle(path)); }, 484);
}

// ---- macros ------------------------------------------------------------

bool smDataValid()
{
    if (GrpSm::SmData_Check() == 0)
        return true;
    say(ResLines({921, 922, 938}, true) + QStringLiteral("\r\n\r\n") + GrpSm::Tables().SmErrNoList);
    return false;
}

void showSmVerifyResult()
{
    if (GrpSm::MakeSqMcrDataStr() == 1)
        say(ResLines({923, 924}) + QStringLiteral("\r\n") + ResText(925) + GrpSm::Tables().SmVerifyNgList);
    else
        say(926);
}

bool readSmFileWithRetry(const QString &path)
{
    return readWithRetry([&] { return GrpSm::OpenSMFile(path); }, 931);
}

int modeSet(int modeNo)
{
    return Comm::SetCommunicationMode(0, modeNo, 0);
}

} // namespace

// ---- groups ------------------------------------------------------------

void GrpDataCtRead(View &view)
{
    if (!confirmed(835, MsgButtons::OkCancel))
        return;
    if (!Online::GoOnlineOnDemand())
        return;
    App().ComCancelFlag = false;
    switch (Comm::ReadGrpDataFromCt()) {
    case 0:
        GrpSm::LetGrpBufToData();
        view.ShowData();
        break;
    case 2:
        say(425);
        break;
    default:
        Indicators::SetOfflineMode();
        break;
    }
}

void GrpDataCtWrite(View &)
{
    auto &t = GrpSm::Tables();
    t.GrpNoStart = 1;
    t.GrpNoEnd = GrpSm::kGroupCount;
    if (GrpSm::GrpData_Check() != 0) {
        say(ResLines({820, 836, 837, 838}));
        return;
    }
    if (!confirmed(839, MsgButtons::YesNo))
        return;
    if (!Online::GoOnlineOnDemand())
        return;
    switch (Comm::CheckCtAxisStop()) {
    case 0:
        say(424);
        return;
    case 1:
        break;
    default:
        say(377);
        return;
    }
    if (modeSet(1) != 0) {
        say(377);
        return;
    }
    App().ComCancelFlag = false;
    // A failed transfer has shown its message; the mode is left as it is.
    if (Comm::WriteGrpDataToCt() != 0)
        return;
    if (modeSet(0) != 0)
        say(377);
}

void VerifyGroupsWithCt(View &)
{
    if (!grpDataValid())
        return;
    if (!Online::GoOnlineOnDemand())
        return;
    App().ComCancelFlag = false;
    switch (Comm::ReadGrpDataFromCt()) {
    case 0:
        GrpSm::MakeGrpDataStr();
        showGrpVerifyResult();
        break;
    case 2:
        say(425);
        break;
    default:
        break;
    }
}

void GrpDataFileOpen(View &view)
{
    const QString path = openDialog(827, 828);
    if (path.isEmpty())
        return;
    if (!readGrpFileWithRetry(path))
        return;
    GrpSm::LetGrpBufToData();
    view.ShowData();
}

void GrpDataFileSave(View &)
{
    if (!grpDataValid())
        return;
    const QString path = saveDialog(832, 831, 833, kGrpExt);
    if (path.isEmpty())
        return;
    writeWithRetry([&] { return GrpSm::WriteGrpFile(path); }, 18);
}

void VerifyGroupsWithFile(View &)
{
    if (!grpDataValid())
        return;
    const QString path = openDialog(834, 831);
    if (path.isEmpty())
        return;
    if (!readGrpFileWithRetry(path))
        return;
    GrpSm::MakeGrpDataStr();
    showGrpVerifyResult();
}

void GrpDataDispPrint(View &)
{
    if (!grpDataValid())
        return;
    auto &t = GrpSm::Tables();
    GrpSm::LetGrpDataToBuf();
    t.GrpPrintDataName = kIndicatedData;
    PrintGrpSm::PrintGrpData(t.GrpDataBuf, t.GrpPrintDataName);
}

void GrpDataFilePrint(View &)
{
    if (!grpDataValid())
        return;
    if (!confirmed(829, MsgButtons::OkCancel))
        return;
    const QString path = openDialog(830, 831);
    if (path.isEmpty())
        return;
    if (!readGrpFileWithRetry(path))
        return;
    const auto &t = GrpSm::Tables();
    PrintGrpSm::PrintGrpData(t.GrpDataBuf, t.GrpPrintDataName);
}

void RunGrpCommand(GrpCommand c, View &view)
{
    view.TakeTypedValue();
    switch (c) {
    case GrpCommand::CtRead:
    case GrpCommand::CtWrite:
    case GrpCommand::CtVerify: {
        CommandSets::BusyScope busy;
        if (c == GrpCommand::CtRead)
            GrpDataCtRead(view);
        else if (c == GrpCommand::CtWrite)
            GrpDataCtWrite(view);
        else
            VerifyGroupsWithCt(view);
        return;
    }
    default:
        break;
    }
    FileBusyScope fileBusy;
    CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
    switch (c) {
    case GrpCommand::FileOpen: GrpDataFileOpen(view); break;
    case GrpCommand::FileSave: GrpDataFileSave(view); break;
    case GrpCommand::FileVerify: VerifyGroupsWithFile(view); break;
    case GrpCommand::DispPrint: GrpDataDispPrint(view); break;
    case GrpCommand::FilePrint: GrpDataFilePrint(view); break;
    default: break;
    }
}

// ---- macros ------------------------------------------------------------

void SmDataCtRead(View &view)
{
    if (!confirmed(920, MsgButtons::OkCancel))
        return;
    if (!Online::GoOnlineOnDemand())
        return;
    if (Comm::ReadSqMcrFromCt() == 1)
        return;
    GrpSm::LetSqMcrBufToData();
    view.ShowData();
}

void SmDataCtWrite(View &)
{
    if (!smDataValid())
        return;
    if (!confirmed(937, MsgButtons::YesNo))
        return;
    if (!Online::GoOnlineOnDemand())
        return;
    enum class Outcome { Moving, LinkError, Written } outcome;
    int modeResult = 0;
    {
        Hourglass busyPointer;
        switch (Comm::CheckCtAxisStop()) {
        case 0:
            outcome = Outcome::Moving;
            break;
        case 1:
            if (modeSet(1) != 0) {
                outcome = Outcome::LinkError;
                break;
            }
            App().ComCancelFlag = false;
            // The transfer shows its own failures; the mode is set back anyway.
            Comm::WriteSqMcrToCt();
            modeResult = modeSet(0);
            outcome = Outcome::Written;
            break;
        default:
            outcome = Outcome::LinkError;
            break;
        }
    }
    switch (outcome) {
    case Outcome::Moving: say(424); break;
    case Outcome::LinkError: say(377); break;
    case Outcome::Written:
        if (modeResult == 1)
            say(377);
        break;
    }
}

void VerifyMacrosWithCt(View &)
{
    if (!smDataValid())
        return;
    if (!Online::GoOnlineOnDemand())
        return;
    App().ComCancelFlag = false;
    if (Comm::ReadSqMcrFromCt() == 1)
        return;
    showSmVerifyResult();
}

void SmDataFileOpen(View &view)
{
    const QString path = openDialog(928, 930);
    if (path.isEmpty())
        return;
    Hourglass busyPointer;
    if (!readSmFileWithRetry(path))
        return;
    GrpSm::LetSqMcrBufToData();
    view.ShowData();
}

void SmDataFileSave(View &)
{
    if (!smDataValid())
        return;
    const QString path = saveDialog(933, 930, 934, ResText(929));
    if (path.isEmpty())
        return;
    Hourglass busyPointer;
    writeWithRetry([&] { return GrpSm::WriteSqMcrFile(path); }, 935);
}

void VerifyMacrosWithFile(View &)
{
    if (!smDataValid())
        return;
    const QString path = openDialog(936, 930);
    if (path.isEmpty())
        return;
    Hourglass busyPointer;
    if (!readSmFileWithRetry(path))
        return;
    showSmVerifyResult();
}

void SmDataDispPrint(View &)
{
    if (!smDataValid())
        return;
    if (!confirmed(927, MsgButtons::OkCancel))
        return;
    auto &t = GrpSm::Tables();
    t.SqMcrNoStart = 1;
    t.SqMcrNoEnd = GrpSm::kMacroCount;
    GrpSm::LetSqMcrDataToBuf();
    t.SqMcrPrintDataName = kIndicatedData;
    PrintGrpSm::PrintSqMcr(t.SmDataBuf, t.SqMcrNoStart, t.SqMcrNoEnd, t.SqMcrPrintDataName);
}

void SmDataFilePrint(View &)
{
    const QString path = openDialog(932, 930);
    if (path.isEmpty())
        return;
    auto &t = GrpSm::Tables();
    t.SqMcrNoStart = 1;
    t.SqMcrNoEnd = GrpSm::kMacroCount;
    if (!readSmFileWithRetry(path))
        return;
    t.SqMcrPrintDataName = fileTitle(path);
    PrintGrpSm::PrintSqMcr(t.SmDataBuf, t.SqMcrNoStart, t.SqMcrNoEnd, t.SqMcrPrintDataName);
}

void RunSmCommand(SmCommand c, View &view)
{
    view.TakeTypedValue();
    switch (c) {
    case SmCommand::CtRead:
    case SmCommand::CtWrite:
    case SmCommand::CtVerify: {
        CommandSets::BusyScope busy;
        if (c == SmCommand::CtRead)
            SmDataCtRead(view);
        else if (c == SmCommand::CtWrite)
            SmDataCtWrite(view);
        else
            VerifyMacrosWithCt(view);
        return;
    }
    default:
        break;
    }
    FileBusyScope fileBusy;
    CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
    switch (c) {
    case SmCommand::FileOpen:
        SmDataFileOpen(view);
        view.CommandsOnAgain();
        break;
    case SmCommand::FileSave: SmDataFileSave(view); break;
    case SmCommand::FileVerify: VerifyMacrosWithFile(view); break;
    case SmCommand::DispPrint: SmDataDispPrint(view); break;
    case SmCommand::FilePrint:
        SmDataFilePrint(view);
        view.CommandsOnAgain();
        break;
    default: break;
    }
}

} // namespace GrpSmFlows
