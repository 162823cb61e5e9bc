#include "link/CommandProcs.h"

#include "core/AppState.h"
#include "grpsm/GrpSmTables.h"
#include "link/CommandFrames.h"
#include "link/CommandHost.h"
#include "link/CommandState.h"
#include "link/Engine.h"
#include "link/Queues.h"
#include "platform/Wait.h"

#include <vector>

namespace Comm {
namespace {

CommandState g_state;

namespace Host = CmdHost;
using Host::FailOnWrongData;
using Host::ShowValueOutOfRange;

} // namespace

CommandState &Commands() { return g_state; }
void ResetCommandState() { g_state = CommandState{}; }

// ---- state, motion, alarm, store ------------------------------------------

int CommunicationModeOn(int msgFlag)
{
    const Exchanged r = Send(Frames::CommunicationModeOn(), Frames::kModeOnReplyLen, Frames::kModeOnTimeout, msgFlag);
    switch (r.outcome) {
    case Outcome::Ok:
        Host::SetOnline();
        return 0;
    case Outcome::Refused:
        return 1;
    default:
        Host::SetOffline();
        return 1;
    }
}

int CheckCtAxisStop() { return CheckCtAxisStop(Host::PresentAxisMask()); }

int CheckCtAxisStop(int axisMask)
{
    const Exchanged r = Send(Frames::AxisStopQuery(), Frames::kAxisStopReplyLen, Frames::kAxisStopTimeout);
    if (!r.ok())
        return -1;
    return Frames::AllAxesReported(r.reply, axisMask) ? 1 : 0;
}

int WaitCtAxisStop(const bool *stop, bool linkErrorEnds)
{
    for (;;) {
        Platform::DoEvents();
        if (linkErrorEnds && Queues().LinkFailed)
            return -1;
        const int r = CheckCtAxisStop();
        if (r != 0)
            return r;
        if (stop && *stop)
            return 0;
    }
}

int MovePosiNo(int posiNo, int mode)
{
    const auto frame = Frames::MovePosiNo(posiNo, mode, App().AxisNotUsed);
    if (!frame)
        return 1;
    return Send(*frame, Frames::kMovePosiReplyLen, Frames::kMovePosiTimeout).ok() ? 0 : 1;
}

int MoveGrpNo(int grpNo)
{
    const auto frame = Frames::MoveGrpNo(grpNo);
    if (!frame)
        return 1;
    // The reply marks the end of the whole group move, so there is no
    // time-out; the engine gives the wait up on the main window's cancel or
    // the move test's group stop, which are spent here.
    const bool ok = Send(*frame, Frames::kMoveGrpReplyLen, Frames::kMoveGrpTimeout).ok();
    App().ComCancelFlag = false;
    Link().GrpMoveStop = false;
    return ok ? 0 : 1;
}

int StorePosiDataInCt(int first, int last)
{
    const auto frame = Frames::StorePosiData(first, last);
    if (!frame) {
        ShowValueOutOfRange();
        return 1;
    }
    if (Host::OpenPort() == 1)
        return 1;
    const Exchanged r = Send(*frame, Frames::kStorePosiReplyLen, Frames::kStorePosiTimeout);
    if (r.outcome == Outcome::Refused || r.outcome == Outcome::LinkFailed)
        return 1;
    Host::ClosePortIfFree();
    return r.ok() ? 0 : 1;
}

int AlarmResetCt()
{
    const Exchanged r = Send(Frames::AlarmReset(), Frames::kAlarmResetReplyLen, Frames::kAlarmResetTimeout);
    if (r.outcome == Outcome::Failed)
        Host::ClosePortIfFree();
    return r.ok() ? 0 : 1;
}

int SetCommunicationMode(int modeValue, int &modeNo, int axisMask)
{
    const QString frame = Frames::SetCommunicationMode(modeValue, modeNo, axisMask, App().AxisNotUsed);
    if (App().OfflineFlag)
        App().OfflineFlag = false;
    return Send(frame, Frames::kModeSetReplyLen, Frames::kModeSetTimeout).ok() ? 0 : 1;
}

// ---- inputs and outputs ----------------------------------------------------

int ReadIOFromCt()
{
    CommandState &s = g_state;
    const QString frames[2] = {Frames::ReadInputs(), Frames::ReadOutputs()};
    const int lengths[2] = {Frames::kReadInReplyLen, Frames::kReadOutReplyLen};
    QString replies[2];
    for (int k = 0; k < 2; ++k) {
        const Exchanged r = Send(frames[k], lengths[k], Frames::kIoTimeout);
        switch (r.outcome) {
        case Outcome::Ok:
            replies[k] = r.reply;
            continue;
        case Outcome::Failed:
            Host::ClosePortIfFree();
            Commands().IoReadFlag = false;
            FlushQueue();
            return 1;
        case Outcome::LinkFailed:
            return 1;
        default:
            FlushQueue();
            return 1;
        }
    }
    // Both replies decode, or neither table changes.
    Frames::BitTable in = s.InBit, out = s.OutBit;
    if (!Frames::DecodeBits(replies[0], Frames::kInDigits, in)
        || !Frames::DecodeBits(replies[1], Frames::kOutDigits, out)) {
        Commands().IoReadFlag = false;
        FailOnWrongData(true);
        return 1;
    }
    s.InBit = in;
    s.OutBit = out;
    Commands().IoReadFlag = false;
    return 0;
}

int WriteOutputToCt()
{
    CommandState &s = g_state;
    Frames::ApplyOutputRequests(s.OutBit, s.OutReq);
    const Exchanged r = Send(Frames::WriteOutputs(s.OutBit), Frames::kWriteOutReplyLen, Frames::kIoTimeout);
    switch (r.outcome) {
    case Outcome::Ok:
        Commands().OutputWriteReq = false;
        Host::ClosePortIfFree();
        return 0;
    case Outcome::Failed:
        Host::ClosePortIfFree();
        FlushQueue();
        return 1;
    default:
        return 1;
    }
}

int MonitorExchange()
{
    CommandState &s = g_state;
    if (!s.IoModeSet || s.IoModeResend) {
        int modeNo = Commands().IgnoreInputs ? 1 : 0;
        if (SetCommunicationMode(0, modeNo, 0) == 1)
            return 1;
        s.IoModeSet = true;
        s.IoModeResend = false;
        s.IoModeSentIgnore = modeNo == 1;
    }
    if (Commands().OutputWriteReq && WriteOutputToCt() == 1)
        return 1;
    return ReadIOFromCt();
}

// ---- present position ------------------------------------------------------

int ReadPresentPosFromCt(Frames::PresentPositions &pos)
{
    const auto &notUsed = App().AxisNotUsed;
    const Exchanged r = Send(Frames::PresentPosQuery(notUsed), Frames::PresentPosReplyLen(notUsed),
                             Frames::kPresentPosTimeout);
    if (!r.ok())
        return 1;
    const auto decoded = Frames::DecodePresentPos(r.reply, notUsed);
    if (!decoded) {
        FailOnWrongData(true);
        return 1;
    }
    pos = *decoded;
    return 0;
}

// ---- watched flags, variables and position variables -----------------------

std::optional<int32_t> ReadWatchItemFromCt(Watch::Kind kind, const Watch::Item &item)
{
    const auto frame = Frames::ReadWatchItem(kind, item);
    if (!frame)
        return std::nullopt;
    // A refused item before this one put the application offline, which
    // would end this wait before it is sent.
    if (App().OfflineFlag)
        App().OfflineFlag = false;
    const Exchanged r = Send(*frame, Frames::WatchReplyLen(kind), Frames::kWatchTimeout, 0);
    if (!r.ok())
        return std::nullopt;
    return Frames::DecodeWatchItem(kind, item, r.reply);
}

std::optional<std::vector<int32_t>> ReadWatchItemsFromCt(Watch::Kind kind, const std::vector<Watch::Item> &items,
                                                         const std::function<bool()> &stop)
{
    std::vector<int32_t> values;
    values.reserve(items.size());
    for (const Watch::Item &item : items) {
        if (stop && stop())
            return std::nullopt;
        const auto v = ReadWatchItemFromCt(kind, item);
        if (!v)
            return std::nullopt;
        values.push_back(*v);
    }
    return values;
}

// ---- programs and tasks ----------------------------------------------------

int ReadProgStepCountFromCt(int progNo)
{
    const auto frame = Frames::ReadProgStepCount(progNo);
    if (!frame) {
        ShowValueOutOfRange();
        return -1;
    }
    const Exchanged r = Send(*frame, Frames::kStepCountReplyLen, Frames::kStepCountTimeout);
    if (r.outcome == Outcome::Failed)
        Host::ClosePortIfFree();
    if (!r.ok())
        return -1;
    const auto steps = Frames::DecodeProgStepCount(r.reply);
    if (!steps) {
        FailOnWrongData(true);
        return -1;
    }
    return *steps;
}

int ReadAllProgStepCountsFromCt()
{
    CommandState &s = g_state;
    // The caller shows and hides the bar around this read.
    Host::PrepareProgress(Frames::kProgramCount, 368, false);
    if (App().OfflineFlag)
        App().OfflineFlag = false;
    for (int p = 1; p <= Frames::kProgramCount; ++p) {
        const Exchanged r = Send(*Frames::ReadProgStepCount(p), Frames::kStepCountReplyLen, Frames::kStepCountTimeout);
        if (!r.ok())
            return 1;
        const auto steps = Frames::DecodeProgStepCount(r.reply);
        if (!steps) {
            FailOnWrongData(true);
            return 1;
        }
        s.ProgStepCount[p] = *steps;
        Host::SetProgressValue(p);
    }
    s.ProgStepCountKnown = true;
    return 0;
}

int ReadTaskNoFromCt()
{
    if (Host::OpenPort() == 1)
        return kTaskNoFailure;
    if (CommunicationModeOn(1) != 0) {
        Host::ClosePortIfFree();
        return kTaskNoFailure;
    }
    const Exchanged r = Send(Frames::TaskNoQuery(), Frames::kTaskNoReplyLen, Frames::kTaskNoTimeout, 1,
                             Queue::Priority);
    if (!r.ok())
        return kTaskNoFailure;
    const auto task = Frames::DecodeTaskNo(r.reply);
    if (!task) {
        FailOnWrongData(true);
        return kTaskNoFailure;
    }
    Host::ClosePortIfFree();
    return *task;
}

int FixedTaskNo() { return 3; }

// ---- groups and sequence macros --------------------------------------------

namespace {

// Sends a write sequence: every data frame (five-character echo), then the
// store command (four-character echo). The progress value counts the frames
// acknowledged. Returns 0 after the acknowledged store, else 1.
int SendWriteSequence(const std::vector<QString> &frames, int frameReplyLen, const QString &store, int timeoutMs,
                      Host::TransferProgress &progress, bool flushAfterWrongFrame)
{
    const int total = static_cast<int>(frames.size()) + 1;
    for (int i = 0; i < total; ++i) {
        const bool isStore = i == total - 1;
        const QString &frame = isStore ? store : frames[i];
        const Exchanged r = Send(frame, isStore ? Frames::kStoreReplyLen : frameReplyLen, timeoutMs);
        if (r.outcome == Outcome::Failed) {
            Host::ClosePortIfFree();
            FlushQueue();
        }
        if (!r.ok())
            return 1;
        if (!Frames::EchoMatches(r.reply, frame, isStore ? 4 : 5)) {
            FailOnWrongData(isStore || flushAfterWrongFrame);
            return 1;
        }
        progress.setValueWithNextRequest(i + 1);
    }
    return 0;
}

} // namespace

int WriteGrpDataToCt()
{
    const auto &grp = GrpSm::Tables().GrpData;
    std::vector<QString> frames;
    for (int g = 1; g <= Frames::kGroupCount; ++g) {
        const auto f = Frames::WriteGrp(g, grp[g][0], grp[g][1]);
        if (!f) {
            ShowValueOutOfRange();
            return 1;
        }
        frames.push_back(*f);
    }
    Host::TransferProgress progress(Frames::kGroupCount + 1, 383, false);
    const int result = SendWriteSequence(frames, Frames::kGrpWriteReplyLen, Frames::StoreGrp(), Frames::kGrpTimeout,
                                         progress, false);
    Host::ClosePortIfFree();
    return result;
}

int ReadGrpDataFromCt()
{
    // The read stops between frames on the main window's cancel, so the
    // cancel button is offered with the bar.
    Host::TransferProgress progress(Frames::kGroupCount - 1, 368, true);
    if (App().OfflineFlag)
        App().OfflineFlag = false;
    std::vector<Frames::GroupRecord> read;
    for (int g = 1; g <= Frames::kGroupCount && !App().ComCancelFlag; ++g) {
        const QString frame = *Frames::ReadGrp(g);
        const Exchanged r = Send(frame, Frames::kGrpReadReplyLen, Frames::kGrpTimeout);
        if (r.outcome == Outcome::Failed) {
            FlushQueue();
            Host::ClosePortIfFree();
        }
        if (!r.ok())
            return 1;
        const auto rec = Frames::DecodeGrp(r.reply, g);
        if (!rec) {
            FailOnWrongData(true);
            return 1;
        }
        read.push_back(*rec);
        progress.setValueWithNextRequest(g - 1);
    }
    Host::ClosePortIfFree();
    if (App().ComCancelFlag) {
        App().ComCancelFlag = false;
        return 2;
    }
    auto &buf = GrpSm::Tables().GrpDataBuf;
    for (int g = 1; g <= Frames::kGroupCount; ++g) {
        buf[g][0] = static_cast<int16_t>(read[g - 1].start);
        buf[g][1] = static_cast<int16_t>(read[g - 1].end);
    }
    return 0;
}

int WriteSqMcrToCt()
{
    const auto &sm = GrpSm::Tables().SmData;
    std::vector<QString> frames;
    for (int n = 1; n <= Frames::kMacroCount; ++n) {
        Frames::MacroSteps steps{};
        const int col = GrpSm::MacroCodeCol(n);
        for (int k = 0; k < Frames::kMacroSteps; ++k)
            steps[k] = Frames::MacroStep{sm[k][col], sm[k][col + 1]};
        const auto f = Frames::WriteSqMcr(n, steps);
        if (!f) {
            ShowValueOutOfRange();
            return 1;
        }
        frames.push_back(*f);
    }
    Host::TransferProgress progress(Frames::kMacroCount + 1, 383, false);
    const int result = SendWriteSequence(frames, Frames::kSmWriteReplyLen, Frames::StoreSqMcr(),
                                         Frames::kSmWriteTimeout, progress, true);
    Host::ClosePortIfFree();
    return result;
}

int ReadSqMcrFromCt()
{
    Host::TransferProgress progress(Frames::kMacroCount, 368, false, true);
    std::vector<Frames::MacroSteps> read;
    for (int n = 1; n <= Frames::kMacroCount; ++n) {
        const Exchanged r = Send(*Frames::ReadSqMcr(n), Frames::kSmReadReplyLen, Frames::kSmReadTimeout);
        if (r.outcome == Outcome::Failed)
            Host::ClosePortIfFree();
        if (!r.ok())
            return 1;
        const auto steps = Frames::DecodeSqMcr(r.reply, n);
        if (!steps) {
            FailOnWrongData(true);
            return 1;
        }
        read.push_back(*steps);
        progress.setValueWithNextRequest(n);
    }
    Host::ClosePortIfFree();
    auto &buf = GrpSm::Tables().SmDataBuf;
    for (int n = 1; n <= Frames::kMacroCount; ++n) {
        const int col = GrpSm::MacroCodeCol(n);
        for (int k = 0; k < Frames::kMacroSteps; ++k) {
            buf[k][col] = static_cast<int16_t>(read[n - 1][k].code);
            buf[k][col + 1] = static_cast<int16_t>(read[n - 1][k].data);
        }
    }
    return 0;
}

int CheckRH()
{
    App().HomeDoneFlag = false;
    const Exchanged r = Send(Frames::HomeStateQuery(), Frames::kHomeStateReplyLen, Frames::kHomeStateTimeout);
    if (r.outcome == Outcome::Failed)
        CmdHost::ClosePortIfFree();
    if (!r.ok())
        return 1;
    App().HomeDoneFlag = Frames::AllAxesReported(r.reply, CmdHost::PresentAxisMask());
    return 0;
}

} // namespace Comm
