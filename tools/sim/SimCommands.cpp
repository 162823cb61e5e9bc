#include "sim/SimCommands.h"

#include "sim/SimController.h"
#include "sim/SimParaBlocks.h"

#include <QTimer>
#include <optional>

namespace {

using Reply = std::optional<QByteArray>;
using Body = std::function<Reply(SimController &, SimCmdModel &, const QByteArray &frame)>;

QByteArray hex(int value, int width) { return QByteArray::number(value, 16).toUpper().rightJustified(width, '0'); }

int hexAt(const QByteArray &frame, int from, int len)
{
    bool ok = false;
    const int v = frame.mid(from, len).toInt(&ok, 16);
    return ok ? v : -1;
}

// Every handler first lets the test act on the frame, then answers with the
// test's reply for this frame when it set one.
void add(SimController &sim, SimCmdModel &m, const QByteArray &code, Body body)
{
    sim.addCommand(code, [&m, body](SimController &s, const QByteArray &frame) -> Reply {
        if (m.onFrame)
            m.onFrame(frame);
        const auto it = m.replyFor.constFind(frame);
        if (it != m.replyFor.constEnd()) {
            if (it->isEmpty())
                return std::nullopt;
            return *it;
        }
        return body(s, m, frame);
    });
}

QByteArray stepsText(const std::array<SimMacroStep, 16> &steps)
{
    QByteArray t;
    for (const SimMacroStep &st : steps)
        t += hex(st.code, 1) + hex(st.data, 1);
    return t;
}

} // namespace

void InstallCommandSim(SimController &sim, SimCmdModel &model)
{
    // Communication and monitor modes: the whole frame is echoed.
    add(sim, model, "0CM", [](SimController &s, SimCmdModel &m, const QByteArray &f) -> Reply {
        s.model().commMode = f.mid(3, 1);
        if (f.size() == 8)
            m.servo = f.mid(4, 4);
        return f;
    });
    add(sim, model, "0JR", [](SimController &, SimCmdModel &m, const QByteArray &f) -> Reply {
        for (int a = 0; a < 4; ++a)
            m.jogDir[static_cast<size_t>(a)] = hexAt(f, 3 + a, 1);
        return QByteArray("0JR");
    });
    add(sim, model, "0SP", [](SimController &, SimCmdModel &m, const QByteArray &) -> Reply {
        for (int a = 0; a < 4; ++a) {
            const int d = m.jogDir[static_cast<size_t>(a)];
            if (d == 1)
                m.presentPos[static_cast<size_t>(a)] += m.jogStep;
            else if (d == 2)
                m.presentPos[static_cast<size_t>(a)] = std::max(0, m.presentPos[static_cast<size_t>(a)] - m.jogStep);
            m.jogDir[static_cast<size_t>(a)] = 0;
        }
        return QByteArray("0SP");
    });
    add(sim, model, "0MV", [](SimController &, SimCmdModel &m, const QByteArray &f) -> Reply {
        if (f.size() != 48)
            return QByteArray("0%%001");
        for (int a = 0; a < 4; ++a) {
            const QByteArray block = f.mid(3 + 11 * a, 11);
            if (block.at(5) == '1')
                m.presentPos[static_cast<size_t>(a)] = hexAt(block, 6, 5);
        }
        m.pollsLeft = m.movePolls;
        return QByteArray("0MV");
    });
    add(sim, model, "0RA", [](SimController &s, SimCmdModel &m, const QByteArray &) -> Reply {
        if (m.homeErrorPending) {
            m.homeErrorPending = false;
            m.pollsLeft = 0;
            return m.restErrorAfterHome;
        }
        if (m.pollsLeft > 0) {
            --m.pollsLeft;
            return QByteArray("0RA0");
        }
        if (!m.restDigit.isEmpty())
            return "0RA" + m.restDigit;
        return "0RA" + (m.moving ? QByteArray("0") : hex(s.model().axisMask, 1));
    });
    add(sim, model, "0RH", [](SimController &s, SimCmdModel &m, const QByteArray &) -> Reply {
        if (!m.homeDigit.isEmpty())
            return "0RH" + m.homeDigit;
        return "0RH" + (m.homed ? hex(s.model().axisMask, 1) : QByteArray("0"));
    });
    const Body move = [](SimController &, SimCmdModel &m, const QByteArray &f) -> Reply {
        m.movedTo = hexAt(f, 3, 3);
        m.moveMask = f.mid(6, 1);
        m.moveCode = f.left(3);
        m.pollsLeft = m.movePolls;
        if (m.movedTo == 0) {
            m.homed = true;
            m.homeErrorPending = !m.restErrorAfterHome.isEmpty();
        }
        return f.left(3);
    };
    add(sim, model, "0MP", move);
    add(sim, model, "0MS", move);
    add(sim, model, "0MG", [](SimController &s, SimCmdModel &m, const QByteArray &f) -> Reply {
        if (m.groupMoveSilent)
            return std::nullopt;
        m.groupMovedTo = hexAt(f, 3, 2);
        m.pollsLeft = m.movePolls;
        if (m.groupMoveMs > 0) {
            QTimer::singleShot(m.groupMoveMs, &s, [&s, r = f.left(5)] { s.sendLine(r); });
            return std::nullopt;
        }
        return f.left(5);
    });
    add(sim, model, "0WA", [](SimController &, SimCmdModel &m, const QByteArray &f) -> Reply {
        m.storedFirst = hexAt(f, 3, 3);
        m.storedLast = hexAt(f, 6, 3);
        return f;
    });

    add(sim, model, "0RI", [](SimController &, SimCmdModel &m, const QByteArray &) -> Reply {
        QByteArray t = "0RI";
        for (int d : m.inputs)
            t += hex(d, 1);
        return t;
    });
    add(sim, model, "0RO", [](SimController &, SimCmdModel &m, const QByteArray &) -> Reply {
        QByteArray t = "0RO";
        for (int d : m.outputs)
            t += hex(d, 1);
        return t;
    });
    add(sim, model, "0WO", [](SimController &, SimCmdModel &m, const QByteArray &f) -> Reply {
        for (int j = 0; j < 5; ++j)
            m.outputs[j] = hexAt(f, 3 + j, 1);
        return QByteArray("0WO");
    });

    add(sim, model, "0RC", [](SimController &, SimCmdModel &m, const QByteArray &f) -> Reply {
        const int mask = hexAt(f, 3, 1);
        if (f.size() != 4 || mask < 0)
            return QByteArray("0%%001");
        QByteArray t = f;
        for (int a = 0; a < 4; ++a)
            if (mask & (1 << a))
                t += hex(m.presentPos[a] & 0xFFFFF, 5);
        return t;
    });

    // Watched items: the frame is echoed, then the value (variables as
    // 8 hex digits of their 32-bit pattern).
    const auto hex32 = [](int32_t v) {
        return QByteArray::number(uint(uint32_t(v)), 16).toUpper().rightJustified(8, '0');
    };
    const auto itemOk = [](int prg, int no, int localMax) {
        return prg == 0 ? no >= 1 && no <= 100 : prg >= 1 && prg <= 100 && no >= 1 && no <= localMax;
    };
    add(sim, model, "0FR", [itemOk](SimController &, SimCmdModel &m, const QByteArray &f) -> Reply {
        const int prg = hexAt(f, 3, 2), no = hexAt(f, 5, 2);
        if (f.size() != 7 || !itemOk(prg, no, 50))
            return QByteArray("0%%001");
        const auto it = m.flags.find({prg, no});
        return f + hex(it == m.flags.end() ? 0 : it->second, 1);
    });
    add(sim, model, "0HR", [itemOk, hex32](SimController &, SimCmdModel &m, const QByteArray &f) -> Reply {
        const int prg = hexAt(f, 3, 2), no = hexAt(f, 5, 2);
        if (f.size() != 7 || !itemOk(prg, no, 50))
            return QByteArray("0%%001");
        const auto it = m.variables.find({prg, no});
        return f + hex32(it == m.variables.end() ? 0 : it->second);
    });
    add(sim, model, "0HP", [hex32](SimController &, SimCmdModel &m, const QByteArray &f) -> Reply {
        const int prg = hexAt(f, 3, 2), axis = hexAt(f, 5, 1);
        if (f.size() != 6 || prg < 1 || prg > 100 || axis < 1 || axis > 4)
            return QByteArray("0%%001");
        const auto it = m.posVariables.find({prg, axis});
        return f + hex32(it == m.posVariables.end() ? 0 : it->second);
    });

    add(sim, model, "0RR", [](SimController &, SimCmdModel &m, const QByteArray &f) -> Reply {
        const int p = hexAt(f, 3, 2);
        if (p < 1 || p > 100)
            return QByteArray("0%%001");
        return "0RR" + f.mid(3, 2) + hex(m.stepCount[p], 2);
    });
    add(sim, model, "0TN", [](SimController &, SimCmdModel &m, const QByteArray &) -> Reply {
        return "0TN" + hex(m.runningTask, 1);
    });

    add(sim, model, "0WG", [](SimController &, SimCmdModel &m, const QByteArray &f) -> Reply {
        const int g = hexAt(f, 3, 2);
        if (g < 1 || g > 99 || f.size() != 11)
            return QByteArray("0%%001");
        m.groupsPending[g] = {hexAt(f, 5, 3), hexAt(f, 8, 3)};
        return f.left(5);
    });
    add(sim, model, "0RG", [](SimController &, SimCmdModel &m, const QByteArray &f) -> Reply {
        const int g = hexAt(f, 3, 2);
        if (g < 1 || g > 99)
            return QByteArray("0%%001");
        return f.left(5) + hex(m.groups[g][0], 3) + hex(m.groups[g][1], 3);
    });
    add(sim, model, "0WS", [](SimController &, SimCmdModel &m, const QByteArray &f) -> Reply {
        const int n = hexAt(f, 3, 2);
        if (n < 1 || n > 20 || f.size() != 37)
            return QByteArray("0%%001");
        for (int k = 0; k < 16; ++k)
            m.macrosPending[n][k] = {hexAt(f, 5 + 2 * k, 1), hexAt(f, 6 + 2 * k, 1)};
        return f.left(5);
    });
    add(sim, model, "0RS", [](SimController &, SimCmdModel &m, const QByteArray &f) -> Reply {
        const int n = hexAt(f, 3, 2);
        if (n < 1 || n > 20)
            return QByteArray("0%%001");
        return f.left(5) + stepsText(m.macros[n]);
    });
    // Store commands: "0WE3" takes the groups, "0WE1" the macros, any
    // other the parameter blocks.
    add(sim, model, "0WE", [](SimController &s, SimCmdModel &m, const QByteArray &f) -> Reply {
        if (f == "0WE3") {
            m.groups = m.groupsPending;
            ++m.groupStores;
        } else if (f == "0WE1") {
            m.macros = m.macrosPending;
            ++m.macroStores;
        } else {
            SimParaBlocks::CountStore(s);
        }
        return f;
    });
}
