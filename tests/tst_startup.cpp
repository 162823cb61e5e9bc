// The start-up connection dialogue against the simulated controller: the
// online road with its exact wire sequence, each way it falls through to the
// offline questions, and the offline questions themselves.
#include <QtTest>

#include "core/AppState.h"
#include "app/MainWindow.h"
#include "link/Engine.h"
#include "ui/online/GoOnline.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "link/Versions.h"
#include "paradata/DevSetting.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "ui/posi/PositionWindow.h"
#include "posi/PosiTables.h"
#include "support/Choices.h"
#include "support/MainScope.h"
#include "support/SimOnlineFixture.h"
#include "sim/SimParaBlocks.h"
#include "support/TestEnv.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <functional>

using namespace Comm;
using SimSetup = std::function<void(SimController &)>;
Q_DECLARE_METATYPE(SimSetup)

namespace {
using Start = SimOnline::Fixture;

QString R(int id) { return Platform::ResText(id); }
QString twoLines(int a, int b) { return R(a) + QStringLiteral("\r\n") + R(b); }

QStringList asked(const QList<int> &ids)
{
    QStringList out;
    for (int id : ids)
        out << R(id);
    return out;
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { App().LangOffset = 10000; }
    void onlineStart();
    void fallsThroughToOffline_data();
    void fallsThroughToOffline();
    void silentController();
    void offlineQuestions_data();
    void offlineQuestions();
    void newProgramTimerOfTheMainWindow();
    void actuatorSettingOfThePositionWindow_data();
    void actuatorSettingOfThePositionWindow();
};

void TestStartup::onlineStart()
{
    Start s;
    QVERIFY(s.sim.ok());
    s.sim.model().modelCode = "S2M";
    SimOnline::SetAxes(s.sim, 0x3);
    SimOnline::SetProgramMode(s.sim, true);
    SimOnline::Actuator e35;
    e35.speed = 'E';
    e35.stroke = 150;
    e35.maxPulse = 30000;
    SimOnline::SetActuator(s.sim, 1, e35);
    Choices::Queue({0});

    Online::CtConnectAtStart();

    QCOMPARE(s.sim.frames(), (QList<QByteArray>{"0CM00000", "0CM1", "0RV", "0CM1", "0RD0", "0CM1", "0RD4", "0RD7",
                                                "0RD3", "0RD6"}));
    QCOMPARE(Choices::Asked(), asked({71}));
    QVERIFY(Platform::Dialogs::ShownTexts().isEmpty());
    QVERIFY(!App().OfflineFlag);
    QCOMPARE(App().AxisCount, 2);
    QVERIFY(App().PrgModeFlag);
    QCOMPARE(App().AxisNotUsed, (std::array<bool, 4>{false, false, true, true}));
    const auto &d = Paradata().DevSetting;
    QCOMPARE(d.DevSize[0], QStringLiteral(" 28"));
    QCOMPARE(d.DevSize[1], QStringLiteral("E35"));
    QCOMPARE(d.DevSpeed[1], QStringLiteral("L"));
    QCOMPARE(d.DevStroke[1], 150);
    QCOMPARE(Paradata().MaxPulse[1], 30000);
    const RecordingShell &t = TestEnv::Recorder();
    QCOMPARE(t.progress.steps.size(), 4);
    QCOMPARE(t.progress.steps[0], 1);
    QCOMPARE(t.progress.steps[3], 4);
    QCOMPARE(t.statusText, QString());
    QVERIFY(!t.newProgramTimer);
    QVERIFY(!App().BusyFlag);
    QVERIFY(!DevFlags().DevWinStartup);
    QVERIFY(!PortIsOpen()); // not kept open
}

void TestStartup::fallsThroughToOffline_data()
{
    QTest::addColumn<SimSetup>("setup");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("S5M") << SimSetup([](SimController &s) { s.model().modelCode = "S5M"; })
                         << QStringList{twoLines(124, 125)};
    QTest::newRow("s3m") << SimSetup([](SimController &s) { s.model().modelCode = "s3m"; })
                         << QStringList{twoLines(124, 125)};
    QTest::newRow("block 0 refused") << SimSetup([](SimController &s) {
        s.addFault("0RD", SimFaultRule{SimFault::ErrorReply, 20, {}}, 1);
    }) << QStringList{};
    QTest::newRow("actuator block refused") << SimSetup([](SimController &s) {
        s.addCommand("0RD", [](SimController &sim, const QByteArray &f) -> std::optional<QByteArray> {
            if (f == "0RD7")
                return QByteArray("0%%104");
            return f + SimParaBlocks::Block(sim, f.mid(3).toInt(nullptr, 16));
        });
    }) << QStringList{};
}

void TestStartup::fallsThroughToOffline()
{
    QFETCH(SimSetup, setup);
    QFETCH(QStringList, messages);
    Start s;
    setup(s.sim);
    Choices::Queue({0, 0});
    Online::CtConnectAtStart();
    QCOMPARE(Choices::Asked(), asked({71, 74}));
    // The model message alone; a refused block shows the link's error text.
    if (!messages.isEmpty())
        QCOMPARE(Platform::Dialogs::ShownTexts(), messages);
    QVERIFY(App().OfflineFlag);
    QVERIFY(!PortIsOpen());
    QVERIFY(!Indicators::State().LinkVisible);
    QVERIFY(!App().BusyFlag);
    QVERIFY(!App().PrgModeFlag);
}

void TestStartup::silentController()
{
    Start s;
    s.sim.addFault(QByteArray(), SimFaultRule{SimFault::Silent, 20, {}}, -1);
    Choices::Queue({0, 0});
    Online::CtConnectAtStart();
    QCOMPARE(s.sim.frames(), (QList<QByteArray>{"0CM00000", "0CM00000", "0CM00000", "0CM00000"}));
    QCOMPARE(Platform::Dialogs::ShownTexts().size(), 1);
    QVERIFY(Platform::Dialogs::ShownTexts().first().startsWith(QStringLiteral("Communication timeout error!")));
    QCOMPARE(Choices::Asked(), asked({71, 74}));
    QVERIFY(App().OfflineFlag);
    QVERIFY(!App().BusyFlag);
}

void TestStartup::offlineQuestions_data()
{
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QList<int>>("askedIds");
    QTest::addColumn<QString>("stroke1");  // stored stroke of axis 1 ("" = none)
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("prgMode");
    QTest::addColumn<bool>("newProgram");
    QTest::newRow("positioner") << QList<int>{1, 0} << QList<int>{71, 74} << QString() << QStringList{} << false
                                << false;
    QTest::newRow("program: new program offered") << QList<int>{1, 1} << QList<int>{71, 74} << QString()
                                                  << QStringList{} << true << true;
    QTest::newRow("Back to online or offline") << QList<int>{1, -2, 1, 0} << QList<int>{71, 74, 71, 74} << QString()
                                               << QStringList{} << false << false;
    QTest::newRow("stored actuator not valid")
        << QList<int>{1, 0} << QList<int>{71, 74} << QStringLiteral("5") << QStringList{twoLines(4, 5)} << false
        << false;
    QTest::newRow("stored actuator not listed")
        << QList<int>{1, 1} << QList<int>{71, 74} << QStringLiteral("300") << QStringList{R(17)} << true << true;
}

void TestStartup::offlineQuestions()
{
    QFETCH(QList<int>, answers);
    QFETCH(QList<int>, askedIds);
    QFETCH(QString, stroke1);
    QFETCH(QStringList, messages);
    QFETCH(bool, prgMode);
    QFETCH(bool, newProgram);
    Start s;
    if (!stroke1.isEmpty())
        Platform::SaveSetting(QStringLiteral("DevStroke1"), stroke1);
    for (int k : answers)
        Choices::Queue({k});
    Online::CtConnectAtStart();
    QCOMPARE(Choices::Asked(), asked(askedIds));
    QCOMPARE(Platform::Dialogs::ShownTexts(), messages);
    QVERIFY(s.sim.frames().isEmpty());
    QVERIFY(App().OfflineFlag);
    QCOMPARE(App().PrgModeFlag, prgMode);
    QCOMPARE(TestEnv::Recorder().newProgramTimer, newProgram);
    // Every way ends with the commands usable again.
    QVERIFY(!App().BusyFlag);
    QVERIFY(!DevFlags().DevWinStartup);
}

void TestStartup::newProgramTimerOfTheMainWindow()
{
    Start s;
    MainScope window;
    MainWindow &main = window.main;
    Choices::Queue({1, 1, 0});
    Choices::QueueActuatorWindow();
    Online::CtConnectAtStart();
    QCOMPARE(Choices::Asked(), asked({71, 74, 41}));
    QVERIFY(main.TimerTest->isActive());
    QCOMPARE(main.TimerTest->interval(), 10);
    QCOMPARE(main.lblCtMode->text(), R(129));
    QVERIFY(main.PosiWindow()->SSTabCommand->isEnabled());
    QVERIFY(main.cmdReset->isEnabled());
    main.TimerTest->stop();
}

// With the main window the offline road goes through the position window's
// actuator setting: asked once even when the stored actuators are valid, and
// Back inside it leads where the dialogue says.
void TestStartup::actuatorSettingOfThePositionWindow_data()
{
    // Answers: 0/1/-2 at the choice dialogs; Set / Back in the actuator window.
    constexpr int Set = 100, Back = 101;
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QList<int>>("askedIds");
    QTest::addColumn<QString>("stroke1");  // stored stroke of axis 1 ("" = none)
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("taken");    // stroke of axis 1 stored at the end
    const QString offered = QStringLiteral("100");
    QTest::newRow("asked once") << QList<int>{1, 0, 0, Set} << QList<int>{71, 74, 41} << QString() << QStringList{}
                                << offered;
    QTest::newRow("Back in the actuator window asks again")
        << QList<int>{1, 0, 0, Back, 0, Set} << QList<int>{71, 74, 41, 41} << QString() << QStringList{} << offered;
    QTest::newRow("Back in its question returns to the mode")
        << QList<int>{1, 0, -2, 0, 0, Set} << QList<int>{71, 74, 41, 74, 41} << QString() << QStringList{}
        << offered;
    // The window puts a listed stroke in place of the unknown one.
    QTest::newRow("stored actuator not listed") << QList<int>{1, 0, 0, Set} << QList<int>{71, 74, 41}
                                                << QStringLiteral("300") << QStringList{R(17)}
                                                << QStringLiteral("50");
}

void TestStartup::actuatorSettingOfThePositionWindow()
{
    QFETCH(QList<int>, answers);
    QFETCH(QList<int>, askedIds);
    QFETCH(QString, stroke1);
    QFETCH(QStringList, messages);
    QFETCH(QString, taken);
    Start s;
    if (!stroke1.isEmpty())
        Platform::SaveSetting(QStringLiteral("DevStroke1"), stroke1);
    MainScope window;
    MainWindow &main = window.main;
    for (int k : answers) {
        if (k >= 100)
            Choices::QueueActuatorWindow(k == 101);
        else
            Choices::Queue({k});
    }
    Online::CtConnectAtStart();
    QCOMPARE(Choices::Asked(), asked(askedIds));
    QCOMPARE(Platform::Dialogs::ShownTexts(), messages);
    QVERIFY(App().OfflineFlag);
    QVERIFY(!App().PrgModeFlag);
    // The setting taken is stored, and everything is usable again.
    QCOMPARE(Platform::GetSetting(QStringLiteral("DevStroke1")), taken);
    QVERIFY(!Posi().DevNotFoundFlag);
    QVERIFY(!DevFlags().DevWinStartup);
    QVERIFY(!App().BusyFlag);
    QVERIFY(main.PosiWindow()->SSTabCommand->isEnabled());
    QVERIFY(main.cmdReset->isEnabled());
    QVERIFY(!main.TimerTest->isActive());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
