#include "link/Engine.h"

#include "core/AppState.h"
#include "core/Shell.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "platform/CommPort.h"
#include "platform/Dialogs.h"
#include "core/AppSettings.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "platform/Wait.h"

#include <QPointer>
#include <QTimer>
#include <utility>

namespace Comm {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// A serial-port operation failed in the middle of an exchange (device gone,
// write refused): the request ends as after any unexpected run-time error.
struct PortFault {};

class LinkEngine : public QObject {
public:
    explicit LinkEngine(QObject *parent) : QObject(parent), port(new Platform::CommPort(this))
    {
        pump.setSingleShot(true);
        pump.setTimerType(Qt::PreciseTimer);
        connect(&pump, &QTimer::timeout, this, [] { LinkTimerTick(); });
        timeout.setSingleShot(true);
        timeout.setTimerType(Qt::PreciseTimer);
        connect(&timeout, &QTimer::timeout, this, [] { timerTimeout_Timer(); });
        // Incoming characters are taken as they arrive rather than by a
        // 1 ms poll: the same buffer and the same end-of-buffer test, without
        // waking the program a thousand times a second.
        connect(port, &Platform::CommPort::readyRead, this, [] { ReceiveTimerTick(); });
        connect(port, &Platform::CommPort::failed, this, [this] { portFault = true; });
    }

    // A queued request is served as soon as the event loop is free, not at
    // the next 2 ms tick: short exchanges then run at the line's speed.
    // Offline the pump only looks again every 2 ms; with both queues empty
    // it sleeps until a request is queued.
    void rearm()
    {
        const QueueState &q = Queues();
        if (q.RequestQueuePending || q.PriorityQueuePending)
            pump.start(App().OfflineFlag ? 2 : 0);
    }
    void kick()
    {
        if (!inTick && (!pump.isActive() || pump.interval() > 0))
            pump.start(0);
    }

    Platform::CommPort *port;
    QTimer pump;
    QTimer timeout;
    bool portFault = false;
    bool inTick = false;
};

QPointer<LinkEngine> g_engine;
LinkState g_link;

QString R(int id) { return Platform::ResText(id); }

QString SettingsFor(int baudIndex)
{
    switch (baudIndex) {
    case 1: return QStringLiteral("19200,N,8,1");
    case 2: return QStringLiteral("38400,N,8,1");
    default: return QStringLiteral("9600,N,8,1");
    }
}

void armTimeout(int ms)
{
    // An interval of 0 never fires: the wait has no limit.
    if (ms > 0)
        g_engine->timeout.start(ms);
    else
        g_engine->timeout.stop();
}

void send(const QString &frame)
{
    if (!g_engine || !g_engine->port->output(frame.toLatin1() + "\r\n"))
        throw PortFault{};
    g_engine->port->setInputLen(0);
    // The request is on its way: the time it takes on the line is the time
    // to draw what was held for it.
    ShowHeldProgress();
}

// Runs the event loop until a reply is complete or the time-out expired.
void waitReply()
{
    LinkState &s = g_link;
    // A wait without limit (the end of a group move) also ends on the main
    // window's cancel.
    const bool unlimited = Queues().RequestTimeout <= 0;
    Platform::WaitUntil([&] {
        return s.ReplyComplete || s.TimeoutFlag || !g_engine || g_engine->portFault
            || (unlimited && (App().ComCancelFlag || s.GrpMoveStop))
            || (s.AbandonID != 0 && s.AbandonID == Queues().ActiveID);
    });
    if (!g_engine)
        throw PortFault{};
    g_engine->timeout.stop();
    if (g_engine->portFault)
        throw PortFault{};
}

void shiftUp(std::array<QueueEntry, kQueueRows> &rows, int &last, bool &pending)
{
    for (int i = 0; i < kQueueRows - 1; ++i)
        rows[i] = rows[i + 1];
    rows[kQueueRows - 1] = QueueEntry{};
    if (last >= 0)
        last -= 1;
    if (last == -1)
        pending = false;
}

} // namespace

LinkState &Link() { return g_link; }
void ResetLinkState() { g_link = LinkState{}; }

void HoldProgressStep(int value) { g_link.HeldProgress.push_back(value); }

void ShowHeldProgress()
{
    // Emptied before drawing: each value is drawn once.
    const std::vector<int> held = std::exchange(g_link.HeldProgress, {});
    for (const int value : held)
        Shell::Get().ProgressStep(value);
}

void StartLink(QObject *parent)
{
    if (g_engine)
        return;
    g_engine = new LinkEngine(parent);
    SetRequestNotifier([] {
        if (g_engine)
            g_engine->kick();
    });
    g_engine->pump.start(2);
}

void StopLink()
{
    SetRequestNotifier({});
    if (g_engine) {
        g_engine->port->close();
        delete g_engine.data();
    }
}


QObject *LinkObject() { return g_engine.data(); }

Platform::CommPort *CommPort() { return g_engine ? g_engine->port : nullptr; }

bool PortIsOpen() { return g_engine && g_engine->port->isOpen(); }

int OpenCommPort()
{
    AppState &a = App();
    if (a.PortNo < 1 || a.PortNo > 9)
        a.PortNo = AppSettings::GetSettingInt(QStringLiteral("PortNo"), 1);
    if (!g_engine)
        return 1;
    Platform::CommPort *p = g_engine->port;
    if (!p->isOpen()) {
        p->setCommPort(a.PortNo);
        if (!p->open())
            return 1;
        if (!p->setSettings(SettingsFor(a.BaudIndex)) || !p->setHandshaking(Platform::CommPort::Handshake::None)) {
            p->close();
            return 1;
        }
    }
    return 0;
}

QString PortOpenFailureText()
{
    const int n = App().PortNo;
    QString port = R(2510) + QLatin1Char(' ') + QString::number(n);
    const QString device = Platform::CommPort::DeviceFor(n);
    if (!device.isEmpty())
        port += QStringLiteral(" (") + device + QLatin1Char(')');
    return Platform::ResLines({109, 110}, true) + kCrLf + kCrLf + port;
}

void CloseCommPortIfFree()
{
    if (PortIsOpen() && !App().PortOccupy)
        g_engine->port->close();
}

void CloseCommPort()
{
    if (PortIsOpen())
        g_engine->port->close();
}

int SendAndReceive(const QString &command, int expectedLength, const QString &data, int requestId, int msgFlag)
{
    LinkState &s = g_link;
    QueueState &q = Queues();
    QString K; // command code; empty until the port has opened once
    // A message is never shown from inside the exchange: it goes with the
    // result to the request's waiter, which shows it once the line is free.
    QString message;
    auto record = [&](int result, const QString &code, bool abandoned = false) {
        ResultRecord r{result, s.ReceivedData, code, requestId};
        r.abandoned = abandoned;
        r.message = message;
        RecordResult(r);
    };
    auto report = [&](const QString &text) {
        if (msgFlag == 1)
            message = text;
    };
    // An error reply ("0%%..."): decoded, reported with its text.
    auto errorReply = [&](bool toRequest) {
        ErrorList::ErrorListState &e = ErrorList::State();
        // The receive side has decoded this very reply already; decoding it
        // twice would only repeat the missing-list message.
        if (!s.ErrorShown) {
            e.CtErrorStr = s.ReceivedData;
            ErrorList::DispCtStatus();
        }
        QString text = R(104) + kCrLf;
        if (e.CtErrorFound)
            text += QStringLiteral("Error No.") + e.CtErrorNo + kCrLf;
        text += QLatin1Char('[') + e.CtErrorMsg + QLatin1Char(']');
        report(text);
        if (toRequest) {
            CloseCommPort();
            Indicators::SetOfflineMode();
        }
        record(1, toRequest ? K : QStringLiteral("0CM"));
        return 1;
    };

    // The user gave up waiting (neither a reply nor a time-out ended the
    // wait): a failure without a message; port and online state stay as
    // they are. The reply is still owed and is dropped when it comes.
    auto givenUp = [&] { return !s.ReplyComplete && !s.TimeoutFlag; };
    auto abandon = [&](const QString &owedCode) {
        s.OwedReplyCode = owedCode;
        s.AbandonID = 0;
        record(1, K, true);
        return 1;
    };

    try {
        if (!g_engine)
            throw PortFault{};
        g_engine->portFault = false;
        bool resynced = false;
        s.RetryCount = 0;
        for (;;) {
            // Opening: up to four attempts, 100 ms apart.
            while (OpenCommPort() == 1) {
                s.RetryCount += 1;
                if (s.RetryCount < 4) {
                    Platform::WaitMs(100);
                    continue;
                }
                report(PortOpenFailureText());
                Indicators::SetOfflineMode();
                record(1, K);
                return 1;
            }
            s.RetryCount = 0;
            const QString frame = command + data;
            K = frame.left(3);

            // Sending, at most four times, each after a full time-out.
            for (;;) {
                ReceiveTimerTick(); // characters that came while nothing read them
                // A new request of the same command: an old reply of that
                // code can no longer be told from this one's.
                if (s.OwedReplyCode == K)
                    s.OwedReplyCode.clear();
                q.LinkFailed = false;
                s.TimeoutFlag = false;
                armTimeout(q.RequestTimeout);
                s.ReplyComplete = false;
                s.ErrorShown = false;
                send(frame);
                waitReply();
                if (givenUp())
                    return abandon(K);
                if (!s.TimeoutFlag)
                    break;
                s.RetryCount += 1;
                if (s.RetryCount <= 3)
                    continue;
                q.LinkFailed = true;
                CloseCommPort();
                report(R(100) + kCrLf + kCrLf + R(101) + kCrLf + kCrLf + R(102) + kCrLf + kCrLf + R(103));
                record(1, K);
                Indicators::SetOfflineMode();
                return 1;
            }

            const QString reply = s.ReceivedData;
            if (reply.startsWith(QLatin1String("0%%")))
                return errorReply(true);
            if (reply.left(3) != K)
                s.ReplyErrorKind = 1;
            else if (reply.size() != expectedLength)
                s.ReplyErrorKind = 2;
            else {
                Indicators::AlarmImg_Hide();
                Indicators::SetStatusPanel1(QString());
                Indicators::SetOnlineMode();
                record(0, K);
                return 0;
            }

            // Resynchronising the controller's line with "0CM0".
            s.TimeoutFlag = false;
            armTimeout(100);
            s.ReplyComplete = false;
            s.ErrorShown = false;
            send(QStringLiteral("0CM0"));
            waitReply();
            if (givenUp())
                return abandon(QStringLiteral("0CM"));
            if (s.TimeoutFlag) {
                Indicators::SetOfflineMode();
                // A request that shows its messages does not fail silently.
                report(R(108));
                record(1, K);
                return 1;
            }
            const QString answer = s.ReceivedData;
            if (answer.startsWith(QLatin1String("0%%")))
                return errorReply(false);
            if (!answer.startsWith(QLatin1String("0CM"))) {
                CloseCommPortIfFree();
                q.LinkFailed = true;
                Indicators::SetOfflineMode();
                report(s.ReplyErrorKind == 1 ? R(104) : R(105) + kCrLf + R(106));
                record(1, QStringLiteral("0CM"));
                return 1;
            }
            if (resynced) {
                report(R(108));
                CloseCommPort();
                Indicators::SetOfflineMode();
                record(1, K);
                return 1;
            }
            // Once more from the opening, the attempt counter carried over.
            resynced = true;
        }
    } catch (const PortFault &) {
        report(R(108));
        CloseCommPort();
        Indicators::SetOfflineMode();
        record(1, K);
        return 1;
    }
}

void LinkTimerTick()
{
    LinkEngine *eng = g_engine;
    if (!eng || eng->inTick)
        return;
    eng->pump.stop();
    eng->inTick = true;
    QueueState &q = Queues();
    LinkState &s = g_link;
    auto abandoned = [&](int id) {
        const auto own = q.Results.find(id);
        return own != q.Results.end() && own->second.abandoned;
    };
    auto markLinkFailed = [&](int id) {
        if (const auto own = q.Results.find(id); own != q.Results.end())
            own->second.linkFailed = true;
    };
    auto serve = [&](const QueueEntry &e) {
        s.SendingFlag = true;
        s.AbandonID = 0;
        q.ActiveID = e.id;
        // Each request waits as long as it asked, whatever was queued before it.
        q.RequestTimeout = e.timeout;
        const int r = SendAndReceive(e.command, e.expectedLength, QString(), e.id, e.msgFlag);
        q.ActiveID = 0;
        s.SendingFlag = false;
        return r;
    };
    try {
        if (!App().OfflineFlag && (q.PriorityQueuePending || q.RequestQueuePending)) {
            bool endTick = false;
            while (q.PriorityQueuePending) {
                const QueueEntry e = q.PriorityQueue[0];
                if (e.command.isEmpty()) {
                    q.PriorityQueueLast = -1;
                    q.PriorityQueuePending = false;
                    endTick = true;
                    break;
                }
                const int r = serve(e);
                if (r == 1 && q.LinkFailed)
                    markLinkFailed(e.id);
                // A failed priority request leaves the head like a served
                // one; kept there it would be sent again at every tick.
                shiftUp(q.PriorityQueue, q.PriorityQueueLast, q.PriorityQueuePending);
                if (r == 1) {
                    endTick = true;
                    break;
                }
            }
            if (!endTick && q.RequestQueuePending) {
                const QueueEntry e = q.RequestQueue[0];
                if (e.command.isEmpty()) {
                    q.RequestQueueLast = -1;
                    q.RequestQueuePending = false;
                } else {
                    const int r = serve(e);
                    shiftUp(q.RequestQueue, q.RequestQueueLast, q.RequestQueuePending);
                    if (r == 1 && !abandoned(e.id)) {
                        // A link failure: the requests queued behind it fail
                        // with it and are never sent.
                        q.LinkFailed = true;
                        markLinkFailed(e.id);
                        FailQueuedRequests();
                    }
                }
            }
        }
    } catch (...) {
        q.ActiveID = 0;
        s.SendingFlag = false;
    }
    if (g_engine) {
        g_engine->inTick = false;
        g_engine->rearm();
    }
}

void ReceiveTimerTick()
{
    LinkState &s = g_link;
    Platform::CommPort *p = CommPort();
    if (App().OfflineFlag || !p || !p->isOpen() || p->inBufferCount() <= 0)
        return;
    s.ReceiveBuffer += QString::fromLatin1(p->input());
    // Only the end of the buffer counts: a CR LF inside it does not split
    // what came together into two replies.
    if (!s.ReceiveBuffer.endsWith(kCrLf))
        return;
    if (!s.OwedReplyCode.isEmpty() && s.ReceiveBuffer.startsWith(s.OwedReplyCode)) {
        // The late answer of a request given up: nobody waits for it. A
        // line that came with it (the next request's answer) is kept.
        s.OwedReplyCode.clear();
        s.ReceiveBuffer.remove(0, s.ReceiveBuffer.indexOf(kCrLf) + 2);
        if (s.ReceiveBuffer.isEmpty())
            return;
    }
    s.ReceivedData = s.ReceiveBuffer;
    s.ReplyComplete = true;
    s.ReceiveBuffer.clear();
    s.ErrorShown = false;
    if (s.ReceivedData.startsWith(QLatin1String("0%%"))) {
        s.ErrorShown = true;
        ErrorList::State().CtErrorStr = s.ReceivedData;
        ErrorList::DispCtStatus();
    }
}

void timerTimeout_Timer()
{
    g_link.TimeoutFlag = true;
    if (g_engine)
        g_engine->timeout.stop();
}

} // namespace Comm
