#include "ui/live/MonitorWindow.h"
#include "ui/common/Localize.h"
#include "ui/common/OnScreen.h"
#include "ui/common/Widgets.h"

#include "core/AppState.h"
#include "core/Twips.h"
#include "link/CommandProcs.h"
#include "link/CommandState.h"
#include "link/Engine.h"
#include "link/Queues.h"
#include "live/IoMap.h"
#include "paradata/UnitTexts.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>

namespace {

constexpr quint32 kGrey = 0xE0E0E0;
constexpr quint32 kWhite = 0xFFFFFF;
constexpr int kGridWidth = 2100;       // the I/O grids
constexpr int kIoNameWidth = 1100;
constexpr int kInputHeight = 8100;
constexpr int kOutputHeight = 6100;
constexpr int kListLeft = 4560;
constexpr int kListWidth = 2950;
constexpr int kListGap = 145;
constexpr int kListTop = 480;
constexpr int kListHeightMonitoring = 5415;
constexpr int kListHeightEditing = 3485;

using GridCells::DisplayGrid;

// Marks the window as within a cycle for the cycle's whole run.
struct CycleGuard {
    bool &flag;
    explicit CycleGuard(bool &f) : flag(f) { flag = true; }
    ~CycleGuard() { flag = false; }
};

QSpinBox *spin(QWidget *parent, const char *name, int max)
{
    auto *s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(1, max);
    return s;
}

} // namespace

MonitorWindow::MonitorWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MonitorWindow"));
    Loc::Tagged(this, 701);
    // 500 twips right of and below the main window's corner.
    if (parent) {
        const QPoint at = parent->geometry().topLeft();
        move(at.x() + Twips::ToPx(500), at.y() + Twips::ToPx(500));
    }
    setFixedSize(Twips::ToPx(13830), Twips::ToPx(9195));
    OnScreen::KeepInWorkArea(this);

    // ---- inputs and outputs, present positions -----------------------------
    auto *inCap = Loc::NamedTagged(new QLabel(this), "lblInput", 702);
    auto *outCap = Loc::NamedTagged(new QLabel(this), "lblOutput", 704);
    Geometry::Place(inCap, 120, 120, kGridWidth, 255);
    Geometry::Place(outCap, 2340, 120, kGridWidth, 255);
    inModel = new QStandardItemModel(IoMap::kInputRows, 2, this);
    outModel = new QStandardItemModel(IoMap::kOutputRows, 2, this);
    flgdInput = DisplayGrid(this, "flgdInput", inModel);
    flgdOutput = DisplayGrid(this, "flgdOutput", outModel);
    Geometry::Place(flgdInput, 120, 360, kGridWidth, kInputHeight);
    Geometry::Place(flgdOutput, 2340, 360, kGridWidth, kOutputHeight);
    connect(flgdOutput, &QTableView::doubleClicked, this,
            [this](const QModelIndex &i) { flgdOutput_DblClick(i.row(), i.column()); });

    auto *posCap = Loc::NamedTagged(new QLabel(this), "lblPresentPos", 705);
    Geometry::Place(posCap, 2340, 6600, kGridWidth, 255);
    for (int a = 0; a < 4; ++a) {
        auto *axis = Loc::Tagged(new QLabel(this), 1405 + a);
        axis->setObjectName(QStringLiteral("lblAxis%1").arg(a + 1));
        Geometry::Place(axis, 2340, 6900 + 380 * a, 800, 300);
        auto *l = new QLabel(this);
        l->setObjectName(QStringLiteral("lblCurrentPos%1").arg(a));
        l->setFrameShape(QFrame::Panel);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Geometry::Place(l, 3200, 6900 + 380 * a, 1240, 300);
        lblCurrentPos[size_t(a)] = l;
    }

    // ---- watch lists --------------------------------------------------------
    flagList = new Watch::WatchList(Watch::Kind::Flag, this);
    variableList = new Watch::WatchList(Watch::Kind::Variable, this);
    posVariableList = new Watch::WatchList(Watch::Kind::PosVariable, this);
    const struct {
        Watch::WatchList *list;
        QTableView **view;
        QWidget **panel;
        const char *viewName, *panelName;
        int title;
    } lists[3] = {
        {flagList, &flgdFlag, &PictureFlag, "flgdFlag", "PictureFlag", 707},
        {variableList, &flgdVariable, &PictureVariable, "flgdVariable", "PictureVariable", 708},
        {posVariableList, &flgdPVariable, &PicturePosVariable, "flgdPVariable", "PicturePosVariable", 709},
    };
    for (int k = 0; k < 3; ++k) {
        const int x = kListLeft + k * (kListWidth + kListGap);
        auto *cap = Loc::Tagged(new QLabel(this), lists[k].title);
        Geometry::Place(cap, x, 120, kListWidth, 255);
        QTableView *v = DisplayGrid(this, lists[k].viewName, lists[k].list);
        v->setSelectionBehavior(QAbstractItemView::SelectRows);
        v->setSelectionMode(QAbstractItemView::ContiguousSelection);
        v->verticalHeader()->setMinimumSectionSize(1);
        v->verticalHeader()->setDefaultSectionSize(Twips::ToPx(250));
        Geometry::Place(v, x, kListTop, kListWidth, kListHeightMonitoring);
        Watch::WatchList *list = lists[k].list;
        // The list follows the view's current row and selection.
        auto sync = [v, list] {
            const int cur = v->currentIndex().isValid() ? v->currentIndex().row() : 0;
            int sel = cur;
            for (const QModelIndex &i : v->selectionModel()->selectedRows()) {
                if (i.row() > sel)
                    sel = i.row();
            }
            if (sel == cur) {
                for (const QModelIndex &i : v->selectionModel()->selectedRows())
                    sel = std::min(sel, i.row());
            }
            list->SyncSelection(cur, sel);
        };
        connect(v->selectionModel(), &QItemSelectionModel::currentChanged, this, sync);
        connect(v->selectionModel(), &QItemSelectionModel::selectionChanged, this, sync);
        *lists[k].view = v;
        auto *panel = new QWidget(this);
        panel->setObjectName(QString::fromLatin1(lists[k].panelName));
        Geometry::Place(panel, x, kListTop + kListHeightEditing + 60, kListWidth, 1860);
        *lists[k].panel = panel;
    }

    // Flags: kind, program, number.
    optFlag[0] = Loc::NamedTagged(new QRadioButton(PictureFlag), "optFlag0", 744);
    optFlag[1] = Loc::NamedTagged(new QRadioButton(PictureFlag), "optFlag1", 745);
    Label3 = Loc::NamedTagged(new QLabel(PictureFlag), "Label3", 741);
    auto *flagNoCap = Loc::Tagged(new QLabel(PictureFlag), 742);
    txtPrgNo = spin(PictureFlag, "txtPrgNo", Watch::kProgMax);
    txtFlagNo = spin(PictureFlag, "txtFlagNo", Watch::kGlobalMax);
    cmdAddFlag = Loc::NamedTagged(new QPushButton(PictureFlag), "cmdAddFlag", 746);
    cmdDeleteFlag = Loc::NamedTagged(new QPushButton(PictureFlag), "cmdDeleteFlag", 747);
    // Variables.
    optVariable[0] = Loc::NamedTagged(new QRadioButton(PictureVariable), "optVariable0", 754);
    optVariable[1] = Loc::NamedTagged(new QRadioButton(PictureVariable), "optVariable1", 755);
    Label5 = Loc::NamedTagged(new QLabel(PictureVariable), "Label5", 751);
    auto *variableNoCap = Loc::Tagged(new QLabel(PictureVariable), 752);
    txtHPrgNo = spin(PictureVariable, "txtHPrgNo", Watch::kProgMax);
    txtVariableNo = spin(PictureVariable, "txtVariableNo", Watch::kGlobalMax);
    cmdAddVariable = Loc::NamedTagged(new QPushButton(PictureVariable), "cmdAddVariable", 746);
    cmdDeleteVariable = Loc::NamedTagged(new QPushButton(PictureVariable), "cmdDeleteVariable", 747);
    // Position variables: always of a program.
    auto *phPrgCap = Loc::Tagged(new QLabel(PicturePosVariable), 761);
    auto *phAxisCap = Loc::Tagged(new QLabel(PicturePosVariable), 764);
    txtPHPrgNo = spin(PicturePosVariable, "txtPHPrgNo", Watch::kProgMax);
    txtPVariableNo = spin(PicturePosVariable, "txtPVariableNo", Watch::kAxisMax);
    cmdAddPosVariable = Loc::NamedTagged(new QPushButton(PicturePosVariable), "cmdAddPosVariable", 746);
    cmdDeletePosVariable = Loc::NamedTagged(new QPushButton(PicturePosVariable), "cmdDeletePosVariable", 747);

    // The global choice's caption is the longer one: it takes more of the
    // row, so that it keeps clear of the local choice's circle.
    Geometry::Place(optFlag[0], 60, 0, 1560, 300);
    Geometry::Place(optFlag[1], 1680, 0, 1240, 300);
    Geometry::Place(optVariable[0], 60, 0, 1560, 300);
    Geometry::Place(optVariable[1], 1680, 0, 1240, 300);
    const struct {
        QLabel *prgCap;
        QSpinBox *prg;
        QLabel *noCap;
        QSpinBox *no;
        QPushButton *add, *del;
    } rowsOf[3] = {{Label3, txtPrgNo, flagNoCap, txtFlagNo, cmdAddFlag, cmdDeleteFlag},
                   {Label5, txtHPrgNo, variableNoCap, txtVariableNo, cmdAddVariable, cmdDeleteVariable},
                   {phPrgCap, txtPHPrgNo, phAxisCap, txtPVariableNo, cmdAddPosVariable, cmdDeletePosVariable}};
    for (const auto &r : rowsOf) {
        Geometry::Place(r.prgCap, 60, 400, 1500, 300);
        Geometry::Place(r.prg, 1600, 380, 1000, 340);
        Geometry::Place(r.noCap, 60, 820, 1500, 300);
        Geometry::Place(r.no, 1600, 800, 1000, 340);
        Geometry::Place(r.add, 60, 1300, 1300, 450);
        Geometry::Place(r.del, 1500, 1300, 1300, 450);
        r.add->setAutoDefault(false);
        r.del->setAutoDefault(false);
    }

    // ---- check boxes, close, the focus sink ----------------------------------
    chkIgnore = Loc::NamedTagged(new QCheckBox(this), "chkIgnore", 706);
    Geometry::Place(chkIgnore, kListLeft, 6000, 6000, 400);
    chkEditItem = Loc::NamedTagged(new QCheckBox(this), "chkEditItem", 1040);
    Geometry::Place(chkEditItem, kListLeft, 6600, 3000, 400);
    cmdIoWinClose = Loc::NamedTagged(new QPushButton(this), "cmdIoWinClose", 703);
    Geometry::Place(cmdIoWinClose, 12300, 8400, 1300, 450);
    cmdIoWinClose->setAutoDefault(false);
    txtDummyMoni = new QLineEdit(this);
    txtDummyMoni->setObjectName(QStringLiteral("txtDummyMoni"));
    Geometry::Place(txtDummyMoni, 0, 0, 0, 0);

    connect(chkIgnore, &QCheckBox::clicked, this, &MonitorWindow::chkIgnore_Click);
    connect(chkEditItem, &QCheckBox::clicked, this, &MonitorWindow::chkEditItem_Click);
    connect(cmdIoWinClose, &QPushButton::clicked, this, &MonitorWindow::cmdIoWinClose_Click);
    for (int i = 0; i < 2; ++i) {
        connect(optFlag[size_t(i)], &QRadioButton::clicked, this, [this, i] { optFlag_Click(i); });
        connect(optVariable[size_t(i)], &QRadioButton::clicked, this, [this, i] { optVariable_Click(i); });
    }
    connect(cmdAddFlag, &QPushButton::clicked, this, &MonitorWindow::cmdAddFlag_Click);
    connect(cmdAddVariable, &QPushButton::clicked, this, &MonitorWindow::cmdAddVariable_Click);
    connect(cmdAddPosVariable, &QPushButton::clicked, this, &MonitorWindow::cmdAddPosVariable_Click);
    connect(cmdDeleteFlag, &QPushButton::clicked, this, &MonitorWindow::cmdDeleteFlag_Click);
    connect(cmdDeleteVariable, &QPushButton::clicked, this, &MonitorWindow::cmdDeleteVariable_Click);
    connect(cmdDeletePosVariable, &QPushButton::clicked, this, &MonitorWindow::cmdDeletePosVariable_Click);

    Loc::SetCaptionFromRes(this);
    // The kind options of the entry panels are wider than their places in
    // Japanese: written smaller rather than run into each other.
    TextFit::ShrinkAll(this);

    // ---- Form_Load ------------------------------------------------------------
    setIoNames(App().PrgModeFlag);
    for (QTableView *v : {flgdInput, flgdOutput}) {
        // The names column holds "HOME LS1" and "EXP-OUT1" whole.
        v->setColumnWidth(0, Twips::ToPx(kIoNameWidth));
        v->setColumnWidth(1, Twips::ToPx(kGridWidth - kIoNameWidth) - 4);
        v->setCurrentIndex(v->model()->index(0, 0));
    }

    IoShowingNow = false;
    IoMoniActive = true;
    IoWinCloseReq = false;
    timerInputOutput1 = new QTimer(this);
    timerInputOutput1->setObjectName(QStringLiteral("timerInputOutput1"));
    timerInputOutput1->setInterval(2000);
    connect(timerInputOutput1, &QTimer::timeout, this, &MonitorWindow::timerInputOutput1_Timer);
    timerInputOutput1->start();

    flagList->Load(ListFile(Watch::Kind::Flag));
    variableList->Load(ListFile(Watch::Kind::Variable));
    posVariableList->Load(ListFile(Watch::Kind::PosVariable));

    for (int a = 0; a < 4; ++a) {
        const bool used = !App().AxisNotUsed[size_t(a)];
        lblCurrentPos[size_t(a)]->setEnabled(used);
        BackColor::Set(lblCurrentPos[size_t(a)], used ? kWhite : kGrey);
    }

    // The box shows the mode the controller was last given, so the two
    // never disagree; a first opening sends "not ignored".
    auto &c = Comm::Commands();
    c.IgnoreInputs = c.IoModeSet && c.IoModeSentIgnore;
    chkIgnore->setChecked(c.IgnoreInputs);

    optFlag[0]->setChecked(true);
    optVariable[0]->setChecked(true);
    optFlag_Click(0);
    optVariable_Click(0);
    chkEditItem->setChecked(false);
    chkEditItem_Click();

    TimerDispInit = new QTimer(this);
    TimerDispInit->setObjectName(QStringLiteral("TimerDispInit"));
    TimerDispInit->setSingleShot(true);
    TimerDispInit->setInterval(10);
    connect(TimerDispInit, &QTimer::timeout, this, &MonitorWindow::TimerDispInit_Timer);
    TimerDispInit->start();
}

MonitorWindow::~MonitorWindow() = default;

QString MonitorWindow::ListFile(Watch::Kind kind)
{
    return Platform::UserDataFile(QString::fromLatin1(Watch::Info(kind).fileName));
}

QString MonitorWindow::cell(const QStandardItemModel *m, int row, int col) const
{
    const auto *item = m->item(row, col);
    return item ? item->text() : QString();
}

// ---- names and states -----------------------------------------------------------

void MonitorWindow::setIoNames(bool prgMode)
{
    const auto fill = [prgMode](QTableView *v, QStandardItemModel *m, const auto &rows, int height) {
        v->hide();
        const int n = int(rows.size());
        for (int r = 0; r < n; ++r) {
            v->setRowHeight(r, Twips::ToPx(height / (n + 1)));
            GridCells::SetText(m, r, 0, IoMap::Name(rows[size_t(r)], prgMode));
            GridCells::SetText(m, r, 1, QString());
            m->item(r, 1)->setTextAlignment(Qt::AlignCenter);
        }
        v->show();
    };
    fill(flgdInput, inModel, IoMap::InputRows(), kInputHeight);
    fill(flgdOutput, outModel, IoMap::OutputRows(), kOutputHeight);
}


void MonitorWindow::ShowIoState()
{
    IoShowingNow = true;
    const auto &c = Comm::Commands();
    const auto &in = IoMap::InputRows();
    for (int r = 0; r < IoMap::kInputRows; ++r)
        GridCells::SetText(inModel, r, 1, IoMap::StateText(in[size_t(r)], c.InBit));
    const auto &out = IoMap::OutputRows();
    for (int r = 0; r < IoMap::kOutputRows; ++r)
        GridCells::SetText(outModel, r, 1, IoMap::StateText(out[size_t(r)], c.OutBit));
    IoShowingNow = false;
}

void MonitorWindow::ReadnDisp_PresentPosMoni(int &result)
{
    Comm::Frames::PresentPositions pos{};
    if (Comm::ReadPresentPosFromCt(pos) == 1) {
        result = 1;
        return;
    }
    result = 0;
    // Closed while the reply was awaited: nothing of the window is touched.
    if (IoWinCloseReq)
        return;
    for (int a = 0; a < 4; ++a) {
        if (!pos[size_t(a)])
            continue;
        PresentPosMoni[size_t(a)] = *pos[size_t(a)];
        if (const auto t = UnitTexts::PresentPosText(a, *pos[size_t(a)]))
            lblCurrentPos[size_t(a)]->setText(*t);
    }
}

// ---- watch lists ------------------------------------------------------------------

void MonitorWindow::pollList(Watch::WatchList &list)
{
    const auto items = list.Items();
    if (items.empty())
        return;
    const quint64 revision = list.Revision();
    const auto values =
        Comm::ReadWatchItemsFromCt(list.kind(), items, [this] { return IoWinCloseReq; });
    // A failed read keeps the values shown; a list changed meanwhile takes
    // none (SetValues checks).
    if (!values || IoWinCloseReq)
        return;
    list.SetValues(*values, revision);
}

void MonitorWindow::ReadnDisp_FlagMoni() { pollList(*flagList); }
void MonitorWindow::ReadnDisp_VariableMoni() { pollList(*variableList); }
void MonitorWindow::ReadnDisp_PosVariableMoni() { pollList(*posVariableList); }

void MonitorWindow::listWidths(QTableView *view)
{
    // The number columns as wide as the flag list's, the value the rest; the
    // header row takes two lines, written smaller where a word still does
    // not fit.
    view->setColumnWidth(0, Twips::ToPx(900));
    view->setColumnWidth(1, Twips::ToPx(900));
    view->setColumnWidth(2, Twips::ToPx(kListWidth - 1800 - 80));
    view->setRowHeight(0, Twips::ToPx(480));
    for (int c = 0; c < 3; ++c)
        TextFit::ShrinkCell(view, view->model()->index(0, c));
}

void MonitorWindow::FlagGrid_Init()
{
    flagList->InitGrid();
    listWidths(flgdFlag);
}

void MonitorWindow::VariableGrid_Init()
{
    variableList->InitGrid();
    listWidths(flgdVariable);
}

void MonitorWindow::PosVariableGrid_Init()
{
    posVariableList->InitGrid();
    listWidths(flgdPVariable);
}

void MonitorWindow::TimerDispInit_Timer()
{
    TimerDispInit->stop();
    FlagGrid_Init();
    VariableGrid_Init();
    PosVariableGrid_Init();
}

void MonitorWindow::addItem(Watch::WatchList &list, QTableView *view, const Watch::Entry &entry)
{
    const auto item = Watch::CheckEntry(list.kind(), entry);
    if (!item) {
        Platform::Dialogs::MsgBox(Platform::ResText(Watch::Info(list.kind()).invalidMessage));
    } else if (list.Add(*item) == Watch::WatchList::AddResult::Full) {
        // A full list keeps every item it has.
        ++m_beeps;
        QApplication::beep();
    } else {
        view->setCurrentIndex(list.index(list.Row(), 2));
    }
    txtDummyMoni->setFocus();
}

void MonitorWindow::deleteItem(Watch::WatchList &list, QTableView *view)
{
    if (list.Delete() == Watch::WatchList::DeleteResult::HeaderCurrent)
        Platform::Dialogs::MsgBox(Platform::ResLines({386, 387}));
    view->setCurrentIndex(list.index(list.Row(), 1));
    txtDummyMoni->setFocus();
}

void MonitorWindow::cmdAddFlag_Click()
{
    addItem(*flagList, flgdFlag,
            {optFlag[0]->isChecked() ? 0 : optFlag[1]->isChecked() ? 1 : -1, txtPrgNo->cleanText(),
             txtFlagNo->cleanText()});
}

void MonitorWindow::cmdAddVariable_Click()
{
    addItem(*variableList, flgdVariable,
            {optVariable[0]->isChecked() ? 0 : optVariable[1]->isChecked() ? 1 : -1, txtHPrgNo->cleanText(),
             txtVariableNo->cleanText()});
}

void MonitorWindow::cmdAddPosVariable_Click()
{
    addItem(*posVariableList, flgdPVariable, {1, txtPHPrgNo->cleanText(), txtPVariableNo->cleanText()});
}

void MonitorWindow::cmdDeleteFlag_Click() { deleteItem(*flagList, flgdFlag); }
void MonitorWindow::cmdDeleteVariable_Click() { deleteItem(*variableList, flgdVariable); }
void MonitorWindow::cmdDeletePosVariable_Click() { deleteItem(*posVariableList, flgdPVariable); }

namespace {
// Kind choice: a global item has no program; an item of a program has a
// number of at most 50.
void chooseKind(int index, QLabel *label, QSpinBox *prg, QSpinBox *no)
{
    const bool ofProgram = index == 1;
    label->setEnabled(ofProgram);
    prg->setEnabled(ofProgram);
    BackColor::Set(prg, ofProgram ? 0xFFFFFF : kGrey);
    no->setMaximum(ofProgram ? Watch::kLocalMax : Watch::kGlobalMax);
}
} // namespace

void MonitorWindow::optFlag_Click(int index) { chooseKind(index, Label3, txtPrgNo, txtFlagNo); }
void MonitorWindow::optVariable_Click(int index) { chooseKind(index, Label5, txtHPrgNo, txtVariableNo); }

// ---- check boxes and the output toggle ------------------------------------------------

void MonitorWindow::chkIgnore_Click()
{
    auto &c = Comm::Commands();
    c.IoModeSet = false;
    c.IoModeResend = true;
    c.IgnoreInputs = chkIgnore->isChecked();
}

void MonitorWindow::chkEditItem_Click()
{
    const bool editing = chkEditItem->isChecked();
    for (QWidget *p : {PictureFlag, PictureVariable, PicturePosVariable}) {
        p->setEnabled(editing);
        p->setVisible(editing);
    }
    for (QPushButton *b :
         {cmdAddFlag, cmdDeleteFlag, cmdAddVariable, cmdDeleteVariable, cmdAddPosVariable, cmdDeletePosVariable})
        b->setEnabled(editing);
    for (QTableView *v : {flgdFlag, flgdVariable, flgdPVariable}) {
        v->resize(v->width(), Twips::ToPx(editing ? kListHeightEditing : kListHeightMonitoring));
        v->setEnabled(true);
    }
    const int id = editing ? 1041 : 1040;
    Loc::Tagged(chkEditItem, id);
    chkEditItem->setText(Platform::ResText(id));
    txtDummyMoni->setFocus();
}

void MonitorWindow::flgdOutput_DblClick(int row, int col)
{
    // A stopped cycle would never send the toggle: nothing is recorded.
    if (!IoWinCloseReq && IoMoniActive && !m_stopped && col == 1
        && IoMap::RequestToggle(row, Comm::Commands().OutReq))
        Comm::Commands().OutputWriteReq = true;
    txtDummyMoni->setFocus();
}

// ---- the cycle -------------------------------------------------------------------------

void MonitorWindow::timerInputOutput1_Timer()
{
    timerInputOutput1->stop();
    if (IoWinCloseReq) {
        unloadWindow();
        return;
    }
    if (IoMoniActive && !m_stopped && Comm::Link().SendingFlag) {
        // This tick runs inside another window's exchange: nothing can be
        // sent before it ends, so this cycle waits for the next one.
        timerInputOutput1->start();
        return;
    }
    if (IoMoniActive && !m_stopped) {
        CycleGuard guard(m_inCycle);
        // A refused list item put the application offline and marked the
        // link failed: the cycle starts clean.
        App().OfflineFlag = false;
        Comm::Queues().LinkFailed = false;
        const int io = Comm::MonitorExchange();
        if (IoWinCloseReq) {
            unloadWindow();
            return;
        }
        if (io == 1) {
            showStopped();
            return;
        }
        ShowIoState();
        int pos = 0;
        ReadnDisp_PresentPosMoni(pos);
        if (IoWinCloseReq) {
            unloadWindow();
            return;
        }
        if (pos == 1) {
            showStopped();
            return;
        }
        if (!chkEditItem->isChecked()) {
            const struct {
                Watch::WatchList *list;
                void (MonitorWindow::*poll)();
            } polls[3] = {{flagList, &MonitorWindow::ReadnDisp_FlagMoni},
                          {variableList, &MonitorWindow::ReadnDisp_VariableMoni},
                          {posVariableList, &MonitorWindow::ReadnDisp_PosVariableMoni}};
            for (const auto &p : polls) {
                if (IoWinCloseReq) {
                    unloadWindow();
                    return;
                }
                if (p.list->Present())
                    (this->*p.poll)();
            }
        }
    }
    timerInputOutput1->setInterval(500);
    if (IoWinCloseReq)
        unloadWindow();
    else
        timerInputOutput1->start();
}

void MonitorWindow::showStopped()
{
    m_stopped = true;
    timerInputOutput1->stop();
    flgdInput->setEnabled(false);
    flgdOutput->setEnabled(false);
    for (QLabel *l : lblCurrentPos)
        l->setEnabled(false);
}

// ---- closing ---------------------------------------------------------------------------

void MonitorWindow::cmdIoWinClose_Click()
{
    IoWinCloseReq = true;
    while (IoShowingNow && !Comm::Queues().LinkFailed)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    // Hidden and saved at once; a cycle waiting for a reply ends after it
    // without touching the window.
    unloadWindow();
}

void MonitorWindow::closeEvent(QCloseEvent *e)
{
    unloadWindow();
    e->accept();
}

void MonitorWindow::unloadWindow()
{
    IoMoniActive = false;
    IoWinCloseReq = true;
    timerInputOutput1->setInterval(500);
    timerInputOutput1->stop();
    TimerDispInit->stop();
    if (m_unloaded)
        return;
    m_unloaded = true;
    // Errors while saving are not reported; the window closes all the same.
    QDir().mkpath(Platform::UserDataFolder());
    flagList->Save(ListFile(Watch::Kind::Flag));
    variableList->Save(ListFile(Watch::Kind::Variable));
    posVariableList->Save(ListFile(Watch::Kind::PosVariable));
    done(QDialog::Rejected);
    hide();
}
