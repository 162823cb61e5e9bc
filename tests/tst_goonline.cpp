// Going online against the simulated controller: identification, the
// controller-mode and axis/actuator questions with each answer, the model
// check and the failure path; the mode command's frame.
#include <QtTest>

#include "core/AppState.h"
#include "app/MainWindow.h"
#include "link/CommandProcs.h"
#include "link/Engine.h"
#include "ui/online/GoOnline.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "link/Versions.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "support/Choices.h"
#include "support/MainScope.h"
#include "support/SimOnlineFixture.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QLabel>

#include <functional>

using namespace Comm;
using SimSetup = std::function<void(SimController &)>;
Q_DECLARE_METATYPE(SimSetup)

namespace {
struct Fixture : SimOnline::Fixture {
    Fixture() : SimOnline::Fixture(true) {}
};

QString R(int id) { return Platform::ResText(id); }
QString twoLines(int a, int b) { return R(a) + QStringLiteral("\r\n") + R(b); }
} // namespace

class TestGoOnline : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { App().LangOffset = 10000; }
    void reconcile_data();
    void reconcile();
    void pcSettingWrittenToController();
    void mainWindowFollowsTheControllersMode();
    void portThatWillNotOpenChangesNothing();
    void modeCommandFrame_data();
    void modeCommandFrame();
};

void TestGoOnline::reconcile_data()
{
    QTest::addColumn<SimSetup>("setup");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QList<int>>("asked");  // explanation ids of the questions
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("prgMode");
    QTest::addColumn<int>("axisMask");      // axes in use afterwards
    QTest::addColumn<int>("stroke1");       // PC's stroke of axis 1 afterwards
    QTest::addColumn<int>("axisCount");

    const SimSetup same = [](SimController &) {};
    const SimSetup prgMode = [](SimController &s) { SimOnline::SetProgramMode(s, true); };
    const SimSetup twoAxes = [](SimController &s) {
        SimOnline::SetAxes(s, 0x3);
        SimOnline::Actuator a;
        a.stroke = 50;
        a.maxPulse = 10000;
        SimOnline::SetActuator(s, 0, a);
    };
    const SimSetup otherStroke = [](SimController &s) {
        SimOnline::Actuator a;
        a.stroke = 50;
        a.maxPulse = 10000;
        SimOnline::SetActuator(s, 0, a);
    };
    const SimSetup model = [](SimController &s) { s.model().modelCode = "S3M"; };

    QTest::newRow("all agree") << same << QList<int>{} << QList<int>{} << 0 << QStringList{} << false << 0xF << 100 << 4;
    QTest::newRow("S3M") << model << QList<int>{} << QList<int>{} << 0 << QStringList{} << false << 0xF << 100 << 3;
    QTest::newRow("mode differs, controller's taken")
        << prgMode << QList<int>{0} << QList<int>{490} << 0 << QStringList{} << true << 0xF << 100 << 4;
    QTest::newRow("mode differs, cancelled")
        << prgMode << QList<int>{-1} << QList<int>{490} << 1 << QStringList{} << false << 0xF << 100 << 4;
    QTest::newRow("axes differ, disregarded")
        << twoAxes << QList<int>{1} << QList<int>{371} << 0 << QStringList{} << false << 0xF << 100 << 4;
    QTest::newRow("axes differ, controller's taken")
        << twoAxes << QList<int>{0} << QList<int>{371} << 0 << QStringList{} << false << 0x3 << 50 << 4;
    QTest::newRow("actuator differs, cancelled")
        << otherStroke << QList<int>{-1} << QList<int>{371} << 1 << QStringList{} << false << 0xF << 100 << 4;
    QTest::newRow("mode and axes differ, both taken")
        << SimSetup([=](SimController &s) { prgMode(s); twoAxes(s); }) << QList<int>{0, 0} << QList<int>{490, 371}
        << 0 << QStringList{} << true << 0x3 << 50 << 4;
    QTest::newRow("S5M") << SimSetup([](SimController &s) { s.model().modelCode = "S5M"; }) << QList<int>{}
                         << QList<int>{} << 1 << QStringList{twoLines(124, 125)} << false << 0xF << 100 << 4;
    QTest::newRow("s3m") << SimSetup([](SimController &s) { s.model().modelCode = "s3m"; }) << QList<int>{}
                         << QList<int>{} << 1 << QStringList{twoLines(124, 125)} << false << 0xF << 100 << 4;
}

void TestGoOnline::reconcile()
{
    QFETCH(SimSetup, setup);
    QFETCH(QList<int>, answers);
    QFETCH(QList<int>, asked);
    QFETCH(int, result);
    QFETCH(QStringList, messages);
    QFETCH(bool, prgMode);
    QFETCH(int, axisMask);
    QFETCH(int, stroke1);
    QFETCH(int, axisCount);
    Fixture o;
    QVERIFY(o.sim.ok());
    setup(o.sim);
    for (int k : answers)
        Choices::Queue({k});

    QCOMPARE(::Online::fChangeToOnline(), result);

    QStringList askedTexts;
    for (int id : asked)
        askedTexts << R(id);
    QCOMPARE(Choices::Asked(), askedTexts);
    QCOMPARE(Platform::Dialogs::ShownTexts(), messages);
    QCOMPARE(App().OfflineFlag, result != 0);
    if (result != 0)
        QVERIFY(!PortIsOpen());
    QCOMPARE(Indicators::State().LinkVisible, result == 0);
    QCOMPARE(App().PrgModeFlag, prgMode);
    int mask = 0;
    for (int a = 0; a < 4; ++a)
        if (!App().AxisNotUsed[size_t(a)])
            mask |= 1 << a;
    QCOMPARE(mask, axisMask);
    QCOMPARE(Paradata().DevSetting.DevStroke[0], stroke1);
    if (result == 0)
        QCOMPARE(App().AxisCount, axisCount);
    QVERIFY(!TestEnv::Recorder().progress.visible);
    QVERIFY(!o.sim.frames().isEmpty());
    QCOMPARE(o.sim.frames().first(), QByteArray("0CM1"));
}

void TestGoOnline::pcSettingWrittenToController()
{
    Fixture o;
    SimOnline::SetProgramMode(o.sim, true);
    App().AxisNotUsed = {false, true, false, true};
    Choices::Queue({1});
    QCOMPARE(::Online::fChangeToOnline(), 1);
    QCOMPARE(SimOnline::BlockField(o.sim, 0, 1, 1), 0x5u);
    QCOMPARE(SimOnline::BlockField(o.sim, 0, 9, 1), 0u);
    const QList<QByteArray> &f = o.sim.frames();
    QVERIFY(f.size() >= 2);
    QVERIFY(f[f.size() - 2].startsWith("0WD0"));
    QCOMPARE(f.last(), QByteArray("0WE"));
    QCOMPARE(Platform::Dialogs::ShownTexts(), QStringList{twoLines(492, 493)});
    QVERIFY(App().OfflineFlag);
    QVERIFY(!PortIsOpen());
    QCOMPARE(App().AxisCount, 3);
    QCOMPARE(Paradata().ParaSet.ParaSpAxis, int16_t(5));
}

void TestGoOnline::mainWindowFollowsTheControllersMode()
{
    Fixture o;
    MainScope s;
    MainWindow &main = s.main;
    SimOnline::SetProgramMode(o.sim, true);
    Choices::Queue({0});
    QCOMPARE(::Online::fChangeToOnline(), 0);
    QCOMPARE(main.lblCtMode->text(), R(129));
    QVERIFY(main.mnuFileNewProg->isVisible());
    QVERIFY(!main.mnuViewGrp->isVisible());
    QVERIFY(main.mnuSettingOffline->isEnabled());
    QVERIFY(!main.mnuSettingOnline->isEnabled());
}

void TestGoOnline::portThatWillNotOpenChangesNothing()
{
    TestEnv::Scope env;
    qputenv("REZ4_PORT7", "/nonexistent/rez4-port");
    App().PortNo = 7;
    App().OfflineFlag = true;
    Indicators::OnlineImg_Hide();
    StartLink();
    QCOMPARE(::Online::fChangeToOnline(), 1);
    QVERIFY(App().OfflineFlag);
    // Said once, naming the port.
    QCOMPARE(Platform::Dialogs::ShownTexts(), QStringList{PortOpenFailureText()});
    QVERIFY(PortOpenFailureText().contains(QStringLiteral("/nonexistent/rez4-port")));
    QVERIFY(!TestEnv::Recorder().progress.visible);
    qunsetenv("REZ4_PORT7");
}

void TestGoOnline::modeCommandFrame_data()
{
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::addColumn<QList<bool>>("notUsed");
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("nAfter");
    QTest::newRow("2, 5, 5") << 2 << 5 << 5 << QList<bool>{false, false, false, false} << QByteArray("0CM02020") << 0;
    QTest::newRow("axis 1 unused") << 1 << 1 << 15 << QList<bool>{true, false, false, false} << QByteArray("0CM10111")
                                   << 1;
    QTest::newRow("start-up") << 0 << 0 << 0 << QList<bool>{false, false, false, false} << QByteArray("0CM00000") << 0;
    QTest::newRow("negative n") << 3 << -1 << 15 << QList<bool>{false, false, false, false} << QByteArray("0CM00000")
                                << 0;
}

void TestGoOnline::modeCommandFrame()
{
    QFETCH(int, m);
    QFETCH(int, n);
    QFETCH(int, k);
    QFETCH(QList<bool>, notUsed);
    QFETCH(QByteArray, frame);
    QFETCH(int, nAfter);
    Fixture o;
    App().OfflineFlag = true;
    for (int a = 0; a < 4; ++a)
        App().AxisNotUsed[size_t(a)] = notUsed[a];
    QCOMPARE(SetCommunicationMode(m, n, k), 0);
    QCOMPARE(n, nAfter);
    QCOMPARE(o.sim.frames(), QList<QByteArray>{frame});
    QVERIFY(!App().OfflineFlag);
}

QTEST_MAIN(TestGoOnline)
#include "tst_goonline.moc"
