#pragma once
// The link's request queues, request numbering and result record. No code
// writes to the serial port itself: a caller queues a request, gets its
// number and waits until the result record carries that number.
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

namespace Comm {

struct QueueEntry {
    QString command;        // without CR LF
    int expectedLength = 0; // CR LF included
    int timeout = 0;        // ms the engine waits for its reply; 0 or less: without limit
    int id = 0;             // request number
    int msgFlag = 0;        // 1 = the engine shows its error messages
};

// Every member has a default, so a record is built from its leading members.
struct ResultRecord {
    int result = 0;        // 0 = success, 1 = failure
    QString reply;         // last complete reply, CR LF included
    QString commandCode;   // three characters
    int32_t id = 0;        // request number of the request that finished
    // How a failure ended: the link failed for good (the request itself, or
    // one queued before it), or the user stopped waiting for it.
    bool linkFailed = false;
    bool abandoned = false;
    // What the link has to tell the user about this request; its waiter
    // shows it once the exchange is over, so the line stays free meanwhile.
    QString message{};
};

inline constexpr int kQueueRows = 11;

struct QueueState {
    std::array<QueueEntry, kQueueRows> RequestQueue{};
    int RequestQueueLast = -1;
    bool RequestQueuePending = false;
    std::array<QueueEntry, kQueueRows> PriorityQueue{};
    int PriorityQueueLast = -1;
    bool PriorityQueuePending = false;
    int RequestID = 1000;
    int PriorityRequestID = 0;
    // The time-out of the request being served (the engine takes it from the
    // request's own entry).
    int RequestTimeout = 1000;
    // The last finished ordinary request failed for good. A new request
    // starts with it cleared: no wait ends on an earlier request's failure.
    bool LinkFailed = false;
    ResultRecord LastResult; // the last request's result
    // Request number being served by the engine right now (0 = none), so a
    // waiting caller can tell a dropped request from one in flight.
    int ActiveID = 0;
    // Each finished request's result under its number, until its waiter
    // takes it: a waiter finds its own whatever finished after it.
    std::map<int, ResultRecord> Results;
};

QueueState &Queues();
void ResetQueueState();

// Queues a request; its number, or -1 when the queue is full.
int QueueRequest(const QString &command, int expectedLength, int timeout, int msgFlag);
// Priority queue (the task-number query only); its number, or -1.
int QueuePriorityRequest(const QString &command, int expectedLength, int timeout, int msgFlag);

// Writes the result record of a finished request (the engine's only way).
void RecordResult(const ResultRecord &record);

void ClearRequestQueue();
void ResetRequestQueue();
// Lets a running exchange finish, then clears and resets the ordinary queue.
void FlushQueue();

// After a link failure: every ordinary request still queued fails with it
// (its waiter sees a link failure; nothing is sent for it), and the queue
// is empty.
void FailQueuedRequests();

// The user no longer waits for request `id`: taken out of its queue, or,
// when it is on the line, its wait for the reply ends (the reply is dropped
// when it comes). Its waiter sees Outcome::Abandoned. Silent.
void AbandonRequest(int id);
// Request `id` is queued or on the line.
bool InFlight(int id);

bool IsQueued(int id);
// Takes a request that was never sent out of its queue.
void RemoveQueued(int id);

// Called whenever a request is queued (the engine wakes its pump).
void SetRequestNotifier(std::function<void()> notify);

// How a request ended.
enum class Outcome {
    Ok,
    Refused,    // the queue was full, or the engine is inside an exchange; nothing sent, nothing shown
    LinkFailed, // the link failed for good; the requests queued behind it failed too
    Failed,     // the request ended without success
    Abandoned,  // the user stopped waiting for it (cancel, group stop, jog release)
};

// The waiting protocol every command procedure follows: waits until the
// result record carries `id`, and only that: an earlier request's failure
// never ends this wait. A request dropped from its queue, or still queued
// while the application is offline (it is then taken out of the queue, so
// it is not sent later for nobody), ends its wait with failure. The link's
// message for the request, if any, is shown here, after the exchange, so
// timers and buttons can use the line while it is up. `outcome` (optional)
// tells how the request ended.
std::optional<QString> WaitResult(int id, Outcome *outcome = nullptr);

struct Exchanged {
    Outcome outcome = Outcome::Failed;
    QString reply;
    bool ok() const { return outcome == Outcome::Ok; }
};

enum class Queue { Ordinary, Priority };

// Queues one request with its own time-out and waits for it (the protocol every
// procedure follows); tells why it failed, so each caller can clean up its
// way.
// `queuedId` (optional) receives the request's number as soon as it is
// queued, for a caller that must tell whether it is still in flight.
Exchanged Send(const QString &command, int expectedLength, int timeoutMs, int msgFlag = 1,
               Queue queue = Queue::Ordinary, int *queuedId = nullptr);

// Send for callers that need not know why it failed: the reply, or nothing
// on any failure (a full queue included, silently).
std::optional<QString> Exchange(const QString &command, int expectedLength, int timeoutMs, int msgFlag = 1);

} // namespace Comm
