// Commands of every open window switched off and on around long operations,
// the main window's command sets and menu layout, and the Setting menu's
// online/offline commands.
#include <QtTest>

#include "core/AppState.h"
#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "ui/grpsm/GroupWindow.h"
#include "core/CommandSets.h"
#include "link/Engine.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "ui/paraedit/ParameterWindow.h"
#include "ui/paraedit/SystemParameterWindow.h"
#include "platform/Dialogs.h"
#include "ui/posi/PositionWindow.h"
#include "ui/prog/ProgramWindow.h"
#include "support/MainScope.h"
#include "sim/SimController.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>

namespace {
bool allOn(const QList<QPushButton *> &buttons, bool on)
{
    for (QPushButton *b : buttons)
        if (b->isEnabled() != on)
            return false;
    return true;
}

// What a program window's disable switches off, and what its enable
// switches on whatever the link (the line buttons follow the selection).
QList<QPushButton *> progButtons(ProgramWindow *p)
{
    return {p->cmdFileSaveProg, p->cmdCtWriteProg, p->cmdInsLineProg, p->cmdDelLineProg};
}
QList<QPushButton *> progOnButtons(ProgramWindow *p) { return {p->cmdFileSaveProg}; }
} // namespace

class TestCommandEnabling : public QObject {
    Q_OBJECT
private slots:
    void walkSwitchesEveryWindow();
    void toolbarByMode_data();
    void toolbarByMode();
    void saveItemsFollowActiveChild();
    void busyScopeRestoresOnEveryWayOut();
    void busyScopeLeavesOutParts_data();
    void busyScopeLeavesOutParts();
    void menuLayout_data();
    void menuLayout();
    void controllerModeLabelIgnoresArgument();
    void offlineCommand_data();
    void offlineCommand();
    void onlineCommandFailingLeavesOfflineLayout();
};

void TestCommandEnabling::walkSwitchesEveryWindow()
{
    TestEnv::Scope env;
    MainScope ms;
    auto *p1 = new ProgramWindow;
    auto *p2 = new ProgramWindow;
    auto *grp = new GroupWindow;
    auto *sys = new SystemParameterWindow;
    auto *para = new ParameterWindow;
    ms.main.ShowChild(p1);
    ms.main.ShowChild(sys); // before the others, so the walk must go on past it
    ms.main.ShowChild(p2);
    ms.main.ShowChild(grp);
    ms.main.ShowChild(para);
    AboutDialog about; // not in the table: passed over
    about.show();

    CommandSets::DisableCommandsOfAllWindows();
    QVERIFY(allOn(progButtons(p1), false));
    QVERIFY(allOn(progButtons(p2), false));
    QVERIFY(!grp->cmdReadGrp->isEnabled());
    QVERIFY(!para->cmdParaRead->isEnabled());
    QVERIFY(!sys->cmdReadFromCt->isEnabled() && !sys->cmdWritetoCt->isEnabled() && !sys->cmdCloseSysPara->isEnabled());
    QVERIFY(!ms.main.cmdReset->isEnabled());
    QVERIFY(!ms.main.mnuFile->isEnabled());
    QVERIFY(!ms.main.ToolButton(1)->isEnabled());

    CommandSets::EnableCommandsOfAllWindows();
    QVERIFY(allOn(progOnButtons(p1), true));
    QVERIFY(allOn(progOnButtons(p2), true));
    QVERIFY(grp->cmdReadGrp->isEnabled());
    QVERIFY(para->cmdParaRead->isEnabled());
    QVERIFY(sys->cmdReadFromCt->isEnabled() && sys->cmdWritetoCt->isEnabled() && sys->cmdCloseSysPara->isEnabled());
    QVERIFY(ms.main.cmdReset->isEnabled());
    QVERIFY(ms.main.mnuFile->isEnabled());
    QVERIFY(ms.main.ToolButton(1)->isEnabled());
}

void TestCommandEnabling::toolbarByMode_data()
{
    QTest::addColumn<bool>("prgMode");
    QTest::addColumn<bool>("offline");
    QTest::addColumn<bool>("editShown");
    QTest::addColumn<bool>("runShown");
    QTest::newRow("positioner") << false << false << false << false;
    QTest::newRow("program, offline") << true << true << true << false;
    QTest::newRow("program, online") << true << false << true << true;
}

void TestCommandEnabling::toolbarByMode()
{
    QFETCH(bool, prgMode);
    QFETCH(bool, offline);
    TestEnv::Scope env;
    MainScope ms;
    App().PrgModeFlag = prgMode;
    App().OfflineFlag = offline;
    CommandSets::DisableCommandsOfAllWindows();
    CommandSets::EnableCommandsOfAllWindows();
    QTEST(ms.main.ToolButton(11)->isVisible(), "editShown");
    QTEST(ms.main.ToolButton(11)->isEnabled(), "editShown");
    QTEST(ms.main.ToolButton(12)->isVisible(), "runShown");
    QTEST(ms.main.ToolButton(12)->isEnabled(), "runShown");
    QVERIFY(ms.main.ToolButton(5)->isEnabled());
}

void TestCommandEnabling::saveItemsFollowActiveChild()
{
    TestEnv::Scope env;
    MainScope ms;
    ms.main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ms.main));
    CommandSets::EnableCommandsOfAllWindows();
    QVERIFY(!ms.main.mnuFileSave->isEnabled()); // no active child
    QVERIFY(!ms.main.mnuFileSaveAs->isEnabled());

    QMdiSubWindow *sub = ms.main.ShowChild(new ProgramWindow);
    ms.main.mdiArea()->setActiveSubWindow(sub);
    QCOMPARE(ms.main.mdiArea()->activeSubWindow(), sub);
    CommandSets::DisableCommandsOfAllWindows();
    CommandSets::EnableCommandsOfAllWindows();
    QVERIFY(!ms.main.mnuFileSave->isEnabled());
    QVERIFY(ms.main.mnuFileSaveAs->isEnabled());
    QVERIFY(!ms.main.mnuEdit->isEnabled()); // the program window switches its own edit items

    ms.main.mdiArea()->setActiveSubWindow(ms.main.ShowChild(ms.main.PosiWindow()));
    CommandSets::EnableCommandsOfAllWindows();
    QVERIFY(ms.main.mnuFileSave->isEnabled());
}

void TestCommandEnabling::busyScopeRestoresOnEveryWayOut()
{
    TestEnv::Scope env;
    MainScope ms;
    auto *prog = new ProgramWindow;
    ms.main.ShowChild(prog);
    App().OfflineFlag = false;
    bool sawDisabled = false;
    auto operation = [&](bool fail) -> int {
        CommandSets::BusyScope busy;
        sawDisabled = App().BusyFlag && !prog->cmdInsLineProg->isEnabled() && !ms.main.mnuFile->isEnabled();
        Indicators::SetOfflineMode(); // the operation's link failure
        if (fail)
            throw std::runtime_error("failed");
        return 1; // early return
    };
    QCOMPARE(operation(false), 1);
    QVERIFY(sawDisabled);
    QVERIFY(!App().BusyFlag);
    QVERIFY(allOn(progOnButtons(prog), true));
    QVERIFY(ms.main.mnuFile->isEnabled());
    // Tabs and menus follow the state the operation left.
    QVERIFY(!ms.main.PosiWindow()->SSTabCommand->isTabEnabled(1));
    QVERIFY(ms.main.mnuSettingOnline->isEnabled());
    QVERIFY(!ms.main.mnuSettingOffline->isEnabled());

    sawDisabled = false;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, operation(true));
    QVERIFY(sawDisabled);
    QVERIFY(!App().BusyFlag);
    QVERIFY(allOn(progOnButtons(prog), true));
}

void TestCommandEnabling::busyScopeLeavesOutParts_data()
{
    QTest::addColumn<bool>("busyFlag");
    QTest::addColumn<bool>("posiTabs");
    QTest::addColumn<bool>("menus");
    QTest::newRow("everything") << true << true << true;
    QTest::newRow("commands only") << false << false << false;
    QTest::newRow("busy, no tabs, no menus") << true << false << false;
    QTest::newRow("busy and menus, no tabs") << true << false << true;
}

// A part left out is not touched at either end; the commands are always
// switched off and on again.
void TestCommandEnabling::busyScopeLeavesOutParts()
{
    QFETCH(bool, busyFlag);
    QFETCH(bool, posiTabs);
    QFETCH(bool, menus);
    TestEnv::Scope env;
    MainScope ms;
    QTabWidget *tabs = ms.main.PosiWindow()->SSTabCommand;
    App().OfflineFlag = true;
    App().BusyFlag = false;
    tabs->setTabEnabled(1, true);
    ms.main.mnuSettingOnline->setEnabled(false);
    {
        CommandSets::BusyScope scope({.busyFlag = busyFlag, .posiTabs = posiTabs, .menus = menus});
        QCOMPARE(App().BusyFlag, busyFlag);
        QVERIFY(!ms.main.mnuFile->isEnabled());
        QCOMPARE(tabs->isTabEnabled(1), !posiTabs);
        App().BusyFlag = true; // set by the operation itself: cleared only by a scope that set it
    }
    QCOMPARE(App().BusyFlag, !busyFlag);
    QVERIFY(ms.main.mnuFile->isEnabled());
    QCOMPARE(tabs->isTabEnabled(1), !posiTabs);
    QCOMPARE(ms.main.mnuSettingOnline->isEnabled(), menus);
}

void TestCommandEnabling::menuLayout_data()
{
    QTest::addColumn<bool>("prgMode");
    QTest::addColumn<bool>("offline");
    QTest::newRow("positioner, offline") << false << true;
    QTest::newRow("positioner, online") << false << false;
    QTest::newRow("program, offline") << true << true;
    QTest::newRow("program, online") << true << false;
}

void TestCommandEnabling::menuLayout()
{
    QFETCH(bool, prgMode);
    QFETCH(bool, offline);
    TestEnv::Scope env;
    MainScope ms;
    MainWindow &m = ms.main;
    // A state ChangeMenuDisp must leave alone in positioner mode.
    m.mnuCont->setEnabled(true);
    m.mnuMonitor->setEnabled(false);
    App().OfflineFlag = offline;
    m.ChangeMenuDisp(prgMode);
    QCOMPARE(m.mnuFileNewProg->isVisible(), prgMode);
    QCOMPARE(m.mnuFileOpenProg->isEnabled(), prgMode);
    QCOMPARE(m.mnuViewGrp->isVisible(), !prgMode);
    QCOMPARE(m.mnuViewSM->isEnabled(), !prgMode);
    QCOMPARE(m.mnuContProg->isVisible(), prgMode);
    if (prgMode) {
        QCOMPARE(m.mnuCont->isEnabled(), !offline);
        QCOMPARE(m.mnuMonitor->isEnabled(), !offline);
    } else {
        QVERIFY(m.mnuCont->isEnabled());
        QVERIFY(!m.mnuMonitor->isEnabled());
    }
    QCOMPARE(m.mnuSettingOnline->isEnabled(), offline);
    QCOMPARE(m.mnuSettingOffline->isEnabled(), !offline);
    QCOMPARE(m.mnuSettingDeviceOnline->isEnabled(), !offline);
    QCOMPARE(m.mnuSettingCtMode->isEnabled(), !offline);

    // MenusOn offers the Controller and Monitor menus only online.
    m.MenusOn();
    QCOMPARE(m.mnuCont->isEnabled(), !offline);
    QCOMPARE(m.mnuMonitor->isEnabled(), !offline);
}

void TestCommandEnabling::controllerModeLabelIgnoresArgument()
{
    TestEnv::Scope env;
    App().LangOffset = 10000;
    MainScope ms;
    App().PrgModeFlag = true;
    ms.main.DispControlerMode(false);
    QCOMPARE(ms.main.lblCtMode->text(), QStringLiteral("Program Mode"));
    App().PrgModeFlag = false;
    ms.main.DispControlerMode(true);
    QCOMPARE(ms.main.lblCtMode->text(), QStringLiteral("Positioner Mode"));
}

void TestCommandEnabling::offlineCommand_data()
{
    QTest::addColumn<bool>("startOffline");
    QTest::addColumn<int>("answer"); // Platform::MsgAnswer
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("offline");
    QTest::addColumn<bool>("portOpen");
    QTest::newRow("online, OK") << false << int(Platform::MsgAnswer::Ok) << 1 << true << false;
    QTest::newRow("online, Cancel") << false << int(Platform::MsgAnswer::Cancel) << 1 << false << true;
    QTest::newRow("already offline: no question, port closed") << true << int(Platform::MsgAnswer::Ok) << 0 << true
                                                                << false;
}

void TestCommandEnabling::offlineCommand()
{
    QFETCH(bool, startOffline);
    QFETCH(int, answer);
    TestEnv::Scope env;
    App().LangOffset = 10000;
    MainScope ms;
    SimController sim;
    sim.attach(1);
    Comm::StartLink();
    Indicators::SetOnlineMode();
    QVERIFY(Comm::Exchange(QStringLiteral("0AR"), 5, 500).has_value());
    QVERIFY(Comm::PortIsOpen());
    App().OfflineFlag = startOffline;
    Platform::Dialogs::QueueAnswer(Platform::MsgAnswer(answer));

    ms.main.OfflineCommand();
    QTEST(int(Platform::Dialogs::Shown().size()), "questions");
    if (!Platform::Dialogs::Shown().empty())
        QCOMPARE(Platform::Dialogs::Shown().front().text,
                 QStringLiteral("Do you change the software to Offline from Online?"));
    QTEST(App().OfflineFlag, "offline");
    QTEST(Comm::PortIsOpen(), "portOpen");
    QCOMPARE(ms.main.PosiWindow()->SSTabCommand->isTabEnabled(1), !App().OfflineFlag);
    QVERIFY(ms.main.mnuFile->isEnabled()); // commands on again either way
    qunsetenv("REZ4_PORT1");
}

void TestCommandEnabling::onlineCommandFailingLeavesOfflineLayout()
{
    TestEnv::Scope env;
    MainScope ms;
    App().PrgModeFlag = true;
    ms.main.OnlineCommand();
    QVERIFY(App().OfflineFlag);
    QVERIFY(ms.main.mnuFile->isEnabled());
    QVERIFY(ms.main.cmdReset->isEnabled());
    QVERIFY(ms.main.mnuSettingOnline->isEnabled());
    QVERIFY(!ms.main.mnuCont->isEnabled());
    QVERIFY(!ms.main.PosiWindow()->SSTabCommand->isTabEnabled(2));
}

QTEST_MAIN(TestCommandEnabling)
#include "tst_command_enabling.moc"
