// The command procedures against the simulated controller: what reaches the
// line, what the controller's state becomes, what the tables read, and how
// each transfer ends when the controller misbehaves or the user cancels.
#include <QtTest>

#include "core/AppState.h"
#include "app/MainWindow.h"
#include "grpsm/GrpSmTables.h"
#include "link/CommandHost.h"
#include "link/CommandProcs.h"
#include "link/CommandState.h"
#include "link/Engine.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "ui/live/ProgramTaskWindow.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/Wait.h"
#include "support/MainScope.h"
#include "sim/SimCommands.h"
#include "sim/SimController.h"
#include "support/TestEnv.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <memory>

using namespace Comm;

namespace {

const QString kDataWrong = QStringLiteral("Communication error occurs!\r\ntransmit data is wrong");

// One simulated controller on the line, the link running, the program online.
struct Rig {
    TestEnv::Scope env;
    SimController sim;
    SimCmdModel model;

    Rig()
    {
        App().LangOffset = 10000;
        ResetCommandState();
        GrpSm::ResetGrpSmTables();
        TestEnv::Recorder().progress = {};
        ResetParadataState();
        Paradata().ParaSet.ParaSpAxis = 0xF;
        InstallCommandSim(sim, model);
        sim.attach(1);
        App().PortNo = 1;
        Indicators::SetOnlineMode();
        StartLink();
    }
    ~Rig() { StopLink(); }

    QStringList frames() const
    {
        QStringList seen;
        for (const QByteArray &f : sim.frames())
            seen << QString::fromLatin1(f);
        return seen;
    }
};

using Body = std::function<void(Rig &)>;

} // namespace

Q_DECLARE_METATYPE(Body)

class TestCommandsSim : public QObject {
    Q_OBJECT
private slots:
    void axisState_data();
    void axisState();
    void shortCommands();
    void ioCycle();
    void presentPos();
    void stepCounts();
    void stepCountReadInterrupted();
    void taskQueryOvertakes();
    void groupWrite();
    void groupWriteFails_data();
    void groupWriteFails();
    void groupRead();
    void groupReadEnds_data();
    void groupReadEnds();
    void macroRoundTrip();
    void macroReadWrongEcho();
    void groupMoveEnds_data();
    void groupMoveEnds();
    void progressOnMainWindow();
};

void TestCommandsSim::axisState_data()
{
    QTest::addColumn<QString>("digit");
    QTest::addColumn<int>("paraSpAxis");
    QTest::addColumn<int>("atRest");
    QTest::newRow("0RA7, axes 1-3") << "7" << 7 << 1;
    QTest::newRow("0RA3, axes 1-3") << "3" << 7 << 0;
    QTest::newRow("0RAF, axes 1-2") << "F" << 3 << 1;
    QTest::newRow("0RAB, axes 1,2,4") << "B" << 0xB << 1;
    QTest::newRow("0RAA, axes 1,2,4") << "A" << 0xB << 0;
}

void TestCommandsSim::axisState()
{
    QFETCH(QString, digit);
    QFETCH(int, paraSpAxis);
    Rig rig;
    Paradata().ParaSet.ParaSpAxis = static_cast<int16_t>(paraSpAxis);
    rig.model.restDigit = digit.toLatin1();
    rig.model.homeDigit = digit.toLatin1();
    QFETCH(int, atRest);
    QCOMPARE(CheckCtAxisStop(), atRest);
    // "0RH" reads its digit the same way.
    QCOMPARE(Comm::CheckRH(), 0);
    QCOMPARE(App().HomeDoneFlag, atRest == 1);
}

void TestCommandsSim::shortCommands()
{
    Rig rig;
    App().AxisNotUsed = {false, false, true, true};
    QCOMPARE(MovePosiNo(5, 0), 0);
    QCOMPARE(rig.model.movedTo, 5);
    App().AxisNotUsed = {false, false, false, false};
    QCOMPARE(MovePosiNo(999, 1), 0);
    QCOMPARE(MovePosiNo(1000, 0), 1);
    QCOMPARE(StorePosiDataInCt(1, 999), 0);
    QCOMPARE(rig.model.storedLast, 999);
    QCOMPARE(MoveGrpNo(12), 0);
    QCOMPARE(rig.model.groupMovedTo, 12);
    rig.sim.model().alarm = true;
    QCOMPARE(AlarmResetCt(), 0);
    QVERIFY(!rig.sim.model().alarm);
    QCOMPARE(CommunicationModeOn(1), 0);
    QVERIFY(!App().OfflineFlag);
    QCOMPARE(rig.frames(), (QStringList{"0MP0053", "0MS3E7F", "0WA0013E7", "0MG0C", "0AR", "0CM1"}));

    // Homed state: a failure leaves HomeDoneFlag False.
    rig.model.homed = true;
    QCOMPARE(Comm::CheckRH(), 0);
    QVERIFY(App().HomeDoneFlag);
    rig.model.replyFor["0RH"] = "0%%104";
    QCOMPARE(Comm::CheckRH(), 1);
    QVERIFY(!App().HomeDoneFlag);
}

void TestCommandsSim::ioCycle()
{
    Rig rig;
    auto &c = Commands();
    rig.model.inputs = {1, 0, 0, 0, 0, 0, 0};
    rig.model.outputs = {2, 0, 0, 0, 0};
    QCOMPARE(MonitorExchange(), 0);
    QVERIFY(c.InBit[0][0]);
    QVERIFY(c.OutBit[0][1]);
    QVERIFY(c.IoModeSet);

    // The user toggles two outputs and ticks "ignore external inputs" in the
    // monitor window.
    c.OutReq[0][1] = c.OutReq[2][3] = true;
    c.OutputWriteReq = true;
    c.IoReadFlag = true;
    c.IgnoreInputs = true;
    c.IoModeResend = true;
    rig.sim.clearFrames();
    QCOMPARE(MonitorExchange(), 0);
    QCOMPARE(rig.frames(), (QStringList{"0CM10000", "0WO00800", "0RI", "0RO"}));
    QCOMPARE(rig.model.outputs, (std::array<int, 5>{0, 0, 8, 0, 0}));
    QVERIFY(!c.OutputWriteReq);
    QVERIFY(!c.IoReadFlag);
    QVERIFY(!c.IoModeResend);
    QVERIFY(c.OutBit[2][3]);
    QVERIFY(!c.OutBit[0][1]);

    // The mode command only once; a garbled reply keeps the tables.
    rig.sim.clearFrames();
    rig.model.replyFor["0RO"] = "0RO0G000";
    const auto before = c.OutBit;
    c.InBit = {};
    QCOMPARE(MonitorExchange(), 1);
    QCOMPARE(rig.frames(), (QStringList{"0RI", "0RO"}));
    QCOMPARE(c.OutBit, before);
    QVERIFY(!c.InBit[0][0]);
    QCOMPARE(Platform::Dialogs::ShownTexts(), QStringList{kDataWrong});
}

void TestCommandsSim::presentPos()
{
    Rig rig;
    App().AxisNotUsed = {false, true, false, true};
    rig.model.presentPos = {0x123, 7, 0xF0001, 9};
    Frames::PresentPositions pos{};
    QCOMPARE(ReadPresentPosFromCt(pos), 0);
    QCOMPARE(rig.frames(), QStringList{"0RC5"});
    QCOMPARE(pos, (Frames::PresentPositions{0x123, {}, 0, {}}));

    // An error reply or a reply for other axes leaves the positions alone.
    const auto before = pos;
    rig.model.replyFor["0RC5"] = "0%%104";
    QCOMPARE(ReadPresentPosFromCt(pos), 1);
    QCOMPARE(pos, before);
    // The error reply counts as a link failure; a caller that goes on
    // clears it and goes online again.
    QVERIFY(App().OfflineFlag && Queues().LinkFailed);
    Queues().LinkFailed = false;
    Indicators::SetOnlineMode();
    rig.model.replyFor["0RC5"] = "0RC70000100002";
    QCOMPARE(ReadPresentPosFromCt(pos), 1);
    QCOMPARE(pos, before);
    QVERIFY(Platform::Dialogs::ShownTexts().endsWith(kDataWrong));
}

void TestCommandsSim::stepCounts()
{
    Rig rig;
    rig.model.stepCount[10] = 31;
    QCOMPARE(ReadProgStepCountFromCt(10), 31);
    QCOMPARE(rig.frames(), QStringList{"0RR0A"});
    for (int p = 1; p <= 100; ++p)
        rig.model.stepCount[p] = 100 - p;
    QCOMPARE(ReadAllProgStepCountsFromCt(), 0);
    QVERIFY(Commands().ProgStepCountKnown);
    QCOMPARE(Commands().ProgStepCount[1], 99);
    QCOMPARE(Commands().ProgStepCount[100], 0);
    QCOMPARE(TestEnv::Recorder().progress.value, 100);
}

void TestCommandsSim::stepCountReadInterrupted()
{
    Rig rig;
    for (int p = 1; p <= 100; ++p)
        rig.model.stepCount[p] = p;
    Commands().ProgStepCount.fill(-7);
    rig.model.replyFor["0RR39"] = "0%%104"; // program 57
    QCOMPARE(ReadAllProgStepCountsFromCt(), 1);
    for (int p = 1; p <= 56; ++p)
        QCOMPARE(Commands().ProgStepCount[p], p);
    for (int p = 57; p <= 100; ++p)
        QCOMPARE(Commands().ProgStepCount[p], -7);
    QVERIFY(!Commands().ProgStepCountKnown);
    QCOMPARE(rig.frames().size(), 57);
}

void TestCommandsSim::taskQueryOvertakes()
{
    Rig rig;
    rig.model.runningTask = 5;
    // While the mode command is on the line, two ordinary requests queue up.
    rig.model.onFrame = [](const QByteArray &f) {
        if (f == "0CM1") {
            QueueRequest(QStringLiteral("0RA"), 6, 2000, 1);
            QueueRequest(QStringLiteral("0RA"), 6, 2000, 1);
        }
    };
    QCOMPARE(ReadTaskNoFromCt(), 5);
    Platform::WaitUntil([&] { return rig.sim.frames().size() == 4; }, 5000);
    QCOMPARE(rig.frames(), (QStringList{"0CM1", "0TN", "0RA", "0RA"}));

    // A failure is told apart from every task digit.
    rig.model.onFrame = nullptr;
    rig.model.replyFor["0TN"] = "0%%104";
    QCOMPARE(ReadTaskNoFromCt(), kTaskNoFailure);
    QVERIFY(kTaskNoFailure < 0);
}

void TestCommandsSim::groupWrite()
{
    Rig rig;
    auto &t = GrpSm::Tables();
    for (int g = 1; g <= 99; ++g)
        t.GrpData[g] = {int16_t(g), int16_t(g + 900)};
    t.GrpData[12] = {5, 300};
    bool storedEarly = false;
    rig.model.onFrame = [&](const QByteArray &f) {
        if (f.startsWith("0WG") && rig.model.groupStores > 0)
            storedEarly = true;
    };
    QCOMPARE(WriteGrpDataToCt(), 0);
    const QStringList seen = rig.frames();
    QCOMPARE(seen.size(), 100);
    QCOMPARE(seen[11], QStringLiteral("0WG0C00512C"));
    QCOMPARE(seen.last(), QStringLiteral("0WE3"));
    QVERIFY(!storedEarly);
    QCOMPARE(rig.model.groupStores, 1);
    QCOMPARE(rig.model.groups[12], (std::array<int, 2>{5, 300}));
    QCOMPARE(rig.model.groups[99], (std::array<int, 2>{99, 999}));
    QVERIFY(!TestEnv::Recorder().progress.visible);
}

void TestCommandsSim::groupWriteFails_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("framesSent");
    QTest::addColumn<bool>("dataWrongShown");
    QTest::newRow("error reply to group 50") << QByteArray("0WG32001001") << QByteArray("0%%104") << 50 << false;
    QTest::newRow("group 99 echoes group 98") << QByteArray("0WG63001001") << QByteArray("0WG62") << 99 << true;
    QTest::newRow("store echoes the macro store") << QByteArray("0WE3") << QByteArray("0WE1") << 100 << true;
}

void TestCommandsSim::groupWriteFails()
{
    QFETCH(QByteArray, frame);
    QFETCH(QByteArray, reply);
    QFETCH(int, framesSent);
    QFETCH(bool, dataWrongShown);
    Rig rig;
    for (int g = 1; g <= 99; ++g)
        GrpSm::Tables().GrpData[g] = {1, 1};
    rig.model.replyFor[frame] = reply;
    QCOMPARE(WriteGrpDataToCt(), 1);
    QCOMPARE(rig.frames().size(), framesSent);
    if (framesSent < 100)
        QVERIFY(!rig.frames().contains("0WE3"));
    QCOMPARE(rig.model.groupStores, 0);
    QCOMPARE(Platform::Dialogs::ShownTexts().contains(kDataWrong), dataWrongShown);
    QVERIFY(!TestEnv::Recorder().progress.visible);
}

void TestCommandsSim::groupRead()
{
    Rig rig;
    for (int g = 1; g <= 99; ++g)
        rig.model.groups[g] = {g * 10, g * 10 + 5};
    rig.model.groups[12] = {5, 300};
    QCOMPARE(ReadGrpDataFromCt(), 0);
    const auto &buf = GrpSm::Tables().GrpDataBuf;
    QCOMPARE(buf[12][0], int16_t(5));
    QCOMPARE(buf[12][1], int16_t(300));
    QCOMPARE(buf[99][1], int16_t(995));
    QCOMPARE(rig.frames().size(), 99);
    QCOMPARE(rig.frames()[11], QStringLiteral("0RG0C"));
    QVERIFY(!TestEnv::Recorder().progress.visible);
}

void TestCommandsSim::groupReadEnds_data()
{
    QTest::addColumn<Body>("setup");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("framesSent");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("cancel during group 30") << Body([](Rig &r) {
        r.model.onFrame = [](const QByteArray &f) {
            if (f == "0RG1E")
                App().ComCancelFlag = true;
        };
    }) << 2 << 30 << QStringList{};
    QTest::newRow("group 12 echoes group 13") << Body([](Rig &r) { r.model.replyFor["0RG0C"] = "0RG0D00512C"; })
                                              << 1 << 12 << QStringList{kDataWrong};
    QTest::newRow("garbled group 40") << Body([](Rig &r) { r.model.replyFor["0RG28"] = "0RG28005X2C"; }) << 1 << 40
                                      << QStringList{kDataWrong};
}

void TestCommandsSim::groupReadEnds()
{
    QFETCH(Body, setup);
    QFETCH(int, framesSent);
    QFETCH(QStringList, messages);
    Rig rig;
    for (int g = 1; g <= 99; ++g)
        rig.model.groups[g] = {g, g};
    auto &buf = GrpSm::Tables().GrpDataBuf;
    for (auto &row : buf)
        row = {-4, -4};
    const auto before = buf;
    setup(rig);
    QTEST(ReadGrpDataFromCt(), "result");
    QCOMPARE(rig.frames().size(), framesSent);
    QCOMPARE(buf, before);
    QVERIFY(!App().ComCancelFlag);
    QCOMPARE(Platform::Dialogs::ShownTexts(), messages);
    QVERIFY(!TestEnv::Recorder().progress.visible);
}

void TestCommandsSim::macroRoundTrip()
{
    Rig rig;
    auto &t = GrpSm::Tables();
    const int c3 = GrpSm::MacroCodeCol(3);
    t.SmData[0][c3] = 2;
    t.SmData[0][c3 + 1] = 15;
    t.SmData[15][GrpSm::MacroCodeCol(20)] = 6;
    t.SmData[15][GrpSm::MacroCodeCol(20) + 1] = 9;
    QCOMPARE(WriteSqMcrToCt(), 0);
    const QStringList seen = rig.frames();
    QCOMPARE(seen.size(), 21);
    QCOMPARE(seen[2], "0WS032F" + QString(30, QLatin1Char('0')));
    QCOMPARE(seen.last(), QStringLiteral("0WE1"));
    QCOMPARE(rig.model.macroStores, 1);
    QCOMPARE(rig.model.macros[3][0].data, 15);

    // Read back; macro 4 step 1 is an END step with a stray data digit.
    rig.model.macros[4][1] = {0, 7};
    rig.model.macros[4][2] = {5, 3};
    QCOMPARE(ReadSqMcrFromCt(), 0);
    const auto &buf = t.SmDataBuf;
    QCOMPARE(buf[0][c3], int16_t(2));
    QCOMPARE(buf[0][c3 + 1], int16_t(15));
    QCOMPARE(buf[15][GrpSm::MacroCodeCol(20) + 1], int16_t(9));
    QCOMPARE(buf[1][GrpSm::MacroCodeCol(4) + 1], int16_t(0));
    QCOMPARE(buf[2][GrpSm::MacroCodeCol(4) + 1], int16_t(3));
    QVERIFY(!TestEnv::Recorder().progress.visible);
    QVERIFY(!TestEnv::Recorder().progress.busyPointer);
}

void TestCommandsSim::macroReadWrongEcho()
{
    Rig rig;
    auto &buf = GrpSm::Tables().SmDataBuf;
    buf[0][0] = 9;
    rig.model.macros[1][0] = {1, 1};
    rig.model.replyFor["0RS05"] = "0RS06" + QByteArray(32, '0');
    QCOMPARE(ReadSqMcrFromCt(), 1);
    QCOMPARE(rig.frames().size(), 5);
    QCOMPARE(buf[0][0], int16_t(9));
    QCOMPARE(Platform::Dialogs::ShownTexts(), QStringList{kDataWrong});
    QVERIFY(!TestEnv::Recorder().progress.visible);
    QVERIFY(!TestEnv::Recorder().progress.busyPointer);
}

void TestCommandsSim::groupMoveEnds_data()
{
    QTest::addColumn<bool>("pullCable");
    QTest::newRow("cancel pressed") << false;
    QTest::newRow("line hung up") << true;
}

void TestCommandsSim::groupMoveEnds()
{
    QFETCH(bool, pullCable);
    Rig rig;
    rig.model.groupMoveSilent = true;
    rig.model.onFrame = [&](const QByteArray &f) {
        if (f != "0MG0C")
            return;
        // The user (or the cable) acts a moment after the move started.
        QTimer::singleShot(50, [&] {
            if (pullCable)
                rig.sim.closeLine();
            else
                App().ComCancelFlag = true;
        });
    };
    QCOMPARE(MoveGrpNo(12), 1);
    QVERIFY(!App().ComCancelFlag);
    QCOMPARE(rig.frames(), QStringList{"0MG0C"});
}

void TestCommandsSim::progressOnMainWindow()
{
    Rig rig;
    MainScope window;
    MainWindow &main = window.main;
    struct Seen {
        bool bar = false, cancel = false, pointer = false;
        int maximum = 0, value = 0;
        QString status;
    } seen;
    rig.model.onFrame = [&](const QByteArray &f) {
        if (f != "0RG1E" && f != "0RS05")
            return;
        seen = {!main.ProgressBar1->isHidden(), !main.cmdComCancel->isHidden(), QGuiApplication::overrideCursor() != nullptr,
                main.ProgressBar1->maximum(), main.ProgressBar1->value(), main.lblStatus->text()};
        if (f == "0RG1E")
            App().ComCancelFlag = true;
    };
    // The group read offers the cancel button, and is cancelled.
    QCOMPARE(ReadGrpDataFromCt(), 2);
    QVERIFY(seen.bar && seen.cancel && !seen.pointer);
    QCOMPARE(seen.maximum, 98);
    QCOMPARE(seen.value, 28);
    QCOMPARE(seen.status, QStringLiteral("Reading data from controller..."));
    QVERIFY(main.ProgressBar1->isHidden());
    QVERIFY(main.lblStatus->text().isEmpty());

    // The macro read shows the hourglass; a wrong echo ends it, and both
    // the bar and the pointer are restored.
    rig.model.replyFor["0RS05"] = "0RS06" + QByteArray(32, '0');
    QCOMPARE(ReadSqMcrFromCt(), 1);
    QVERIFY(seen.bar && !seen.cancel && seen.pointer);
    QCOMPARE(seen.maximum, 20);
    QVERIFY(main.ProgressBar1->isHidden());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

QTEST_MAIN(TestCommandsSim)
#include "tst_commands_sim.moc"
