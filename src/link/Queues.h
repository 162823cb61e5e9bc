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

namespace Module3Tusin {

struct TusinQueueEntry {
    QString command;        // without CR LF
    int expectedLength = 0; // CR LF included
    int timeout = 0;        // ms the engine waits for its reply; 0 or less: without limit
    int id = 0;             // request number
    int msgFlag = 0;        // 1 = the engine shows its error messages
};

struct TusinKekkaRecord {
    int result = 0;        // 0 = success, 1 = failure
    QString reply;         // last complete reply, CR LF included
    QString commandCode;   // three characters
    int32_t id = 0;        // request number of the request that finished
};

inline constexpr int kQueueRows = 11;

struct QueueState {
    std::array<TusinQueueEntry, kQueueRows> TusinQueue{};
    int TusinQueueLast = -1;
    bool TusinQueuePending = false;
    std::array<TusinQueueEntry, kQueueRows> TusinQueueHigh{};
    int TusinQueueHighLast = -1;
    bool TusinQueueHighPending = false;
    int TusinID = 1000;
    int TusinIDHigh = 0;
    // The time-out of the request being served (the engine takes it from the
    // request's own entry).
    int TusinTimeout = 1000;
    bool TusinErrorFlag = false;
    TusinKekkaRecord TusinKekka; // the last request's result
    // Request number being served by the engine right now (0 = none), so a
    // waiting caller can tell a dropped request from one in flight.
    int ActiveID = 0;
    // Each finished request's result under its number, until its waiter
    // takes it: a waiter finds its own whatever finished after it.
    std::map<int, TusinKekkaRecord> Results;
};

QueueState &Queues();
void ResetQueueState();

// Queues a request; its number, or -1 when the queue is full.
int RequestTusin(const QString &command, int expectedLength, int timeout, int msgFlag);
// Priority queue (the task-number query only); its number, or -1.
int RequestTusinHigh(const QString &command, int expectedLength, int timeout, int msgFlag);

// Writes the result record of a finished request (the engine's only way).
void RecordResult(const TusinKekkaRecord &record);

void TusinQueueClear();
void TusinQueueReset();
// Lets a running exchange finish, then clears and resets the ordinary queue.
void TusinFlush();

// Drops every queued ordinary request (the jog stop); their callers' waits
// end with failure.
void DropQueuedRequests();

bool IsQueued(int id);
// Takes a request that was never sent out of its queue.
void RemoveQueued(int id);

// Called whenever a request is queued (the engine wakes its pump).
void SetRequestNotifier(std::function<void()> notify);

// The waiting protocol every command procedure follows: waits until the
// result record carries `id` or the link fails. On a link failure it flushes
// the queues. Returns the reply (CR LF included) on success, nothing on any
// failure. A request dropped from its queue, or still queued while the
// application is offline (it is then taken out of the queue, so it is not
// sent later for nobody), ends its wait with failure.
std::optional<QString> WaitResult(int id);

// How a request ended.
enum class Outcome {
    Ok,
    Refused,    // the queue was full, or the engine is inside an exchange; nothing sent, nothing shown
    LinkFailed, // the link failed for good; the queues are flushed
    Failed,     // the request ended without success
};

struct Exchanged {
    Outcome outcome = Outcome::Failed;
    QString reply;
    bool ok() const { return outcome == Outcome::Ok; }
};

enum class Queue { Ordinary, Priority };

// Queues one request with its own time-out and waits for it (the protocol every
// procedure follows); tells why it failed, so each caller can clean up its
// way.
Exchanged Send(const QString &command, int expectedLength, int timeoutMs, int msgFlag = 1,
               Queue queue = Queue::Ordinary);

// Send for callers that need not know why it failed: the reply, or nothing
// on any failure (a full queue included, silently).
std::optional<QString> Exchange(const QString &command, int expectedLength, int timeoutMs, int msgFlag = 1);

} // namespace Module3Tusin
