#include "ui/live/MoveTest.h"

#include "core/AppState.h"
#include "core/CommandSets.h"
#include "core/Shell.h"
#include "link/AxisConfig.h"
#include "link/CommandProcs.h"
#include "link/Engine.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "platform/Wait.h"
#include "ui/live/MoveRules.h"
#include "ui/online/GoOnline.h"

namespace MoveTest {
namespace {

using namespace Comm;
using Platform::ResText;

void message(int id) { Platform::Dialogs::MsgBox(ResText(id)); }

// How a wait for rest ended.
enum class Rest { Reached, Failed, Stopped };

// The wait for rest with the tab's stop buttons: a stop pressed during the
// run ends the wait once a poll still finds an axis moving; a move found
// ended counts as reached, and the stop is then obeyed after it as usual.
// `linkErrorEnds`: a link failure left by the events ends the wait before
// the poll (list and range move).
Rest waitForRest(State &s, bool linkErrorEnds)
{
    switch (WaitCtAxisStop(&s.StopPressed, linkErrorEnds)) {
    case 1:
        return Rest::Reached;
    case 0:
        s.StoppedMoving = true;
        return Rest::Stopped;
    default:
        return Rest::Failed;
    }
}

// The rest query before a move or the home return is sent: true at rest; an
// axis still moving is noted, so that the user is told once the run is over.
bool atRestToStart(State &s)
{
    const int rest = CheckCtAxisStop();
    if (rest == 0)
        s.FoundMoving = true;
    return rest == 1;
}

// Runs one worker of the tab with the stop buttons ending its waits for
// rest, and tells the user afterwards (the port closed) when one did, or
// when a move was not started because an axis still moved.
template <typename Worker>
void runStoppable(State &s, Worker worker)
{
    s.StopPressed = false;
    s.StoppedMoving = false;
    s.FoundMoving = false;
    worker();
    s.StopPressed = false;
    if (s.FoundMoving) {
        s.FoundMoving = false;
        Platform::Dialogs::MsgBox(ResText(424), Platform::MsgButtons::Ok, Platform::MsgIcon::Warning);
        return;
    }
    if (!s.StoppedMoving)
        return;
    // The group panel's stop button ended the wait; its release of the
    // group move's reply is spent with it.
    Link().GrpMoveStop = false;
    Platform::Dialogs::MsgBox(ResText(570), Platform::MsgButtons::Ok, Platform::MsgIcon::Warning);
}

// How the prologue of a worker ended; Stopped: the home return was stopped
// while the axes moved.
enum class Prologue { Go, End, Failed, Stopped };

// Online, axes at rest, (list move) the axis configuration, the home state,
// and the home return when the controller is not homed. An axis still
// moving (after a stop that ended a wait, say) ends the run with the user
// told why.
Prologue prologue(Face &f, bool readAxes)
{
    AppState &a = App();
    if (!Online::GoOnlineOnDemand())
        return Prologue::Failed;
    if (!atRestToStart(f.Move()))
        return Prologue::End;
    if (readAxes && ReadAxisConfigFromCt_Apply() != 0) {
        Queues().LinkFailed = false;
        CloseCommPortIfFree();
        return Prologue::Failed;
    }
    if (Comm::CheckRH() != 0) {
        Queues().LinkFailed = false;
        CloseCommPortIfFree();
        return Prologue::Failed;
    }
    if (!a.HomeDoneFlag) {
        if (ReturnHome(f.Move()) != 0)
            return f.Move().StoppedMoving ? Prologue::Stopped : Prologue::Failed;
        f.ShowReached(QStringLiteral("H0"));
    }
    return Prologue::Go;
}

// The dwell after a move: timerMove armed for the box's time, ended early
// by the method's stop or pause request.
void dwell(Face &f, const DwellBox &box, const bool &stop, const bool &pause)
{
    State &s = f.Move();
    s.DwellDoneFlag = false;
    const int ms = (!stop && !pause) ? MoveRules::DwellMs(box.timerTicked, box.text) : 0;
    if (ms > 0)
        f.ArmDwellTimer(ms);
    else
        s.DwellDoneFlag = true;
    Platform::WaitUntil([&] { return s.DwellDoneFlag || stop || pause; });
    s.DwellDoneFlag = true;
    f.ArmDwellTimer(0);
}

void completed(Face &f, int posiNo)
{
    f.ShowHomeGreen(true);
    f.MoveFirst() = false;
    f.ShowReached(QString::number(posiNo));
}

} // namespace

void StartMove(Face &f, Method m)
{
    AppState &a = App();
    f.DataTeachTabsEnabled(false);
    CommandSets::DisableCommandsOfAllWindows();
    if (m == Method::Group && a.PrgModeFlag) {
        message(1039);
    } else {
        a.BusyFlag = true;
        runStoppable(f.Move(), [&] {
            switch (m) {
            case Method::List: PrgListMove(f); break;
            case Method::Range: SelectMoveProc(f); break;
            case Method::Group: GrpMoveProc(f); break;
            }
        });
        a.BusyFlag = false;
    }
    f.DataTeachTabsEnabled(true);
    CommandSets::SetPosiTabEnabled(a.OfflineFlag);
    CommandSets::EnableCommandsOfAllWindows();
    Shell::Get().ChangeMenuDisp(a.PrgModeFlag);
}

void PrgListMove(Face &f)
{
    State &s = f.Move();
    auto &col = s.MoveWork[0];
    f.ListRunning(true);
    bool failed = false;
    // The run ends here on every way; `failed` sends it through the failure
    // exit, which also takes the application offline.
    [&] {
        switch (prologue(f, true)) {
        case Prologue::Go: break;
        case Prologue::End:
        case Prologue::Stopped: return;
        case Prologue::Failed: failed = true; return;
        }
        if (!f.ListStepMode()) {
            if (s.ListMovePause)
                s.ListMovePause = false; // resumes at the kept column
            else
                col = 1;
        } else if (f.MoveFirst()) {
            col = 1;
            f.MoveFirst() = false;
        }
        if (col < 1)
            col = 1;
        do {
            Platform::DoEvents();
            if (col > MoveRules::kListColumns)
                break;
            QString text = f.ListCell(col);
            if (text.trimmed().isEmpty()) {
                col = 1;
                if (!f.ListRepeat())
                    break;
                text = f.ListCell(1);
            }
            const int posiNo = MoveRules::NumberOf(text);
            s.MoveWork[1] = posiNo;
            if (posiNo < 1 || posiNo > MoveRules::kMaxPosiNo) {
                CloseCommPortIfFree();
                message(561);
                return;
            }
            if (Queues().LinkFailed)
                return;
            if (MovePosiNo(posiNo, f.ListSkipSm() ? 1 : 0) != 0) {
                failed = true;
                return;
            }
            // Not at rest (failed or stopped): the run ends, the position
            // not reached.
            if (waitForRest(s, true) != Rest::Reached)
                return;
            Platform::DoEvents();
            if (Queues().LinkFailed) {
                failed = true;
                return;
            }
            completed(f, posiNo);
            col += 1;
            if (s.ListMoveStop) {
                s.ListMoveStop = false;
                break;
            }
            if (f.ListStepMode() || s.ListMovePause)
                break;
            dwell(f, f.ListDwell(), s.ListMoveStop, s.ListMovePause);
            if (col > MoveRules::kListColumns) {
                col = 1;
                if (!f.ListRepeat())
                    break;
            }
        } while (!s.ListMoveStop && !s.ListMovePause && !f.ListStepMode());
        if (col > MoveRules::kListColumns)
            col = 1;
    }();
    s.ListMoveStop = false;
    CloseCommPortIfFree();
    if (failed)
        Indicators::SetOfflineMode();
    f.ListRunning(false);
}

void SelectMoveProc(Face &f)
{
    State &s = f.Move();
    auto &next = s.MoveWork[3];
    f.RangeStarting();
    if (!Online::GoOnlineOnDemand())
        return; // nothing else is done
    [&] {
        if (prologue(f, false) != Prologue::Go)
            return;
        const int start = MoveRules::NumberOf(f.StartText());
        int end = MoveRules::NumberOf(f.EndText());
        if (f.RangeStepWay()) {
            end = start;
            next = start;
        } else if (s.RangeMovePause) {
            s.RangeMovePause = false; // resumes at the kept position
        } else {
            next = start;
        }
        do {
            if (next > end) {
                if (!f.RangeRepeat())
                    break;
                next = start;
            }
            const int posiNo = next;
            if (posiNo < 1 || posiNo > MoveRules::kMaxPosiNo) {
                CloseCommPortIfFree();
                message(569);
                return;
            }
            if (MovePosiNo(posiNo, f.RangeSkipSm() ? 1 : 0) != 0)
                return;
            switch (waitForRest(s, true)) {
            case Rest::Reached: break;
            case Rest::Stopped: return;
            case Rest::Failed: CloseCommPortIfFree(); return;
            }
            completed(f, posiNo);
            next += 1;
            if (s.RangeMoveStop) {
                s.RangeMoveStop = false;
                break;
            }
            if (f.RangeStepWay() || s.RangeMovePause)
                break;
            dwell(f, f.RangeDwell(), s.RangeMoveStop, s.RangeMovePause);
            if (next > end) {
                next = start;
                if (!f.RangeRepeat())
                    break;
            }
        } while (!s.RangeMoveStop && !s.RangeMovePause && !f.RangeStepWay());
        if (next > end)
            next = start;
    }();
    s.RangeMoveStop = false;
    CloseCommPortIfFree();
}

void GrpMoveProc(Face &f)
{
    Link().GrpMoveStop = false;
    if (!Online::GoOnlineOnDemand())
        return;
    switch (prologue(f, false)) {
    case Prologue::Go: break;
    case Prologue::End: return;
    case Prologue::Failed:
    case Prologue::Stopped: CloseCommPortIfFree(); return;
    }
    const int grpNo = MoveRules::NumberOf(f.GroupText());
    if (grpNo < 1 || grpNo > 99) {
        message(560);
        return;
    }
    if (MoveGrpNo(grpNo) != 0) {
        CloseCommPortIfFree();
        return;
    }
    waitForRest(f.Move(), false);
    CloseCommPortIfFree();
}

// ---------------------------------------------------------------- home return

void HomeButton(Face &f)
{
    AppState &a = App();
    f.MoveButtonsEnabled(false);
    f.DataTeachTabsEnabled(false);
    CommandSets::DisableCommandsOfAllWindows();
    a.BusyFlag = true;
    State &s = f.Move();
    runStoppable(s, [&] { ReturnHomeByButton(f); });
    // A stop pressed during the home return was meant for it, whether or not
    // it ended the wait, never for the next list or range move.
    s.ListMoveStop = false;
    s.RangeMoveStop = false;
    a.BusyFlag = false;
    f.DataTeachTabsEnabled(true);
    CommandSets::SetPosiTabEnabled(a.OfflineFlag);
    f.MoveButtonsEnabled(true);
    CommandSets::EnableCommandsOfAllWindows();
    Shell::Get().ChangeMenuDisp(a.PrgModeFlag);
}

void ReturnHomeByButton(Face &f)
{
    if (!Online::GoOnlineOnDemand())
        return;
    [&] {
        LinkState &l = Link();
        l.RetryCount = 0;
        while (OpenCommPort() == 1) {
            l.RetryCount += 1;
            if (l.RetryCount > 3)
                return;
            Platform::WaitMs(100);
        }
        if (CommunicationModeOn(1) != 0) {
            Queues().LinkFailed = false;
            return;
        }
        if (!atRestToStart(f.Move()))
            return;
        f.ShowHomeGreen(false);
        if (MovePosiNo(0, 1) != 0) {
            l.TimeoutFlag = false;
            return;
        }
        switch (waitForRest(f.Move(), false)) {
        case Rest::Reached:
            Platform::DoEvents();
            f.ShowReached(QStringLiteral("H0"));
            f.ShowHomeGreen(true);
            return;
        case Rest::Stopped: return;
        case Rest::Failed: break;
        }
        CloseCommPortIfFree();
        const QString reply = Queues().LastResult.reply;
        if (!reply.startsWith(QLatin1String("0%%")))
            return;
        ErrorList::DispCtStatus();
        CloseCommPortIfFree();
        const QString text = reply.startsWith(QLatin1String("0%%134"))
            ? Platform::ResLines({562, 563, 564, 565, 566, 567, 568})
            : ResText(104);
        Platform::Dialogs::MsgBox(text, Platform::MsgButtons::Ok, Platform::MsgIcon::Warning);
    }();
    CloseCommPortIfFree();
}

int ReturnHome(State &s)
{
    if (MovePosiNo(0, 0) != 0) {
        CloseCommPortIfFree();
        return -1;
    }
    if (waitForRest(s, false) != Rest::Reached)
        return -1;
    App().HomeDoneFlag = true;
    Indicators::OnlineImg_Disp();
    return 0;
}

} // namespace MoveTest
