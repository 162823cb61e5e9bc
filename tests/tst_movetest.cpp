// The move-test tab against the simulated controller: the home button, the
// list, range and group moves with their stop, pause, step and dwell, and
// the tab's own editing rules under Qt Test.
#include "core/AppState.h"
#include "link/CommandProcs.h"
#include "link/CommandState.h"
#include "link/Engine.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"
#include "platform/Beep.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "platform/Wait.h"
#include "support/LinkFixture.h"
#include "support/MainScope.h"
#include "sim/SimCommands.h"
#include "ui/posi/PositionWindow.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace Dlg = Platform::Dialogs;

namespace {

// The controller on the line with axes 1, 2 and 4 (mask B), homed, at rest;
// the application online with the main and position windows.
struct Rig {
    LinkFixture fx;
    SimCmdModel model;
    std::unique_ptr<MainScope> main;
    PositionWindow *posi = nullptr;

    explicit Rig(int mask = 0xB)
    {
        Comm::ResetCommandState();
        InstallCommandSim(fx.sim, model);
        fx.sim.model().axisMask = mask;
        Paradata().ParaSet.ParaSpAxis = static_cast<int16_t>(mask);
        for (int a = 0; a < 4; ++a)
            App().AxisNotUsed[static_cast<size_t>(a)] = (mask & (1 << a)) == 0;
        main = std::make_unique<MainScope>();
        posi = qobject_cast<PositionWindow *>(main->main.PosiForm());
        posi->show();
        CommandSets::SetPosiTabEnabled(App().OfflineFlag);
        Platform::DoEvents();
        fx.sim.clearFrames();
    }
    ~Rig()
    {
        // Windows first, while the link still runs.
        main.reset();
    }

    QStringList frames() const
    {
        QStringList seen;
        for (const QByteArray &f : fx.sim.frames())
            seen << QString::fromLatin1(f);
        return seen;
    }
    QStringList moves() const
    {
        QStringList seen;
        for (const QString &f : frames())
            if (f.startsWith(QLatin1String("0MP")) || f.startsWith(QLatin1String("0MS")))
                seen << f;
        return seen;
    }
    void list(const QStringList &cells)
    {
        posi->cmdDataClear->click();
        for (int c = 0; c < cells.size(); ++c)
            posi->flgdProgram->item(1, c + 1)->setText(cells[c]);
    }
    // The user presses `button` when the controller sees `frame` for the
    // n-th time (counting from 1).
    void pressAt(const QByteArray &frame, QPushButton *button, int n = 1)
    {
        auto seen = std::make_shared<int>(0);
        model.onFrame = [=](const QByteArray &f) {
            if (f == frame && ++*seen == n)
                QTimer::singleShot(0, button, [button] { button->click(); });
        };
    }
};

QStringList rest(int polls)
{
    QStringList out;
    for (int i = 0; i <= polls; ++i)
        out << QStringLiteral("0RA");
    return out;
}

// Every interactive control of the move-test tab that is enabled.
QStringList enabledMoveControls(PositionWindow *posi)
{
    QStringList on;
    for (QWidget *w : posi->SSTabCommand->widget(1)->findChildren<QWidget *>()) {
        const bool control = qobject_cast<QAbstractButton *>(w) || qobject_cast<QAbstractSlider *>(w)
            || qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QLineEdit *>(w) || qobject_cast<QTableWidget *>(w);
        if (control && !w->objectName().isEmpty() && w->isEnabled() && w != posi->txtEdit2)
            on << w->objectName();
    }
    on.sort();
    return on;
}

} // namespace

class TestMoveTest : public QObject {
    Q_OBJECT
private slots:
    void homeButton_data();
    void homeButton();
    void listContinual();
    void listRepeatStopPause_data();
    void listRepeatStopPause();
    void listStep_data();
    void listStep();
    void skipSm_data();
    void skipSm();
    void rangeMove_data();
    void rangeMove();
    void groupMove_data();
    void groupMove();
    void startWhileMoving_data();
    void startWhileMoving();
    void stopEndsEndlessWait_data();
    void stopEndsEndlessWait();
    void stopDuringHomeReturnIsSpentWithIt();
    void moveRefused_data();
    void moveRefused();
    void dwell_data();
    void dwell();
    void listEditor();
    void rangeAndDwellControls();
    void controlsDuringRun();
};

void TestMoveTest::homeButton_data()
{
    QTest::addColumn<bool>("moving");
    QTest::addColumn<QByteArray>("restError");
    QTest::addColumn<QStringList>("frames");
    QTest::addColumn<QString>("reached");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("online");
    const QString sensor = QStringLiteral(
        "Home sensor could not be detected at homing.\r\nConfirm the followings;\r\n"
        " 1.Isn't homing of the slide interrupted by any obstacle?\r\n"
        "Especially, please check whether a main part attachment screw is long.\r\n"
        " 2.Aren't the connector pins loosing?\r\n 3.Is the parameter setting correct?\r\n"
        " 4.Is the power voltage enough?");
    QTest::newRow("at rest") << false << QByteArray() << (QStringList{"0CM1", "0RA", "0MS000B"} + rest(2))
                             << "H0" << QString() << true;
    QTest::newRow("axis still moving") << true << QByteArray() << QStringList{"0CM1", "0RA"} << ""
                                       << QStringLiteral("The writing of data is not made during movement.") << true;
    QTest::newRow("home sensor") << false << QByteArray("0%%134") << QStringList{"0CM1", "0RA", "0MS000B", "0RA"}
                                 << "" << sensor << false;
    QTest::newRow("other error reply") << false << QByteArray("0%%135")
                                       << QStringList{"0CM1", "0RA", "0MS000B", "0RA"} << ""
                                       << "Communication error occurs!" << false;
}

void TestMoveTest::homeButton()
{
    QFETCH(bool, moving);
    QFETCH(QByteArray, restError);
    Rig rig;
    rig.model.moving = moving;
    rig.model.movePolls = 2;
    rig.model.restErrorAfterHome = restError;
    rig.posi->cmdHome->click();
    QTEST(rig.frames(), "frames");
    QTEST(rig.posi->lblReachedNo->text(), "reached");
    QCOMPARE(!rig.posi->imgHomeGreen->isHidden(), rig.posi->lblReachedNo->text() == QLatin1String("H0"));
    QFETCH(QString, message);
    if (message.isEmpty()) {
        QVERIFY(Dlg::Shown().empty());
    } else {
        QVERIFY(!Dlg::Shown().empty());
        QCOMPARE(Dlg::Shown().back().text, message);
        QCOMPARE(Dlg::Shown().back().icon, Platform::MsgIcon::Warning);
    }
    QTEST(!App().OfflineFlag, "online");
    // The home button of the tab does not mark the controller as homed.
    QVERIFY(!App().HomeDoneFlag);
    // After every outcome: tabs 0 and 2 and the move buttons on, tabs 1 and
    // 2 by the link state.
    QTabWidget *tabs = rig.posi->SSTabCommand;
    QVERIFY(tabs->isTabEnabled(0));
    QCOMPARE(tabs->isTabEnabled(1), !App().OfflineFlag);
    QCOMPARE(tabs->isTabEnabled(2), !App().OfflineFlag);
    // (Their own state: offline the whole tab is off.)
    for (QPushButton *b : {rig.posi->cmdHome, rig.posi->cmdMove, rig.posi->cmdSelectMove})
        QVERIFY2(!b->testAttribute(Qt::WA_ForceDisabled), qPrintable(b->objectName()));
    QVERIFY(!App().BusyFlag);
}

void TestMoveTest::listContinual()
{
    Rig rig;
    rig.model.homed = false;
    rig.model.movePolls = 1;
    rig.list({"1", "2", "3"});
    rig.posi->cmdMove->click();
    const QStringList expected = QStringList{"0RA", "0CM1", "0RD0", "0RH", "0MP000B"} + rest(1) + QStringList{"0MP001B"}
        + rest(1) + QStringList{"0MP002B"} + rest(1) + QStringList{"0MP003B"} + rest(1);
    QCOMPARE(rig.frames(), expected);
    QCOMPARE(rig.posi->lblReachedNo->text(), QStringLiteral("3"));
    QVERIFY(!rig.posi->imgHomeGreen->isHidden());
    // The home return of the move test marks the controller as homed.
    QVERIFY(App().HomeDoneFlag);
    QVERIFY(!App().OfflineFlag);
    QVERIFY(!App().BusyFlag);
    QVERIFY(rig.posi->flgdProgram->isEnabled());
    QVERIFY(rig.posi->SSTabCommand->isTabEnabled(0));
}

void TestMoveTest::listRepeatStopPause_data()
{
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("pressAt");
    QTest::addColumn<int>("nth");
    QTest::addColumn<QStringList>("firstRun");
    QTest::addColumn<QStringList>("secondRun");
    QTest::newRow("repeat until stop") << true << "cmdStop" << QByteArray("0MP001B") << 2
                                       << QStringList{"0MP001B", "0MP002B", "0MP003B", "0MP001B"}
                                       << QStringList{"0MP001B", "0MP002B", "0MP003B"};
    QTest::newRow("pause resumes after it") << false << "cmdTmpStop" << QByteArray("0MP002B") << 1
                                            << QStringList{"0MP001B", "0MP002B"} << QStringList{"0MP003B"};
    QTest::newRow("stop starts again") << false << "cmdStop" << QByteArray("0MP002B") << 1
                                       << QStringList{"0MP001B", "0MP002B"}
                                       << QStringList{"0MP001B", "0MP002B", "0MP003B"};
}

void TestMoveTest::listRepeatStopPause()
{
    QFETCH(bool, repeat);
    QFETCH(QString, button);
    QFETCH(QByteArray, pressAt);
    QFETCH(int, nth);
    Rig rig;
    rig.list({"1", "2", "3"});
    rig.posi->chkRepeat->setChecked(repeat);
    rig.pressAt(pressAt, rig.posi->findChild<QPushButton *>(button), nth);
    rig.posi->cmdMove->click();
    QTEST(rig.moves(), "firstRun");
    // Then Move again without any press (and without Repeat, so it ends).
    rig.model.onFrame = {};
    rig.posi->chkRepeat->setChecked(false);
    rig.fx.sim.clearFrames();
    rig.posi->cmdMove->click();
    QTEST(rig.moves(), "secondRun");
    QVERIFY(!rig.posi->MoveState.ListMoveStop);
}

void TestMoveTest::listStep_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QStringList>("moves");
    QStringList all;
    for (int p = 1; p <= 15; ++p)
        all << QStringLiteral("0MP") + QString::number(p, 16).toUpper().rightJustified(3, QLatin1Char('0'))
                + QStringLiteral("B");
    QTest::newRow("walks and wraps after 15") << QStringList{} << 16 << (all + QStringList{"0MP001B"});
    QTest::newRow("empty cell moves nothing") << QStringList{"1", "2"} << 4
                                              << QStringList{"0MP001B", "0MP002B", "0MP001B"};
}

void TestMoveTest::listStep()
{
    QFETCH(QStringList, cells);
    QFETCH(int, clicks);
    Rig rig;
    if (cells.isEmpty())
        rig.posi->cmdInp1toF->click();
    else
        rig.list(cells);
    rig.posi->optSelectMode[1]->click();
    for (int i = 0; i < clicks; ++i)
        rig.posi->cmdMove->click();
    QTEST(rig.moves(), "moves");
}

void TestMoveTest::skipSm_data()
{
    QTest::addColumn<bool>("range");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<bool>("prgMode");
    QTest::addColumn<QString>("move");
    QTest::newRow("list") << false << false << false << "0MP12CB";
    QTest::newRow("list, SM Skip") << false << true << false << "0MS12CB";
    QTest::newRow("list, program mode") << false << false << true << "0MS12CB";
    QTest::newRow("range") << true << false << false << "0MP12CB";
    QTest::newRow("range, program mode") << true << false << true << "0MS12CB";
}

void TestMoveTest::skipSm()
{
    QFETCH(bool, range);
    QFETCH(bool, skip);
    QFETCH(bool, prgMode);
    Rig rig;
    rig.posi->chkNoSqMcr1->setChecked(skip);
    App().PrgModeFlag = prgMode;
    emit rig.posi->SSTabCommand->tabBarClicked(1);
    QCOMPARE(rig.posi->chkNoSqMcr1->isHidden(), prgMode);
    QCOMPARE(rig.posi->chkNoSqMcr2->isHidden(), prgMode);
    if (range) {
        rig.posi->sldrEndPosiNo->setValue(300);
        rig.posi->sldrStartPosiNo->setValue(300);
        rig.posi->cmdSelectMove->click();
    } else {
        rig.list({"300"});
        rig.posi->cmdMove->click();
    }
    QFETCH(QString, move);
    QCOMPARE(rig.moves(), QStringList{move});
}

void TestMoveTest::rangeMove_data()
{
    QTest::addColumn<bool>("stepWay");
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QStringList>("moves");
    QTest::newRow("continual") << false << false << 1 << QStringList{"0MP005B", "0MP006B", "0MP007B", "0MP008B"};
    QTest::newRow("repeat until stop") << false << true << 1
                                       << QStringList{"0MP005B", "0MP006B", "0MP007B", "0MP008B", "0MP005B"};
    QTest::newRow("step way") << true << false << 3 << QStringList{"0MP005B", "0MP005B", "0MP005B"};
}

void TestMoveTest::rangeMove()
{
    QFETCH(bool, stepWay);
    QFETCH(bool, repeat);
    QFETCH(int, clicks);
    Rig rig;
    rig.posi->sldrEndPosiNo->setValue(8);
    rig.posi->sldrStartPosiNo->setValue(5);
    rig.posi->chkRepeat2->setChecked(repeat);
    if (stepWay)
        rig.posi->optMoveWay[1]->click();
    if (repeat)
        rig.pressAt("0MP005B", rig.posi->cmdStop2, 2);
    for (int i = 0; i < clicks; ++i)
        rig.posi->cmdSelectMove->click();
    QTEST(rig.moves(), "moves");
    QCOMPARE(rig.posi->lblReachedNo->text(), QString::number(rig.moves().last().mid(3, 3).toInt(nullptr, 16)));
    QVERIFY(!rig.posi->MoveState.RangeMoveStop);
}

void TestMoveTest::groupMove_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("frames");
    QTest::newRow("group 12") << "answers" << (QStringList{"0RA", "0RH", "0MG0C"} + rest(1));
    QTest::newRow("never answers, released") << "silent" << QStringList{"0RA", "0RH", "0MG0C"};
    QTest::newRow("late answer after release") << "late" << QStringList{"0RA", "0RH", "0MG0C"};
    QTest::newRow("program mode") << "program" << QStringList{};
}

void TestMoveTest::groupMove()
{
    QFETCH(QString, kind);
    Rig rig;
    rig.model.movePolls = kind == QLatin1String("answers") ? 1 : 0;
    rig.posi->sldrGrpNo->setValue(12);
    QCOMPARE(rig.posi->lblGrpNo->text(), QStringLiteral("12"));
    rig.model.groupMoveSilent = kind == QLatin1String("silent");
    if (kind == QLatin1String("late"))
        rig.model.groupMoveMs = 300;
    if (kind == QLatin1String("program"))
        App().PrgModeFlag = true;
    if (kind == QLatin1String("silent") || kind == QLatin1String("late")) {
        rig.model.onFrame = [&](const QByteArray &f) {
            if (f == "0MG0C")
                QTimer::singleShot(50, rig.posi->cmdGrpMoveStop, [&] { rig.posi->cmdGrpMoveStop->click(); });
        };
    }
    rig.posi->cmdGrpMove->click();
    QTEST(rig.frames(), "frames");
    QVERIFY(!App().BusyFlag);
    QVERIFY(rig.posi->cmdGrpMove->isEnabled());
    if (kind == QLatin1String("program"))
        QCOMPARE(Dlg::ShownTexts(), QStringList{"The Group Move cannot be executed in the program mode."});
    else
        QVERIFY(Dlg::Shown().empty());
    // The next exchange works, also when the released answer comes late.
    rig.model.onFrame = {};
    Platform::WaitMs(kind == QLatin1String("late") ? 400 : 0);
    QCOMPARE(Comm::CheckCtAxisStop(), 1);
    QVERIFY(!App().OfflineFlag);
}

void TestMoveTest::startWhileMoving_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("list") << "cmdMove";
    QTest::newRow("range") << "cmdSelectMove";
    QTest::newRow("group") << "cmdGrpMove";
}

void TestMoveTest::startWhileMoving()
{
    QFETCH(QString, button);
    Rig rig;
    rig.list({"1"});
    rig.model.moving = true;
    // Said once the rest query is over, not silently ended.
    bool lineQuiet = false;
    Dlg::HoldMessages([&](const Platform::ShownMessage &) {
        lineQuiet = !Comm::Link().SendingFlag && Comm::Queues().ActiveID == 0;
    });
    rig.posi->findChild<QPushButton *>(button)->click();
    QCOMPARE(rig.frames(), QStringList{"0RA"});
    QCOMPARE(Dlg::ShownTexts(), QStringList{"The writing of data is not made during movement."});
    QVERIFY(lineQuiet);
    QVERIFY(!App().OfflineFlag);
    QVERIFY(!App().BusyFlag);
}

void TestMoveTest::stopEndsEndlessWait_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("stop");
    QTest::addColumn<bool>("homed");
    QTest::addColumn<QString>("move");
    QTest::newRow("list move") << "cmdMove" << "cmdStop" << true << "0MP001B";
    QTest::newRow("range move") << "cmdSelectMove" << "cmdStop2" << true << "0MP001B";
    QTest::newRow("group move") << "cmdGrpMove" << "cmdGrpMoveStop" << true << "0MG01";
    QTest::newRow("home button, the shown panel's Stop") << "cmdHome" << "cmdStop" << true << "0MS000B";
    QTest::newRow("home return before a list move") << "cmdMove" << "cmdStop" << false << "0MP000B";
}

// The controller answers "moving" to every rest query after the move; the
// user presses Stop at the third. Should the wait ignore the Stop, the
// controller comes to rest 30 polls later so that the test ends.
void TestMoveTest::stopEndsEndlessWait()
{
    QFETCH(QString, start);
    QFETCH(QString, stop);
    QFETCH(bool, homed);
    Rig rig;
    rig.list({"1", "2"});
    rig.model.homed = homed;
    App().HomeDoneFlag = homed;
    rig.model.movePolls = 1000000;
    QPushButton *stopButton = rig.posi->findChild<QPushButton *>(stop);
    bool moved = false, ignored = false;
    int polls = 0;
    rig.model.onFrame = [&](const QByteArray &f) {
        if (f.startsWith("0MP") || f.startsWith("0MS") || f.startsWith("0MG"))
            moved = true;
        if (!moved || f != "0RA")
            return;
        ++polls;
        if (polls == 3)
            QTimer::singleShot(0, stopButton, [stopButton] { stopButton->click(); });
        if (polls == 33) {
            ignored = true;
            rig.model.pollsLeft = 0;
            rig.model.movePolls = 0;
        }
    };
    rig.posi->findChild<QPushButton *>(start)->click();
    QVERIFY2(!ignored, "the wait for rest went on after Stop");
    // Nothing but the move and the rest queries reached the line.
    const QStringList frames = rig.frames();
    QFETCH(QString, move);
    QCOMPARE(rig.moves() + frames.filter(QStringLiteral("0MG")), QStringList{move});
    const QStringList after = frames.mid(frames.indexOf(move) + 1);
    QCOMPARE(after, QStringList(after.size(), QStringLiteral("0RA")));
    QVERIFY(after.size() >= 3);
    QCOMPARE(Dlg::ShownTexts(), QStringList{"The axes had not come to rest when the wait was stopped."});
    // Not reached, not homed, still online, and the stop is spent.
    QVERIFY(rig.posi->imgHomeGreen->isHidden());
    QCOMPARE(App().HomeDoneFlag, homed);
    QVERIFY(!App().OfflineFlag);
    QVERIFY(!rig.posi->MoveState.ListMoveStop);
    QVERIFY(!rig.posi->MoveState.RangeMoveStop);
    QVERIFY(!Comm::Link().GrpMoveStop);
    // Everything usable again, and the program may close.
    QVERIFY(!App().BusyFlag);
    QVERIFY(rig.posi->SSTabCommand->isTabEnabled(0));
    for (QPushButton *b : {rig.posi->cmdHome, rig.posi->cmdMove, rig.posi->cmdSelectMove, rig.posi->cmdGrpMove})
        QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    QVERIFY(rig.main->main.MDIForm_QueryUnload(MainWindow::UnloadMode::User));
    // The controller still reports motion: Move (enabled) says why, and
    // sends no move.
    Dlg::ClearScript();
    rig.model.onFrame = {};
    rig.fx.sim.clearFrames();
    rig.posi->findChild<QPushButton *>(start == QLatin1String("cmdHome") ? QStringLiteral("cmdMove") : start)->click();
    QCOMPARE(rig.frames(), QStringList{"0RA"});
    QCOMPARE(Dlg::ShownTexts(), QStringList{"The writing of data is not made during movement."});
}

// A stop pressed while the home return's axes come to rest is spent with
// the home return: it must not stop the next list or range move.
void TestMoveTest::stopDuringHomeReturnIsSpentWithIt()
{
    Rig rig;
    rig.model.movePolls = 2;
    int polls = 0;
    bool moved = false;
    rig.model.onFrame = [&](const QByteArray &f) {
        if (f.startsWith("0MS"))
            moved = true;
        // The last poll, which finds the axes at rest.
        if (moved && f == "0RA" && ++polls == 3)
            QTimer::singleShot(0, rig.posi->cmdStop, [&rig] { rig.posi->cmdStop->click(); });
    };
    rig.posi->cmdHome->click();
    QVERIFY(polls >= 3);
    QVERIFY(!rig.posi->imgHomeGreen->isHidden());
    QVERIFY(!rig.posi->MoveState.ListMoveStop);
    QVERIFY(!rig.posi->MoveState.RangeMoveStop);
}

void TestMoveTest::moveRefused_data()
{
    QTest::addColumn<bool>("range");
    QTest::newRow("list") << false;
    QTest::newRow("range") << true;
}

void TestMoveTest::moveRefused()
{
    QFETCH(bool, range);
    Rig rig;
    rig.list({"1", "2"});
    // A garbled answer, and no answer to the resynchronisation: the link
    // gives up and goes offline.
    rig.model.replyFor.insert("0MP001B", "0MQ");
    rig.model.replyFor.insert("0CM0", QByteArray());
    if (range)
        rig.posi->cmdSelectMove->click();
    else
        rig.posi->cmdMove->click();
    QCOMPARE(rig.moves().filter(QStringLiteral("0MP002B")), QStringList{});
    QVERIFY(App().OfflineFlag);
    QVERIFY(!rig.posi->SSTabCommand->isTabEnabled(1));
    QVERIFY(!App().BusyFlag);
}

void TestMoveTest::dwell_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("interval");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("00") << "00" << 0;
    QTest::newRow("10") << "10" << 1000;
}

void TestMoveTest::dwell()
{
    QFETCH(QString, text);
    QFETCH(int, interval);
    Rig rig;
    rig.list({"1", "2"});
    rig.posi->chkTimerUse->click();
    rig.posi->txtTimer->setText(text);
    // Watches the dwell timer; presses Stop once it runs.
    int armed = 0, ticks = 0;
    connect(rig.posi->timerMove, &QTimer::timeout, this, [&] { ++ticks; });
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        if (rig.posi->timerMove->isActive() && !armed) {
            armed = rig.posi->timerMove->interval();
            rig.posi->cmdStop->click();
        }
    });
    watch.start(1);
    rig.posi->cmdMove->click();
    QCOMPARE(armed, interval);
    QCOMPARE(ticks, 0);
    QVERIFY(!rig.posi->timerMove->isActive());
    const QStringList expected = interval ? QStringList{"0MP001B"} : QStringList{"0MP001B", "0MP002B"};
    QCOMPARE(rig.moves(), expected);
}

void TestMoveTest::listEditor()
{
    Rig rig;
    PositionWindow *p = rig.posi;
    QTableWidget *grid = p->flgdProgram;
    const int beeps = Platform::BeepCount();
    grid->setCurrentCell(1, 1);
    QTest::keyClick(grid, Qt::Key_1);
    QVERIFY(!p->txtEdit2->isHidden());
    QTest::keyClicks(p->txtEdit2, QStringLiteral("234"));
    QCOMPARE(p->txtEdit2->text(), QStringLiteral("123"));
    QTest::keyClick(p->txtEdit2, Qt::Key_Return);
    QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("123"));
    QCOMPARE(grid->currentColumn(), 2);
    QVERIFY(p->txtEdit2->isHidden());

    // Column 15 wraps to column 1.
    grid->setCurrentCell(1, 15);
    QTest::keyClick(grid, Qt::Key_7);
    QTest::keyClick(p->txtEdit2, Qt::Key_Return);
    QCOMPARE(grid->item(1, 15)->text(), QStringLiteral("7"));
    QCOMPARE(grid->currentColumn(), 1);

    // "0" by Enter: emptied without a beep; by leaving the cell: with one.
    grid->item(1, 3)->setText(QStringLiteral("9"));
    grid->setCurrentCell(1, 3);
    QTest::keyClick(grid, Qt::Key_0);
    QTest::keyClick(p->txtEdit2, Qt::Key_Return);
    QCOMPARE(grid->item(1, 3)->text(), QString());
    QCOMPARE(Platform::BeepCount(), beeps);
    grid->item(1, 3)->setText(QStringLiteral("9"));
    grid->setCurrentCell(1, 3);
    QTest::keyClick(grid, Qt::Key_0);
    grid->setCurrentCell(1, 5);
    QCOMPARE(grid->item(1, 3)->text(), QString());
    QCOMPARE(Platform::BeepCount(), beeps + 1);
    QVERIFY(p->txtEdit2->isHidden());

    // Esc keeps the old number.
    grid->item(1, 4)->setText(QStringLiteral("55"));
    grid->setCurrentCell(1, 4);
    QTest::keyClick(grid, Qt::Key_9);
    QTest::keyClick(p->txtEdit2, Qt::Key_Escape);
    QCOMPARE(grid->item(1, 4)->text(), QStringLiteral("55"));
    QVERIFY(p->txtEdit2->isHidden());

    // "1 to 15" and "Clear".
    p->cmdInp1toF->click();
    QCOMPARE(grid->item(1, 15)->text(), QStringLiteral("15"));
    p->cmdDataClear->click();
    QCOMPARE(grid->item(1, 1)->text(), QString());
}

void TestMoveTest::rangeAndDwellControls()
{
    Rig rig;
    PositionWindow *p = rig.posi;
    QCOMPARE(p->lblStartPosiNo->text(), QStringLiteral("1"));
    QCOMPARE(p->lblEndPosiNo->text(), QStringLiteral("10"));
    p->sldrStartPosiNo->setValue(20);
    QCOMPARE(p->sldrEndPosiNo->value(), 20);
    QCOMPARE(p->lblEndPosiNo->text(), QStringLiteral("20"));
    p->updownEndPosiNo->setValue(15);
    QCOMPARE(p->lblStartPosiNo->text(), QStringLiteral("15"));
    QCOMPARE(p->sldrStartPosiNo->value(), 15);

    // The dwell box: three digits at most; Enter shows the plain value.
    p->chkTimerUse->click();
    p->chkTimerUse2->click();
    for (QLineEdit *box : {p->txtTimer, p->txtTimer2}) {
        QVERIFY(box->isEnabled());
        box->clear();
        QTest::keyClicks(box, QStringLiteral("12a34"));
        QCOMPARE(box->text(), QStringLiteral("123"));
        box->setText(QStringLiteral("007"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), QStringLiteral("7"));
        box->clear();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), QStringLiteral("0"));
    }

    p->optMoveWay[1]->click();
    QCOMPARE(p->lblEndPosiNo->text(), p->lblStartPosiNo->text());
    for (QWidget *w : std::initializer_list<QWidget *>{p->lblEndPosiNo, p->sldrEndPosiNo, p->updownEndPosiNo,
                                                       p->chkTimerUse2, p->txtTimer2, p->chkRepeat2})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    p->sldrStartPosiNo->setValue(40);
    QCOMPARE(p->lblEndPosiNo->text(), QStringLiteral("40"));
}

void TestMoveTest::controlsDuringRun()
{
    Rig rig;
    rig.list({"1"});
    QStringList during;
    rig.model.onFrame = [&](const QByteArray &f) {
        if (f == "0MP001B")
            during = enabledMoveControls(rig.posi);
    };
    rig.posi->cmdMove->click();
    const QStringList stops{"cmdGrpMoveStop", "cmdStop", "cmdStop2", "cmdTempStop2", "cmdTmpStop"};
    QCOMPARE(during, stops);
    QVERIFY(enabledMoveControls(rig.posi).contains(QStringLiteral("cmdMove")));
}

QTEST_MAIN(TestMoveTest)
#include "tst_movetest.moc"
