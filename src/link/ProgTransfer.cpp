#include "link/ProgTransfer.h"

#include "link/CommandFrames.h"
#include "link/CommandHost.h"
#include "link/CommandProcs.h"
#include "link/Queues.h"
#include "prog/ProgWire.h"

namespace Comm {

namespace Host = CmdHost;

int WriteProgToCt(int progNo, const std::vector<ProgData::ProgStep> &progDA)
{
    const auto write = Frames::WriteProg(progNo, progDA);
    const auto commit = Frames::CommitProg(progNo);
    if (!write || !commit) {
        Host::ShowValueOutOfRange();
        return 1;
    }
    int rc = 1;
    {
        Host::TransferProgress progress(2, 383, false);
        if (Send(*write, Frames::kProgWriteReplyLen, Frames::kProgTimeout).ok()) {
            progress.setValue(1);
            if (Send(*commit, Frames::kProgCommitReplyLen, Frames::kProgTimeout).ok()) {
                progress.setValue(2);
                rc = 0;
            }
        }
    }
    Host::ClosePortIfFree();
    return rc;
}

int ReadProgFromCt(int progNo, std::vector<ProgData::ProgStep> &steps)
{
    const auto frame = Frames::ReadProg(progNo);
    if (!frame) {
        Host::ShowValueOutOfRange();
        return 1;
    }
    Host::TransferProgress progress(2, 368, false);
    const int count = ReadProgStepCountFromCt(progNo);
    if (count < 0) {
        Host::ClosePortIfFree();
        return 1;
    }
    progress.setValue(1);
    const Exchanged r = Send(*frame, Frames::ReadProgReplyLen(progNo), Frames::kProgTimeout);
    Host::ClosePortIfFree();
    if (!r.ok())
        return 1;
    progress.setValue(2);
    // A count beyond what the number holds, or a reply shorter than the
    // count, is no program: nothing is read past the reply's end.
    auto read = ProgWire::DecodeSteps(r.reply, progNo, count);
    if (!read) {
        Host::FailOnWrongData(false);
        return 1;
    }
    steps = std::move(*read);
    return 0;
}

} // namespace Comm
