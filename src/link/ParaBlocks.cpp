#include "link/ParaBlocks.h"

#include "app/AppState.h"
#include "app/Module1Text.h"
#include "app/Num.h"
#include "link/CommandHost.h"
#include "link/Queues.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

namespace Module3Tusin {

namespace {

using Platform::ResText;

// Builds the 16 bytes of a block; the first field that does not fit is kept.
class BlockWriter {
public:
    explicit BlockWriter(int block) : m_text(Module1::HexZeroPad(block, 1)) {}
    void field(int64_t value, int bytes, const char *name)
    {
        const int64_t max = (int64_t(1) << (8 * bytes)) - 1;
        if (value < 0 || value > max) {
            fail(name);
            return;
        }
        m_text += Module1::HexZeroPad(int32_t(value), 2 * bytes);
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

void showDataWrong() { Platform::Dialogs::MsgBox(ResText(384) + QStringLiteral("\r\n") + ResText(385)); }

} // namespace

int ParaBlockOfIndex(int index) { return index <= 1 ? index : index + 1; }
int ParaAxisOfIndex(int index) { return index <= 1 ? -1 : (index - 2) / 3; }
QString ParaBlockReadFrame(int block) { return QStringLiteral("0RD") + Module1::HexZeroPad(block, 1); }

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

std::optional<QString> ParaBlockDataOfReply(const QString &reply)
{
    const QString data = reply.mid(4, 32);
    if (data.size() != 32)
        return std::nullopt;
    for (QChar c : data)
        if (!std::isxdigit(static_cast<unsigned char>(c.toLatin1())) || c.unicode() > 127)
            return std::nullopt;
    return data;
}

void DecodeParaBlocks(const ParaBlockData &blocks, ParaTable &t, std::array<std::optional<uint8_t>, 68> &spare)
{
    for (int r = 0; r <= 39; ++r)
        for (auto &c : t[r])
            c = ValueCell(QString());
    auto num = [](uint32_t v) { return ValueCell(double(v)); };
    for (int i = 0; i < kParaBlockIndices; ++i) {
        if (!blocks[i])
            continue;
        const QString &d = *blocks[i];
        const int a = ParaAxisOfIndex(i);
        if (i == 0) {
            t[16][0] = num(bytesAt(d, 0, 1));
            t[26][0] = num(bytesAt(d, 1, 1));
            t[27][0] = num(bytesAt(d, 2, 1));
            t[17][0] = num(bytesAt(d, 3, 1));
            t[18][0] = num(bytesAt(d, 4, 1));
            t[19][0] = num(bytesAt(d, 5, 1));
            t[31][0] = num(bytesAt(d, 6, 1));
            t[34][0] = num(bytesAt(d, 7, 1));
            t[32][0] = num(bytesAt(d, 8, 1));
            t[33][0] = num(bytesAt(d, 9, 1));
            t[25][0] = num(bytesAt(d, 10, 2));
            for (int k = 0; k < 4; ++k)
                spare[k] = uint8_t(bytesAt(d, 12 + k, 1));
        } else if (i == 1) {
            for (int ax = 0; ax < 4; ++ax) {
                t[6][ax] = num(bytesAt(d, ax, 1));
                t[35][ax] = num(bytesAt(d, 4 + ax, 1));
            }
            for (int k = 0; k < 8; ++k)
                spare[4 + k] = uint8_t(bytesAt(d, 8 + k, 1));
        } else if ((i - 2) % 3 == 0) {
            t[1][a] = num(bytesAt(d, 0, 2));
            t[2][a] = num(bytesAt(d, 2, 1));
            t[3][a] = num(bytesAt(d, 3, 1));
            t[4][a] = num(bytesAt(d, 4, 1));
            t[5][a] = num(bytesAt(d, 5, 1));
            t[15][a] = num(bytesAt(d, 6, 2));
            t[14][a] = num(bytesAt(d, 8, 1));
            t[20][a] = num(bytesAt(d, 9, 1));
            t[21][a] = num(bytesAt(d, 10, 3));
            t[22][a] = num(bytesAt(d, 13, 3));
        } else if ((i - 2) % 3 == 1) {
            const uint32_t type = bytesAt(d, 0, 1);
            t[12][a] = num(type == 3 ? 1 : type);
            t[8][a] = num(bytesAt(d, 1, 1));
            t[9][a] = num(bytesAt(d, 2, 2));
            t[7][a] = num(bytesAt(d, 4, 3));
            t[10][a] = num(bytesAt(d, 7, 1));
            QString size = QString::number(bytesAt(d, 8, 1));
            QString speed = QString(QChar(char16_t(bytesAt(d, 9, 1))));
            if (speed == QLatin1String("E")) {
                size = QLatin1Char('E') + size;
                speed = QStringLiteral("L");
            } else {
                size = size.rightJustified(3, QLatin1Char(' '));
            }
            const uint32_t stroke = bytesAt(d, 10, 2);
            QString strokeText = Module1::DecZeroPad(int32_t(stroke), 3);
            if (Module1::DoesNotFit(strokeText))
                strokeText = QString::number(stroke);
            t[36][a] = ValueCell(size);
            t[37][a] = ValueCell(speed);
            t[38][a] = num(stroke);
            t[13][a] = ValueCell(size + speed + strokeText);
            for (int k = 0; k < 4; ++k)
                spare[12 + 14 * a + k] = uint8_t(bytesAt(d, 12 + k, 1));
        } else {
            t[23][a] = num(bytesAt(d, 0, 1));
            t[24][a] = num(bytesAt(d, 1, 1));
            t[11][a] = num(bytesAt(d, 2, 1));
            t[28][a] = num(bytesAt(d, 3, 1));
            t[29][a] = num(bytesAt(d, 4, 1));
            t[30][a] = num(bytesAt(d, 5, 1));
            for (int k = 0; k < 10; ++k)
                spare[16 + 14 * a + k] = uint8_t(bytesAt(d, 6 + k, 1));
        }
    }
}

EncodedBlock EncodeParaBlock(int i, const ParaEncodeSource &src, PerAxis<int16_t> &devCode)
{
    const ParaSetData &s = src.set;
    BlockWriter w(ParaBlockOfIndex(i));
    const int a = ParaAxisOfIndex(i);
    if (i == 0) {
        w.field(s.ParaHomeOut, 1, "HOME OUT");
        w.field(s.ParaSpAxis, 1, "AXIS");
        w.field(s.ParaAutoHome, 1, "AUTO HOME");
        w.field(s.ParaGrpEnable, 1, "GRP ENABLE");
        w.field(s.ParaSmTimeout, 1, "SM TIMEOUT");
        w.field(s.ParaSmTimer, 1, "SM TIMER");
        w.field(s.ParaEmgLogic, 1, "EMG LOGIC");
        w.field(s.ParaPputWrite, 1, "PPUT Write");
        w.field(s.ParaAlm1Clear, 1, "ALM1 CLEAR");
        w.field(s.ParaPosPrg, 1, "POS/PRG");
        w.field(s.ParaAutoPrgNo, 2, "AutoPrg No.");
        w.spare(src.spare, 0, 4);
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
        w.spare(src.spare, 4, 8);
    } else if ((i - 2) % 3 == 0) {
        w.cell(s.ParaHomeOffset[a], 2, "OFFSET");
        w.field(s.ParaHomePush[a], 1, "PUSH");
        w.field(s.ParaHomeVel[a], 1, "VEL");
        w.field(s.ParaHomeOfsVel[a], 1, "OFSVEL");
        w.field(s.ParaHomePushVel[a], 1, "PUSHVEL");
        w.cell(s.ParaPgAlm[a], 2, "ALM");
        w.field(s.ParaPgFunction[a], 1, "FUNCTION");
        w.field(s.ParaZoneEnable[a], 1, "ZONE ENABLE");
        w.cell(s.ParaZone1[a], 3, "ZONE1");
        w.cell(s.ParaZone2[a], 3, "ZONE2");
    } else if ((i - 2) % 3 == 1) {
        // The controller knows TYPE 1 as 3; the set keeps 1.
        w.field(s.ParaType[a] == 1 ? 3 : s.ParaType[a], 1, "TYPE");
        w.field(s.ParaAxisLead[a], 1, "LEAD");
        w.field(s.ParaAxisPulse[a], 2, "PULSE");
        w.cell(s.ParaAxisStroke[a], 3, "STROKE");
        w.field(s.ParaJogVel[a], 1, "JOG VEL");
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
        w.spare(src.spare, 12 + 14 * a, 4);
    } else {
        w.field(s.ParaInpWid[a], 1, "IN-P WID");
        w.field(s.ParaHoldTime[a], 1, "HOLD TIME");
        w.field(s.ParaAutoDrive[a], 1, "Auto Drive");
        w.field(s.ParaPgTimer[a], 1, "PG TIMER");
        w.field(s.ParaLsTimer[a], 1, "LS TIMER");
        w.field(s.ParaSoftLimit[a], 1, "SOFT LIMIT");
        w.spare(src.spare, 16 + 14 * a, 10);
    }
    return w.result();
}

int ReadParametaFromCt()
{
    auto &q = Queues();
    auto &st = Paradata();
    ParaBlockData data;
    {
        CmdHost::TransferProgress progress(kParaBlockIndices, 368, false);
        for (int i = 0; i < kParaBlockIndices; ++i) {
            const int a = ParaAxisOfIndex(i);
            if (a < 0 || !App().AxisNotUsed[a]) {
                q.TusinTimeout = 5000;
                const int id = RequestTusin(ParaBlockReadFrame(ParaBlockOfIndex(i)), kBlockReplyLen, q.TusinTimeout, 1);
                if (id < 0) {
                    CmdHost::ClosePortIfFree();
                    return 1;
                }
                const auto reply = WaitResult(id);
                if (!reply) {
                    CmdHost::ClosePortIfFree();
                    return 1;
                }
                data[i] = ParaBlockDataOfReply(*reply);
                if (!data[i]) {
                    // Garbled digits: nothing of this read is taken.
                    CmdHost::ClosePortIfFree();
                    q.TusinErrorFlag = true;
                    showDataWrong();
                    TusinFlush();
                    return 1;
                }
            }
            progress.setValue(i);
            Module1::mmsecWait(st.BlockStepWaitMs);
        }
    }
    CmdHost::ClosePortIfFree();
    DecodeParaBlocks(data, st.ParaFileTable, st.ParaBlockSpare);
    return 0;
}

int WriteParametaToCt()
{
    auto &q = Queues();
    auto &st = Paradata();
    const int lastAxis = std::clamp(st.ParaLastAxis, 0, 3);
    const int last = 3 * (lastAxis + 1) + 2;
    const ParaEncodeSource src{st.ParaSet, st.Ct, st.CtBlock1Value, st.ParaBlockSpare, App().AxisNotUsed};
    PerAxis<int16_t> devCode = st.CtDevCode;
    std::array<QString, kParaBlockIndices> frames;
    // Every block to be sent is built before the first frame goes out.
    for (int i = 0; i < last; ++i) {
        const int a = ParaAxisOfIndex(i);
        if (a >= 0 && App().AxisNotUsed[a])
            continue;
        const EncodedBlock b = EncodeParaBlock(i, src, devCode);
        if (!b.ok()) {
            Platform::Dialogs::MsgBox(ResText(3950) + QStringLiteral("\r\n") + ResText(3951));
            return 1;
        }
        frames[i] = QStringLiteral("0WD") + b.text;
    }
    st.CtDevCode = devCode;

    CmdHost::TransferProgress progress(last + 1, 383, false);
    for (int i = 0; i <= last; ++i) {
        const int a = ParaAxisOfIndex(i);
        if (i == last || a < 0 || !App().AxisNotUsed[a]) {
            const QString frame = i == last ? QStringLiteral("0WE2") : frames[i];
            q.TusinTimeout = 5000;
            const int id = RequestTusin(frame, 6, q.TusinTimeout, 1);
            if (id < 0)
                return 1;
            const auto reply = WaitResult(id);
            if (!reply) {
                if (!q.TusinErrorFlag) {
                    CmdHost::ClosePortIfFree();
                    TusinFlush();
                }
                return 1;
            }
            const QString echo = i == last ? QStringLiteral("0WE") : frame.left(4);
            if (!reply->startsWith(echo)) {
                CmdHost::ClosePortIfFree();
                q.TusinErrorFlag = true;
                showDataWrong();
                TusinFlush();
                return 1;
            }
        }
        progress.setValue(i + 1);
        Module1::mmsecWait(st.BlockStepWaitMs);
    }
    CmdHost::ClosePortIfFree();
    return 0;
}

} // namespace Module3Tusin
