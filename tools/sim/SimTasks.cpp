#include "sim/SimTasks.h"

#include "sim/SimController.h"

#include <optional>

namespace {

using Reply = std::optional<QByteArray>;
using Body = std::function<Reply(SimTaskModel &, const QByteArray &frame)>;

QByteArray hex(int value, int width) { return QByteArray::number(value, 16).toUpper().rightJustified(width, '0'); }

int progOf(const QByteArray &frame)
{
    bool ok = false;
    const int v = frame.mid(3, 2).toInt(&ok, 16);
    return ok && frame.size() == 5 ? v : -1;
}

void add(SimController &sim, SimTaskModel &m, const QByteArray &code, Body body)
{
    sim.addCommand(code, [&m, body](SimController &, const QByteArray &frame) -> Reply {
        if (m.onFrame)
            m.onFrame(frame);
        const auto it = m.replyFor.constFind(frame);
        if (it != m.replyFor.constEnd()) {
            if (it->isEmpty())
                return std::nullopt;
            return *it;
        }
        return body(m, frame);
    });
}

const QByteArray kRefused = "0%%104";

} // namespace

void InstallTaskSim(SimController &sim, SimTaskModel &model)
{
    add(sim, model, "0DM", [](SimTaskModel &m, const QByteArray &f) -> Reply {
        const int p = progOf(f);
        if (p < 1 || p > 100)
            return kRefused;
        for (int &t : m.taskProg)
            if (t == 0) {
                t = p;
                return QByteArray("0DM");
            }
        return kRefused;
    });
    add(sim, model, "0PM", [](SimTaskModel &m, const QByteArray &f) -> Reply {
        const int p = progOf(f);
        if (p < 1 || p > 100)
            return kRefused;
        for (int &t : m.taskProg)
            if (t == p)
                t = 0;
        return QByteArray("0PM");
    });
    add(sim, model, "0PN", [](SimTaskModel &m, const QByteArray &) -> Reply {
        m.taskProg.fill(0);
        return QByteArray("0PN");
    });
    add(sim, model, "0TN", [](SimTaskModel &m, const QByteArray &) -> Reply {
        int busy = 0;
        for (int t : m.taskProg)
            busy += t != 0;
        return "0TN" + hex(busy, 1);
    });
    add(sim, model, "0TS", [](SimTaskModel &m, const QByteArray &) -> Reply {
        QByteArray r = "0TS";
        for (int t : m.taskProg)
            r += hex(t, 2);
        return r;
    });
    add(sim, model, "0PT", [](SimTaskModel &m, const QByteArray &f) -> Reply {
        const int p = progOf(f);
        if (p < 0)
            return kRefused;
        const QByteArray st = m.stepStatus.value(p, hex(p, 2) + QByteArray(21, '0'));
        return "0PT" + st;
    });
}
