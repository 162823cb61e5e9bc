#include "sim/SimProg.h"

#include "sim/SimController.h"

#include <optional>

namespace SimProg {
namespace {

constexpr int kStep = 19;

int limitOf(int p) { return p >= 1 && p <= 7 ? 100 : p >= 8 && p <= 20 ? 50 : p >= 21 && p <= 100 ? 20 : 0; }
QByteArray key(int p) { return "prog" + QByteArray::number(p); }
int progOf(const QByteArray &frame)
{
    bool ok = false;
    const int p = frame.mid(3, 2).toInt(&ok, 16);
    return ok && frame.size() >= 5 ? p : -1;
}
bool allHex(const QByteArray &t)
{
    for (char c : t)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    return true;
}
const QByteArray kError = "0%%001";

std::optional<QByteArray> writeProg(SimController &sim, const QByteArray &frame)
{
    const int p = progOf(frame);
    const QByteArray steps = frame.mid(5);
    const int n = int(steps.size() / kStep);
    const int L = limitOf(p);
    if (L == 0 || steps.size() % kStep != 0 || n < 1 || n > L || !allHex(steps))
        return kError;
    // Fewer steps than the number holds end with the all-"0" step.
    const QByteArray last = steps.right(kStep);
    if (n < L && last != QByteArray(kStep, '0'))
        return kError;
    const int lines = n < L ? n - 1 : n;
    sim.model().store.insert("progbuf", frame.mid(3, 2) + steps.left(qsizetype(lines) * kStep));
    return frame.left(5);
}

std::optional<QByteArray> commitProg(SimController &sim, const QByteArray &frame)
{
    const QByteArray buf = sim.model().store.value("progbuf");
    if (frame.size() != 5 || buf.isEmpty() || buf.left(2) != frame.mid(3, 2))
        return kError;
    sim.model().store.insert(key(progOf(frame)), buf.mid(2));
    sim.model().store.remove("progbuf");
    sim.model().store.insert("progcommits", QByteArray::number(Commits(sim) + 1));
    return frame;
}

std::optional<QByteArray> stepCount(SimController &sim, const QByteArray &frame)
{
    const int p = progOf(frame);
    if (limitOf(p) == 0 || frame.size() != 5)
        return kError;
    const int count = int(sim.model().store.value(key(p)).size() / kStep);
    return frame.left(5) + QByteArray::number(count, 16).toUpper().rightJustified(2, '0');
}

std::optional<QByteArray> readProg(SimController &sim, const QByteArray &frame)
{
    const int p = progOf(frame);
    const int L = limitOf(p);
    if (L == 0 || frame.size() != 5)
        return kError;
    QByteArray steps = sim.model().store.value(key(p));
    steps.append(QByteArray(qsizetype(L) * kStep - steps.size(), '0'));
    return frame.left(5) + steps;
}

} // namespace

void InstallProgCommands(SimController &sim)
{
    sim.addCommand("0WM", writeProg);
    sim.addCommand("0MW", commitProg);
    sim.addCommand("0RR", stepCount);
    sim.addCommand("0RM", readProg);
}

QList<QByteArray> Stored(SimController &sim, int progNo)
{
    const QByteArray all = sim.model().store.value(key(progNo));
    QList<QByteArray> steps;
    for (qsizetype i = 0; i + kStep <= all.size(); i += kStep)
        steps << all.mid(i, kStep);
    return steps;
}

void SetStored(SimController &sim, int progNo, const QList<QByteArray> &steps)
{
    sim.model().store.insert(key(progNo), steps.join());
}

int Commits(SimController &sim) { return sim.model().store.value("progcommits", "0").toInt(); }

} // namespace SimProg
