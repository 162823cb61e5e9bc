#include "ui/live/ProgTaskLink.h"

#include "core/AppState.h"
#include "link/CommandHost.h"
#include "link/CommandProcs.h"
#include "link/Engine.h"
#include "link/Queues.h"

namespace Frames = Comm::Frames;

namespace ProgTaskLink {
namespace {

// The window keeps working offline: every request of its cycle goes out
// (an offline link fails a request at once).
void goLive()
{
    App().OfflineFlag = false;
    Comm::OpenCommPort();
}

std::optional<QString> exchange(const QString &frame, int replyLen, int timeoutMs)
{
    goLive();
    const auto r = Comm::Send(frame, replyLen, timeoutMs, 1);
    if (!r.ok())
        return std::nullopt;
    return r.reply;
}

int command(const std::optional<QString> &frame)
{
    if (!frame)
        return 1;
    const auto r = exchange(*frame, Frames::kTaskCmdReplyLen, Frames::kTaskCmdTimeout);
    if (!r)
        return 1;
    if (!Frames::EchoMatches(*r, *frame, 3)) {
        Comm::CmdHost::FailOnWrongData(true);
        return 1;
    }
    return 0;
}

} // namespace

int SendStartTask(int progNo) { return command(Frames::StartTask(progNo)); }
int SendStopTask(int progNo) { return command(Frames::StopTask(progNo)); }
int SendStopAllTask() { return command(Frames::StopAllTask()); }

std::optional<int> TaskCount()
{
    goLive();
    const int n = Comm::ReadTaskNoFromCt();
    if (n == Comm::kTaskNoFailure)
        return std::nullopt;
    return n;
}

std::optional<Frames::TaskProgs> TaskPrograms()
{
    const auto r = exchange(Frames::TaskProgQuery(), Frames::kTaskProgReplyLen, Frames::kTaskProgTimeout);
    if (!r)
        return std::nullopt;
    const auto progs = Frames::DecodeTaskProgs(*r);
    if (!progs) {
        Comm::CmdHost::FailOnWrongData(true);
        return std::nullopt;
    }
    Comm::CloseCommPortIfFree();
    return progs;
}

std::optional<Frames::StepStatus> StepStatus(int progNo)
{
    const auto frame = Frames::StepStatusQuery(progNo);
    if (!frame)
        return std::nullopt;
    const auto r = exchange(*frame, Frames::kStepStatusReplyLen, Frames::kStepStatusTimeout);
    if (!r)
        return std::nullopt;
    const auto st = Frames::DecodeStepStatus(*r);
    if (!st) {
        Comm::CmdHost::FailOnWrongData(true);
        return std::nullopt;
    }
    Comm::CloseCommPortIfFree();
    return st;
}

} // namespace ProgTaskLink
