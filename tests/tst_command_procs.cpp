// Command procedures before anything reaches the line: values that do not
// fit their fields, and a full request queue.
#include <QtTest>

#include "core/AppState.h"
#include "grpsm/GrpSmTables.h"
#include "link/CommandHost.h"
#include "link/CommandProcs.h"
#include "link/CommandState.h"
#include "link/Queues.h"
#include "platform/Dialogs.h"
#include "support/TestEnv.h"

using namespace Comm;

class TestCommandProcs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void outOfRangeSendsNothing_data();
    void outOfRangeSendsNothing();
    void fullQueueFailsSilently_data();
    void fullQueueFailsSilently();
    void fixedTaskNoSendsNothing();
    void resultFoundAfterLaterOnes();
    void staleResultAfterReset();
};

void TestCommandProcs::init()
{
    ResetQueueState();
    ResetCommandState();
    GrpSm::ResetGrpSmTables();
    TestEnv::Recorder().progress = {};
}

void TestCommandProcs::outOfRangeSendsNothing_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("failure");
    QTest::newRow("group start 4096") << 0 << 1;
    QTest::newRow("group end negative") << 1 << 1;
    QTest::newRow("macro code 16") << 2 << 1;
    QTest::newRow("macro data 16") << 3 << 1;
    QTest::newRow("store range 4096") << 4 << 1;
    QTest::newRow("step count of program 256") << 5 << -1;
}

void TestCommandProcs::outOfRangeSendsNothing()
{
    QFETCH(int, which);
    QFETCH(int, failure);
    TestEnv::Scope env;
    App().OfflineFlag = false;
    auto &t = GrpSm::Tables();
    for (int g = 1; g <= 99; ++g)
        t.GrpData[g] = {1, 1};
    int result = 0;
    switch (which) {
    case 0:
        t.GrpData[40][0] = 4096;
        result = WriteGrpDataToCt();
        break;
    case 1:
        t.GrpData[99][1] = -1;
        result = WriteGrpDataToCt();
        break;
    case 2:
        t.SmData[15][GrpSm::MacroCodeCol(20)] = 16;
        result = WriteSqMcrToCt();
        break;
    case 3:
        t.SmData[0][GrpSm::MacroCodeCol(1) + 1] = 16;
        result = WriteSqMcrToCt();
        break;
    case 4:
        result = StorePosiDataInCt(1, 4096);
        break;
    case 5:
        result = ReadProgStepCountFromCt(256);
        break;
    }
    QCOMPARE(result, failure);
    QCOMPARE(Queues().RequestQueueLast, -1);
    QCOMPARE(Platform::Dialogs::ShownTexts().size(), 1);
    QVERIFY(!TestEnv::Recorder().progress.visible);
}

void TestCommandProcs::fullQueueFailsSilently_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("failure");
    QTest::newRow("0RR") << 0 << -1;
    QTest::newRow("0RA") << 1 << -1;
    QTest::newRow("0MP") << 2 << 1;
    QTest::newRow("0RG transfer") << 3 << 1;
    QTest::newRow("0RS transfer") << 4 << 1;
}

void TestCommandProcs::fullQueueFailsSilently()
{
    QFETCH(int, which);
    QFETCH(int, failure);
    TestEnv::Scope env;
    App().OfflineFlag = true; // nothing serves the queue
    for (int i = 0; i < kQueueRows; ++i)
        QVERIFY(QueueRequest(QStringLiteral("0RV"), 20, 1000, 1) > 0);
    int result = 0;
    switch (which) {
    case 0: result = ReadProgStepCountFromCt(1); break;
    case 1: result = CheckCtAxisStop(); break;
    case 2: result = MovePosiNo(1, 0); break;
    case 3: result = ReadGrpDataFromCt(); break;
    case 4: result = ReadSqMcrFromCt(); break;
    }
    QCOMPARE(result, failure);
    QVERIFY(Platform::Dialogs::ShownTexts().isEmpty());
    QVERIFY(!TestEnv::Recorder().progress.visible);
    QVERIFY(!TestEnv::Recorder().progress.busyPointer);
}

void TestCommandProcs::fixedTaskNoSendsNothing()
{
    QCOMPARE(FixedTaskNo(), 3);
    QCOMPARE(Queues().RequestQueueLast, -1);
}

void TestCommandProcs::resultFoundAfterLaterOnes()
{
    TestEnv::Scope env;
    App().OfflineFlag = false;
    const int id = QueueRequest(QStringLiteral("0TN"), 6, 2000, 1);
    RemoveQueued(id); // sent: the engine took it
    // Its result, then an ordinary request's, before the caller looks.
    RecordResult(ResultRecord{0, QStringLiteral("0TN5\r\n"), QStringLiteral("0TN"), id});
    RecordResult(ResultRecord{0, QStringLiteral("0RAF\r\n"), QStringLiteral("0RA"), id + 1});
    QCOMPARE(WaitResult(id), std::optional<QString>(QStringLiteral("0TN5\r\n")));
}

void TestCommandProcs::staleResultAfterReset()
{
    TestEnv::Scope env;
    RecordResult(ResultRecord{0, QStringLiteral("0RA7\r\n"), QStringLiteral("0RA"), 1001});
    ResetRequestQueue();
    const int id = QueueRequest(QStringLiteral("0RA"), 6, 2000, 1);
    QCOMPARE(id, 1001);
    App().OfflineFlag = true; // nothing will send it
    QCOMPARE(WaitResult(id), std::nullopt);
}

QTEST_MAIN(TestCommandProcs)
#include "tst_command_procs.moc"
