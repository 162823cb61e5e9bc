#include "sim/SimParaBlocks.h"

#include "sim/SimController.h"

namespace SimParaBlocks {
namespace {

QByteArray key(int block) { return "parablock" + QByteArray::number(block); }
QByteArray hex(int v, int digits) { return QByteArray::number(v, 16).toUpper().rightJustified(digits, '0'); }
bool isHex(const QByteArray &s)
{
    for (char c : s)
        if (!QByteArray("0123456789ABCDEF").contains(c))
            return false;
    return true;
}
int blockOf(const QByteArray &frame) { return QByteArray("0123456789ABCDEF").indexOf(frame.mid(3, 1)); }

std::optional<QByteArray> readBlock(SimController &sim, const QByteArray &frame)
{
    const int b = blockOf(frame);
    if (frame.size() != 4 || b < 0)
        return QByteArray("0%%001");
    return "0RD" + frame.mid(3, 1) + Block(sim, b);
}

std::optional<QByteArray> writeBlock(SimController &sim, const QByteArray &frame)
{
    const int b = blockOf(frame);
    const QByteArray data = frame.mid(4);
    if (frame.size() != 36 || b < 0 || !isHex(data))
        return QByteArray("0%%001");
    SetBlock(sim, b, data);
    return "0WD" + frame.mid(3, 1);
}

std::optional<QByteArray> store(SimController &sim, const QByteArray &frame)
{
    CountStore(sim);
    return frame;
}

} // namespace

void InstallParaBlockCommands(SimController &sim)
{
    sim.addCommand("0RD", readBlock);
    sim.addCommand("0WD", writeBlock);
    sim.addCommand("0WE", store);
}

QByteArray Block(SimController &sim, int block)
{
    const auto &s = sim.model().store;
    if (s.contains(key(block)))
        return s.value(key(block));
    QByteArray data(32, '0');
    if (block == 0)
        data.replace(2, 2, hex(sim.model().axisMask, 2));
    const int axis = QByteArray("47AD").indexOf(QByteArray::number(block, 16).toUpper());
    if (axis >= 0)
        data.replace(8, 6, hex(s.value("maxpulse" + QByteArray::number(axis), "262143").toInt(), 6));
    return data;
}

void SetBlock(SimController &sim, int block, const QByteArray &digits)
{
    sim.model().store.insert(key(block), digits.toUpper());
    // The axis mask the other commands report follows block 0.
    if (block == 0)
        sim.model().axisMask = digits.mid(2, 2).toInt(nullptr, 16);
}

void CountStore(SimController &sim)
{
    sim.model().store.insert("parastores", QByteArray::number(StoreCount(sim) + 1));
}

int StoreCount(SimController &sim) { return sim.model().store.value("parastores", "0").toInt(); }

} // namespace SimParaBlocks
