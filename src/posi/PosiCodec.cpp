#include "posi/PosiCodec.h"

#include "core/FixedText.h"

namespace PosiCodec {
namespace {

int32_t whole(const PosiValue &v)
{
    // Out-of-range values come out as "X" digits, which the controller refuses.
    return v.whole().value_or(-1);
}

std::optional<int32_t> hexValue(const QString &digits)
{
    // Position fields are at most 5 digits, so the value fits.
    const auto v = FixedText::HexValue(digits);
    return v ? std::optional<int32_t>(int32_t(*v)) : std::nullopt;
}

} // namespace

QString Hex3(int posiNo) { return FixedText::HexZeroPad(posiNo, 3); }
QString ReadCommand(int posiNo) { return QStringLiteral("0RP") + Hex3(posiNo); }
QString WriteData(int posiNo, const PosiRecord &r) { return Hex3(posiNo) + EncodeBlock(r); }
QString WriteCommand(const QString &writeData) { return QStringLiteral("0WP") + writeData; }

QString EncodePacked(int method, int32_t position)
{
    if (method < 0 || method > 3 || position < 0 || position > kPosiPulseMax)
        return QStringLiteral("XXXXX");
    return FixedText::HexZeroPad(method * 0x40000 + position, 5);
}

std::optional<Packed> DecodePacked(const QString &digits)
{
    if (digits.size() != 5)
        return std::nullopt;
    const auto first = hexValue(digits.left(1));
    const auto low = hexValue(digits.mid(1));
    if (!first || !low)
        return std::nullopt;
    return Packed{*first / 4, (*first & 3) * 65536 + *low};
}

QString EncodeBlock(const PosiRecord &r)
{
    QString s;
    s.reserve(kBlockLen);
    for (int a = 0; a < 4; ++a) {
        s += FixedText::HexZeroPad(whole(r[PosiField::Speed(a)]), 3);
        s += FixedText::HexZeroPad(whole(r[PosiField::Acc(a)]), 2);
        s += EncodePacked(whole(r[PosiField::Method(a)]), whole(r[PosiField::Position(a)]));
        s += FixedText::HexZeroPad(whole(r[PosiField::PushForce(a)]), 2);
        s += FixedText::HexZeroPad(whole(r[PosiField::PushPos(a)]), 2);
    }
    s += FixedText::HexZeroPad(whole(r[PosiField::Itpl]), 1);
    s += FixedText::HexZeroPad(whole(r[PosiField::Out]), 1);
    s += FixedText::HexZeroPad(whole(r[PosiField::Macro]), 2);
    return s;
}

std::optional<PosiRecord> DecodeBlock(const QString &block)
{
    if (block.size() != kBlockLen)
        return std::nullopt;
    PosiRecord r;
    int pos = 0;
    auto take = [&](int n) { const auto v = hexValue(block.mid(pos, n)); pos += n; return v; };
    for (int a = 0; a < 4; ++a) {
        const auto speed = take(3);
        const auto acc = take(2);
        const auto packed = DecodePacked(block.mid(pos, 5));
        pos += 5;
        const auto pf = take(2);
        const auto pp = take(2);
        if (!speed || !acc || !packed || !pf || !pp)
            return std::nullopt;
        r[PosiField::Speed(a)] = *speed;
        r[PosiField::Acc(a)] = *acc;
        r[PosiField::Method(a)] = packed->method;
        r[PosiField::Position(a)] = static_cast<double>(packed->position);
        r[PosiField::PushForce(a)] = *pf;
        r[PosiField::PushPos(a)] = *pp;
    }
    const auto itpl = take(1);
    const auto out = take(1);
    const auto macro = take(2);
    if (!itpl || !out || !macro)
        return std::nullopt;
    r[PosiField::Itpl] = *itpl;
    r[PosiField::Out] = *out;
    r[PosiField::Macro] = *macro;
    return r;
}

std::optional<PosiRecord> DecodeReadReply(const QString &reply, int posiNo)
{
    QString s = reply;
    while (s.endsWith(QLatin1Char('\n')) || s.endsWith(QLatin1Char('\r')))
        s.chop(1);
    if (s.size() != 6 + kBlockLen || !s.startsWith(ReadCommand(posiNo)))
        return std::nullopt;
    return DecodeBlock(s.mid(6));
}

} // namespace PosiCodec
