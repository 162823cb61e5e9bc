#include "link/Queues.h"

#include "core/AppState.h"
#include "link/Engine.h"
#include "platform/Dialogs.h"
#include "platform/Wait.h"

namespace Comm {
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

int QueueRequest(const QString &command, int expectedLength, int timeout, int msgFlag)
{
    QueueState &q = g_q;
    q.RequestID += 1;
    if (q.RequestID >= 2000)
        q.RequestID = 1000;
    if (q.RequestQueueLast >= kQueueRows - 1)
        return -1;
    q.RequestQueueLast += 1;
    q.RequestQueue[q.RequestQueueLast] = QueueEntry{command, expectedLength, timeout, q.RequestID, msgFlag};
    q.RequestQueuePending = true;
    q.LinkFailed = false;
    notify();
    return q.RequestID;
}

int QueuePriorityRequest(const QString &command, int expectedLength, int timeout, int msgFlag)
{
    QueueState &q = g_q;
    // Priority numbers run from 2000 up and wrap within 2000..10000, so they
    // can never be taken for an ordinary request number (1000..1999).
    q.PriorityRequestID += 1;
    if (q.PriorityRequestID > 10000 || q.PriorityRequestID < 2000)
        q.PriorityRequestID = 2000;
    const int row = q.PriorityQueueLast + 1;
    if (row > kQueueRows - 1)
        return -1;
    q.PriorityQueueLast = row;
    q.PriorityQueue[row] = QueueEntry{command, expectedLength, timeout, q.PriorityRequestID, msgFlag};
    q.PriorityQueuePending = true;
    q.LinkFailed = false;
    notify();
    return q.PriorityRequestID;
}

void RecordResult(const ResultRecord &record)
{
    QueueState &q = g_q;
    q.LastResult = record;
    if (record.id != 0)
        q.Results[record.id] = record;
}

namespace {
// The result of request `id` once it has finished.
const ResultRecord *finished(int id)
{
    const auto it = g_q.Results.find(id);
    return it == g_q.Results.end() ? nullptr : &it->second;
}
} // namespace

void ClearRequestQueue()
{
    for (auto &e : g_q.RequestQueue)
        e = QueueEntry{};
}

void ResetRequestQueue()
{
    g_q.RequestID = 1000;
    g_q.RequestQueueLast = -1;
    g_q.PriorityQueueLast = -1;
    // Numbers start again: a result kept under one of them must not end the
    // wait of the new request that gets its number (the last result record
    // itself stays readable).
    g_q.Results.clear();
}

void FlushQueue()
{
    for (int i = 0; i < 11; ++i) {
        Platform::DoEvents();
        Platform::WaitMs(10);
    }
    ClearRequestQueue();
    ResetRequestQueue();
}

void FailQueuedRequests()
{
    QueueState &q = g_q;
    for (int i = 0; i <= q.RequestQueueLast && i < kQueueRows; ++i) {
        const QueueEntry &e = q.RequestQueue[i];
        if (e.command.isEmpty())
            continue;
        ResultRecord failed{1, QString(), e.command.left(3), e.id};
        failed.linkFailed = true;
        q.Results[e.id] = failed;
    }
    ClearRequestQueue();
    q.RequestQueueLast = -1;
    q.RequestQueuePending = false;
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
        ResultRecord given{1, QString(), QString(), id};
        given.abandoned = true;
        g_q.Results[id] = given;
    }
}

bool InFlight(int id) { return id > 0 && (g_q.ActiveID == id || IsQueued(id)); }

bool IsQueued(int id)
{
    const QueueState &q = g_q;
    for (int i = 0; i <= q.RequestQueueLast && i < kQueueRows; ++i)
        if (q.RequestQueue[i].id == id && !q.RequestQueue[i].command.isEmpty())
            return true;
    for (int i = 0; i <= q.PriorityQueueLast && i < kQueueRows; ++i)
        if (q.PriorityQueue[i].id == id && !q.PriorityQueue[i].command.isEmpty())
            return true;
    return false;
}

void RemoveQueued(int id)
{
    auto take = [id](std::array<QueueEntry, kQueueRows> &rows, int &last, bool &pending) {
        for (int i = 0; i <= last && i < kQueueRows; ++i) {
            if (rows[i].id != id || rows[i].command.isEmpty())
                continue;
            for (int j = i; j < kQueueRows - 1; ++j)
                rows[j] = rows[j + 1];
            rows[kQueueRows - 1] = QueueEntry{};
            last -= 1;
            pending = last >= 0;
            return;
        }
    };
    take(g_q.RequestQueue, g_q.RequestQueueLast, g_q.RequestQueuePending);
    take(g_q.PriorityQueue, g_q.PriorityQueueLast, g_q.PriorityQueuePending);
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
    const ResultRecord result = *finished(id);
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
    const int id = queue == Queue::Priority ? QueuePriorityRequest(command, expectedLength, timeoutMs, msgFlag)
                                            : QueueRequest(command, expectedLength, timeoutMs, msgFlag);
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

} // namespace Comm
