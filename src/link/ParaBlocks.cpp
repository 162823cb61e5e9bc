#include "link/ParaBlocks.h"

#include "core/AppState.h"
#include "core/FixedText.h"
#include "platform/Wait.h"
#include "core/Num.h"
#include "link/CommandHost.h"
#include "link/Queues.h"
#include "paradata/ParaFile.h"

#include <vector>

namespace Comm {

namespace {

// Builds the 16 bytes of a block; the first field that does not fit is kept.
class BlockWriter {
public:
    explicit BlockWriter(int block) : m_text(FixedText::HexZeroPad(block, 1)) {}
    void field(int64_t value, int bytes, const char *name)
    {
        const int64_t max = (int64_t(1) << (8 * bytes)) - 1;
        if (value < 0 || value > max) {
            fail(name);
            return;
        }
        m_text += FixedText::HexZeroPad(int32_t(value), 2 * bytes);
    }
    void cell(const ValueCell &c, int bytes, const char *name)
    {
        const auto v = c.toInt32();
        if (!v) {
            fail(name);
            return;
        }
        field(*v, bytes, name);
    }
    void spare(const std::array<std::optional<uint8_t>, 68> &spare, int first, int count)
    {
        for (int k = first; k < first + count; ++k)
            field(spare[k].value_or(0), 1, "spare");
    }
    EncodedBlock result() const
    {
        if (!m_bad.isEmpty())
            return {QString(), m_bad};
        return {m_text, QString()};
    }

private:
    void fail(const char *name)
    {
        if (m_bad.isEmpty())
            m_bad = QString::fromLatin1(name);
        m_text += QStringLiteral("00");
    }
    QString m_text;
    QString m_bad;
};

// Unsigned value of data bytes [byte, byte + count).
uint32_t bytesAt(const QString &data, int byte, int count)
{
    return data.mid(2 * byte, 2 * count).toUInt(nullptr, 16);
}

} // namespace

int ParaBlockOfIndex(int index) { return index <= 1 ? index : index + 1; }
int ParaAxisOfIndex(int index) { return index <= 1 ? -1 : (index - 2) / 3; }
QString ParaBlockReadFrame(int block) { return QStringLiteral("0RD") + FixedText::HexZeroPad(block, 1); }
QString ParaBlockWriteFrame(int block, const QString &data)
{
    return QStringLiteral("0WD") + FixedText::HexZeroPad(block, 1) + data;
}

int16_t ParaDevCode(const QString &size, const QString &speed)
{
    if (size == QLatin1String(" 28"))
        return 0;
    if (size == QLatin1String(" 35"))
        return 1;
    if (size == QLatin1String("E35"))
        return 4;
    if (size == QLatin1String(" 42"))
        return speed == QLatin1String("D") ? 5 : 2;
    if (size == QLatin1String(" 20"))
        return 3;
    if (size == QLatin1String(" 50"))
        return 6;
    if (size == QLatin1String(" 99")) {
        if (speed == QLatin1String("A") || speed == QLatin1String("B"))
            return 13;
        if (speed == QLatin1String("C"))
            return 14;
        if (speed == QLatin1String("D"))
            return 15;
    }
    return 0;
}

bool IsParaBlockData(const QString &digits) { return digits.size() == 32 && FixedText::IsHexText(digits, true); }

std::optional<QString> ParaBlockDataOfReply(int block, const QString &reply)
{
    const QString data = reply.mid(4, 32);
    if (!reply.startsWith(ParaBlockReadFrame(block)) || !IsParaBlockData(data))
        return std::nullopt;
    return data;
}

std::optional<QString> ReadParaBlock(int block, int timeoutMs, bool *wrongData)
{
    if (wrongData)
        *wrongData = false;
    const auto reply = Exchange(ParaBlockReadFrame(block), kBlockReplyLen, timeoutMs, 1);
    if (!reply)
        return std::nullopt;
    auto data = ParaBlockDataOfReply(block, *reply);
    if (!data && wrongData)
        *wrongData = true;
    return data;
}

namespace {

// A parameter field of a block: its first byte, its width in bytes, and the
// row of the parameter table (and of the parameter set) it carries.
struct Field {
    int byte;
    int width;
    int row;
    const char *name;
};
constexpr Field kBlock0[] = {
    {0, 1, 16, "HOME OUT"}, {1, 1, 26, "AXIS"},      {2, 1, 27, "AUTO HOME"},  {3, 1, 17, "GRP ENABLE"},
    {4, 1, 18, "SM TIMEOUT"}, {5, 1, 19, "SM TIMER"}, {6, 1, 31, "EMG LOGIC"}, {7, 1, 34, "PPUT Write"},
    {8, 1, 32, "ALM1 CLEAR"}, {9, 1, 33, "POS/PRG"},  {10, 2, 25, "AutoPrg No."},
};
constexpr Field kAxisBlock1[] = {
    {0, 2, 1, "OFFSET"}, {2, 1, 2, "PUSH"},         {3, 1, 3, "VEL"},     {4, 1, 4, "OFSVEL"},  {5, 1, 5, "PUSHVEL"},
    {6, 2, 15, "ALM"},   {8, 1, 14, "FUNCTION"},    {9, 1, 20, "ZONE ENABLE"}, {10, 3, 21, "ZONE1"}, {13, 3, 22, "ZONE2"},
};
// TYPE (byte 0) and the actuator (bytes 8..11) are coded apart.
constexpr Field kAxisBlock2[] = {
    {1, 1, 8, "LEAD"}, {2, 2, 9, "PULSE"}, {4, 3, 7, "STROKE"}, {7, 1, 10, "JOG VEL"},
};
constexpr Field kAxisBlock3[] = {
    {0, 1, 23, "IN-P WID"}, {1, 1, 24, "HOLD TIME"}, {2, 1, 11, "Auto Drive"},
    {3, 1, 28, "PG TIMER"}, {4, 1, 29, "LS TIMER"},  {5, 1, 30, "SOFT LIMIT"},
};

// Spare bytes of a block: first byte, count, first index in ParaBlockSpare.
struct Spare {
    int byte;
    int count;
    int index;
};
Spare spareOf(int i)
{
    const int a = ParaAxisOfIndex(i);
    if (i == 0)
        return {12, 4, 0};
    if (i == 1)
        return {8, 8, 4};
    if ((i - 2) % 3 == 1)
        return {12, 4, 12 + 14 * a};
    if ((i - 2) % 3 == 2)
        return {6, 10, 16 + 14 * a};
    return {16, 0, 0};
}

template <size_t N>
void decodeFields(const Field (&fields)[N], const QString &d, ParaTable &t, int col)
{
    for (const Field &f : fields)
        t[f.row][col] = ValueCell(double(bytesAt(d, f.byte, f.width)));
}

template <size_t N>
void encodeFields(const Field (&fields)[N], const ParaSetData &s, int axis, BlockWriter &w)
{
    for (const Field &f : fields)
        w.cell(ParaFile::ParaSetCell(s, f.row, axis), f.width, f.name);
}

} // namespace

void DecodeParaBlocks(const ParaBlockData &blocks, ParaTable &t, std::array<std::optional<uint8_t>, 68> &spare)
{
    for (int r = 0; r <= 39; ++r)
        for (auto &c : t[r])
            c = ValueCell(QString());
    for (int i = 0; i < kParaBlockIndices; ++i) {
        if (!blocks[i])
            continue;
        const QString &d = *blocks[i];
        const int a = ParaAxisOfIndex(i);
        if (i == 0) {
            decodeFields(kBlock0, d, t, 0);
        } else if (i == 1) {
            for (int ax = 0; ax < 4; ++ax) {
                t[6][ax] = ValueCell(double(bytesAt(d, ax, 1)));
                t[35][ax] = ValueCell(double(bytesAt(d, 4 + ax, 1)));
            }
        } else if ((i - 2) % 3 == 0) {
            decodeFields(kAxisBlock1, d, t, a);
        } else if ((i - 2) % 3 == 1) {
            decodeFields(kAxisBlock2, d, t, a);
            const uint32_t type = bytesAt(d, 0, 1);
            t[12][a] = ValueCell(double(type == 3 ? 1 : type));
            QString size = QString::number(bytesAt(d, 8, 1));
            QString speed = QString(QChar(char16_t(bytesAt(d, 9, 1))));
            if (speed == QLatin1String("E")) {
                size = QLatin1Char('E') + size;
                speed = QStringLiteral("L");
            } else {
                size = size.rightJustified(3, QLatin1Char(' '));
            }
            const uint32_t stroke = bytesAt(d, 10, 2);
            QString strokeText = FixedText::DecZeroPad(int32_t(stroke), 3);
            if (FixedText::DoesNotFit(strokeText))
                strokeText = QString::number(stroke);
            t[36][a] = ValueCell(size);
            t[37][a] = ValueCell(speed);
            t[38][a] = ValueCell(double(stroke));
            t[13][a] = ValueCell(size + speed + strokeText);
        } else {
            decodeFields(kAxisBlock3, d, t, a);
        }
        const Spare sp = spareOf(i);
        for (int k = 0; k < sp.count; ++k)
            spare[sp.index + k] = uint8_t(bytesAt(d, sp.byte + k, 1));
    }
}

EncodedBlock EncodeParaBlock(int i, const ParaEncodeSource &src, PerAxis<int16_t> &devCode)
{
    const ParaSetData &s = src.set;
    BlockWriter w(ParaBlockOfIndex(i));
    const int a = ParaAxisOfIndex(i);
    if (i == 0) {
        encodeFields(kBlock0, s, 0, w);
    } else if (i == 1) {
        for (int ax = 0; ax < 4; ++ax)
            w.field(s.ParaHomeSeq[ax], 1, "SEQ");
        for (int ax = 0; ax < 4; ++ax) {
            if (src.axisNotUsed[ax]) {
                w.field(src.block1Value[ax], 1, "Actuator");
            } else {
                devCode[ax] = ParaDevCode(src.ct.CtDevSize[ax], src.ct.CtDevSpeed[ax]);
                w.field(devCode[ax], 1, "Actuator");
            }
        }
    } else if ((i - 2) % 3 == 0) {
        encodeFields(kAxisBlock1, s, a, w);
    } else if ((i - 2) % 3 == 1) {
        // The controller knows TYPE 1 as 3; the set keeps 1.
        w.field(s.ParaType[a] == 1 && !src.typeAsHeld ? 3 : s.ParaType[a], 1, "TYPE");
        encodeFields(kAxisBlock2, s, a, w);
        const QString &size = src.ct.CtDevSize[a];
        const QString &speed = src.ct.CtDevSpeed[a];
        if (size == QLatin1String("E35")) {
            w.field(0x23, 1, "Actuator");
            w.field('E', 1, "Actuator");
        } else {
            const auto sizeNo = Num::CLng(Num::Val(size));
            w.field(sizeNo ? *sizeNo : -1, 1, "Actuator");
            w.field(speed.isEmpty() ? -1 : speed[0].unicode(), 1, "Actuator");
        }
        w.field(src.ct.CtDevStroke[a], 2, "Actuator");
    } else {
        encodeFields(kAxisBlock3, s, a, w);
    }
    const Spare sp = spareOf(i);
    w.spare(src.spare, sp.index, sp.count);
    return w.result();
}

int ReadParametersFromCt()
{
    auto &st = Paradata();
    ParaBlockData data;
    {
        CmdHost::TransferProgress progress(kParaBlockIndices, 368, false);
        for (int i = 0; i < kParaBlockIndices; ++i) {
            const int a = ParaAxisOfIndex(i);
            if (a < 0 || !App().AxisNotUsed[a]) {
                bool wrongData = false;
                data[i] = ReadParaBlock(ParaBlockOfIndex(i), 5000, &wrongData);
                if (!data[i]) {
                    // Garbled digits: nothing of this read is taken.
                    if (wrongData)
                        CmdHost::FailOnWrongData(true);
                    else
                        CmdHost::ClosePortIfFree();
                    return 1;
                }
            }
            progress.setValue(i);
            Platform::WaitMs(st.BlockStepWaitMs);
        }
    }
    CmdHost::ClosePortIfFree();
    DecodeParaBlocks(data, st.ParaFileTable, st.ParaBlockSpare);
    return 0;
}

namespace {

// One frame of a block write (5000 ms): 0 answered with the expected echo;
// 1 failed: the queue was full, the request failed (port closed unless held,
// queues flushed) or the echo was wrong (message 384/385, link failed).
int sendWriteFrame(const QString &frame, int replyLen, const QString &echo)
{
    const Exchanged r = Send(frame, replyLen, 5000);
    if (r.outcome == Outcome::Failed) {
        CmdHost::ClosePortIfFree();
        FlushQueue();
    }
    if (!r.ok())
        return 1;
    if (!r.reply.startsWith(echo)) {
        CmdHost::FailOnWrongData(true);
        return 1;
    }
    return 0;
}

} // namespace

int WriteParaBlocks(const ParaBlockWrite &write)
{
    auto &st = Paradata();
    const auto &notUsed = App().AxisNotUsed;
    ParaEncodeSource src{st.ParaSet, st.Ct, st.CtBlock1Value, st.ParaBlockSpare, notUsed};
    src.typeAsHeld = write.typeAsHeld;
    PerAxis<int16_t> devCode = st.CtDevCode;
    const int blocks = int(write.indices.size());
    std::vector<QString> frames(write.indices.size());
    // Every block to be sent is built before the first frame goes out.
    for (int k = 0; k < blocks; ++k) {
        const int i = write.indices[size_t(k)];
        const int a = ParaAxisOfIndex(i);
        if (a >= 0 && notUsed[a])
            continue;
        const EncodedBlock b = EncodeParaBlock(i, src, devCode);
        if (!b.ok()) {
            CmdHost::ShowValueOutOfRange();
            return 1;
        }
        frames[size_t(k)] = ParaBlockWriteFrame(ParaBlockOfIndex(i), b.text.mid(1));
    }
    st.CtDevCode = devCode;

    const int steps = blocks + 1;
    CmdHost::TransferProgress progress(steps + write.firstProgress - 1, 383, false);
    for (int k = 0; k < steps; ++k) {
        const bool store = k == blocks;
        const int a = store ? -1 : ParaAxisOfIndex(write.indices[size_t(k)]);
        if (a < 0 || !notUsed[a]) {
            const QString &frame = store ? write.store : frames[size_t(k)];
            const int replyLen = store ? write.storeReplyLen : 6;
            const QString echo = store ? QStringLiteral("0WE") : frame.left(4);
            if (sendWriteFrame(frame, replyLen, echo) != 0)
                return 1;
        }
        progress.setValue(k + write.firstProgress);
        Platform::WaitMs(st.BlockStepWaitMs);
    }
    CmdHost::ClosePortIfFree();
    return 0;
}

int WriteParametersToCt()
{
    const int lastAxis = std::clamp(Paradata().ParaLastAxis, 0, 3);
    std::array<int, kParaBlockIndices> indices{};
    const int count = 3 * (lastAxis + 1) + 2;
    for (int i = 0; i < count; ++i)
        indices[size_t(i)] = i;
    return WriteParaBlocks({std::span<const int>(indices.data(), size_t(count)), QStringLiteral("0WE2"), 6});
}

} // namespace Comm
