// The program task window: its enable rules and table, and its cycle against
// the simulated controller's ten tasks (commands, polls, failures, closing).
#include <QtTest>

#include "core/AppState.h"
#include "link/CommandState.h"
#include "link/Engine.h"
#include "link/Indicators.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "prog/CommandList.h"
#include "sim/SimCommands.h"
#include "sim/SimController.h"
#include "sim/SimTasks.h"
#include "support/TestEnv.h"
#include "ui/live/ProgramTaskWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <memory>

namespace Dlg = Platform::Dialogs;

namespace {

// The controller on the line with the link running; the window open with its
// own timer stopped, so each test drives the ticks.
struct Rig {
    TestEnv::Scope env;
    SimController sim;
    SimCmdModel cmds;
    SimTaskModel tasks;
    std::unique_ptr<ProgramTaskWindow> w;

    Rig()
    {
        App().LangOffset = 10000;
        Comm::ResetCommandState();
        ResetParadataState();
        Paradata().ParaSet.ParaSpAxis = 0xF;
        InstallCommandSim(sim, cmds);
        InstallTaskSim(sim, tasks);
        sim.attach(1);
        App().PortNo = 1;
        Indicators::SetOnlineMode();
        Comm::StartLink();
        auto &su = Comm::Commands().ProgStepCount;
        su[3] = 10;
        su[5] = 4;
        su[7] = 2;
        w = std::make_unique<ProgramTaskWindow>();
        w->TimerProgramTask->stop();
        w->show();
    }
    ~Rig()
    {
        w.reset();
        Comm::StopLink();
    }
    void tick() { w->TimerProgramTask_Timer(); }
    QStringList frames(const char *code) const { return sim.framesOf(code); }
};

QStringList column1(const ProgramTaskWindow &w)
{
    QStringList c;
    for (int r = 1; r <= 10; ++r)
        c << w.taskCell(r, 1);
    return c;
}

} // namespace

class TstProgTask : public QObject {
    Q_OBJECT
private slots:
    void zeroStepsLeaveExecuteOff();
    void busyTasksFillFromTheTop();
    void stopAllBeforeSelection();
    void stopFollowsTheTaskTable();
    void noTaskRuns();
    void stepQueriesInTaskOrder();
    void executeSendsStart();
    void lastClickWins();
    void stopAllIsNotReplacedBySelection();
    void stopDuringSendWaitsForNextCycle();
    void portReleasedBetweenCycles();
    void errorReplyKeepsTheCycleGoing();
    void closeWhileTaskQueryWaits();
    void stepQueryTimeoutClosesWindow();
    void closeButtonUnloadsAtNextTick();
};

void TstProgTask::zeroStepsLeaveExecuteOff()
{
    TestEnv::Scope env;
    Comm::ResetCommandState();
    Comm::Commands().ProgStepCount[5] = 3;
    ProgramTaskWindow w;
    w.TimerProgramTask->stop();
    QVERIFY(!w.cmdStartTask->isEnabled());
    QCOMPARE(w.progModel->item(5, 1)->text(), QStringLiteral("3"));
    w.selectProgram(4);
    QCOMPARE(w.lblProgNo->text(), QStringLiteral("4"));
    QVERIFY(!w.cmdStartTask->isEnabled());
    w.selectProgram(5);
    QVERIFY(w.cmdStartTask->isEnabled());
    QVERIFY(!w.cmdStopTask->isEnabled());
    QVERIFY(!w.cmdStopAllTask->isEnabled());
}

void TstProgTask::busyTasksFillFromTheTop()
{
    TestEnv::Scope env;
    ProgramTaskWindow w;
    w.TimerProgramTask->stop();
    w.TaskStepStatus[2] = {12, 1, 0, 0, 0, 0, 0};
    w.TaskStepStatus[5] = {15, 2, 0, 0, 0, 0, 0};
    w.TaskStepStatus[9] = {19, 3, 0, 0, 0, 0, 0};
    w.Disp_TaskStatus();
    QCOMPARE(column1(w), (QStringList{"12", "15", "19", "", "", "", "", "", "", ""}));
    for (int r = 1; r <= 10; ++r)
        QCOMPARE(w.taskCell(r, 0), QString::number(r));
    QCOMPARE(w.taskCell(3, 2), QStringLiteral("3"));
    QCOMPARE(w.taskCell(0, 1), QStringLiteral("PRG No."));
    QCOMPARE(w.IsProgInTaskList(15), 1);
    QCOMPARE(w.IsProgInTaskList(2), 0);
}

void TstProgTask::stopAllBeforeSelection()
{
    Rig r;
    QVERIFY(r.sim.ok());
    r.tasks.taskProg[0] = 3;
    r.tick();
    r.tick();
    QVERIFY(r.w->cmdStopAllTask->isEnabled());
    r.w->cmdStopAllTask->click();
    QVERIFY(r.w->cmdStopAllTask->isEnabled());
    QVERIFY(!r.w->cmdStartTask->isEnabled());
    r.tick();
    QCOMPARE(r.frames("0PN").size(), 1);
    QVERIFY(r.w->cmdStartTask->isEnabled());
    r.w->cmdStartTask->click();
    QVERIFY(!r.w->TaskReqFlag);
    r.sim.clearFrames();
    r.tick();
    QCOMPARE(r.frames("0DM").size(), 0);
}

void TstProgTask::stopFollowsTheTaskTable()
{
    Rig r;
    QVERIFY(r.sim.ok());
    r.tasks.taskProg[0] = 3;
    r.tasks.taskProg[2] = 7;
    r.tick();
    r.w->selectProgram(5);
    r.tick();
    QVERIFY(!r.w->cmdStopTask->isEnabled());
    QVERIFY(r.w->cmdStopAllTask->isEnabled());
    r.tasks.taskProg[1] = 5;
    r.tick();
    QCOMPARE(column1(*r.w).mid(0, 3), (QStringList{"3", "5", "7"}));
    r.tick();
    QVERIFY(r.w->cmdStopTask->isEnabled());
    r.w->cmdStopTask->click();
    r.tick();
    QCOMPARE(r.frames("0PM"), QStringList{"0PM05"});
    QCOMPARE(column1(*r.w).mid(0, 3), (QStringList{"3", "7", ""}));
}

void TstProgTask::noTaskRuns()
{
    Rig r;
    QVERIFY(r.sim.ok());
    r.tasks.taskProg[4] = 3;
    r.tick();
    r.tick();
    QVERIFY(r.w->cmdStopAllTask->isEnabled());
    QCOMPARE(r.w->taskCell(1, 1), QStringLiteral("3"));
    r.tasks.taskProg[4] = 0;
    r.sim.clearFrames();
    r.tick();
    QCOMPARE(r.frames("0TN").size(), 1);
    QCOMPARE(r.frames("0TS").size(), 0);
    QCOMPARE(r.frames("0PT").size(), 0);
    QCOMPARE(column1(*r.w), QStringList(10, QString()));
    QCOMPARE(r.w->KnownTaskCount, 0);
    r.tick();
    QVERIFY(!r.w->cmdStopTask->isEnabled());
    QVERIFY(!r.w->cmdStopAllTask->isEnabled());
}

void TstProgTask::stepQueriesInTaskOrder()
{
    Rig r;
    QVERIFY(r.sim.ok());
    auto &list = CommandList::State();
    list.CommandName.clear();
    for (int c = 0; c < 30; ++c)
        list.CommandName << QStringLiteral("C%1").arg(c);
    list.CommandName << QString();
    list.CommandCount = 30;
    r.tasks.taskProg[0] = 3;
    r.tasks.taskProg[2] = 7;
    r.tasks.stepStatus[7] = "07051B3FF12D2005DC3EB15";
    r.tick();
    QCOMPARE(r.frames("0TS").size(), 1);
    QCOMPARE(r.frames("0PT"), (QStringList{"0PT03", "0PT07"}));
    QCOMPARE(r.w->TaskStepStatus[1], (TaskMonitor::StepValues{}));
    QCOMPARE(r.w->TaskStepStatus[3], (TaskMonitor::StepValues{}));
    QStringList row2;
    for (int c = 1; c <= 7; ++c)
        row2 << r.w->taskCell(2, c);
    QCOMPARE(row2, (QStringList{"7", "5", "C27", "R2", "-1.500", "/I3", "O1"}));
}

void TstProgTask::executeSendsStart()
{
    Rig r;
    QVERIFY(r.sim.ok());
    r.w->selectProgram(5);
    QVERIFY(r.w->cmdStartTask->isEnabled());
    r.w->cmdStartTask->click();
    QCOMPARE(r.frames("0DM").size(), 0);
    r.tick();
    QCOMPARE(r.frames("0DM"), QStringList{"0DM05"});
    QCOMPARE(r.tasks.taskProg[0], 5);
    QCOMPARE(r.w->taskCell(1, 1), QStringLiteral("5"));
}

void TstProgTask::lastClickWins()
{
    Rig r;
    QVERIFY(r.sim.ok());
    r.tasks.taskProg[0] = 3;
    r.tick();
    r.w->selectProgram(5);
    r.tick(); // brings Stop all back
    r.w->cmdStartTask->click();
    r.w->cmdStopAllTask->click();
    r.sim.clearFrames();
    r.tick();
    QCOMPARE(r.frames("0DM").size(), 0);
    QCOMPARE(r.frames("0PN").size(), 1);
}

void TstProgTask::stopAllIsNotReplacedBySelection()
{
    Rig r;
    QVERIFY(r.sim.ok());
    r.tasks.taskProg[0] = 3;
    r.tick();
    r.tick();
    r.w->cmdStopAllTask->click();
    r.w->selectProgram(5);
    QVERIFY(!r.w->cmdStartTask->isEnabled());
    r.w->cmdStartTask_Click(); // even a click that gets through
    r.tick();
    QCOMPARE(r.frames("0PN").size(), 1);
    QCOMPARE(r.frames("0DM").size(), 0);
}

void TstProgTask::stopDuringSendWaitsForNextCycle()
{
    Rig r;
    QVERIFY(r.sim.ok());
    r.tasks.onFrame = [&](const QByteArray &f) {
        if (f == "0DM05")
            r.w->cmdStopAllTask_Click();
    };
    r.w->selectProgram(5);
    r.w->cmdStartTask->click();
    r.tick();
    QCOMPARE(r.frames("0DM"), QStringList{"0DM05"});
    QCOMPARE(r.frames("0PN").size(), 0);
    QVERIFY(!r.w->cmdStartTask->isEnabled());
    r.tick();
    QCOMPARE(r.frames("0PN").size(), 1);
    QCOMPARE(r.tasks.taskProg[0], 0);
}

void TstProgTask::portReleasedBetweenCycles()
{
    Rig r;
    QVERIFY(r.sim.ok());
    App().PortOccupy = false;
    r.tasks.taskProg[0] = 3;
    r.tick();
    QVERIFY(!Comm::PortIsOpen());
    r.tick();
    r.w->cmdStopAllTask->click();
    r.tick();
    QCOMPARE(r.frames("0TN").size(), 3);
    QCOMPARE(r.frames("0PN").size(), 1);
    r.w->selectProgram(5);
    r.w->cmdStartTask->click();
    r.tick();
    QCOMPARE(r.frames("0DM"), QStringList{"0DM05"});
}

void TstProgTask::errorReplyKeepsTheCycleGoing()
{
    Rig r;
    QVERIFY(r.sim.ok());
    r.tasks.taskProg[0] = 3;
    r.tasks.replyFor["0DM05"] = "0%%104";
    r.tick();
    r.w->selectProgram(5);
    r.w->cmdStartTask->click();
    Dlg::ClearScript();
    r.sim.clearFrames();
    r.tick();
    QCOMPARE(r.frames("0DM"), QStringList{"0DM05"});
    QVERIFY(!Dlg::Shown().empty());
    // The failed command does not stop the cycle: it polls right after.
    QCOMPARE(r.frames("0TN").size(), 1);
    QCOMPARE(r.frames("0PT"), QStringList{"0PT03"});
    r.w->cmdStopAllTask->click();
    r.tick();
    QCOMPARE(r.frames("0PN").size(), 1);
    QVERIFY(r.w->isVisible());
}

void TstProgTask::closeWhileTaskQueryWaits()
{
    Rig r;
    QVERIFY(r.sim.ok());
    r.tasks.taskProg[0] = 3;
    int nested = 0;
    r.tasks.onFrame = [&](const QByteArray &f) {
        if (f == "0TS") {
            // A tick falling due now is dropped; the close box hides at once.
            r.tick();
            nested = r.frames("0TN").size();
            r.w->close();
            QVERIFY(!r.w->isVisible());
        }
    };
    r.tick();
    QCOMPARE(nested, 1);
    QCOMPARE(r.frames("0TN").size(), 1);
    QCOMPARE(r.frames("0PT").size(), 0);
    QVERIFY(App().OfflineFlag);
    QVERIFY(!r.w->isVisible());
    QVERIFY(!r.w->TimerProgramTask->isActive());
}

void TstProgTask::stepQueryTimeoutClosesWindow()
{
    Rig r;
    QVERIFY(r.sim.ok());
    r.w->TimerProgramTask->start();
    r.tasks.taskProg[0] = 3;
    r.tasks.replyFor["0PT03"] = ""; // silence
    Dlg::ClearScript();
    r.tick();
    QVERIFY(!Dlg::Shown().empty());
    QVERIFY(App().OfflineFlag);
    QVERIFY(!r.w->isVisible());
    QVERIFY(!r.w->TimerProgramTask->isActive());
}

void TstProgTask::closeButtonUnloadsAtNextTick()
{
    Rig r;
    QVERIFY(r.sim.ok());
    r.w->TimerProgramTask->start();
    r.w->cmdClose->click();
    QVERIFY(r.w->isVisible());
    r.sim.clearFrames();
    r.tick();
    QVERIFY(!r.w->isVisible());
    QVERIFY(!r.w->TimerProgramTask->isActive());
    QVERIFY(r.sim.frames().isEmpty());
    QVERIFY(!App().OfflineFlag);
}

QTEST_MAIN(TstProgTask)
#include "tst_prog_task.moc"
