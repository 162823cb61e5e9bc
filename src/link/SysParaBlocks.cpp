#include "link/SysParaBlocks.h"

#include "core/AppState.h"
#include "core/FixedText.h"
#include "link/CommandHost.h"
#include "link/Engine.h"
#include "link/Queues.h"
#include "paradata/ParaFile.h"

namespace Comm {
namespace {

SysParaState g_state;

constexpr int kReadReplyLen = 38;
constexpr int kReadTimeout = 3000;
constexpr int kWriteReplyLen = 6;
constexpr int kStoreReplyLen = 5;
constexpr int kWriteTimeout = 5000;

// A failed request (after a link failure the wait has flushed the queues);
// the progress display goes with its scope.
int failed()
{
    CloseCommPortIfFree();
    return 1;
}

} // namespace

SysParaState &SysPara() { return g_state; }
void ResetSysParaState() { g_state = SysParaState{}; }

int SysParaDigits(int block) { return block == 2 || block == 3 ? 2 : 4; }

int SysParaFirst(int block)
{
    static constexpr int first[kSysParaBlocks] = {1, 9, 17, 33, 49, 57, 65};
    return first[block];
}

int SysParaCountOf(int block) { return 32 / SysParaDigits(block); }

QString SysParaBlockText(int block, const std::array<ValueCell, 81> &values)
{
    QString text = FixedText::HexZeroPad(block, 1);
    const int digits = SysParaDigits(block);
    for (int i = 0; i < SysParaCountOf(block); ++i) {
        const auto v = values[size_t(SysParaFirst(block) + i)].toInt32();
        // No number, or more than the field holds: "X", which no controller
        // takes for a value.
        text += v && *v >= 0 ? FixedText::HexZeroPad(*v, digits) : QStringLiteral("X");
    }
    return text;
}

bool DecodeSysParaReply(int block, const QString &reply, std::array<ValueCell, 81> &values)
{
    const QString data = reply.mid(4, 32);
    if (data.size() != 32 || !FixedText::IsHexText(data, true))
        return false;
    const int digits = SysParaDigits(block);
    for (int i = 0; i < SysParaCountOf(block); ++i)
        values[size_t(SysParaFirst(block) + i)] = data.mid(i * digits, digits).toInt(nullptr, 16);
    return true;
}

int ReadSystemParametersFromCt()
{
    std::array<QString, kSysParaBlocks> rows{};
    // The read shows the progress without changing whether the cancel
    // button is offered.
    const bool cancelShown = App().ProgressBarOn;
    const int sent = [&] {
        CmdHost::TransferProgress progress(kSysParaBlocks, 368, cancelShown);
        for (int b = 0; b < kSysParaBlocks; ++b) {
            const QString frame = QStringLiteral("0RK") + FixedText::HexZeroPad(b, 1);
            const Exchanged r = Send(frame, kReadReplyLen, kReadTimeout);
            if (r.outcome == Outcome::Refused)
                return 1;
            if (!r.ok())
                return failed();
            rows[size_t(b)] = r.reply;
            progress.setValue(b + 1);
        }
        return 0;
    }();
    App().ProgressBarOn = cancelShown;
    if (sent != 0)
        return 1;
    CloseCommPortIfFree();
    // Decoded into a copy first: a garbled block leaves the values as they were.
    std::array<ValueCell, 81> values = g_state.SysParaReadValue;
    for (int b = 0; b < kSysParaBlocks; ++b)
        if (!DecodeSysParaReply(b, rows[size_t(b)], values)) {
            CmdHost::ShowDataWrong();
            return 1;
        }
    ParaFile::ClearParaFileTable();
    g_state.SysParaReadValue = values;
    return 0;
}

int WriteSystemParametersToCt()
{
    std::array<QString, kSysParaBlocks> rows{};
    for (int b = 0; b < kSysParaBlocks; ++b) {
        rows[size_t(b)] = SysParaBlockText(b, g_state.SysParaWriteValue);
        if (rows[size_t(b)].contains(QLatin1Char('X'))) {
            // Nothing is sent with a value that does not fit its field.
            CmdHost::ShowValueOutOfRange();
            return 1;
        }
    }
    CmdHost::TransferProgress progress(8, 383, true);
    for (int k = 0; k <= kSysParaBlocks; ++k) {
        const bool store = k == kSysParaBlocks;
        const QString frame = store ? QStringLiteral("0WF") : QStringLiteral("0WK") + rows[size_t(k)];
        const Exchanged r = Send(frame, store ? kStoreReplyLen : kWriteReplyLen, kWriteTimeout);
        if (r.outcome == Outcome::Refused)
            return 1;
        if (!r.ok())
            return failed();
        // Every block's echo is checked, not only the first three: a block
        // the controller took for another must not be stored.
        const int echo = store ? 3 : 4;
        if (r.reply.left(echo) != frame.left(echo)) {
            CmdHost::FailOnWrongData(true);
            return 1;
        }
        progress.setValue(k + 1);
    }
    CloseCommPortIfFree();
    return 0;
}

} // namespace Comm
