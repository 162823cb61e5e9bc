#include "prog/ProgWire.h"

#include "core/FixedText.h"
#include "prog/CommandList.h"

namespace ProgWire {
namespace {

constexpr int kWidths[5] = {2, 6, 6, 3, 2};

std::optional<QString> field(int32_t v, int digits)
{
    if (v < 0)
        return std::nullopt;
    const QString t = FixedText::HexZeroPad(v, digits);
    if (FixedText::DoesNotFit(t))
        return std::nullopt;
    return t;
}

QString echoOf(int progNo) { return QStringLiteral("0RM") + FixedText::HexZeroPad(progNo, 2); }

} // namespace

std::optional<QString> EncodeStep(const ProgData::ProgStep &s)
{
    const int32_t values[5] = {s.code, s.op1, s.op2, s.cond, s.res};
    QString out;
    for (int i = 0; i < 5; ++i) {
        const auto f = field(values[i], kWidths[i]);
        if (!f)
            return std::nullopt;
        out += *f;
    }
    return out;
}

int FirstUnfitLine(const std::vector<ProgData::ProgStep> &progDA)
{
    for (size_t i = 1; i < progDA.size(); ++i)
        if (!EncodeStep(progDA[i]))
            return int(i);
    return 0;
}

std::optional<QString> EncodeSteps(int progNo, const std::vector<ProgData::ProgStep> &progDA)
{
    const int L = Programs::GetProgStepMax(progNo);
    const int n = std::max(int(progDA.size()) - 1, 0);
    if (L == 0 || n > L)
        return std::nullopt;
    QString out;
    out.reserve(kStepDigits * L);
    for (int k = 1; k <= n; ++k) {
        const auto s = EncodeStep(progDA[static_cast<size_t>(k)]);
        if (!s)
            return std::nullopt;
        out += *s;
    }
    if (n < L)
        out += QString(kStepDigits, QLatin1Char('0'));
    return out;
}

int ReadReplyLength(int progNo) { return kStepDigits * Programs::GetProgStepMax(progNo) + 7; }

std::optional<std::vector<ProgData::ProgStep>> DecodeSteps(const QString &reply, int progNo, int count)
{
    const int L = Programs::GetProgStepMax(progNo);
    if (L == 0 || count < 0 || count > L || !reply.startsWith(echoOf(progNo)))
        return std::nullopt;
    const qsizetype start = 5;
    if (reply.size() < start + qsizetype(kStepDigits) * count)
        return std::nullopt;
    std::vector<ProgData::ProgStep> steps(static_cast<size_t>(count + 1));
    qsizetype pos = start;
    for (int line = 1; line <= count; ++line) {
        int32_t values[5];
        for (int i = 0; i < 5; ++i) {
            const auto v = FixedText::HexValue(reply.mid(pos, kWidths[i]));
            if (!v)
                return std::nullopt;
            values[i] = int32_t(*v);
            pos += kWidths[i];
        }
        ProgData::ProgStep &s = steps[static_cast<size_t>(line)];
        s.code = values[0];
        s.op1 = values[1];
        s.op2 = values[2];
        s.cond = values[3];
        s.res = values[4];
    }
    return steps;
}

} // namespace ProgWire
