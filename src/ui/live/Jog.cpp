#include "ui/live/Jog.h"

#include "core/AppState.h"
#include "core/Num.h"
#include "link/CommandFrames.h"
#include "link/CommandProcs.h"
#include "link/Indicators.h"
#include "link/JogFrames.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"
#include "paradata/UnitTexts.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

namespace Jog {
namespace {
using namespace Comm;

// Index into the three copies of the inching settings (100, 10, 1 pulses).
int settingIndex(int step) { return step == 100 ? 0 : step == 10 ? 1 : 2; }
} // namespace

JogControl::JogControl(Face &face, QObject *parent) : QObject(parent), m_face(face)
{
    TimerDelay = new QTimer(this);
    TimerDelay->setObjectName(QStringLiteral("TimerDelay"));
    TimerDelay->setSingleShot(true);
    TimerDelay->setInterval(500);
    connect(TimerDelay, &QTimer::timeout, this, [this] { JogReady = true; });
    timerJogStop = new QTimer(this);
    timerJogStop->setObjectName(QStringLiteral("timerJogStop"));
    timerJogStop->setInterval(50);
    connect(timerJogStop, &QTimer::timeout, this, &JogControl::timerJogStop_Timer);
}

void JogControl::Reset(const std::array<int32_t, 4> &limits)
{
    JogLimit = limits;
    JogReady = true;
}

int JogControl::ReadnDisp_PresentPos()
{
    Frames::PresentPositions pos{};
    if (ReadPresentPosFromCt(pos) != 0)
        return 1;
    for (int a = 0; a < 4; ++a) {
        if (!pos[static_cast<size_t>(a)])
            continue;
        const int32_t v = *pos[static_cast<size_t>(a)];
        PresentPos[static_cast<size_t>(a)] = v;
        if (const auto text = UnitTexts::PresentPosText(a, v))
            m_face.ShowPresentPos(a, *text);
    }
    return 0;
}

void JogControl::buttonsBack()
{
    // Never outside teaching: a jog that ended teaching leaves them off.
    if (App().TeachModeFlag)
        m_face.JogButtonsEnabled(true);
    m_face.FocusSink();
}

void JogControl::endAfterFailure()
{
    JogActive = false;
    JogRunning = false;
    EndAfterStop = false;
    m_face.EndTeachingAfterFailure();
}

int JogControl::WaitForRest()
{
    TeachEndPressed = false;
    StoppedMoving = false;
    m_waitingForRest = true;
    m_face.OfferTeachingEnd(true);
    const int r = WaitCtAxisStop(&TeachEndPressed);
    m_waitingForRest = false;
    m_face.OfferTeachingEnd(false);
    StoppedMoving = r == 0;
    return r;
}

bool JogControl::TakeTeachingEnd()
{
    if (!m_waitingForRest)
        return false;
    TeachEndPressed = true;
    return true;
}

void JogControl::TellNotAtRest()
{
    if (!StoppedMoving)
        return;
    StoppedMoving = false;
    Platform::Dialogs::MsgBox(Platform::ResText(570), Platform::MsgButtons::Ok, Platform::MsgIcon::Warning);
}

void JogControl::endOfFlow(bool failed)
{
    const bool endPressed = TeachEndPressed;
    TeachEndPressed = false;
    if (failed) {
        endAfterFailure();
    } else if (endPressed) {
        JogActive = false;
        JogRunning = false;
        EndAfterStop = false;
        m_face.CompleteTeaching();
    }
    TellNotAtRest();
}

JogControl::StopResult JogControl::sendStop(int timeoutMs)
{
    // The stop goes out even offline (an error reply to the start put the
    // application offline): the link serves it once the flag is cleared,
    // without a second failure message.
    AppState &a = App();
    const bool offline = a.OfflineFlag;
    a.OfflineFlag = false;
    const Exchanged r = Send(Frames::JogStop(), Frames::kJogReplyLen, timeoutMs, offline ? 0 : 1);
    // The line was only borrowed for the stop: the application stays
    // offline as the link left it, and the lamp (lit by the stop's answer)
    // says so.
    if (offline)
        Indicators::SetOfflineMode();
    if (r.outcome == Outcome::Refused)
        return StopResult::Refused;
    StopOwed = false;
    if (!r.ok())
        return StopResult::Failed;
    JogRunning = false;
    JogActive = false;
    switch (WaitForRest()) {
    case 1: break;
    case 0: return StopResult::Stopped;
    default: return StopResult::Failed;
    }
    ReadnDisp_PresentPos();
    return StopResult::Done;
}

void JogControl::MouseDown(int index)
{
    if (!JogReady || Queues().RequestQueueLast > 9) {
        JogDownIgnored = true;
        return;
    }
    m_inPress = true;
    m_held = index;
    JogActive = true;
    JogDownIgnored = false;
    JogReady = false;
    TimerDelay->start();
    const int op = m_face.Operation();
    JogModeFlag = op == 0;
    if (!JogModeFlag)
        m_face.JogButtonsEnabled(false);

    auto refused = [this] {
        // Step 9: nothing was sent; a lost link ends teaching.
        if (JogActive) {
            JogActive = false;
            if (App().OfflineFlag)
                endAfterFailure();
        }
    };

    [&] {
        if (CheckCtAxisStop() != 1) {
            refused();
            return;
        }
        if (JogModeFlag) {
            const int v = static_cast<int>(Num::Val(m_face.SpeedText()));
            const auto frame = Frames::JogStart(index, Frames::JogSpeedText(v));
            if (!frame || JogMouseUp()) {
                // Let go while the axes were asked: nothing was started.
                refused();
                if (JogMouseUp())
                    buttonsBack();
                return;
            }
            StopOwed = true;
            EndAfterStop = false;
            StartId = 0;
            const Exchanged r = Send(*frame, Frames::kJogReplyLen, Frames::kJogStartTimeout, 1,
                                     Queue::Ordinary, &StartId);
            // The start has ended: its number may be handed out again.
            StartId = 0;
            if (r.outcome == Outcome::Refused) {
                StopOwed = false;
                JogActive = false;
                buttonsBack();
                return;
            }
            // The start's result code is not examined; a failed start still
            // gets its stop, then ends teaching. A start whose answer the
            // release stopped waiting for has not failed.
            const bool failed = !r.ok() && r.outcome != Outcome::Abandoned;
            if (!StopOwed) {
                // Released while the link's message about the start was up:
                // the stop has gone out already.
                if (failed)
                    endAfterFailure();
                return;
            }
            EndAfterStop = failed;
            JogRunning = true;
            if (JogMouseUp()) {
                // Released before the start ended: the stop goes out now,
                // not at the deferred stop's next tick.
                finishStop(Frames::kJogLateStopTimeout);
                return;
            }
            if (EndAfterStop) {
                // Still held: stop at once rather than at the release.
                const StopResult s = sendStop(Frames::kJogStopTimeout);
                if (s == StopResult::Refused) {
                    timerJogStop->start();
                    return;
                }
                endOfFlow(true);
            }
            return;
        }
        // Inching.
        const int step = op == 1 ? 1 : op == 2 ? 10 : 100;
        if (ReadnDisp_PresentPos() != 0) {
            refused();
            return;
        }
        const int axis = index / 2;
        const AppState &app = App();
        const int k = settingIndex(step);
        const Frames::InchingSetting setting{app.VelOf100Pls[static_cast<size_t>(k)],
                                             app.AccOf100Pls[static_cast<size_t>(k)],
                                             app.AccOf100Pls2[static_cast<size_t>(k)]};
        const auto &dev = Paradata().DevSetting;
        InchingData = Frames::MakeInchingCommand(step, index, PresentPos[static_cast<size_t>(axis)],
                                                 JogLimit[static_cast<size_t>(axis)], setting,
                                                 dev.DevSpeed[static_cast<size_t>(axis)],
                                                 dev.DevSize[static_cast<size_t>(axis)]);
        const Exchanged r = Send(Frames::Inching(InchingData), Frames::kJogReplyLen, Frames::kInchingTimeout);
        bool failed = r.outcome == Outcome::LinkFailed || r.outcome == Outcome::Failed;
        if (r.ok()) {
            const int rest = WaitForRest();
            if (rest == 1)
                ReadnDisp_PresentPos();
            else if (rest < 0)
                failed = true;
        }
        JogActive = false;
        buttonsBack();
        endOfFlow(failed);
    }();
    m_inPress = false;
}

void JogControl::MouseUp(int index, bool leftButton)
{
    Q_UNUSED(index);
    if (leftButton)
        m_held = -1;
    if (!leftButton || !JogModeFlag) {
        // An inching step re-enables the buttons itself; while it runs they
        // stay off.
        if (!m_inPress)
            buttonsBack();
        return;
    }
    if (JogDownIgnored)
        return;
    m_face.JogButtonsEnabled(false);
    if (!JogActive || !StopOwed) {
        buttonsBack();
        return;
    }
    if (startInFlight()) {
        // The start has not ended: nobody waits for its answer any more, so
        // the line is free for the stop at once (the press's handler sends
        // it; the timer is the fallback).
        AbandonRequest(StartId);
        timerJogStop->start();
        return;
    }
    finishStop(Frames::kJogStopTimeout);
}

bool JogControl::startInFlight() const { return InFlight(StartId); }

void JogControl::timerJogStop_Timer()
{
    if (startInFlight() || !JogMouseUp())
        return;
    if (!StopOwed) {
        timerJogStop->stop();
        buttonsBack();
        return;
    }
    finishStop(Frames::kJogLateStopTimeout);
}

void JogControl::finishStop(int timeoutMs)
{
    timerJogStop->stop();
    const StopResult s = sendStop(timeoutMs);
    if (s == StopResult::Refused) {
        timerJogStop->start();
        return;
    }
    const bool error = s == StopResult::Failed || EndAfterStop;
    buttonsBack();
    endOfFlow(error);
}

} // namespace Jog
