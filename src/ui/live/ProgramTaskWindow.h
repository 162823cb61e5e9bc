#pragma once
// The program task window, shown modally from the main window.
#include "prog/TaskStepText.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QTimer;

// Starts and stops the controller's programs and shows, every tick, what
// each of its ten tasks executes. The buttons only record a command; the
// timer's cycle sends it, then polls the tasks.
class ProgramTaskWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProgramTaskWindow(QWidget *parent = nullptr);

    static constexpr int kTasks = 10;
    enum TaskKind { kStart = 1, kStop = 2, kStopAll = 3 };

    // Cycle state.
    bool TaskReqFlag = false;
    std::array<int, 2> TaskReq{};   // kind, program
    bool CloseRequest = false;
    int KnownTaskCount = 0;
    std::array<int, kTasks + 1> TaskProgNo{};
    std::array<TaskMonitor::StepValues, kTasks + 1> TaskStepStatus{};

    // Grids: row 0 holds the headers, column 0 the row labels.
    QStandardItemModel *progModel = nullptr;   // 101 x 2
    QStandardItemModel *taskModel = nullptr;   // 11 x 8
    QTableView *flgdProgTask = nullptr;
    QTableView *flgdProgTask2 = nullptr;
    QLabel *lblProgNo = nullptr;
    QPushButton *cmdStartTask = nullptr;
    QPushButton *cmdStopTask = nullptr;
    QPushButton *cmdStopAllTask = nullptr;
    QPushButton *cmdClose = nullptr;
    QTimer *TimerProgramTask = nullptr;

    void DispStepNo();
    void Disp_TaskStatus();
    void ClearTaskGrid();
    // 1 when column 1 of a row 1..10 of the task table holds program p.
    int IsProgInTaskList(int p) const;
    QString taskCell(int row, int col) const;

    // A click on a cell of the program list (row 1..100).
    void selectProgram(int row);

    void NormalTimerProcessing();
    int GetTaskProgNo();
    int GetStepStatus(int t);

public slots:
    void TimerProgramTask_Timer();
    void cmdStartTask_Click();
    void cmdStopTask_Click();
    void cmdStopAllTask_Click();
    void cmdClose_Click();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void applyEnableRules();
    void closePath();
    void unloadWindow();
    void TaskCommandsOff();
    bool stopWaits() const;

    bool m_inCycle = false;
};
