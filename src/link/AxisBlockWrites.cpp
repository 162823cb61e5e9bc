#include "link/AxisBlockWrites.h"

#include "core/AppState.h"
#include "core/FixedText.h"
#include "core/Num.h"
#include "link/CommandFrames.h"
#include "link/CommandHost.h"
#include "link/ParaBlocks.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

namespace Comm {
namespace {

BlockWriteState g_state;

constexpr int kBlockTimeout = 2000;
constexpr int kWriteReplyLen = 6;
constexpr int kStoreReplyLen = 5;
const QString kStore = QStringLiteral("0WE");

// Block 0 data with its axes-present byte (byte 1) or its controller-mode
// byte (byte 9) replaced by two digits.
QString withMask(const QString &data, const QString &digits) { return data.left(2) + digits + data.mid(4); }
QString withMode(const QString &data, const QString &digits) { return data.left(18) + digits + data.mid(20); }

// The two digits of an axes mask; nothing when it does not fit a byte.
std::optional<QString> maskDigits(int mask)
{
    const QString m = FixedText::HexZeroPad(mask, 2);
    if (mask < 0 || FixedText::DoesNotFit(m))
        return std::nullopt;
    return m;
}

int writeMask(int mask)
{
    const auto m = maskDigits(mask);
    if (!m)
        return 1;
    const auto data = ReadParaBlock(0, kBlockTimeout);
    if (!data)
        return 1;
    const QString frame = ParaBlockWriteFrame(0, withMask(*data, *m));
    const auto w = Exchange(frame, kWriteReplyLen, kBlockTimeout);
    if (!w)
        return 1;
    Paradata().ParaSet.ParaSpAxis = int16_t(mask);
    return 0;
}

// Transfer indices of the nine blocks the standard parameters take: block 1,
// then the first two blocks of each axis.
constexpr int kStdBlockIndices[9] = {1, 2, 3, 5, 6, 8, 9, 11, 12};

} // namespace

int WriteActuatorParametersToCt()
{
    // These writes send TYPE as the set holds it; the progress counts one
    // step ahead of the blocks.
    return WriteParaBlocks({kStdBlockIndices, kStore, kStoreReplyLen, true, 2});
}

void ResetBlockWriteState() { g_state = BlockWriteState{}; }

int WriteAxisMaskToCt(int mask) { return writeMask(mask); }

int WriteAxesInUseMaskToCt() { return writeMask(Frames::AxisInUseMask(App().AxisNotUsed)); }

int ReadBlock0FromCt()
{
    // A garbled block is not kept: it would be written back as it stands.
    const auto data = ReadParaBlock(0, kBlockTimeout);
    if (!data)
        return 1;
    g_state.CtBlock0Data = *data;
    return 0;
}

int WriteBlock0ToCt()
{
    if (!IsParaBlockData(g_state.CtBlock0Data))
        return 1;
    const QString frame = ParaBlockWriteFrame(0, g_state.CtBlock0Data);
    const auto w = Exchange(frame, kWriteReplyLen, kBlockTimeout);
    if (!w || w->left(4) != frame.left(4))
        return 1;
    const auto e = Exchange(kStore, kStoreReplyLen, kBlockTimeout);
    if (!e || !e->startsWith(kStore))
        return 1;
    return 0;
}

int ReadCtModeFromCt()
{
    if (ReadBlock0FromCt() != 0)
        return -1;
    return int(Num::Val(g_state.CtBlock0Data.mid(18, 2)));
}

int SetCtModeToCt(int mode)
{
    const int old = ReadCtModeFromCt();
    if (old == -1)
        return -1;
    const QString m = FixedText::DecZeroPad(mode, 2);
    if (FixedText::DoesNotFit(m) || mode < 0)
        return -1;
    g_state.CtBlock0Data = withMode(g_state.CtBlock0Data, m);
    if (WriteBlock0ToCt() != 0)
        return -1;
    if (mode != old)
        Platform::Dialogs::MsgBox(Platform::ResLines({495, 496}),
                                  Platform::MsgButtons::Ok, Platform::MsgIcon::Information);
    return 0;
}

int WriteAxisMaskAndModeToCt(int mask, bool prgMode)
{
    const auto m = maskDigits(mask);
    if (!m || ReadBlock0FromCt() != 0)
        return 1;
    g_state.CtBlock0Data = withMode(withMask(g_state.CtBlock0Data, *m), FixedText::DecZeroPad(prgMode ? 1 : 0, 2));
    if (WriteBlock0ToCt() != 0)
        return 1;
    Paradata().ParaSet.ParaSpAxis = int16_t(mask);
    return 0;
}

} // namespace Comm
