#include "support/SimPosi.h"

#include "support/SimController.h"

namespace SimPosi {
namespace {

QByteArray key(int n) { return "posi" + QByteArray::number(n); }
QByteArray hex(int v, int digits) { return QByteArray::number(v, 16).toUpper().rightJustified(digits, '0'); }
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
    // Written positions count once "0WA" stores them.
    sim.model().store.insert("pending" + QByteArray::number(n), frame.mid(6));
    return "0WP" + frame.mid(3, 3);
}

std::optional<QByteArray> storePosi(SimController &sim, const QByteArray &frame)
{
    const int first = frame.mid(3, 3).toInt(nullptr, 16);
    const int last = frame.mid(6, 3).toInt(nullptr, 16);
    auto &store = sim.model().store;
    for (int n = first; n <= last; ++n) {
        const QByteArray k = "pending" + QByteArray::number(n);
        if (store.contains(k))
            store.insert(key(n), store.take(k));
    }
    return "0WA" + frame.mid(3, 6);
}

std::optional<QByteArray> readBlock(SimController &sim, const QByteArray &frame)
{
    // 32 data characters after "0RD" + block digit: the axis mask is reply
    // characters 7-8, a maximum pulse characters 13-18.
    QByteArray data(32, '0');
    const QByteArray block = frame.mid(3, 1);
    if (block == "0") {
        data.replace(2, 2, hex(sim.model().axisMask, 2));
    } else {
        const int axis = QByteArray("47AD").indexOf(block.at(0));
        if (axis < 0)
            return QByteArray("0%%001");
        data.replace(8, 6, hex(sim.model().store.value("maxpulse" + QByteArray::number(axis), "262143").toInt(), 6));
    }
    return "0RD" + block + data;
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

void SetMoving(SimController &sim, bool moving) { sim.model().store.insert("moving", moving ? "1" : "0"); }

void InstallPosiCommands(SimController &sim)
{
    sim.addCommand("0RP", readPosi);
    sim.addCommand("0WP", writePosi);
    sim.addCommand("0WA", storePosi);
    sim.addCommand("0RD", readBlock);
    sim.addCommand("0RA", [](SimController &s, const QByteArray &) -> std::optional<QByteArray> {
        return s.model().store.value("moving") == "1" ? QByteArray("0RA0") : QByteArray("0RAF");
    });
    // The mode command echoed whole ("0CM1", "0CM10000").
    sim.addCommand("0CM", [](SimController &s, const QByteArray &frame) -> std::optional<QByteArray> {
        s.model().commMode = frame.mid(3, 1);
        return frame;
    });
}

} // namespace SimPosi
