// The teaching tab against the simulated controller: present position, jog
// and inching, teaching start and end, "Position Get", and the servo
// toggles of direct teaching.
#include "core/AppState.h"
#include "link/CommandProcs.h"
#include "link/CommandState.h"
#include "link/Engine.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/Wait.h"
#include "posi/PosiCheck.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "support/LinkFixture.h"
#include "support/MainScope.h"
#include "sim/SimCommands.h"
#include "ui/posi/PositionWindow.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace Dlg = Platform::Dialogs;
using namespace Comm;

namespace {

// A grid of positions 1..5, the controller with the given axes on the line,
// homed and at rest; the main and position windows.
struct Rig {
    LinkFixture fx;
    SimCmdModel model;
    std::unique_ptr<MainScope> main;
    PositionWindow *posi = nullptr;

    explicit Rig(int mask = 0xF, bool grid = true)
    {
        ResetCommandState();
        InstallCommandSim(fx.sim, model);
        fx.sim.model().axisMask = mask;
        Paradata().ParaSet.ParaSpAxis = static_cast<int16_t>(mask);
        Paradata().MaxSpeed = {300, 300, 300, 300};
        Paradata().MaxMm = {2621, 2621, 2621, 2621};
        Paradata().MaxPulse = {262143, 262143, 262143, 262143};
        for (int a = 0; a < 4; ++a) {
            App().AxisNotUsed[static_cast<size_t>(a)] = (mask & (1 << a)) == 0;
            Paradata().DevSetting.DevLead[static_cast<size_t>(a)] = 6;
            Paradata().DevSetting.DevPPR[static_cast<size_t>(a)] = 400;
        }
        main = std::make_unique<MainScope>();
        posi = qobject_cast<PositionWindow *>(main->main.PosiForm());
        posi->show();
        // Pulses unless a row says otherwise (the window reads the setting).
        App().DispMmUnit = false;
        if (grid) {
            PosiTables::InitPosiData();
            App().DispNoStart = 1;
            App().DispNoEnd = 5;
            PosiGrid::Set_PosFormStrAtPosMode();
            PosiGrid::SizeInit_PositionGridAtPosMode();
            PosiGrid::FillGridByMode();
        }
        CommandSets::SetPosiTabEnabled(App().OfflineFlag);
        Platform::DoEvents();
        App().DispMmUnit = false;
        fx.sim.clearFrames();
    }
    ~Rig() { main.reset(); }

    QStringList frames() const
    {
        QStringList seen;
        for (const QByteArray &f : fx.sim.frames())
            seen << QString::fromLatin1(f);
        return seen;
    }
    // Teaching started, frames forgotten.
    void teach()
    {
        posi->cmdJOGST->click();
        QVERIFY(App().TeachModeFlag);
        fx.sim.clearFrames();
        Dlg::ClearScript();
    }
    void press(int i) { QTest::mousePress(posi->cmdJOG[static_cast<size_t>(i)], Qt::LeftButton); }
    void release(int i) { QTest::mouseRelease(posi->cmdJOG[static_cast<size_t>(i)], Qt::LeftButton); }
    // Runs `act` once the jog's start has reached the controller.
    void onceStartSent(std::function<void()> act)
    {
        auto *watch = new QTimer(posi);
        QObject::connect(watch, &QTimer::timeout, posi, [this, watch, act] {
            if (frames().filter(QRegularExpression(QStringLiteral("^0JR"))).isEmpty())
                return;
            watch->deleteLater();
            watch->stop();
            act();
        });
        watch->start(5);
    }
    // Waits until the jog has nothing more to send.
    void settle()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!posi->JogCtl->StopOwed && !posi->JogCtl->timerJogStop->isActive(), 8000);
    }
};

} // namespace

class TestTeaching : public QObject {
    Q_OBJECT
private slots:
    void presentPosition_data();
    void presentPosition();
    void jogSpeed_data();
    void jogSpeed();
    void jogStopAlwaysFollows_data();
    void jogStopAlwaysFollows();
    void jogStopGoesOutAtOnce_data();
    void jogStopGoesOutAtOnce();
    void secondPressRefused();
    void inchingStep();
    void teachingStart_data();
    void teachingStart();
    void teachingRefused_data();
    void teachingRefused();
    void pgAxisStart();
    void positionGet_data();
    void positionGet();
    void servoToggles();
    void noPgAxis();
    void directTeachingEnds();
    void endlessWaitEndedByUser_data();
    void endlessWaitEndedByUser();
};

void TestTeaching::presentPosition_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<bool>("mm");
    QTest::addColumn<int>("axis1");
    QTest::addColumn<int>("axis3");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("label3");
    QTest::newRow("axes 1 and 3") << 5 << false << 1234 << 77 << "0RC5" << "1234" << "77";
    QTest::newRow("F0001 reads as 0, F0000 as it is") << 5 << false << 0xF0001 << 0xF0000 << "0RC5" << "0"
                                                      << "983040";
    QTest::newRow("millimetres") << 1 << true << 6667 << 0 << "0RC1" << " 100.005" << "old";
}

void TestTeaching::presentPosition()
{
    QFETCH(int, mask);
    QFETCH(bool, mm);
    Rig rig(mask);
    App().DispMmUnit = mm;
    QFETCH(int, axis1);
    QFETCH(int, axis3);
    rig.model.presentPos = {axis1, 0, axis3, 0};
    rig.posi->lblPosi[2]->setText(QStringLiteral("old"));
    QCOMPARE(rig.posi->ReadnDisp_PresentPos(), 0);
    QTEST(rig.frames().value(0), "frame");
    QTEST(rig.posi->lblPosi[0]->text(), "label1");
    QTEST(rig.posi->lblPosi[2]->text(), "label3");
    QCOMPARE(rig.posi->JogCtl->PresentPos[0], axis1 > 0xF0000 ? 0 : axis1);
    // A failed read leaves the labels.
    rig.model.replyFor.insert(rig.frames().first().toLatin1(), "0%%104");
    QCOMPARE(rig.posi->ReadnDisp_PresentPos(), 1);
    QTEST(rig.posi->lblPosi[0]->text(), "label1");
}

void TestTeaching::jogSpeed_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("frame");
    QTest::newRow("50 %") << 50 << "0JR02005";
    QTest::newRow("100 %") << 100 << "0JR02000";
}

void TestTeaching::jogSpeed()
{
    QFETCH(int, percent);
    Rig rig;
    rig.teach();
    rig.posi->UpDown1->setValue(percent);
    rig.press(3);
    QVERIFY(rig.model.jogging(1));
    rig.release(3);
    rig.settle();
    QFETCH(QString, frame);
    QCOMPARE(rig.frames().mid(0, 3), (QStringList{"0RA", frame, "0SP"}));
    // Then the rest query and the position read.
    QVERIFY(rig.frames().contains(QStringLiteral("0RCF")));
    QVERIFY(!rig.model.jogging(1));
    QVERIFY(rig.posi->cmdJOG[3]->isEnabled());
    QVERIFY(rig.posi->cmdJOGend->isEnabled());
    QVERIFY(App().TeachModeFlag);
}

// Once "0JR" has gone out, "0SP" follows whatever became of the start.
void TestTeaching::jogStopAlwaysFollows_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("teachingStays");
    QTest::newRow("release before the answer") << "late" << true;
    QTest::newRow("answer lost") << "lost" << false;
    QTest::newRow("error reply") << "error" << false;
    QTest::newRow("window deactivated") << "deactivated" << true;
    QTest::newRow("button disabled while held") << "disabled" << true;
    QTest::newRow("queue full at the release") << "full" << true;
    QTest::newRow("deactivated before the answer") << "deactivatedLate" << true;
}

void TestTeaching::jogStopAlwaysFollows()
{
    QFETCH(QString, kind);
    Rig rig;
    rig.teach();
    if (kind == QLatin1String("late")) {
        rig.fx.sim.addFault("0JR", SimFaultRule{SimFault::Late, 300, {}});
        rig.onceStartSent([&] { rig.release(0); });
    } else if (kind == QLatin1String("deactivatedLate")) {
        rig.fx.sim.addFault("0JR", SimFaultRule{SimFault::Late, 300, {}});
        rig.onceStartSent([&] {
            QEvent off(QEvent::WindowDeactivate);
            QCoreApplication::sendEvent(rig.posi->cmdJOG[0], &off);
        });
    } else if (kind == QLatin1String("lost")) {
        rig.fx.sim.addFault("0JR", SimFaultRule{SimFault::Silent, 20, {}}, -1);
    } else if (kind == QLatin1String("error")) {
        rig.fx.sim.addFault("0JR", SimFaultRule{SimFault::ErrorReply, 0, "0%%104"});
    }
    rig.press(0);
    if (kind == QLatin1String("deactivated")) {
        QEvent off(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(rig.posi->cmdJOG[0], &off);
    } else if (kind == QLatin1String("disabled")) {
        rig.posi->cmdJOG[0]->setEnabled(false);
    } else if (kind == QLatin1String("full")) {
        // Other requests take every row: the stop is queued again later.
        while (QueueRequest(QStringLiteral("0RA"), 6, 1000, 1) >= 0) {
        }
        rig.release(0);
        QVERIFY(rig.posi->JogCtl->timerJogStop->isActive());
        QVERIFY(rig.model.jogging(0));
    }
    rig.settle();
    // The user lets go at last (nothing more goes out).
    rig.release(0);
    Platform::WaitMs(100);
    QCOMPARE(rig.frames().filter(QStringLiteral("0SP")).size(), 1);
    const int start = int(rig.frames().lastIndexOf(QRegularExpression(QStringLiteral("0JR.*"))));
    QVERIFY(start >= 0 && start < int(rig.frames().indexOf(QStringLiteral("0SP"))));
    QVERIFY(!rig.model.jogging(0));
    QTEST(App().TeachModeFlag, "teachingStays");
    if (!App().TeachModeFlag) {
        // Ended without a command: no "0CM00000" after the stop, and the
        // windows are back.
        QVERIFY(!rig.frames().contains(QStringLiteral("0CM00000")));
        QVERIFY(!App().BusyFlag);
        QVERIFY(!rig.posi->cmdJOG[0]->isEnabled());
        // The link went offline: the stop only borrowed the line, and the
        // lamp says so.
        QVERIFY(App().OfflineFlag);
        QVERIFY(!Indicators::State().LinkVisible);
        QVERIFY(!rig.posi->SSTabCommand->isTabEnabled(2));
    }
}

// The release's stop goes out at once: never behind the start's resends,
// nor behind a message box of the link, which a user may leave up.
void TestTeaching::jogStopGoesOutAtOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("releaseInMessage"); // else released once the start is on the line
    QTest::addColumn<bool>("teachingStays");
    QTest::newRow("start answered with an error, released while its message is up") << "error" << true << false;
    QTest::newRow("start's answer lost, released while the time-out message is up") << "lost" << true << false;
    QTest::newRow("start's answer lost, released at once") << "lost" << false << true;
    QTest::newRow("start answered late, released before the answer") << "late" << false << true;
}

void TestTeaching::jogStopGoesOutAtOnce()
{
    QFETCH(QString, kind);
    QFETCH(bool, releaseInMessage);
    Rig rig;
    rig.teach();
    if (kind == QLatin1String("error"))
        rig.fx.sim.addFault("0JR", SimFaultRule{SimFault::ErrorReply, 0, "0%%104"});
    else if (kind == QLatin1String("lost"))
        rig.fx.sim.addFault("0JR", SimFaultRule{SimFault::Silent, 20, {}}, -1);
    else // later than the start's time-out
        rig.fx.sim.addFault("0JR", SimFaultRule{SimFault::Late, 1500, {}});
    auto stopSent = [&] { return rig.frames().contains(QStringLiteral("0SP")); };
    bool stopWhileUp = false;
    QElapsedTimer sinceRelease;
    auto letGo = [&] {
        sinceRelease.start();
        rig.release(0);
    };
    // A user who reads the box for 2 s, letting go of the button meanwhile.
    Dlg::HoldMessages([&](const Platform::ShownMessage &) {
        if (releaseInMessage) {
            letGo();
            stopWhileUp = Platform::WaitUntil(stopSent, 2000);
        }
    });
    if (!releaseInMessage)
        rig.onceStartSent(letGo);
    rig.press(0);
    QVERIFY(Platform::WaitUntil(stopSent, 8000));
    // For the record only: no assertion hangs on time.
    qInfo("0SP reached the controller %lld ms after the release", static_cast<long long>(sinceRelease.elapsed()));
    if (releaseInMessage)
        QVERIFY(stopWhileUp);
    else // the start was sent once: the stop did not wait for its resends
        QCOMPARE(rig.frames().filter(QRegularExpression(QStringLiteral("^0JR"))).size(), 1);
    rig.settle();
    Platform::WaitMs(100);
    QCOMPARE(rig.frames().filter(QStringLiteral("0SP")).size(), 1);
    QVERIFY(!rig.model.jogging(0));
    QTEST(App().TeachModeFlag, "teachingStays");
    // The lamp, the tabs and the online state agree.
    QCOMPARE(Indicators::State().LinkVisible, !App().OfflineFlag);
    if (!App().TeachModeFlag)
        QVERIFY(!rig.posi->SSTabCommand->isTabEnabled(2) || !App().OfflineFlag);
}

void TestTeaching::secondPressRefused()
{
    Rig rig;
    rig.teach();
    rig.press(0);
    rig.release(0);
    rig.settle();
    rig.fx.sim.clearFrames();
    rig.press(2);
    rig.release(2);
    QVERIFY(rig.frames().isEmpty());
    QTRY_VERIFY(rig.posi->JogCtl->JogReady);
    rig.press(2);
    rig.release(2);
    rig.settle();
    QCOMPARE(rig.frames().filter(QStringLiteral("0JR")), QStringList{"0JR01000"});
}

void TestTeaching::inchingStep()
{
    Rig rig(0x3);
    rig.model.presentPos = {995, 0, 0, 0};
    rig.teach();
    rig.posi->JogCtl->JogLimit[0] = 1000;
    rig.posi->optJOG[2]->setChecked(true);
    rig.press(0);
    rig.release(0);
    const QStringList f = rig.frames();
    QCOMPARE(f.mid(0, 2), (QStringList{"0RA", "0RC3"}));
    QVERIFY(f.at(2).startsWith(QLatin1String("0MV014031003E8")));
    QCOMPARE(rig.model.presentPos[0], 1000);
    QCOMPARE(rig.posi->lblPosi[0]->text(), QStringLiteral("1000"));
    QVERIFY(rig.posi->cmdJOG[0]->isEnabled());
}

void TestTeaching::teachingStart_data()
{
    QTest::addColumn<bool>("homed");
    QTest::addColumn<bool>("offline");
    QTest::addColumn<QStringList>("frames");
    const QStringList maxPulse{"0CM1", "0RD4", "0RD7", "0RDA", "0RDD"};
    const QStringList homedStart = QStringList{"0CM10000", "0CM1", "0RD0", "0RH", "0RCF"} + maxPulse;
    QTest::newRow("homed") << true << false << homedStart;
    QTest::newRow("not homed") << false << false
                               << (QStringList{"0CM10000", "0CM1", "0RD0", "0RH", "0MS000F", "0RA", "0RA", "0RCF"}
                                   + maxPulse);
    // Started offline, the exchanges go online.
    QTest::newRow("offline") << true << true << homedStart;
}

void TestTeaching::teachingStart()
{
    QFETCH(bool, homed);
    Rig rig;
    rig.model.homed = homed;
    rig.model.movePolls = 1;
    QFETCH(bool, offline);
    App().OfflineFlag = offline;
    rig.posi->cmdJOGST_Click();
    QTEST(rig.frames(), "frames");
    QVERIFY(!App().OfflineFlag);
    QVERIFY(App().TeachModeFlag);
    QVERIFY(App().BusyFlag);
    QVERIFY(rig.posi->cmdJOGend->isEnabled());
    QVERIFY(rig.posi->cmdJOGWrite->isEnabled());
    QVERIFY(!rig.posi->SSTabCommand->isTabEnabled(0));
    QCOMPARE(rig.posi->lblPosiNo->text(), QStringLiteral("1"));
    QVERIFY(rig.posi->Form_QueryUnload(true));
    QVERIFY(rig.main->main.close() == false);
    // Complete Teaching.
    rig.fx.sim.clearFrames();
    rig.posi->cmdJOGend->click();
    QCOMPARE(rig.frames(), QStringList{"0CM00000"});
    QVERIFY(!App().TeachModeFlag);
    QVERIFY(!App().BusyFlag);
    QVERIFY(rig.posi->cmdJOGST->isEnabled());
    QVERIFY(rig.posi->SSTabCommand->isTabEnabled(0));
}

void TestTeaching::teachingRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("tab2");
    QTest::newRow("program task runs") << "task"
                                       << QStringList{"The program is being executed.\r\nPlease execute it again "
                                                      "after stopping all programs."}
                                       << true;
    QTest::newRow("empty grid") << "empty"
                                << QStringList{"There is no position data.\r\nPlease try again after perform [New "
                                               "Data] or [Read] from C/T and then editing data. "}
                                << true;
    QTest::newRow("axis read fails, offline") << "offline" << QStringList{} << false;
}

void TestTeaching::teachingRefused()
{
    QFETCH(QString, kind);
    Rig rig(0xF, kind != QLatin1String("empty"));
    if (kind == QLatin1String("task")) {
        App().PrgModeFlag = true;
        rig.model.runningTask = 2;
    }
    if (kind == QLatin1String("offline"))
        rig.fx.sim.addFault("0RD", SimFaultRule{SimFault::ErrorReply, 0, "0%%104"});
    rig.posi->cmdJOGST->click();
    QVERIFY(!App().TeachModeFlag);
    QVERIFY(!App().BusyFlag);
    QFETCH(QStringList, messages);
    if (!messages.isEmpty())
        QCOMPARE(Dlg::ShownTexts().last(), messages.first());
    // Every window's commands are back.
    QVERIFY(!rig.posi->cmdPosiFileOpen->testAttribute(Qt::WA_ForceDisabled));
    QVERIFY(!rig.posi->cmdJOGST->testAttribute(Qt::WA_ForceDisabled));
    QVERIFY(rig.posi->SSTabCommand->isTabEnabled(0));
    QTEST(rig.posi->SSTabCommand->isTabEnabled(2), "tab2");
    QCOMPARE(rig.frames().contains(QStringLiteral("0CM10000")), kind == QLatin1String("offline"));
}

void TestTeaching::pgAxisStart()
{
    Rig rig(0x3);
    Paradata().DevSetting.DevWithPG = {false, true, false, false};
    rig.teach();
    PositionWindow *p = rig.posi;
    QVERIFY(p->chkServoOn[1]->isChecked());
    QVERIFY(p->chkServoOn[1]->isHidden());
    QVERIFY(!p->chkDirectTeach->isHidden());
    QCOMPARE(p->lblPosi[0]->palette().color(QPalette::Window), QColor(255, 255, 255));
    QCOMPARE(p->lblPosi[1]->palette().color(QPalette::Window), QColor(255, 255, 255));
    QCOMPARE(p->lblPosi[2]->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(p->lblPosi[3]->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
    // Values the program set queue nothing.
    QVERIFY(!p->ServoState.HasServoRequest());
}

void TestTeaching::positionGet_data()
{
    QTest::addColumn<bool>("mm");
    QTest::addColumn<QString>("taken");
    // 33 pulses at lead 6 and 400 pulses a turn are 0.495 mm.
    QTest::newRow("pulses") << false << "33";
    QTest::newRow("millimetres, leading blanks kept") << true << "   0.495";
}

void TestTeaching::positionGet()
{
    QFETCH(bool, mm);
    QFETCH(QString, taken);
    Rig rig;
    rig.model.presentPos = {11, 22, 33, 44};
    App().DispMmUnit = mm;
    PosiGrid::FillGridByMode();
    rig.teach();
    PositionWindow *p = rig.posi;
    PosiGridModel &g = PosiGrid::Grid();
    Posi().DataChanged = false;
    for (int k : {0, 1, 3})
        p->CheckAxisEnable[static_cast<size_t>(k)]->setChecked(false);
    // Choosing the row of position 3 in the grid.
    g.SetCurrent(4, 5);
    p->CellChangeProc();
    QCOMPARE(p->lblPosiNo->text(), QStringLiteral("3"));
    QStringList before;
    for (int c = 0; c <= 28; ++c)
        before << g.Text(4, c);
    p->cmdJOGWrite->click();
    for (int c = 0; c <= 28; ++c)
        QCOMPARE(g.Text(4, c), c == 16 ? taken : before[c]);
    QVERIFY(Posi().DataChanged);
    // The taken cell goes into the position table as it stands.
    App().PosiNoStart = 1;
    App().PosiNoEnd = 5;
    QCOMPARE(PosiCheck::CheckGridPositions(), 0);
    QCOMPARE(Posi().PosiData[3][PosiField::Position(2)].val(), 33.0);
    // An unknown number changes nothing.
    Posi().DataChanged = false;
    p->lblPosiNo->setText(QStringLiteral("77"));
    p->cmdJOGWrite->click();
    QVERIFY(!Posi().DataChanged);
}

void TestTeaching::servoToggles()
{
    Rig rig;
    Paradata().DevSetting.DevWithPG = {false, true, false, true};
    rig.teach();
    PositionWindow *p = rig.posi;
    p->timerJogTest->setInterval(1000);
    p->chkDirectTeach->click();
    QVERIFY(p->timerJogTest->isActive());
    QVERIFY(!p->cmdJOG[0]->isEnabled());
    struct Step {
        int axis;
        const char *frame;
        const char *caption;
    };
    for (const Step s : {Step{3, "0CM00002", "ON"}, Step{1, "0CM00202", "ON"}, Step{3, "0CM00200", "OFF"},
                         Step{1, "0CM00000", "OFF"}}) {
        rig.fx.sim.clearFrames();
        p->chkServoOn[static_cast<size_t>(s.axis)]->click();
        QVERIFY(!p->chkServoOn[static_cast<size_t>(s.axis)]->isEnabled());
        p->timerJogTest_Timer();
        QCOMPARE(rig.frames().value(0), QString::fromLatin1(s.frame));
        QCOMPARE(rig.model.servo, QByteArray(s.frame).mid(4));
        QCOMPARE(p->chkServoOn[static_cast<size_t>(s.axis)]->text(), QString::fromLatin1(s.caption));
        QVERIFY(p->chkServoOn[static_cast<size_t>(s.axis)]->isEnabled());
    }
}

void TestTeaching::noPgAxis()
{
    Rig rig;
    rig.teach();
    PositionWindow *p = rig.posi;
    QVERIFY(p->chkDirectTeach->isHidden());
    p->chkDirectTeach->setChecked(true);
    p->chkDirectTeach_Click();
    QVERIFY(!p->timerJogTest->isActive());
    QVERIFY(p->cmdJOG[0]->isEnabled());
}

void TestTeaching::directTeachingEnds()
{
    Rig rig;
    Paradata().DevSetting.DevWithPG = {true, false, false, false};
    rig.teach();
    PositionWindow *p = rig.posi;
    p->chkDirectTeach->click();
    p->chkServoOn[0]->click();
    // Clearing direct teaching while a request is being sent: the tick
    // that comes meanwhile restores the servos.
    rig.fx.sim.addFault("0RA", SimFaultRule{SimFault::Late, 150, {}});
    QTimer::singleShot(30, p, [&] {
        p->chkDirectTeach->click();
        p->timerJogTest_Timer();
    });
    QCOMPARE(CheckCtAxisStop(), 1);
    QTRY_VERIFY(rig.frames().contains(QStringLiteral("0CM00000")));
    QVERIFY(p->cmdJOG[0]->isEnabled());

    // Teaching ended with direct teaching ticked (its button is off then,
    // so through the handler): one "0CM00000", then silence, jog buttons off.
    p->chkDirectTeach->click();
    QVERIFY(p->timerJogTest->isActive());
    QVERIFY(!p->cmdJOGend->isEnabled());
    rig.fx.sim.clearFrames();
    p->cmdJOGend_Click();
    Platform::WaitMs(1200);
    QCOMPARE(rig.frames(), QStringList{"0CM00000"});
    QVERIFY(!p->cmdJOG[0]->isEnabled());
    QVERIFY(!p->timerJogTest->isActive());
}

void TestTeaching::endlessWaitEndedByUser_data()
{
    QTest::addColumn<QString>("wait");
    QTest::addColumn<QByteArray>("move");
    QTest::newRow("home return at teaching start") << "start" << QByteArray("0MS000F");
    QTest::newRow("jog, after its stop") << "jog" << QByteArray("0SP");
    QTest::newRow("inching step") << "inching" << QByteArray("0MV");
}

// From the move on, the controller answers "moving" to every rest query; the
// user presses Complete Teaching at the third. Should the wait ignore it,
// the controller comes to rest 30 polls later so that the test ends.
void TestTeaching::endlessWaitEndedByUser()
{
    QFETCH(QString, wait);
    QFETCH(QByteArray, move);
    Rig rig;
    if (wait == QLatin1String("start"))
        rig.model.homed = false;
    else
        rig.teach();
    if (wait == QLatin1String("inching"))
        rig.posi->optJOG[1]->setChecked(true);
    QPushButton *end = rig.posi->cmdJOGend;
    bool moved = false, ignored = false;
    int polls = 0;
    rig.model.onFrame = [&](const QByteArray &f) {
        if (f.startsWith(move)) {
            moved = true;
            rig.model.moving = true;
        }
        if (!moved || f != "0RA")
            return;
        ++polls;
        if (polls == 3)
            QTimer::singleShot(0, end, [end] { end->click(); });
        if (polls == 33) {
            ignored = true;
            rig.model.moving = false;
        }
    };
    // The message comes once the line is quiet: no exchange under way, the
    // teaching end's one sent before it.
    bool lineQuiet = false;
    QString lastFrame;
    Dlg::HoldMessages([&](const Platform::ShownMessage &) {
        lineQuiet = !Link().SendingFlag && Queues().ActiveID == 0;
        lastFrame = rig.frames().value(rig.frames().size() - 1);
    });
    if (wait == QLatin1String("start")) {
        rig.posi->cmdJOGST->click();
    } else {
        rig.press(0);
        rig.release(0);
    }
    QVERIFY2(!ignored, "the wait for rest went on after Complete Teaching");
    // After the move only rest queries, then the teaching end.
    const QStringList frames = rig.frames();
    const int at = int(frames.indexOf(QRegularExpression(QString::fromLatin1(move) + QStringLiteral(".*"))));
    QVERIFY(at >= 0);
    const QStringList after = frames.mid(at + 1);
    QVERIFY(after.size() >= 4);
    QCOMPARE(after.last(), QStringLiteral("0CM00000"));
    QCOMPARE(after.mid(0, after.size() - 1), QStringList(after.size() - 1, QStringLiteral("0RA")));
    QCOMPARE(Dlg::ShownTexts(), QStringList{"The axes had not come to rest when the wait was stopped."});
    QVERIFY(lineQuiet);
    QCOMPARE(lastFrame, QStringLiteral("0CM00000"));
    // Teaching is off, every window usable, and the program may close.
    QVERIFY(!App().TeachModeFlag);
    QVERIFY(!App().BusyFlag);
    QVERIFY(!App().OfflineFlag);
    QVERIFY(rig.posi->cmdJOGST->isEnabled());
    QVERIFY(!end->isEnabled());
    QVERIFY(rig.posi->SSTabCommand->isTabEnabled(0));
    QVERIFY(rig.main->main.MDIForm_QueryUnload(MainWindow::UnloadMode::User));
}

QTEST_MAIN(TestTeaching)
#include "tst_teaching.moc"
