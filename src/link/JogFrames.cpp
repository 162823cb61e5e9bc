#include "link/JogFrames.h"

#include "core/FixedText.h"

namespace Comm::Frames {

QString JogSpeedText(int percent)
{
    if (percent >= 10 && percent <= 90)
        return QString::number(percent / 10.0);
    return QStringLiteral("0");
}

std::optional<QString> JogStart(int index, const QString &speedText)
{
    if (index < 0 || index > 7)
        return std::nullopt;
    QString digits(4, QLatin1Char('0'));
    digits[index / 2] = QLatin1Char(index % 2 == 0 ? '1' : '2');
    return QStringLiteral("0JR") + digits + speedText;
}

QString JogStop() { return QStringLiteral("0SP"); }

QString MakeInchingCommand(int step, int index, int32_t present, int32_t limit, const InchingSetting &setting,
                           const QString &devSpeed, const QString &devSize)
{
    struct Block {
        QString speed = QStringLiteral("001");
        QString acc = QStringLiteral("01");
        QString flag = QStringLiteral("0");
        QString target = QStringLiteral("00000");
    };
    std::array<Block, 4> blocks{};
    const int axis = std::clamp(index, 0, 7) / 2;
    Block &b = blocks[static_cast<size_t>(axis)];
    const bool big = devSpeed == QLatin1String("D") && devSize == QLatin1String(" 42");
    b.speed = FixedText::HexZeroPad(setting.velocity, 3);
    b.acc = FixedText::HexZeroPad(big ? setting.acceleration2 : setting.acceleration, 2);

    const int32_t p = present, l = limit, s = step;
    std::optional<int32_t> target;
    if (index % 2 == 1)
        target = p <= s ? 0 : p - s;
    else if (s != 1)
        target = l - p > s ? p + s : l;
    else if (p != l) // one pulse at the limit does not move
        target = p + 1;
    if (target) {
        b.flag = QStringLiteral("1");
        b.target = FixedText::HexZeroPad(*target, 5);
    }
    QString data;
    for (const Block &k : blocks)
        data += k.speed + k.acc + k.flag + k.target;
    return data + QLatin1Char('0');
}

QString Inching(const QString &data) { return QStringLiteral("0MV") + data; }

} // namespace Comm::Frames
