#include "sim/SimPosi.h"

#include "sim/SimController.h"

namespace SimPosi {
namespace {

QByteArray key(int n) { return "posi" + QByteArray::number(n); }
int posiNoOf(const QByteArray &frame) { return frame.mid(3, 3).toInt(nullptr, 16); }

std::optional<QByteArray> readPosi(SimController &sim, const QByteArray &frame)
{
    const int n = posiNoOf(frame);
    if (n < 1 || n > 999 || frame.size() != 6)
        return QByteArray("0%%001");
    return "0RP" + frame.mid(3, 3) + Block(sim, n);
}

std::optional<QByteArray> writePosi(SimController &sim, const QByteArray &frame)
{
    const int n = posiNoOf(frame);
    if (n < 1 || n > 999 || frame.size() != 66)
        return QByteArray("0%%001");
    SetBlock(sim, n, frame.mid(6));
    return "0WP" + frame.mid(3, 3);
}

} // namespace

QByteArray DefaultBlock()
{
    QByteArray b;
    for (int a = 0; a < 4; ++a)
        b += "01E0A000000000";
    return b + "0000";
}

QByteArray Block(SimController &sim, int posiNo) { return sim.model().store.value(key(posiNo), DefaultBlock()); }
void SetBlock(SimController &sim, int posiNo, const QByteArray &block) { sim.model().store.insert(key(posiNo), block); }

void SetMaxPulse(SimController &sim, int axis, int pulses)
{
    sim.model().store.insert("maxpulse" + QByteArray::number(axis), QByteArray::number(pulses));
}

void InstallPosiCommands(SimController &sim)
{
    sim.addCommand("0RP", readPosi);
    sim.addCommand("0WP", writePosi);
}

} // namespace SimPosi
