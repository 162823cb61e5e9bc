#include "link/Queues.h"

#include "core/AppState.h"
#include "core/Module1Text.h"
#include "link/Engine.h"
#include "platform/Dialogs.h"
#include "platform/Wait.h"

namespace Module3Tusin {
namespace {
QueueState g_q;
std::function<void()> g_notify;

void notify()
{
    if (g_notify)
        g_notify();
}
}

QueueState &Queues() { return g_q; }
void ResetQueueState() { g_q = QueueState{}; }

int RequestTusin(const QString &command, int expectedLength, int timeout, int msgFlag)
{
    QueueState &q = g_q;
    q.TusinID += 1;
    if (q.TusinID >= 2000)
        q.TusinID = 1000;
    if (q.TusinQueueLast >= kQueueRows - 1)
        return -1;
    q.TusinQueueLast += 1;
    q.TusinQueue[q.TusinQueueLast] = TusinQueueEntry{command, expectedLength, timeout, q.TusinID, msgFlag};
    q.TusinQueuePending = true;
    q.TusinErrorFlag = false;
    notify();
    return q.TusinID;
}

int RequestTusinHigh(const QString &command, int expectedLength, int timeout, int msgFlag)
{
    QueueState &q = g_q;
    // Priority numbers run from 2000 up and wrap within 2000..10000, so they
    // can never be taken for an ordinary request number (1000..1999).
    q.TusinIDHigh += 1;
    if (q.TusinIDHigh > 10000 || q.TusinIDHigh < 2000)
        q.TusinIDHigh = 2000;
    const int row = q.TusinQueueHighLast + 1;
    if (row > kQueueRows - 1)
        return -1;
    q.TusinQueueHighLast = row;
    q.TusinQueueHigh[row] = TusinQueueEntry{command, expectedLength, timeout, q.TusinIDHigh, msgFlag};
    q.TusinQueueHighPending = true;
    q.TusinErrorFlag = false;
    notify();
    return q.TusinIDHigh;
}

void RecordResult(const TusinKekkaRecord &record)
{
    QueueState &q = g_q;
    q.TusinKekka = record;
    if (record.id != 0)
        q.Results[record.id] = record;
}

namespace {
// The result of request `id` once it has finished.
const TusinKekkaRecord *finished(int id)
{
    const auto it = g_q.Results.find(id);
    return it == g_q.Results.end() ? nullptr : &it->second;
}
} // namespace

void TusinQueueClear()
{
    for (auto &e : g_q.TusinQueue)
        e = TusinQueueEntry{};
}

void TusinQueueReset()
{
    g_q.TusinID = 1000;
    g_q.TusinQueueLast = -1;
    g_q.TusinQueueHighLast = -1;
    // Numbers start again: a result kept under one of them must not end the
    // wait of the new request that gets its number (the last result record
    // itself stays readable).
    g_q.Results.clear();
}

void TusinFlush()
{
    for (int i = 0; i < 11; ++i) {
        Platform::DoEvents();
        Module1::mmsecWait(10);
    }
    TusinQueueClear();
    TusinQueueReset();
}

void DropQueuedRequests()
{
    // Rows beyond the head are discarded; the head is still sent (it may be
    // the stop itself), as the pump takes row 0 at its next tick.
    for (int i = 1; i < kQueueRows; ++i)
        g_q.TusinQueue[i] = TusinQueueEntry{};
    g_q.TusinQueueLast = g_q.TusinQueue[0].command.isEmpty() ? -1 : 0;
    g_q.TusinQueuePending = g_q.TusinQueueLast >= 0;
}

void FailQueuedRequests()
{
    QueueState &q = g_q;
    for (int i = 0; i <= q.TusinQueueLast && i < kQueueRows; ++i) {
        const TusinQueueEntry &e = q.TusinQueue[i];
        if (e.command.isEmpty())
            continue;
        TusinKekkaRecord failed{1, QString(), e.command.left(3), e.id};
        failed.linkFailed = true;
        q.Results[e.id] = failed;
    }
    TusinQueueClear();
    q.TusinQueueLast = -1;
    q.TusinQueuePending = false;
}

void AbandonRequest(int id)
{
    if (id <= 0)
        return;
    // The request on the line still stands in its queue's head row until
    // the pump has served it: only its wait is ended.
    if (g_q.ActiveID == id) {
        Link().AbandonID = id;
    } else if (IsQueued(id)) {
        RemoveQueued(id);
        TusinKekkaRecord given{1, QString(), QString(), id};
        given.abandoned = true;
        g_q.Results[id] = given;
    }
}

bool InFlight(int id) { return id > 0 && (g_q.ActiveID == id || IsQueued(id)); }

bool IsQueued(int id)
{
    const QueueState &q = g_q;
    for (int i = 0; i <= q.TusinQueueLast && i < kQueueRows; ++i)
        if (q.TusinQueue[i].id == id && !q.TusinQueue[i].command.isEmpty())
            return true;
    for (int i = 0; i <= q.TusinQueueHighLast && i < kQueueRows; ++i)
        if (q.TusinQueueHigh[i].id == id && !q.TusinQueueHigh[i].command.isEmpty())
            return true;
    return false;
}

void RemoveQueued(int id)
{
    auto take = [id](std::array<TusinQueueEntry, kQueueRows> &rows, int &last, bool &pending) {
        for (int i = 0; i <= last && i < kQueueRows; ++i) {
            if (rows[i].id != id || rows[i].command.isEmpty())
                continue;
            for (int j = i; j < kQueueRows - 1; ++j)
                rows[j] = rows[j + 1];
            rows[kQueueRows - 1] = TusinQueueEntry{};
            last -= 1;
            pending = last >= 0;
            return;
        }
    };
    take(g_q.TusinQueue, g_q.TusinQueueLast, g_q.TusinQueuePending);
    take(g_q.TusinQueueHigh, g_q.TusinQueueHighLast, g_q.TusinQueueHighPending);
}

void SetRequestNotifier(std::function<void()> notify) { g_notify = std::move(notify); }

std::optional<QString> WaitResult(int id, Outcome *outcome)
{
    QueueState &q = g_q;
    bool dropped = false;
    Platform::WaitUntil([&] {
        if (finished(id))
            return true;
        if (q.ActiveID == id)
            return false;
        // Dropped from its queue, or waiting in it while nothing will send it.
        if (!IsQueued(id) || App().OfflineFlag) {
            dropped = true;
            return true;
        }
        return false;
    });
    auto tell = [outcome](Outcome o) {
        if (outcome)
            *outcome = o;
    };
    if (dropped) {
        RemoveQueued(id);
        tell(Outcome::Failed);
        return std::nullopt;
    }
    const TusinKekkaRecord result = *finished(id);
    q.Results.erase(id);
    // The exchange is over and the engine free: while this box is up, a
    // timer or a button (a jog's stop above all) still reaches the line.
    if (!result.message.isEmpty())
        Platform::Dialogs::MsgBox(result.message);
    if (result.result == 0) {
        tell(Outcome::Ok);
        return result.reply;
    }
    tell(result.abandoned ? Outcome::Abandoned : result.linkFailed ? Outcome::LinkFailed : Outcome::Failed);
    return std::nullopt;
}

Exchanged Send(const QString &command, int expectedLength, int timeoutMs, int msgFlag, Queue queue, int *queuedId)
{
    // A request made while the engine is inside an exchange comes from a
    // handler run by that exchange's wait: it could only be served after
    // the handler returns, so waiting for it here would hang both. It is
    // refused like a full queue; the caller tries again later.
    if (Link().SendingFlag)
        return {Outcome::Refused, {}};
    const int id = queue == Queue::Priority ? RequestTusinHigh(command, expectedLength, timeoutMs, msgFlag)
                                            : RequestTusin(command, expectedLength, timeoutMs, msgFlag);
    if (id < 0)
        return {Outcome::Refused, {}};
    if (queuedId)
        *queuedId = id;
    Outcome outcome = Outcome::Failed;
    std::optional<QString> reply = WaitResult(id, &outcome);
    return {outcome, reply.value_or(QString())};
}

std::optional<QString> Exchange(const QString &command, int expectedLength, int timeoutMs, int msgFlag)
{
    Exchanged r = Send(command, expectedLength, timeoutMs, msgFlag);
    if (!r.ok())
        return std::nullopt;
    return std::move(r.reply);
}

} // namespace Module3Tusin
