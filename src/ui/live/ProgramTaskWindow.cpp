#include "ui/live/ProgramTaskWindow.h"
#include "ui/common/Localize.h"
#include "ui/common/Widgets.h"
#include "ui/live/ProgTaskLink.h"

#include "core/AppState.h"
#include "core/Num.h"
#include "core/Shell.h"
#include "core/Twips.h"
#include "link/CommandState.h"
#include "link/Engine.h"
#include "link/Indicators.h"
#include "platform/StringTable.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kProgRows = 101;
constexpr int kTaskRows = ProgramTaskWindow::kTasks + 1;
constexpr int kTaskCols = 8;

void place(QWidget *w, int x, int y, int width, int height) { Geometry::Place(w, x, y, width, height); }

QString res(int id)
{
    return Platform::LoadResString(id + App().LangOffset).value_or(QString());
}

QTableView *grid(QWidget *parent, const char *name, QStandardItemModel *model)
{
    QTableView *v = GridCells::DisplayGrid(parent, name, model);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    return v;
}

// A number typed in a label ("" and non-numbers count as 0).
int labelNumber(const QLabel *l)
{
    return int(Num::Val(l->text().trimmed()));
}

// Marks the window as within a cycle for the cycle's whole run.
struct CycleGuard {
    bool &flag;
    explicit CycleGuard(bool &f) : flag(f) { flag = true; }
    ~CycleGuard() { flag = false; }
};

} // namespace

ProgramTaskWindow::ProgramTaskWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ProgramTaskWindow"));
    Loc::Tagged(this, 720);
    // Taller than first drawn by the task list's two-line titles.
    setFixedSize(Twips::ToPx(7095), Twips::ToPx(6390 + 240));

    progModel = new QStandardItemModel(kProgRows, 2, this);
    taskModel = new QStandardItemModel(kTaskRows, kTaskCols, this);
    flgdProgTask = grid(this, "flgdProgTask", progModel);
    flgdProgTask2 = grid(this, "flgdProgTask2", taskModel);
    place(flgdProgTask, 120, 240, 1935, 2775);
    place(flgdProgTask2, 120, 3240, 6855, 3015 + 240);

    auto *cap = Loc::NamedTagged(new QLabel(this), "lblProgNoCap", 713);
    place(cap, 2520, 480, 1335, 255);
    lblProgNo = Loc::NamedTagged(new QLabel(this), "lblProgNo", 0);
    lblProgNo->setFrameShape(QFrame::Panel);
    place(lblProgNo, 3840, 360, 615, 375);
    cmdStartTask = Loc::NamedTagged(new QPushButton(this), "cmdStartTask", 721);
    cmdStopTask = Loc::NamedTagged(new QPushButton(this), "cmdStopTask", 722);
    cmdStopAllTask = Loc::NamedTagged(new QPushButton(this), "cmdStopAllTask", 723);
    cmdClose = Loc::NamedTagged(new QPushButton(this), "cmdClose", 703);
    place(cmdStartTask, 3720, 1080, 975, 495);
    place(cmdStopTask, 3720, 1800, 975, 495);
    place(cmdStopAllTask, 3720, 2520, 975, 495);
    place(cmdClose, 5640, 600, 1095, 495);
    for (QPushButton *b : {cmdStartTask, cmdStopTask, cmdStopAllTask, cmdClose})
        b->setAutoDefault(false);
    cmdStartTask->setEnabled(false);
    cmdStopTask->setEnabled(false);
    cmdStopAllTask->setEnabled(false);

    connect(cmdStartTask, &QPushButton::clicked, this, &ProgramTaskWindow::cmdStartTask_Click);
    connect(cmdStopTask, &QPushButton::clicked, this, &ProgramTaskWindow::cmdStopTask_Click);
    connect(cmdStopAllTask, &QPushButton::clicked, this, &ProgramTaskWindow::cmdStopAllTask_Click);
    connect(cmdClose, &QPushButton::clicked, this, &ProgramTaskWindow::cmdClose_Click);
    connect(flgdProgTask, &QTableView::clicked, this, [this](const QModelIndex &i) { selectProgram(i.row()); });

    Loc::SetCaptionFromRes(this);

    // Each grid is laid out and filled hidden, and shown once.
    flgdProgTask2->hide();
    const QList<int> taskHeads{711, 724, 725, 726, 727, 728, 729, 730};
    for (int c = 0; c < kTaskCols; ++c)
        GridCells::SetText(taskModel, 0, c, res(taskHeads[c]));
    // The titles take two lines, and a smaller font where a word is still
    // wider than its column.
    const QList<int> taskWidths{480, 700, 700, 900, 900, 900, 900, 900};
    for (int c = 0; c < kTaskCols; ++c)
        flgdProgTask2->setColumnWidth(c, Twips::ToPx(taskWidths[c]));
    flgdProgTask2->setRowHeight(0, Twips::ToPx(480));
    for (int c = 0; c < kTaskCols; ++c)
        TextFit::ShrinkCell(flgdProgTask2, taskModel->index(0, c));
    for (int r = 1; r < kTaskRows; ++r) {
        flgdProgTask2->setRowHeight(r, Twips::ToPx(250));
        GridCells::SetText(taskModel, r, 0, QString::number(r));
    }
    flgdProgTask2->show();

    flgdProgTask->hide();
    // The number column holds "100" whole.
    flgdProgTask->setColumnWidth(0, Twips::ToPx(480));
    flgdProgTask->setColumnWidth(1, Twips::ToPx(1935 - 800));
    flgdProgTask->setRowHeight(0, Twips::ToPx(300));
    for (int r = 1; r < kProgRows; ++r) {
        flgdProgTask->setRowHeight(r, Twips::ToPx(250));
        GridCells::SetText(progModel, r, 0, QString::number(r));
    }
    GridCells::SetText(progModel, 0, 0, res(711));
    GridCells::SetText(progModel, 0, 1, res(712));
    DispStepNo();
    flgdProgTask->setCurrentIndex(progModel->index(0, 0));
    flgdProgTask2->setCurrentIndex(taskModel->index(0, 0));
    flgdProgTask->show();

    TimerProgramTask = new QTimer(this);
    TimerProgramTask->setObjectName(QStringLiteral("TimerProgramTask"));
    TimerProgramTask->setInterval(2000);
    connect(TimerProgramTask, &QTimer::timeout, this, &ProgramTaskWindow::TimerProgramTask_Timer);
    TimerProgramTask->start();

    Comm::OpenCommPort();
}

void ProgramTaskWindow::DispStepNo()
{
    const bool shown = flgdProgTask->isVisibleTo(this);
    flgdProgTask->hide();
    const auto &su = Comm::Commands().ProgStepCount;
    for (int p = 1; p < kProgRows; ++p)
        GridCells::SetText(progModel, p, 1, QString::number(su[size_t(p)]));
    if (shown)
        flgdProgTask->show();
}

QString ProgramTaskWindow::taskCell(int row, int col) const
{
    const auto *item = taskModel->item(row, col);
    return item ? item->text() : QString();
}

void ProgramTaskWindow::ClearTaskGrid()
{
    for (int r = 1; r < kTaskRows; ++r)
        for (int c = 1; c < kTaskCols; ++c)
            GridCells::SetText(taskModel, r, c, QString());
}

void ProgramTaskWindow::Disp_TaskStatus()
{
    ClearTaskGrid();
    flgdProgTask2->hide();
    int row = 0;
    for (int t = 0; t < kTasks; ++t) {
        const auto &st = TaskStepStatus[size_t(t)];
        if (st[0] == 0)
            continue;
        ++row;
        const auto cells = TaskMonitor::TaskRowTexts(st);
        for (int c = 0; c < 7; ++c)
            GridCells::SetText(taskModel, row, c + 1, cells[size_t(c)]);
    }
    flgdProgTask2->show();
}

int ProgramTaskWindow::IsProgInTaskList(int p) const
{
    for (int r = 1; r < kTaskRows; ++r) {
        const QString t = taskCell(r, 1).trimmed();
        if (!t.isEmpty() && int(Num::Val(t)) == p)
            return 1;
    }
    return 0;
}

bool ProgramTaskWindow::stopWaits() const
{
    return TaskReqFlag && (TaskReq[0] == kStop || TaskReq[0] == kStopAll);
}

void ProgramTaskWindow::selectProgram(int row)
{
    if (row < 1 || row >= kProgRows)
        return;
    cmdStopTask->setEnabled(false);
    cmdStopAllTask->setEnabled(false);
    lblProgNo->setText(QString::number(row));
    const auto *steps = progModel->item(row, 1);
    const bool stored = steps && Num::Val(steps->text().trimmed()) != 0;
    // A waiting stop is never replaced by a start.
    cmdStartTask->setEnabled(stored && !stopWaits());
}

void ProgramTaskWindow::TaskCommandsOff()
{
    cmdStartTask->setEnabled(false);
    cmdStopTask->setEnabled(false);
}

void ProgramTaskWindow::cmdStartTask_Click()
{
    TaskCommandsOff();
    const int p = labelNumber(lblProgNo);
    if (p != 0 && !stopWaits()) {
        TaskReqFlag = true;
        TaskReq = {kStart, p};
    }
}

void ProgramTaskWindow::cmdStopTask_Click()
{
    TaskCommandsOff();
    TaskReqFlag = true;
    TaskReq = {kStop, labelNumber(lblProgNo)};
}

void ProgramTaskWindow::cmdStopAllTask_Click()
{
    TaskCommandsOff();
    TaskReqFlag = true;
    TaskReq = {kStopAll, 0};
}

void ProgramTaskWindow::cmdClose_Click() { CloseRequest = true; }

void ProgramTaskWindow::closeEvent(QCloseEvent *e)
{
    CloseRequest = true;
    if (m_inCycle) {
        // The waiting cycle still uses the window: hide it now, the cycle
        // unloads it when its request returns.
        hide();
        e->ignore();
        return;
    }
    TimerProgramTask->stop();
    QDialog::closeEvent(e);
}

void ProgramTaskWindow::applyEnableRules()
{
    if (KnownTaskCount != 0) {
        const QString p = lblProgNo->text().trimmed();
        if (!p.isEmpty())
            cmdStopTask->setEnabled(IsProgInTaskList(int(Num::Val(p))) == 1);
        cmdStopAllTask->setEnabled(true);
    } else {
        cmdStopTask->setEnabled(false);
        cmdStopAllTask->setEnabled(false);
    }
}

void ProgramTaskWindow::unloadWindow()
{
    TimerProgramTask->stop();
    done(QDialog::Rejected);
    hide();
}

void ProgramTaskWindow::TimerProgramTask_Timer()
{
    if (CloseRequest && !m_inCycle) {
        unloadWindow();
        return;
    }
    // Cycles never nest: a tick while one waits is dropped.
    if (m_inCycle)
        return;
    applyEnableRules();
    NormalTimerProcessing();
}

void ProgramTaskWindow::NormalTimerProcessing()
{
    CycleGuard guard(m_inCycle);
    if (TaskReqFlag) {
        // Taken before it is sent: a click during the send waits for the
        // next cycle instead of being dropped.
        const auto req = TaskReq;
        TaskReqFlag = false;
        switch (req[0]) {
        case kStart: ProgTaskLink::SendStartTask(req[1]); break;
        case kStop: ProgTaskLink::SendStopTask(req[1]); break;
        case kStopAll: ProgTaskLink::SendStopAllTask(); break;
        default: break;
        }
        if (!stopWaits())
            cmdStartTask->setEnabled(true);
    }
    for (int t = 0; t < kTasks; ++t)
        TaskStepStatus[size_t(t)] = {};
    const int r = GetTaskProgNo();
    if (CloseRequest) {
        closePath();
        return;
    }
    if (r == 1) {
        ClearTaskGrid();
        return;
    }
    for (int t = 0; t < kTasks; ++t) {
        if (TaskProgNo[size_t(t)] != 0) {
            if (GetStepStatus(t) == 1)
                CloseRequest = true;
            if (CloseRequest) {
                closePath();
                return;
            }
        } else {
            TaskStepStatus[size_t(t)] = {};
        }
    }
    Disp_TaskStatus();
}

int ProgramTaskWindow::GetTaskProgNo()
{
    const auto n = ProgTaskLink::TaskCount();
    if (!n)
        return 1;
    KnownTaskCount = *n;
    if (KnownTaskCount == 0)
        return 1;
    const auto progs = ProgTaskLink::TaskPrograms();
    if (!progs)
        return 1;
    for (int t = 0; t < kTasks; ++t)
        TaskProgNo[size_t(t)] = (*progs)[size_t(t)];
    return 0;
}

int ProgramTaskWindow::GetStepStatus(int t)
{
    const auto st = ProgTaskLink::StepStatus(TaskProgNo[size_t(t)]);
    if (!st)
        return 1;
    for (size_t k = 0; k < st->size(); ++k)
        TaskStepStatus[size_t(t)][k] = (*st)[k];
    return 0;
}

void ProgramTaskWindow::closePath()
{
    TimerProgramTask->stop();
    Indicators::SetOfflineMode();
    Shell::Get().ChangeMenuDisp(App().PrgModeFlag);
    unloadWindow();
}
