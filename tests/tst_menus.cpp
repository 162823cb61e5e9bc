// The main window's commands: dispatch to the active child window, the
// toolbar's keys, the group and macro windows' placement, the view switches,
// and the commands with logic of their own against the simulated controller
// (alarm reset, program task, monitor, controller mode).
#include <QtTest>

#include "core/AppState.h"
#include "ui/common/ChildCommands.h"
#include "ui/common/Forms.h"
#include "app/MainCommands.h"
#include "core/ModuleHelp.h"
#include "app/MainWindow.h"
#include "ui/common/ChoiceDialog.h"
#include "ui/grpsm/GroupWindow.h"
#include "link/CommandState.h"
#include "link/Engine.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "ui/live/MonitorWindow.h"
#include "ui/live/ProgramTaskWindow.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "ui/posi/PositionWindow.h"
#include "ui/prog/ProgramNumberDialog.h"
#include "support/MainScope.h"
#include "sim/SimCommands.h"
#include "sim/SimController.h"
#include "sim/SimOnline.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

using namespace Platform;

namespace {

// A child window that takes the child commands and records which were run.
class FakeChild : public QWidget, public ChildCommands {
public:
    explicit FakeChild(const QString &name) { setObjectName(name); }
    QStringList calls;
    void CopyLines() override { calls << QStringLiteral("CopyLines"); }
    void PasteLines() override { calls << QStringLiteral("PasteLines"); }
    void InsertLines() override { calls << QStringLiteral("InsertLines"); }
    void DeleteLines() override { calls << QStringLiteral("DeleteLines"); }
    void OpenFile() override { calls << QStringLiteral("OpenFile"); }
    void SaveAs() override { calls << QStringLiteral("SaveAs"); }
};

QAction *command(MainWindow &m, const QString &name)
{
    if (name.startsWith(QLatin1String("tb:")))
        return m.ToolButton(name.mid(3).toInt());
    return m.findChild<QAction *>(name);
}

// Block 0 of the controller: read ("0RD0"), written back ("0WD0" + 32
// digits) and stored ("0WE"); the controller mode is its byte 9 (digits
// 19-20, decimal).
void installBlock0(SimController &sim, const QByteArray &mode)
{
    sim.model().store["block0"] = "0F0000000000000000" + mode + "000000000000";
    sim.addCommand("0RD", [](SimController &s, const QByteArray &f) -> std::optional<QByteArray> {
        return f.left(4) + s.model().store.value("block0");
    });
    sim.addCommand("0WD", [](SimController &s, const QByteArray &f) -> std::optional<QByteArray> {
        s.model().store["block0"] = f.mid(4);
        return f.left(4);
    });
    sim.addCommand("0WE", [](SimController &, const QByteArray &f) -> std::optional<QByteArray> { return f; });
}
} // namespace

class TestMenus : public QObject {
    Q_OBJECT
private slots:
    void childOffset_data();
    void childOffset();
    void dispatch_data();
    void dispatch();
    void groupWindowPlacement_data();
    void groupWindowPlacement();
    void secondGroupCommandOnlyRaises();
    void viewSwitches();
    void ctModeLabelOfflineDoesNothing();
    void ctModeChoiceAndCancel();
    void ctModeWrite();
    void newProgramFromToolbarOffline();
    void alarmReset_data();
    void alarmReset();
    void progTaskReadsStepCountsOnce();
    void progTaskHidesProgressOnFailedRead();
    void progTaskCancelledReadShowsNothing();
    void monitorWhileSendingRaisesOwnWindow();
    void windowsOfTheMenus_data();
    void windowsOfTheMenus();
    void onlineDeviceSetting_data();
    void onlineDeviceSetting();
};

void TestMenus::childOffset_data()
{
    QTest::addColumn<int>("loaded");
    QTest::addColumn<int>("twips");
    QTest::newRow("1") << 1 << 350;
    QTest::newRow("2") << 2 << 700;
    QTest::newRow("3") << 3 << 350;
    QTest::newRow("6") << 6 << 1400;
    QTest::newRow("10") << 10 << 2800;
    QTest::newRow("11") << 11 << 350;
    QTest::newRow("12") << 12 << 350;
}

void TestMenus::childOffset()
{
    QFETCH(int, loaded);
    QFETCH(int, twips);
    QCOMPARE(MainCommands::ChildOffsetTwips(loaded), twips);
}

void TestMenus::dispatch_data()
{
    QTest::addColumn<QString>("cmd");
    // "" = no child window; "GroupWindow" stands for a window without the
    // child commands, the others take them.
    QTest::addColumn<QString>("child");
    QTest::addColumn<QString>("called");  // "" = nothing
    QTest::newRow("paste, no child") << "mnuEditPaste" << "" << "";
    QTest::newRow("copy, no child") << "mnuEditCopy" << "" << "";
    QTest::newRow("paste, position") << "mnuEditPaste" << "PositionWindow" << "PasteLines";
    QTest::newRow("paste, program") << "mnuEditPaste" << "ProgramWindow" << "PasteLines";
    QTest::newRow("copy, position") << "mnuEditCopy" << "PositionWindow" << "CopyLines";
    QTest::newRow("copy, program") << "mnuEditCopy" << "ProgramWindow" << "CopyLines";
    QTest::newRow("insert, program") << "mnuEditInsert" << "ProgramWindow" << "InsertLines";
    QTest::newRow("delete, position") << "mnuEditLineDelete" << "PositionWindow" << "DeleteLines";
    QTest::newRow("edit copy, other window") << "mnuEditCopy" << "GroupWindow" << "";
    QTest::newRow("popup copy, other window") << "mnuPopupCopy" << "GroupWindow" << "";
    QTest::newRow("popup paste, position") << "mnuPopupPaste" << "PositionWindow" << "PasteLines";
    QTest::newRow("popup paste, program") << "mnuPopupPaste" << "ProgramWindow" << "PasteLines";
    QTest::newRow("popup insert, position") << "mnuPopupLineInsert" << "PositionWindow" << "InsertLines";
    QTest::newRow("popup delete, program") << "mnuPopupLineDelete" << "ProgramWindow" << "DeleteLines";
    QTest::newRow("save as, program") << "mnuFileSaveAs" << "ProgramWindow" << "SaveAs";
    QTest::newRow("save as, position") << "mnuFileSaveAs" << "PositionWindow" << "SaveAs";
    QTest::newRow("save as, other window") << "mnuFileSaveAs" << "GroupWindow" << "";
    QTest::newRow("toolbar copy, position") << "tb:8" << "PositionWindow" << "CopyLines";
    QTest::newRow("toolbar paste, program") << "tb:9" << "ProgramWindow" << "PasteLines";
    QTest::newRow("toolbar cut does nothing") << "tb:7" << "PositionWindow" << "";
}

void TestMenus::dispatch()
{
    QFETCH(QString, cmd);
    QFETCH(QString, child);
    QFETCH(QString, called);
    TestEnv::Scope env;
    MainScope s;
    FakeChild *fake = nullptr;
    if (!child.isEmpty()) {
        QWidget *shown = nullptr;
        if (child == QLatin1String("GroupWindow")) {
            shown = new QWidget;
            shown->setObjectName(child);
        } else {
            shown = fake = new FakeChild(child);
        }
        s.main.mdiArea()->setActiveSubWindow(s.main.ShowChild(shown));
        QCOMPARE(Forms::ActiveChild(), shown);
    }
    QAction *a = command(s.main, cmd);
    QVERIFY(a);
    a->setEnabled(true);
    a->trigger();
    if (fake)
        QCOMPARE(fake->calls, called.isEmpty() ? QStringList{} : QStringList{called});
    QVERIFY(Dialogs::Shown().empty());
}

void TestMenus::groupWindowPlacement_data()
{
    QTest::addColumn<int>("others");   // child windows already loaded
    QTest::addColumn<int>("twips");
    // Loaded windows: the main window, the others and the group window.
    QTest::newRow("2 loaded") << 0 << 700;
    QTest::newRow("6 loaded") << 4 << 1400;
    QTest::newRow("12 loaded") << 10 << 350;
}

void TestMenus::groupWindowPlacement()
{
    QFETCH(int, others);
    QFETCH(int, twips);
    TestEnv::Scope env;
    MainScope s;
    for (int i = 0; i < others; ++i)
        s.main.ShowChild(new FakeChild(QStringLiteral("ProgramWindow")));
    s.main.mnuViewGrp->trigger();
    QCOMPARE(Forms::Loaded().size(), qsizetype(others + 2));
    QVERIFY(App().GrpWinOpen);
    QWidget *grp = Forms::Named(QStringLiteral("GroupWindow")).value(0);
    QVERIFY(grp);
    auto *sub = qobject_cast<QMdiSubWindow *>(grp->parentWidget());
    QVERIFY(sub);
    QCOMPARE(sub->pos(), QPoint(twips / 15, twips / 15));
}

void TestMenus::secondGroupCommandOnlyRaises()
{
    TestEnv::Scope env;
    MainScope s;
    s.main.mnuViewGrp->trigger();
    QWidget *grp = Forms::Named(QStringLiteral("GroupWindow")).value(0);
    QVERIFY(grp);
    auto *sub = qobject_cast<QMdiSubWindow *>(grp->parentWidget());
    sub->move(200, 150);
    s.main.ShowChild(new FakeChild(QStringLiteral("ProgramWindow")));
    s.main.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(
        Forms::Named(QStringLiteral("ProgramWindow")).value(0)->parentWidget()));
    s.main.mnuViewGrp->trigger();
    QCOMPARE(Forms::Named(QStringLiteral("GroupWindow")).size(), 1);
    QCOMPARE(sub->pos(), QPoint(200, 150));   // not placed again
    QCOMPARE(Forms::ActiveChild(), grp);

    // The same for the macro window.
    s.main.mnuViewSM->trigger();
    s.main.mnuViewSM->trigger();
    QCOMPARE(Forms::Named(QStringLiteral("SequenceMacroWindow")).size(), 1);
    QVERIFY(App().SmWinOpen);
}

void TestMenus::viewSwitches()
{
    TestEnv::Scope env;
    MainScope s;
    s.main.show();
    QVERIFY(s.main.tbToolBar->isVisible());
    s.main.mnuViewToolbar->trigger();
    QVERIFY(!s.main.mnuViewToolbar->isChecked());
    QVERIFY(!s.main.tbToolBar->isVisible());
    s.main.mnuViewToolbar->trigger();
    QVERIFY(s.main.tbToolBar->isVisible());
    s.main.mnuViewStatusBar->trigger();
    QVERIFY(!s.main.sbStatusBar->isVisible());
    s.main.mnuViewStatusBar->trigger();
    QVERIFY(s.main.sbStatusBar->isVisible());
}

void TestMenus::ctModeLabelOfflineDoesNothing()
{
    TestEnv::Scope env;
    MainScope s;
    App().OfflineFlag = true;
    int dialogs = 0;
    Dialogs::PushModalHandler([&](QDialog &d) { ++dialogs; d.reject(); return 0; });
    QTest::mouseDClick(s.main.lblCtMode, Qt::LeftButton);
    QCOMPARE(dialogs, 0);
    QVERIFY(Dialogs::Shown().empty());
}

void TestMenus::ctModeChoiceAndCancel()
{
    // The choice dialog opens with the running mode preselected; Cancel ends
    // the command without a word and leaves the mode label alone.
    TestEnv::Scope env;
    MainScope s;
    App().OfflineFlag = false;
    App().PrgModeFlag = true;
    s.main.lblCtMode->setText(ResText(129));
    bool preselected = false;
    QString explanation;
    Dialogs::PushModalHandler([&](QDialog &d) {
        auto *sel = static_cast<ChoiceDialog &>(d).optSelectItem[1];
        preselected = sel->isChecked();
        explanation = static_cast<ChoiceDialog &>(d).lblSelectExplanation->text();
        static_cast<ChoiceDialog &>(d).cmdSelectCancel->click();
        return 0;
    });
    QTest::mouseDClick(s.main.lblCtMode, Qt::LeftButton);
    QVERIFY(preselected);
    QCOMPARE(explanation, ResText(476));
    QVERIFY(Dialogs::Shown().empty());
    QCOMPARE(s.main.lblCtMode->text(), ResText(129));
    QVERIFY(App().PrgModeFlag);
}

void TestMenus::ctModeWrite()
{
    // Positioner mode running, program mode chosen: block 0 goes back with
    // the new mode and is stored; the restart notice follows; neither the
    // mode flag nor the mode label changes.
    TestEnv::Scope env;
    SimController sim;
    QVERIFY(sim.ok());
    sim.attach(1);
    installBlock0(sim, "00");
    MainScope s;
    Comm::StartLink();
    App().OfflineFlag = false;
    App().PrgModeFlag = false;
    s.main.lblCtMode->setText(ResText(128));
    QTabWidget *tabs = s.main.PosiWindow()->SSTabCommand;
    QVERIFY(tabs && tabs->count() >= 3);
    tabs->setTabEnabled(1, true);
    tabs->setTabEnabled(2, true);
    bool preselectedPos = false;
    Dialogs::PushModalHandler([&](QDialog &d) {
        auto &sel = static_cast<ChoiceDialog &>(d);
        preselectedPos = sel.optSelectItem[0]->isChecked();
        sel.optSelectItem[1]->click();
        sel.cmdSelectOk->click();
        return 1;
    });
    s.main.mnuSettingCtMode->setEnabled(true);
    s.main.mnuSettingCtMode->trigger();

    QVERIFY(preselectedPos);
    QStringList sent;
    for (const QByteArray &f : sim.frames())
        sent << QString::fromLatin1(f);
    QCOMPARE(sent, (QStringList{"0RD0", "0WD00F000000000000000001000000000000", "0WE"}));
    const QString notice = ResText(495) + "\r\n\r\n" + ResText(496) + "\r\n\r\n" + ResText(497);
    QVERIFY(Dialogs::ShownTexts().contains(notice));
    QCOMPARE(Dialogs::ShownTexts().last(), notice);
    QVERIFY(!App().PrgModeFlag);
    QCOMPARE(s.main.lblCtMode->text(), ResText(128));
    QVERIFY(!tabs->isTabEnabled(1));
    QVERIFY(!tabs->isTabEnabled(2));

    // A failed write shows no notice.
    sim.clearFrames();
    sim.addFault("0WD", {SimFault::ErrorReply, 0, "0%%104"}, -1);
    Dialogs::ClearScript();
    Dialogs::PushModalHandler([](QDialog &d) {
        static_cast<ChoiceDialog &>(d).cmdSelectOk->click();
        return 1;
    });
    s.main.mnuSettingCtMode->setEnabled(true);
    s.main.mnuSettingCtMode->trigger();
    QVERIFY(!Dialogs::ShownTexts().contains(notice));
}

void TestMenus::newProgramFromToolbarOffline()
{
    TestEnv::Scope env;
    MainScope s;
    App().OfflineFlag = true;
    App().PrgModeFlag = true;
    QAction *edit = s.main.ToolButton(11);
    edit->setEnabled(true);
    // Cancelled: no window, and the cancel flag is cleared again.
    edit->trigger();
    QVERIFY(Forms::Named(QStringLiteral("ProgramWindow")).isEmpty());
    QVERIFY(!App().ProgNoCancel);
    // Program 7 chosen: a program window for it.
    Dialogs::PushModalHandler([](QDialog &d) {
        auto &dlg = static_cast<ProgramNumberDialog &>(d);
        dlg.SelectProgNo(7);
        dlg.cmdProgNoOk->click();
        return 1;
    });
    edit->trigger();
    QCOMPARE(Forms::Named(QStringLiteral("ProgramWindow")).size(), 1);
    QCOMPARE(App().SelProgNo, 7);
}

void TestMenus::alarmReset_data()
{
    QTest::addColumn<bool>("offline");
    QTest::addColumn<bool>("portFails");
    QTest::addColumn<QStringList>("frames");
    QTest::addColumn<bool>("offlineAfter");
    QTest::addColumn<bool>("message");
    QTest::newRow("online") << false << false << QStringList{"0AR", "0CM1"} << false << false;
    QTest::newRow("offline") << true << false << QStringList{"0AR", "0CM1"} << false << false;
    QTest::newRow("port will not open") << true << true << QStringList{} << true << true;
    QTest::newRow("port will not open, online") << false << true << QStringList{} << true << true;
}

void TestMenus::alarmReset()
{
    QFETCH(bool, offline);
    QFETCH(bool, portFails);
    QFETCH(QStringList, frames);
    QFETCH(bool, offlineAfter);
    QFETCH(bool, message);
    TestEnv::Scope env;
    SimController sim;
    QVERIFY(sim.ok());
    SimOnline::InstallOnlineCommands(sim);
    SimOnline::SetAxes(sim, 0);
    App().AxisNotUsed = {true, true, true, true};
    sim.attach(1);
    if (portFails)
        qputenv("REZ4_PORT1", "/nonexistent/rez4-port");
    MainScope s;
    Comm::StartLink();
    App().OfflineFlag = offline;
    Indicators::AlarmImg_Disp();
    Indicators::SetStatusPanel1(QStringLiteral("alarm 134"));

    s.main.cmdReset->click();

    QStringList sent;
    for (const QByteArray &f : sim.frames())
        sent << QString::fromLatin1(f);
    // The reset is followed by going online, which identifies the controller.
    QCOMPARE(sent.mid(0, frames.size()), frames);
    QCOMPARE(App().OfflineFlag, offlineAfter);
    if (message) {
        QCOMPARE(Dialogs::ShownTexts(), QStringList{Comm::PortOpenFailureText()});
        QVERIFY(Indicators::State().AlarmVisible);
    } else {
        QVERIFY(Dialogs::Shown().empty());
        QVERIFY(!Indicators::State().AlarmVisible);
        QVERIFY(Indicators::State().StatusPanel1.isEmpty());
    }
    QVERIFY(!Comm::Queues().LinkFailed);
    QVERIFY(!App().BusyFlag);
}

namespace {
// The main window online, over the simulated controller's command model.
struct TaskRig {
    TestEnv::Scope env;
    SimController sim;
    SimCmdModel model;
    MainScope s;
    TaskRig()
    {
        Comm::ResetCommandState();
        sim.attach(1);
        InstallCommandSim(sim, model);
        Comm::StartLink();
        App().OfflineFlag = false;
    }
};
} // namespace

void TestMenus::progTaskReadsStepCountsOnce()
{
    TaskRig r;
    QVERIFY(r.sim.ok());
    r.model.stepCount[100] = 10;
    int shown = 0;
    auto countTask = [&](QDialog &d) { shown += qobject_cast<ProgramTaskWindow *>(&d) != nullptr; d.reject(); return 0; };
    Dialogs::PushModalHandler(countTask);
    r.s.main.mnuContProgTask->setEnabled(true);
    r.s.main.mnuContProgTask->trigger();
    QCOMPARE(r.sim.framesOf("0RR").size(), 100);
    QVERIFY(Comm::Commands().ProgStepCountKnown);
    QCOMPARE(Comm::Commands().ProgStepCount[100], 10);
    QCOMPARE(shown, 1);
    QVERIFY(r.s.main.ProgressBar1->isHidden());

    r.sim.clearFrames();
    Dialogs::PushModalHandler(countTask);
    r.s.main.ToolButton(12)->setEnabled(true);
    r.s.main.ToolButton(12)->trigger();
    QCOMPARE(r.sim.framesOf("0RR").size(), 0);
    QCOMPARE(shown, 2);
    QVERIFY(!App().BusyFlag);
}

void TestMenus::progTaskHidesProgressOnFailedRead()
{
    TaskRig r;
    QVERIFY(r.sim.ok());
    r.sim.addFault("0RR", {SimFault::ErrorReply, 0, "0%%104"}, -1);
    int shown = 0;
    Dialogs::PushModalHandler([&](QDialog &d) { ++shown; d.reject(); return 0; });
    MainCommands::ShowProgTask(r.s.main);
    QCOMPARE(shown, 0);
    QVERIFY(r.s.main.ProgressBar1->isHidden());
    QVERIFY(!Comm::Commands().ProgStepCountKnown);
    QVERIFY(!App().BusyFlag);
}

void TestMenus::progTaskCancelledReadShowsNothing()
{
    // The cancel button pressed during the step-count read: no task window,
    // and the cancel does not linger for the next transfer.
    TaskRig r;
    QVERIFY(r.sim.ok());
    r.model.onFrame = [](const QByteArray &f) {
        if (f == "0RR05")
            App().ComCancelFlag = true;
    };
    int shown = 0;
    Dialogs::PushModalHandler([&](QDialog &d) { ++shown; d.reject(); return 0; });
    MainCommands::ShowProgTask(r.s.main);
    QCOMPARE(shown, 0);
    QVERIFY(!App().ComCancelFlag);
    QVERIFY(r.s.main.ProgressBar1->isHidden());
    QVERIFY(!App().BusyFlag);
}

void TestMenus::windowsOfTheMenus_data()
{
    QTest::addColumn<QString>("cmd");
    QTest::addColumn<int>("answer");        // message box answer (Yes/No), -1 = none
    QTest::addColumn<QString>("modal");     // window shown modally, "" = none
    QTest::addColumn<QString>("child");     // child window opened, "" = none
    QTest::addColumn<int>("messageId");     // message shown, 0 = none
    QTest::newRow("options") << "mnuViewOptions" << -1 << "OptionsDialog" << "" << 0;
    QTest::newRow("about") << "mnuHelpAbout" << -1 << "AboutDialog" << "" << 0;
    QTest::newRow("help without file") << "mnuHelpContents" << -1 << "" << "" << 414;
    QTest::newRow("parameter") << "mnuViewParameter" << -1 << "" << "ParameterWindow" << 0;
    QTest::newRow("detail setting, yes") << "mnuSettingParameter" << int(MsgAnswer::Yes) << "" << "ParameterWindow" << 410;
    QTest::newRow("detail setting, no") << "mnuSettingParameter" << int(MsgAnswer::No) << "" << "" << 410;
}

void TestMenus::windowsOfTheMenus()
{
    QFETCH(QString, cmd);
    QFETCH(int, answer);
    QFETCH(QString, modal);
    QFETCH(QString, child);
    QFETCH(int, messageId);
    TestEnv::Scope env;
    ModuleHelp::ResetHelpState();
    ModuleHelp::Help().HelpFile = env.path("veve7ror.uri");
    MainScope s;
    if (answer >= 0)
        Dialogs::QueueAnswer(MsgAnswer(answer));
    QString shownModal;
    Dialogs::PushModalHandler([&](QDialog &d) { shownModal = d.objectName(); d.reject(); return 0; });
    QAction *a = command(s.main, cmd);
    QVERIFY(a);
    a->setEnabled(true);
    a->trigger();
    QCOMPARE(shownModal, modal);
    QCOMPARE(Forms::Named(QStringLiteral("ParameterWindow")).size(), child.isEmpty() ? 0 : 1);
    if (messageId)
        QVERIFY(Dialogs::ShownTexts().value(0).startsWith(ResText(messageId)));
    else
        QVERIFY(Dialogs::Shown().empty());
    ModuleHelp::ResetHelpState();
}

void TestMenus::onlineDeviceSetting_data()
{
    QTest::addColumn<bool>("listPresent");
    QTest::newRow("device list readable") << true;
    QTest::newRow("device list missing") << false;
}

void TestMenus::onlineDeviceSetting()
{
    QFETCH(bool, listPresent);
    TestEnv::Scope env;
    if (!listPresent)
        Platform::SetAppFolder(env.dir());
    MainScope s;
    s.main.mnuSettingDeviceOnline->setEnabled(true);
    s.main.mnuSettingDeviceOnline->trigger();
    QWidget *dev = Forms::Named(QStringLiteral("OnlineActuatorWindow")).value(0);
    QCOMPARE(dev != nullptr && dev->isVisible(), listPresent);
    if (dev)
        dev->close();
}

void TestMenus::monitorWhileSendingRaisesOwnWindow()
{
    TestEnv::Scope env;
    MainScope s;
    App().OfflineFlag = false;
    s.main.move(300, 200);
    int monitors = 0;
    Dialogs::PushModalHandler([&](QDialog &d) { monitors += qobject_cast<MonitorWindow *>(&d) != nullptr; return 0; });
    Comm::Link().SendingFlag = true;
    s.main.mnuMonitor->trigger();
    Comm::Link().SendingFlag = false;
    QCOMPARE(monitors, 0);
    QCOMPARE(s.main.pos(), QPoint(0, 0));
    QVERIFY(!App().BusyFlag);

    // Not sending: the monitor window opens modally.
    s.main.mnuMonitor->trigger();
    QCOMPARE(monitors, 1);
    QVERIFY(!App().BusyFlag);
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
