#include "link/CommandFrames.h"

#include "core/FixedText.h"
#include "prog/ProgWire.h"

namespace Comm::Frames {
namespace {

// Fixed-width hex field, or nothing when the value does not fit (negative
// values never fit: the controller has no signed fields here).
std::optional<QString> hexField(int value, int digits)
{
    if (value < 0)
        return std::nullopt;
    const QString t = FixedText::HexZeroPad(value, digits);
    if (FixedText::DoesNotFit(t))
        return std::nullopt;
    return t;
}

// "0" + two letters + the two-digit number of a group, macro or program.
std::optional<QString> numbered(const char *code, int no)
{
    const auto f = hexField(no, 2);
    if (!f)
        return std::nullopt;
    return QLatin1String(code) + *f;
}

} // namespace

std::optional<int> HexField(const QString &text, int pos, int len)
{
    if (pos < 1 || len < 1 || len > 7 || pos - 1 + len > text.size())
        return std::nullopt;
    const auto v = FixedText::HexValue(text.mid(pos - 1, len));
    return v ? std::optional<int>(int(*v)) : std::nullopt;
}

bool EchoMatches(const QString &reply, const QString &frame, int count)
{
    return reply.size() >= count && frame.size() >= count && reply.left(count) == frame.left(count);
}

QString CommunicationModeOn() { return QStringLiteral("0CM1"); }
QString AxisStopQuery() { return QStringLiteral("0RA"); }
QString HomeStateQuery() { return QStringLiteral("0RH"); }
QString AlarmReset() { return QStringLiteral("0AR"); }

bool AllAxesReported(const QString &reply, int paraSpAxis)
{
    // The state digit is a hex mask of the axes reported; "F" stands for all
    // axes whatever is present, any other digit must name exactly the
    // present axes (gapped configurations give "A" to "E").
    const auto d = HexField(reply, 4, 1);
    if (!d)
        return false;
    return *d == 15 || *d == paraSpAxis;
}

int AxisInUseMask(const std::array<bool, 4> &axisNotUsed)
{
    int m = 0;
    for (int i = 0; i < 4; ++i)
        if (!axisNotUsed[i])
            m |= 1 << i;
    return m;
}

std::optional<QString> MovePosiNo(int posiNo, int mode, const std::array<bool, 4> &axisNotUsed)
{
    if (posiNo < 0 || posiNo > 999)
        return std::nullopt;
    const QString code = mode == 1 ? QStringLiteral("0MS") : QStringLiteral("0MP");
    return code + FixedText::HexZeroPad(posiNo, 3) + FixedText::HexZeroPad(AxisInUseMask(axisNotUsed), 1);
}

std::optional<QString> MoveGrpNo(int grpNo)
{
    if (grpNo < 0 || grpNo > 99)
        return std::nullopt;
    return numbered("0MG", grpNo);
}

std::optional<QString> StorePosiData(int first, int last)
{
    const auto f = hexField(first, 3);
    const auto l = hexField(last, 3);
    if (!f || !l)
        return std::nullopt;
    return QStringLiteral("0WA") + *f + *l;
}

QString SetCommunicationMode(int modeValue, int &modeNo, int axisMask, const std::array<bool, 4> &axisNotUsed)
{
    QString digits;
    for (int i = 0; i < 4; ++i) {
        const bool on = (modeValue == 1 || modeValue == 2) && !axisNotUsed[i] && (axisMask & (1 << i));
        digits += on ? QString::number(modeValue) : QStringLiteral("0");
    }
    if (modeNo < 0 || modeNo > 2)
        modeNo = 0;
    return QStringLiteral("0CM") + QString::number(modeNo) + digits;
}

QString ReadInputs() { return QStringLiteral("0RI"); }
QString ReadOutputs() { return QStringLiteral("0RO"); }

bool DecodeBits(const QString &reply, int digits, BitTable &table)
{
    if (digits < 0 || digits > static_cast<int>(table.size()))
        return false;
    std::array<int, 7> values{};
    for (int j = 0; j < digits; ++j) {
        const auto d = HexField(reply, 4 + j, 1);
        if (!d)
            return false;
        values[j] = *d;
    }
    for (int j = 0; j < digits; ++j)
        for (int b = 0; b < 4; ++b)
            table[j][b] = (values[j] >> b) & 1;
    return true;
}

void ApplyOutputRequests(BitTable &outBit, BitTable &outReq)
{
    for (int j = 0; j < kOutDigits; ++j)
        for (int b = 0; b < 4; ++b)
            if (outReq[j][b]) {
                outBit[j][b] = !outBit[j][b];
                outReq[j][b] = false;
            }
}

QString WriteOutputs(const BitTable &outBit)
{
    QString f = QStringLiteral("0WO");
    for (int j = 0; j < kOutDigits; ++j) {
        int v = 0;
        for (int b = 0; b < 4; ++b)
            if (outBit[j][b])
                v |= 1 << b;
        f += FixedText::HexZeroPad(v, 1);
    }
    return f;
}

QString PresentPosQuery(const std::array<bool, 4> &axisNotUsed)
{
    return QStringLiteral("0RC") + FixedText::HexZeroPad(AxisInUseMask(axisNotUsed), 1);
}

int PresentPosReplyLen(const std::array<bool, 4> &axisNotUsed)
{
    int n = 0;
    for (bool notUsed : axisNotUsed)
        n += notUsed ? 0 : 1;
    return 6 + 5 * n;
}

std::optional<PresentPositions> DecodePresentPos(const QString &reply, const std::array<bool, 4> &axisNotUsed)
{
    // The mask digit is checked too: a reply for other axes would put its
    // fields under the wrong axes.
    if (!EchoMatches(reply, PresentPosQuery(axisNotUsed), 4))
        return std::nullopt;
    PresentPositions pos{};
    int at = 5;
    for (int a = 0; a < 4; ++a) {
        if (axisNotUsed[a])
            continue;
        const auto v = HexField(reply, at, 5);
        if (!v)
            return std::nullopt;
        pos[a] = *v > kPresentPosLimit ? 0 : *v;
        at += 5;
    }
    return pos;
}

std::optional<QString> ReadWatchItem(Watch::Kind kind, const Watch::Item &item)
{
    const char *code = kind == Watch::Kind::Flag ? "0FR" : kind == Watch::Kind::Variable ? "0HR" : "0HP";
    const auto prg = hexField(item.prgNo, 2);
    const auto no = hexField(item.number, kind == Watch::Kind::PosVariable ? 1 : 2);
    if (!prg || !no)
        return std::nullopt;
    return QLatin1String(code) + *prg + *no;
}

int WatchReplyLen(Watch::Kind kind)
{
    switch (kind) {
    case Watch::Kind::Flag: return 10;
    case Watch::Kind::Variable: return 17;
    default: return 16;
    }
}

std::optional<int32_t> DecodeWatchItem(Watch::Kind kind, const Watch::Item &item, const QString &reply)
{
    const auto frame = ReadWatchItem(kind, item);
    if (!frame || !EchoMatches(reply, *frame, int(frame->size())))
        return std::nullopt;
    const int at = int(frame->size()) + 1;
    if (kind == Watch::Kind::Flag)
        return HexField(reply, at, 1);
    if (reply.size() < at - 1 + 8)
        return std::nullopt;
    const auto v = FixedText::HexValue(reply.mid(at - 1, 8));
    if (!v)
        return std::nullopt;
    return static_cast<int32_t>(*v);
}

std::optional<QString> ReadProgStepCount(int progNo) { return numbered("0RR", progNo); }

std::optional<int> DecodeProgStepCount(const QString &reply) { return HexField(reply, 6, 2); }

QString TaskNoQuery() { return QStringLiteral("0TN"); }

std::optional<QString> StartTask(int progNo) { return numbered("0DM", progNo); }
std::optional<QString> StopTask(int progNo) { return numbered("0PM", progNo); }
QString StopAllTask() { return QStringLiteral("0PN"); }
QString TaskProgQuery() { return QStringLiteral("0TS"); }

std::optional<TaskProgs> DecodeTaskProgs(const QString &reply)
{
    if (!reply.startsWith(QLatin1String("0TS")))
        return std::nullopt;
    TaskProgs progs{};
    for (int t = 0; t < kTaskCount; ++t) {
        const auto v = HexField(reply, 4 + 2 * t, 2);
        if (!v)
            return std::nullopt;
        progs[size_t(t)] = *v;
    }
    return progs;
}

std::optional<QString> StepStatusQuery(int progNo) { return numbered("0PT", progNo); }

std::optional<StepStatus> DecodeStepStatus(const QString &reply)
{
    if (!reply.startsWith(QLatin1String("0PT")))
        return std::nullopt;
    static constexpr std::array<std::pair<int, int>, 7> kFields{
        {{4, 2}, {6, 2}, {8, 2}, {10, 6}, {16, 6}, {22, 3}, {25, 2}}};
    StepStatus st{};
    for (size_t k = 0; k < kFields.size(); ++k) {
        const auto v = HexField(reply, kFields[k].first, kFields[k].second);
        if (!v)
            return std::nullopt;
        st[k] = *v;
    }
    return st;
}

std::optional<QString> WriteProg(int progNo, const std::vector<ProgData::ProgStep> &progDA)
{
    const auto head = numbered("0WM", progNo);
    const auto steps = ProgWire::EncodeSteps(progNo, progDA);
    if (!head || !steps)
        return std::nullopt;
    return *head + *steps;
}

std::optional<QString> CommitProg(int progNo) { return numbered("0MW", progNo); }
std::optional<QString> ReadProg(int progNo) { return numbered("0RM", progNo); }
int ReadProgReplyLen(int progNo) { return ProgWire::ReadReplyLength(progNo); }

std::optional<int> DecodeTaskNo(const QString &reply) { return HexField(reply, 4, 1); }

std::optional<QString> WriteGrp(int grpNo, int start, int end)
{
    const auto g = numbered("0WG", grpNo);
    const auto s = hexField(start, 3);
    const auto e = hexField(end, 3);
    if (!g || !s || !e)
        return std::nullopt;
    return *g + *s + *e;
}

std::optional<QString> ReadGrp(int grpNo) { return numbered("0RG", grpNo); }

std::optional<GroupRecord> DecodeGrp(const QString &reply, int grpNo)
{
    const auto echo = ReadGrp(grpNo);
    if (!echo || !EchoMatches(reply, *echo, 5))
        return std::nullopt;
    const auto s = HexField(reply, 6, 3);
    const auto e = HexField(reply, 9, 3);
    if (!s || !e)
        return std::nullopt;
    return GroupRecord{*s, *e};
}

QString StoreGrp() { return QStringLiteral("0WE3"); }

std::optional<QString> WriteSqMcr(int macroNo, const MacroSteps &steps)
{
    auto f = numbered("0WS", macroNo);
    if (!f)
        return std::nullopt;
    for (const MacroStep &s : steps) {
        const auto c = hexField(s.code, 1);
        const auto d = hexField(s.data, 1);
        if (!c || !d)
            return std::nullopt;
        *f += *c + *d;
    }
    return f;
}

std::optional<QString> ReadSqMcr(int macroNo) { return numbered("0RS", macroNo); }

std::optional<MacroSteps> DecodeSqMcr(const QString &reply, int macroNo)
{
    const auto echo = ReadSqMcr(macroNo);
    if (!echo || !EchoMatches(reply, *echo, 5))
        return std::nullopt;
    MacroSteps steps{};
    for (int k = 0; k < kMacroSteps; ++k) {
        const auto c = HexField(reply, 6 + 2 * k, 1);
        const auto d = HexField(reply, 7 + 2 * k, 1);
        if (!c || !d)
            return std::nullopt;
        // An END step carries no data, whatever its data digit says.
        steps[k] = MacroStep{*c, *c == 0 ? 0 : *d};
    }
    return steps;
}

QString StoreSqMcr() { return QStringLiteral("0WE1"); }

} // namespace Comm::Frames
