// The send/receive engine against a simulated controller on a
// pseudo-terminal: one row per way an exchange can go.
#include <QtTest>
#include <QTimer>

#include "core/AppState.h"
#include "link/Engine.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "platform/CommPort.h"
#include "platform/Dialogs.h"
#include "platform/Wait.h"
#include "sim/SimController.h"
#include "support/TestEnv.h"

#include <functional>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

using SimSetup = std::function<void(SimController &)>;
Q_DECLARE_METATYPE(SimSetup)

using namespace Comm;

namespace {
const QString kTimeoutMsg = QStringLiteral(
    "Communication timeout error!\r\n\r\nCheck the followings;\r\n\r\n 1.Power ON for controller?\r\n\r\n"
    " 2.Communication cables are connected?");
const QString kCommError = QStringLiteral("Communication error occurs!");

// English texts, the controller on port 1, the program online, the link
// running.
void onlineWith(SimController &sim)
{
    App().LangOffset = 10000;
    sim.attach(1);
    App().PortNo = 1;
    Indicators::SetOnlineMode();
    StartLink();
}

// A good exchange first, so the port is open and the line in use.
void goodExchangeFirst()
{
    Queues().RequestTimeout = 500;
    QVERIFY(Exchange(QStringLiteral("0AR"), 5, 500).has_value());
}
} // namespace

class TestLinkEngine : public QObject {
    Q_OBJECT
private slots:
    void exchange_data();
    void exchange();
    void failedPriorityRequestLeavesTheQueue();
    void offlineWaiterGivesUpAndIsNotSentLater();
    void receiveIgnoresLineWhileOffline();
    void requestInsideAnExchangeIsRefused();
    void failedRequestDoesNotFailTheNext_data();
    void failedRequestDoesNotFailTheNext();
    void requestsBehindALinkFailureFailWithIt();
    void lineIsFreeWhileTheLinksMessageIsUp();
    void waitGivenUpDuringResynchronisation();
    void eachRequestKeepsItsOwnTimeout_data();
    void eachRequestKeepsItsOwnTimeout();
    void outputIsOnTheLineAtOnce();
};

void TestLinkEngine::exchange_data()
{
    QTest::addColumn<SimSetup>("setup");
    QTest::addColumn<QString>("command");   // empty: only what setup did
    QTest::addColumn<int>("timeout");
    QTest::addColumn<int>("minMs");          // the row cannot end sooner
    QTest::addColumn<QStringList>("frames"); // what the controller saw
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("offline");
    QTest::addColumn<bool>("portOpen");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("alarm");

    const SimSetup none = [](SimController &) {};
    const QString ar = QStringLiteral("0AR");
    const QString arReply = QStringLiteral("0AR\r\n");

    QTest::newRow("good reply") << none << ar << 500 << 0 << QStringList{ar} << QStringList{} << 0 << arReply
                                << ar << false << true << QString() << false;
    QTest::newRow("time-out 0 waits without limit")
        << SimSetup([](SimController &s) { s.addFault("0AR", {SimFault::Late, 150, {}}); }) << ar << 0 << 150
        << QStringList{ar} << QStringList{} << 0 << arReply << ar << false << true << QString() << false;
    QTest::newRow("silence: four sends, then offline")
        << SimSetup([](SimController &s) { s.addFault("", {SimFault::Silent, 0, {}}, -1); }) << ar << 40 << 160
        << QStringList{ar, ar, ar, ar} << QStringList{kTimeoutMsg} << 1 << QString() << ar << true << false
        << QString() << false;
    QTest::newRow("one character too many, twice")
        << SimSetup([](SimController &s) { s.addFault("0AR", {SimFault::OneMore, 0, {}}, -1); }) << ar << 500 << 0
        << QStringList{ar, "0CM0", ar, "0CM0"} << QStringList{kCommError} << 1 << QStringLiteral("0CM0\r\n") << ar
        << true << false << QString() << false;
    QTest::newRow("wrong echo, then resynchronised")
        << SimSetup([](SimController &s) { s.addFault("0AR", {SimFault::WrongEcho, 0, {}}); }) << ar << 500 << 0
        << QStringList{ar, "0CM0", ar} << QStringList{} << 0 << arReply << ar << false << true << QString() << false;
    QTest::newRow("error reply to the request")
        << SimSetup([](SimController &s) { s.addFault("0AR", {SimFault::ErrorReply, 0, "0%%134"}); }) << ar << 500
        << 0 << QStringList{ar} << QStringList{kCommError + "\r\nError No.4\r\n[Home sensor error]"} << 1
        << QStringLiteral("0%%134\r\n") << ar << true << false << QStringLiteral("AXIS1:Home sensor error") << true;
    QTest::newRow("error reply with the error list missing")
        << SimSetup([](SimController &s) {
               ErrorList::State() = ErrorList::ErrorListState{};
               ErrorList::State().ErrorListMissing = true;
               s.addFault("0AR", {SimFault::ErrorReply, 0, "0%%134"});
           })
        << ar << 500 << 0 << QStringList{ar}
        << QStringList{"No error list file.\r\nPut error list in the folder in which the program saved in  order to "
                       "indicate error information correctly.",
                       kCommError + "\r\n[]"}
        << 1 << QStringLiteral("0%%134\r\n") << ar << true << false << QString() << false;
    QTest::newRow("error reply to 0CM0")
        << SimSetup([](SimController &s) {
               s.addFault("0AR", {SimFault::OneLess, 0, {}});
               s.addFault("0CM", {SimFault::ErrorReply, 0, "0%%007"});
           })
        << ar << 500 << 0 << QStringList{ar, "0CM0"} << QStringList{kCommError + "\r\nError No.7\r\n[Emergency stop]"}
        << 1 << QStringLiteral("0%%007\r\n") << "0CM" << false << true << QStringLiteral("MAIN:Emergency stop") << true;
    QTest::newRow("no answer to 0CM0")
        << SimSetup([](SimController &s) {
               s.addFault("0AR", {SimFault::OneLess, 0, {}});
               s.addFault("0CM", {SimFault::Silent, 0, {}});
           })
        << ar << 500 << 100 << QStringList{ar, "0CM0"} << QStringList{kCommError} << 1 << QStringLiteral("0A\r\n")
        << ar << true << true << QString() << false;
    QTest::newRow("0CM0 answered wrongly after a wrong echo")
        << SimSetup([](SimController &s) {
               s.addFault("0AR", {SimFault::WrongEcho, 0, {}});
               s.addFault("0CM", {SimFault::WrongEcho, 0, {}});
           })
        << ar << 500 << 0 << QStringList{ar, "0CM0"} << QStringList{kCommError} << 1 << QStringLiteral("0ZM0\r\n")
        << "0CM" << true << true << QString() << false;
    QTest::newRow("0CM0 answered wrongly after a wrong length, port not held")
        << SimSetup([](SimController &s) {
               App().PortOccupy = false;
               s.addFault("0AR", {SimFault::OneMore, 0, {}});
               s.addFault("0CM", {SimFault::WrongEcho, 0, {}});
           })
        << ar << 500 << 0 << QStringList{ar, "0CM0"}
        << QStringList{"Communication data length error occurs!\r\nLength of data is wrong."} << 1
        << QStringLiteral("0ZM0\r\n") << "0CM" << true << false << QString() << false;
    QTest::newRow("port will not open")
        << SimSetup([](SimController &) { qputenv("REZ4_PORT1", "/nonexistent/rez4-port"); }) << ar << 500 << 300
        << QStringList{}
        << QStringList{"Failed port open.\r\n\r\nPlease check a setting of a communication port.\r\n\r\n"
                       "Port No. 1 (/nonexistent/rez4-port)"}
        << 1 << QString() << QString() << true << false << QString() << false;
    QTest::newRow("merged lines are one reply")
        << SimSetup([](SimController &s) { s.addFault("0AR", {SimFault::MergeLines, 0, {}}); }) << ar << 500 << 0
        << QStringList{ar, "0CM0", ar} << QStringList{} << 0 << arReply << ar << false << true << QString() << false;
    QTest::newRow("reply split across reads")
        << SimSetup([](SimController &s) { s.addFault("0AR", {SimFault::Split, 20, {}}); }) << ar << 500 << 0
        << QStringList{ar} << QStringList{} << 0 << arReply << ar << false << true << QString() << false;
    QTest::newRow("stale partial line heads the reply")
        << SimSetup([](SimController &s) {
               goodExchangeFirst();
               s.clearFrames();
               s.sendRaw("0RA");
               QVERIFY(Platform::WaitUntil([] { return Link().ReceiveBuffer == QLatin1String("0RA"); }, 2000));
           })
        << ar << 500 << 0 << QStringList{ar, "0CM0", ar} << QStringList{} << 0 << arReply << ar << false << true
        << QString() << false;
    QTest::newRow("unsolicited alarm while idle")
        << SimSetup([](SimController &s) {
               goodExchangeFirst();
               s.sendLine("0%%134");
               QVERIFY(Platform::WaitUntil([] { return Indicators::State().AlarmVisible; }, 2000));
           })
        << QString() << 500 << 0 << QStringList{ar} << QStringList{} << 0 << arReply << ar << false << true
        << QStringLiteral("AXIS1:Home sensor error") << true;
    QTest::newRow("line closed mid-transfer")
        << SimSetup([](SimController &s) { s.addFault("0AR", {SimFault::CloseLine, 0, {}}); }) << ar << 500 << 0
        << QStringList{ar} << QStringList{kCommError} << 1 << QString() << ar << true << false << QString() << false;
}

void TestLinkEngine::exchange()
{
    QFETCH(SimSetup, setup);
    QFETCH(QString, command);
    QFETCH(int, timeout);
    QFETCH(int, minMs);
    QFETCH(QStringList, frames);
    QFETCH(QStringList, messages);

    TestEnv::Scope env;
    App().LangOffset = 10000;
    ErrorList::ReadErrorList();
    QVERIFY(!ErrorList::State().ErrorListMissing);
    SimController sim;
    QVERIFY(sim.ok());
    sim.attach(1);
    App().PortNo = 1;
    Indicators::SetOnlineMode();
    StartLink();
    setup(sim);

    QElapsedTimer clock;
    clock.start();
    if (!command.isEmpty()) {
        Queues().RequestTimeout = timeout;
        const int id = QueueRequest(command, 5, timeout, 1);
        QVERIFY(id > 0);
        const std::optional<QString> reply = WaitResult(id);
        QCOMPARE(reply.has_value(), Queues().LastResult.result == 0);
        QCOMPARE(Queues().LastResult.id, id);
    }
    QVERIFY2(clock.elapsed() >= minMs, qPrintable(QString::number(clock.elapsed())));

    QStringList seen;
    for (const QByteArray &f : sim.frames())
        seen << QString::fromLatin1(f);
    QCOMPARE(seen, frames);
    QCOMPARE(Platform::Dialogs::ShownTexts(), messages);
    const ResultRecord &k = Queues().LastResult;
    QTEST(k.result, "result");
    QTEST(k.reply, "reply");
    QTEST(k.commandCode, "code");
    QTEST(App().OfflineFlag, "offline");
    QTEST(PortIsOpen(), "portOpen");
    QCOMPARE(Indicators::State().LinkVisible, !App().OfflineFlag);
    QTEST(Indicators::State().StatusPanel1, "status");
    QTEST(Indicators::State().AlarmVisible, "alarm");
    QVERIFY(!Link().SendingFlag);
    qunsetenv("REZ4_PORT1");
}

void TestLinkEngine::failedPriorityRequestLeavesTheQueue()
{
    TestEnv::Scope env;
    App().LangOffset = 10000;
    SimController sim;
    sim.attach(1);
    sim.addFault("0TN", {SimFault::ErrorReply, 0, "0%%001"}, -1);
    sim.addCommand("0TN", [](SimController &, const QByteArray &) { return std::optional<QByteArray>("0TN0"); });
    App().OfflineFlag = false;
    StartLink();
    Queues().RequestTimeout = 500;
    const int id = QueuePriorityRequest(QStringLiteral("0TN"), 6, 500, 0);
    QVERIFY(id > 0);
    QVERIFY(!WaitResult(id).has_value());
    QCOMPARE(Queues().LastResult.result, 1);
    QCOMPARE(Queues().PriorityQueueLast, -1);
    QVERIFY(!Queues().PriorityQueuePending);
    // Back online (as going online would do): nothing is sent again.
    App().OfflineFlag = false;
    Platform::WaitMs(50);
    QCOMPARE(sim.frames().size(), 1);
}

void TestLinkEngine::offlineWaiterGivesUpAndIsNotSentLater()
{
    TestEnv::Scope env;
    SimController sim;
    sim.attach(1);
    StartLink();
    QVERIFY(App().OfflineFlag);
    const int id = QueueRequest(QStringLiteral("0AR"), 5, 500, 1);
    QVERIFY(id > 0);
    QVERIFY(!WaitResult(id).has_value());
    QVERIFY(!IsQueued(id));
    QVERIFY(Platform::Dialogs::ShownTexts().isEmpty());
    App().OfflineFlag = false;
    Platform::WaitMs(50);
    QVERIFY(sim.frames().isEmpty());
}

void TestLinkEngine::receiveIgnoresLineWhileOffline()
{
    TestEnv::Scope env;
    SimController sim;
    sim.attach(1);
    App().OfflineFlag = false;
    StartLink();
    QVERIFY(Exchange(QStringLiteral("0AR"), 5, 500).has_value());
    App().OfflineFlag = true;
    sim.sendLine("0%%134");
    Platform::WaitMs(30);
    QVERIFY(!Indicators::State().AlarmVisible);
    QVERIFY(Link().ReceiveBuffer.isEmpty());
}

// A handler run by an exchange's wait (a timer, a button) that asks for a
// request of its own is refused at once: waiting for it there would hang the
// link, as the exchange below cannot end before the handler returns.
void TestLinkEngine::requestInsideAnExchangeIsRefused()
{
    TestEnv::Scope env;
    SimController sim;
    sim.attach(1);
    sim.addFault("0AR", {SimFault::Late, 150, {}});
    App().OfflineFlag = false;
    StartLink();
    std::optional<Outcome> inner;
    QTimer::singleShot(40, [&] { inner = Send(QStringLiteral("0RA"), 6, 500).outcome; });
    QVERIFY(Exchange(QStringLiteral("0AR"), 5, 1000).has_value());
    QCOMPARE(inner, std::optional<Outcome>(Outcome::Refused));
    QCOMPARE(sim.frames().size(), 1);
    // Afterwards the same request goes out as usual.
    QVERIFY(Send(QStringLiteral("0AR"), 5, 500).ok());
}

void TestLinkEngine::failedRequestDoesNotFailTheNext_data()
{
    QTest::addColumn<SimSetup>("setup"); // how the first request fails
    QTest::addColumn<bool>("refusedByProcedure");
    QTest::newRow("error reply")
        << SimSetup([](SimController &s) { s.addFault("0RV", {SimFault::ErrorReply, 0, "0%%104"}); }) << false;
    QTest::newRow("time-out") << SimSetup([](SimController &s) { s.addFault("0RV", {SimFault::Silent, 0, {}}, 4); })
                              << false;
    // A good exchange whose answer its procedure refused (wrong data, 384/385).
    QTest::newRow("answer refused by its procedure") << SimSetup([](SimController &) {}) << true;
}

void TestLinkEngine::failedRequestDoesNotFailTheNext()
{
    QFETCH(SimSetup, setup);
    QFETCH(bool, refusedByProcedure);
    TestEnv::Scope env;
    SimController sim;
    QVERIFY(sim.ok());
    onlineWith(sim);
    sim.addCommand("0RV", [](SimController &, const QByteArray &) { return std::optional<QByteArray>("0RV"); });
    setup(sim);
    const Exchanged first = Send(QStringLiteral("0RV"), 5, 40);
    if (refusedByProcedure) {
        QVERIFY(first.ok());
        Queues().LinkFailed = true; // as the procedure marks the link failed
    } else {
        QCOMPARE(first.outcome, Outcome::LinkFailed);
    }
    // Online again, as the next command's procedure goes.
    Indicators::SetOnlineMode();
    sim.clearFrames();
    const Exchanged second = Send(QStringLiteral("0AR"), 5, 500);
    QCOMPARE(second.outcome, Outcome::Ok);
    QCOMPARE(second.reply, QStringLiteral("0AR\r\n"));
    QCOMPARE(sim.frames(), QList<QByteArray>{"0AR"});
}

void TestLinkEngine::requestsBehindALinkFailureFailWithIt()
{
    TestEnv::Scope env;
    SimController sim;
    QVERIFY(sim.ok());
    onlineWith(sim);
    sim.addCommand("0RV", [](SimController &, const QByteArray &) { return std::optional<QByteArray>("0RV"); });
    sim.addFault("0RV", {SimFault::Silent, 0, {}}, -1);
    const int first = QueueRequest(QStringLiteral("0RV"), 5, 40, 1);
    const int second = QueueRequest(QStringLiteral("0AR"), 5, 500, 1);
    Outcome a = Outcome::Ok;
    Outcome b = Outcome::Ok;
    QVERIFY(!WaitResult(first, &a).has_value());
    QVERIFY(!WaitResult(second, &b).has_value());
    QCOMPARE(a, Outcome::LinkFailed);
    QCOMPARE(b, Outcome::LinkFailed);
    QVERIFY(!sim.frames().contains("0AR"));
    QCOMPARE(Platform::Dialogs::ShownTexts(), QStringList{kTimeoutMsg});
    QVERIFY(!IsQueued(second));
}

// The link's message about a failed request is shown after the exchange:
// while it is up, a timer's request goes out and is answered.
void TestLinkEngine::lineIsFreeWhileTheLinksMessageIsUp()
{
    TestEnv::Scope env;
    SimController sim;
    QVERIFY(sim.ok());
    onlineWith(sim);
    goodExchangeFirst();
    // A wrong echo whose resynchronisation gets an error reply: reported,
    // the application stays online.
    sim.addFault("0AR", {SimFault::WrongEcho, 0, {}});
    sim.addFault("0CM", {SimFault::ErrorReply, 0, "0%%104"});
    sim.addCommand("0RV", [](SimController &, const QByteArray &) { return std::optional<QByteArray>("0RV"); });
    std::optional<Exchanged> duringBox;
    Platform::Dialogs::HoldMessages([&](const Platform::ShownMessage &) {
        QTimer::singleShot(10, [&] { duringBox = Send(QStringLiteral("0RV"), 5, 500); });
        Platform::WaitUntil([&] { return duringBox.has_value(); }, 2000);
    });
    QVERIFY(!Send(QStringLiteral("0AR"), 5, 500).ok());
    QCOMPARE(Platform::Dialogs::ShownTexts().size(), 1);
    QVERIFY(Platform::Dialogs::ShownTexts().first().startsWith(kCommError));
    QVERIFY(duringBox.has_value());
    QCOMPARE(duringBox->outcome, Outcome::Ok);
}

// A wait given up while the link puts the line right after a bad reply ends
// as given up: no message, the port open, the program online (the released
// jog's start must not end teaching with a link error).
void TestLinkEngine::waitGivenUpDuringResynchronisation()
{
    TestEnv::Scope env;
    SimController sim;
    QVERIFY(sim.ok());
    onlineWith(sim);
    goodExchangeFirst();
    sim.addFault("0AR", {SimFault::WrongEcho, 0, {}});
    int id = 0;
    // The user gives up as the resynchronising "0CM0" reaches the line,
    // which the controller does not answer.
    sim.addCommand("0CM", [&id](SimController &, const QByteArray &) {
        AbandonRequest(id);
        return std::optional<QByteArray>();
    });
    id = QueueRequest(QStringLiteral("0AR"), 5, 500, 1);
    Outcome outcome = Outcome::Ok;
    QVERIFY(!WaitResult(id, &outcome).has_value());
    QCOMPARE(outcome, Outcome::Abandoned);
    QCOMPARE(Platform::Dialogs::ShownTexts(), QStringList());
    QVERIFY(!App().OfflineFlag);
    QVERIFY(PortIsOpen());
    QCOMPARE(Link().AbandonID, 0);
}

void TestLinkEngine::eachRequestKeepsItsOwnTimeout_data()
{
    QTest::addColumn<int>("firstTimeout");
    QTest::addColumn<int>("secondTimeout");
    QTest::addColumn<int>("lateMs");      // the second request's answer comes this late
    QTest::addColumn<int>("silentTries"); // ... after this many unanswered sends
    QTest::addColumn<int>("secondSends");
    QTest::addColumn<int>("minMs");
    // The group move waits without limit, even behind a request of 1 s and
    // with the last caller's time-out still set.
    QTest::newRow("unlimited behind 1 s") << 1000 << 0 << 2500 << 0 << 1 << 2500;
    // A request of 1 s behind an unlimited one times out after 1 s and is
    // sent again.
    QTest::newRow("1 s behind unlimited") << 0 << 1000 << 20 << 1 << 2 << 1000;
}

void TestLinkEngine::eachRequestKeepsItsOwnTimeout()
{
    QFETCH(int, firstTimeout);
    QFETCH(int, secondTimeout);
    QFETCH(int, lateMs);
    QFETCH(int, silentTries);
    QFETCH(int, secondSends);
    QFETCH(int, minMs);
    TestEnv::Scope env;
    SimController sim;
    QVERIFY(sim.ok());
    onlineWith(sim);
    goodExchangeFirst();
    sim.clearFrames();
    sim.addCommand("0RV", [](SimController &, const QByteArray &) { return std::optional<QByteArray>("0RV"); });
    if (silentTries > 0)
        sim.addFault("0RV", {SimFault::Silent, 0, {}}, silentTries);
    else
        sim.addFault("0RV", {SimFault::Late, lateMs, {}}, 1);
    // Without the fix an unlimited wait would never end: the cancel button
    // ends it after 6 s, so the row fails instead of hanging.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { App().ComCancelFlag = true; });
    guard.start(6000);

    const int first = QueueRequest(QStringLiteral("0AR"), 5, firstTimeout, 1);
    const int second = QueueRequest(QStringLiteral("0RV"), 5, secondTimeout, 1);
    // What the last caller left behind must not matter.
    Queues().RequestTimeout = firstTimeout;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(WaitResult(first).has_value());
    QVERIFY(WaitResult(second).has_value());
    QVERIFY2(clock.elapsed() >= minMs, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(clock.elapsed() < 5500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!App().ComCancelFlag);
    int sends = 0;
    for (const QByteArray &f : sim.frames())
        sends += f == "0RV";
    QCOMPARE(sends, secondSends);
    QVERIFY(Platform::Dialogs::ShownTexts().isEmpty());
    App().ComCancelFlag = false;
    qunsetenv("REZ4_PORT1");
}

// What the port is given is out on the line when output() returns, with no
// event loop run after it: the engine draws what it held back for the line
// right after the request, so the request must not wait for that.
void TestLinkEngine::outputIsOnTheLineAtOnce()
{
    TestEnv::Scope env;
    int controller = -1, program = -1;
    char name[256] = {};
    QCOMPARE(::openpty(&controller, &program, name, nullptr, nullptr), 0);
    termios t{};
    ::tcgetattr(program, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(program, TCSANOW, &t);
    qputenv("REZ4_PORT1", name);
    {
        Platform::CommPort port;
        port.setCommPort(1);
        QVERIFY(port.open());
        QVERIFY(port.output("0AR\r\n"));
        // The limit only bounds a failure: the bytes are there long before.
        pollfd p{controller, POLLIN, 0};
        QCOMPARE(::poll(&p, 1, 5000), 1);
        char got[16] = {};
        QCOMPARE(::read(controller, got, sizeof got), ssize_t(5));
        QCOMPARE(QByteArray(got), QByteArray("0AR\r\n"));
    }
    ::close(program);
    ::close(controller);
}

QTEST_MAIN(TestLinkEngine)
#include "tst_link_engine.moc"
