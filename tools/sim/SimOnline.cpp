#include "sim/SimOnline.h"

#include "sim/SimParaBlocks.h"

namespace SimOnline {
namespace {

using Reply = std::optional<QByteArray>;

int digitOf(const QByteArray &frame)
{
    bool ok = false;
    const int d = frame.mid(3, 1).toInt(&ok, 16);
    return ok ? d : -1;
}

QByteArray hex(quint32 v, int digits) { return QByteArray::number(v, 16).toUpper().rightJustified(digits, '0'); }

bool isBlockData(const QByteArray &d)
{
    if (d.size() != 32)
        return false;
    for (char c : d)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    return true;
}

Reply readVersion(SimController &sim, const QByteArray &frame)
{
    SimModel &m = sim.model();
    if (frame == "0RV")
        return "0RV" + m.version + m.modelCode;
    const int axis = frame.size() == 4 ? frame.mid(3, 1).toInt() : 0;
    if (axis < 1 || axis > 4)
        return sim.unknownReply;
    return frame + m.axisVersion[size_t(axis - 1)] + m.axisUnitCode[size_t(axis - 1)];
}

Reply readSysBlock(SimController &sim, const QByteArray &frame)
{
    const int b = digitOf(frame);
    if (b < 0 || b > 6 || frame.size() != 4)
        return sim.unknownReply;
    return frame + sim.model().sysBlocks[size_t(b)];
}

Reply writeSysBlock(SimController &sim, const QByteArray &frame)
{
    const int b = digitOf(frame);
    if (b < 0 || b > 6 || !isBlockData(frame.mid(4)))
        return sim.unknownReply;
    sim.model().sysBlocks[size_t(b)] = frame.mid(4);
    return frame.left(4);
}

Reply storeSys(SimController &, const QByteArray &) { return QByteArray("0WF"); }

} // namespace

void InstallOnlineCommands(SimController &sim)
{
    SimModel &m = sim.model();
    SimParaBlocks::InstallParaBlockCommands(sim);
    for (auto &b : m.sysBlocks)
        b = QByteArray(32, '0');
    SetAxes(sim, 0xF);
    SetProgramMode(sim, false);
    for (int a = 0; a < 4; ++a) {
        SetActuator(sim, a, Actuator{});
        SetAxisParameters(sim, a, AxisParameters{});
    }
    SetBlockField(sim, 0, 5, 1, 10); // SM TIMER
    sim.addCommand("0RV", readVersion);
    sim.addCommand("0RK", readSysBlock);
    sim.addCommand("0WK", writeSysBlock);
    sim.addCommand("0WF", storeSys);
}

void SetBlockField(SimController &sim, int block, int first, int bytes, quint32 value)
{
    QByteArray b = SimParaBlocks::Block(sim, block);
    b.replace(first * 2, bytes * 2, hex(value, bytes * 2).right(bytes * 2));
    SimParaBlocks::SetBlock(sim, block, b);
}

quint32 BlockField(SimController &sim, int block, int first, int bytes)
{
    return SimParaBlocks::Block(sim, block).mid(first * 2, bytes * 2).toUInt(nullptr, 16);
}

void SetAxes(SimController &sim, int mask) { SetBlockField(sim, 0, 1, 1, quint32(mask)); }

void SetProgramMode(SimController &sim, bool program) { SetBlockField(sim, 0, 9, 1, program ? 1 : 0); }

void SetActuator(SimController &sim, int axis, const Actuator &a)
{
    const int second = 4 + 3 * axis;
    const int first = 3 + 3 * axis;
    SetBlockField(sim, second, 0, 1, quint32(a.type));
    SetBlockField(sim, second, 1, 1, quint32(a.lead));
    SetBlockField(sim, second, 2, 2, quint32(a.ppr));
    SetBlockField(sim, second, 4, 3, quint32(a.maxPulse));
    SetBlockField(sim, second, 8, 1, quint32(a.speed == 'E' ? 0 : a.sizeNo));
    SetBlockField(sim, second, 9, 1, quint32(uchar(a.speed)));
    SetBlockField(sim, second, 10, 2, quint32(a.stroke));
    SetBlockField(sim, first, 8, 1, quint32(a.pg));
}

void SetAxisParameters(SimController &sim, int axis, const AxisParameters &p)
{
    const int first = 3 + 3 * axis;
    const int second = first + 1;
    const int third = first + 2;
    SetBlockField(sim, first, 0, 2, quint32(p.homeOffset));
    SetBlockField(sim, first, 2, 1, quint32(p.homePush));
    SetBlockField(sim, first, 3, 1, quint32(p.homeVel));
    SetBlockField(sim, first, 4, 1, quint32(p.homeOffsetVel));
    SetBlockField(sim, first, 5, 1, quint32(p.homePushVel));
    SetBlockField(sim, first, 6, 2, quint32(p.pgAlarm));
    SetBlockField(sim, second, 7, 1, quint32(p.jogVel));
    SetBlockField(sim, third, 0, 1, quint32(p.inPositionWidth));
    SetBlockField(sim, third, 1, 1, quint32(p.holdTime));
    SetBlockField(sim, third, 3, 1, quint32(p.pgTimer));
    SetBlockField(sim, third, 4, 1, quint32(p.lsTimer));
    SetBlockField(sim, third, 5, 1, quint32(p.softLimit));
}

} // namespace SimOnline
