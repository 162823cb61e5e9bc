// The position window's move-test tab: three panels (list, range and group
// move), the move list with its in-cell editor, the dwell boxes, the home
// button, and the window's side of the move test (MoveTest::Face).
#include "ui/posi/PositionWindow.h"

#include "core/AppState.h"
#include "core/Twips.h"
#include "link/Engine.h"
#include "platform/Beep.h"
#include "platform/StringTable.h"
#include "platform/Wait.h"
#include "ui/common/Localize.h"
#include "ui/common/Widgets.h"
#include "ui/live/MoveRules.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

using MoveRules::kListColumns;

namespace {
// Design width of the move list (twips).
constexpr int kMoveListWidth = 9000;
constexpr quint32 kWhite = 0xFFFFFF;
// The system colour "inactive border" of the design.
constexpr quint32 kInactiveBorder = 0xC8D0D4;

void paint(QWidget *w, bool white) { BackColor::Set(w, white ? kWhite : kInactiveBorder); }

// The key code a key press stands for: its character, or Enter, Backspace
// and Tab; 0 for a key without one.
int keyCodeOf(const QKeyEvent *k)
{
    switch (k->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return MoveRules::kKeyEnter;
    case Qt::Key_Backspace: return MoveRules::kKeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return MoveRules::kKeyTab;
    default: break;
    }
    const QString t = k->text();
    return t.size() == 1 ? t.at(0).unicode() : 0;
}
} // namespace

void PositionWindow::buildMoveTab(QWidget *tab)
{
    auto *v = new QVBoxLayout(tab);
    auto *opts = new QHBoxLayout();
    const int methodTags[3] = {503, 504, 505};
    for (int i = 0; i < 3; ++i) {
        optMoveMethod[i] = Loc::Tagged(new QRadioButton(tab), methodTags[i]);
        optMoveMethod[i]->setObjectName(QStringLiteral("optMoveMethod%1").arg(i));
        opts->addWidget(optMoveMethod[i]);
        connect(optMoveMethod[i], &QRadioButton::clicked, this, [this, i] { optMoveMethod_Click(i); });
    }
    opts->addStretch();
    v->addLayout(opts);

    // The three panels lie on one another; the chosen method shows its own.
    auto *stack = new QWidget(tab);
    auto *stackGrid = new QGridLayout(stack);
    stackGrid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i) {
        pictureMove[i] = new QWidget(stack);
        pictureMove[i]->setObjectName(QStringLiteral("pictureMove%1").arg(i));
        pictureMove[i]->setVisible(false);
        stackGrid->addWidget(pictureMove[i], 0, 0);
    }
    v->addWidget(stack);

    // Panel 0: list move.
    {
        auto *g = new QGridLayout(pictureMove[0]);
        flgdProgram = Loc::NamedTagged(new QTableWidget(2, 16, pictureMove[0]), "flgdProgram", 0);
        flgdProgram->horizontalHeader()->hide();
        flgdProgram->verticalHeader()->hide();
        flgdProgram->setEditTriggers(QAbstractItemView::NoEditTriggers);
        flgdProgram->setSelectionMode(QAbstractItemView::SingleSelection);
        flgdProgram->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        flgdProgram->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 16; ++c) {
                auto *item = new QTableWidgetItem();
                item->setTextAlignment(Qt::AlignCenter);
                if (r == 0 || c == 0) {
                    item->setFlags(Qt::ItemIsEnabled);
                    item->setBackground(palette().button());
                }
                if (r == 0 && c > 0)
                    item->setText(QString::number(c));
                flgdProgram->setItem(r, c, item);
            }
        flgdProgram->installEventFilter(this);
        connect(flgdProgram, &QTableWidget::currentCellChanged, this, [this](int row, int col, int prevRow, int prevCol) {
            flgdProgram_LeaveCell(prevRow, prevCol);
            // Only row 1, columns 1 to 15 take numbers.
            if (row != 1 || col < 1)
                flgdProgram->setCurrentCell(1, std::max(1, col));
        });
        connect(flgdProgram, &QTableWidget::cellDoubleClicked, this, [this] { flgdProgramEdit2(32); });
        g->addWidget(flgdProgram, 0, 0, 1, 6);
        txtEdit2 = Loc::NamedTagged(new QLineEdit(pictureMove[0]), "txtEdit2", 0);
        txtEdit2->hide();
        txtEdit2->installEventFilter(this);

        cmdInp1toF = Loc::NamedTagged(new QPushButton(pictureMove[0]), "cmdInp1toF", 518);
        cmdDataClear = Loc::NamedTagged(new QPushButton(pictureMove[0]), "cmdDataClear", 519);
        connect(cmdInp1toF, &QPushButton::clicked, this, &PositionWindow::cmdInp1toF_Click);
        connect(cmdDataClear, &QPushButton::clicked, this, &PositionWindow::cmdDataClear_Click);
        auto *mode = new QWidget(pictureMove[0]);
        auto *modeBox = new QHBoxLayout(mode);
        modeBox->setContentsMargins(0, 0, 0, 0);
        optSelectMode[0] = Loc::NamedTagged(new QRadioButton(mode), "optSelectMode0", 512);
        optSelectMode[1] = Loc::NamedTagged(new QRadioButton(mode), "optSelectMode1", 513);
        modeBox->addWidget(optSelectMode[0]);
        modeBox->addWidget(optSelectMode[1]);
        chkRepeat = Loc::NamedTagged(new QCheckBox(pictureMove[0]), "chkRepeat", 516);
        chkTimerUse = Loc::NamedTagged(new QCheckBox(pictureMove[0]), "chkTimerUse", 520);
        lblTimer = Loc::NamedTagged(new QLabel(pictureMove[0]), "lblTimer", 521);
        txtTimer = Loc::NamedTagged(new QLineEdit(pictureMove[0]), "txtTimer", 0);
        txtTimer->setFixedWidth(Twips::ToPx(600));
        txtTimer->installEventFilter(this);
        chkNoSqMcr1 = Loc::NamedTagged(new QCheckBox(pictureMove[0]), "chkNoSqMcr1", 517);
        connect(chkTimerUse, &QCheckBox::clicked, this, &PositionWindow::chkTimerUse_Click);
        cmdMove = Loc::NamedTagged(new QPushButton(pictureMove[0]), "cmdMove", 511);
        cmdStop = Loc::NamedTagged(new QPushButton(pictureMove[0]), "cmdStop", 515);
        cmdTmpStop = Loc::NamedTagged(new QPushButton(pictureMove[0]), "cmdTmpStop", 514);
        connect(cmdMove, &QPushButton::clicked, this, &PositionWindow::cmdMove_Click);
        connect(cmdStop, &QPushButton::clicked, this, &PositionWindow::cmdStop_Click);
        connect(cmdTmpStop, &QPushButton::clicked, this, &PositionWindow::cmdTmpStop_Click);
        g->addWidget(cmdInp1toF, 1, 0);
        g->addWidget(cmdDataClear, 1, 1);
        g->addWidget(mode, 1, 2);
        g->addWidget(chkRepeat, 1, 3);
        g->addWidget(chkNoSqMcr1, 1, 4);
        g->addWidget(chkTimerUse, 2, 0);
        g->addWidget(lblTimer, 2, 1);
        g->addWidget(txtTimer, 2, 2);
        g->addWidget(cmdMove, 2, 3);
        g->addWidget(cmdStop, 2, 4);
        g->addWidget(cmdTmpStop, 2, 5);
    }

    // Panel 1: range move.
    {
        auto *g = new QGridLayout(pictureMove[1]);
        auto number = [this](const char *name) {
            auto *l = Loc::NamedTagged(new QLabel(pictureMove[1]), name, 0);
            l->setAlignment(Qt::AlignCenter);
            l->setFixedWidth(Twips::ToPx(600));
            l->setFrameShape(QFrame::Panel);
            l->setFrameShadow(QFrame::Sunken);
            return l;
        };
        auto slider = [this](const char *name) {
            auto *s = Loc::NamedTagged(new QSlider(Qt::Horizontal, pictureMove[1]), name, 0);
            s->setRange(1, MoveRules::kMaxPosiNo);
            s->setSingleStep(1);
            return s;
        };
        auto updown = [this](const char *name) {
            auto *u = Loc::NamedTagged(new QSpinBox(pictureMove[1]), name, 0);
            u->setRange(1, MoveRules::kMaxPosiNo);
            u->setFixedWidth(Twips::ToPx(300));
            u->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
            return u;
        };
        lblRepMovStart = Loc::NamedTagged(new QLabel(pictureMove[1]), "lblRepMovStart", 530);
        lblStartPosiNo = number("lblStartPosiNo");
        sldrStartPosiNo = slider("sldrStartPosiNo");
        updownStartPosiNo = updown("updownStartPosiNo");
        lblRepMovEnd = Loc::NamedTagged(new QLabel(pictureMove[1]), "lblRepMovEnd", 531);
        lblEndPosiNo = number("lblEndPosiNo");
        sldrEndPosiNo = slider("sldrEndPosiNo");
        updownEndPosiNo = updown("updownEndPosiNo");
        connect(sldrStartPosiNo, &QSlider::valueChanged, this, &PositionWindow::startChanged);
        connect(updownStartPosiNo, &QSpinBox::valueChanged, this, &PositionWindow::startChanged);
        connect(sldrEndPosiNo, &QSlider::valueChanged, this, &PositionWindow::endChanged);
        connect(updownEndPosiNo, &QSpinBox::valueChanged, this, &PositionWindow::endChanged);
        g->addWidget(lblRepMovStart, 0, 0);
        g->addWidget(lblStartPosiNo, 0, 1);
        g->addWidget(updownStartPosiNo, 0, 2);
        g->addWidget(sldrStartPosiNo, 0, 3);
        g->addWidget(lblRepMovEnd, 1, 0);
        g->addWidget(lblEndPosiNo, 1, 1);
        g->addWidget(updownEndPosiNo, 1, 2);
        g->addWidget(sldrEndPosiNo, 1, 3);

        framMoveWay = Loc::NamedTagged(new QGroupBox(pictureMove[1]), "framMoveWay", 534);
        auto *way = new QHBoxLayout(framMoveWay);
        optMoveWay[0] = Loc::NamedTagged(new QRadioButton(framMoveWay), "optMoveWay0", 535);
        optMoveWay[1] = Loc::NamedTagged(new QRadioButton(framMoveWay), "optMoveWay1", 536);
        for (int i = 0; i < 2; ++i) {
            way->addWidget(optMoveWay[i]);
            connect(optMoveWay[i], &QRadioButton::clicked, this, [this, i] { optMoveWay_Click(i); });
        }
        chkRepeat2 = Loc::NamedTagged(new QCheckBox(pictureMove[1]), "chkRepeat2", 516);
        framTimer2 = Loc::NamedTagged(new QGroupBox(pictureMove[1]), "framTimer2", 0);
        auto *timer = new QHBoxLayout(framTimer2);
        chkTimerUse2 = Loc::NamedTagged(new QCheckBox(framTimer2), "chkTimerUse2", 520);
        lblTimer2 = Loc::NamedTagged(new QLabel(framTimer2), "lblTimer2", 521);
        txtTimer2 = Loc::NamedTagged(new QLineEdit(framTimer2), "txtTimer2", 0);
        txtTimer2->setFixedWidth(Twips::ToPx(600));
        txtTimer2->installEventFilter(this);
        timer->addWidget(chkTimerUse2);
        timer->addWidget(lblTimer2);
        timer->addWidget(txtTimer2);
        connect(chkTimerUse2, &QCheckBox::clicked, this, &PositionWindow::chkTimerUse2_Click);
        chkNoSqMcr2 = Loc::NamedTagged(new QCheckBox(pictureMove[1]), "chkNoSqMcr2", 517);
        cmdSelectMove = Loc::NamedTagged(new QPushButton(pictureMove[1]), "cmdSelectMove", 511);
        cmdStop2 = Loc::NamedTagged(new QPushButton(pictureMove[1]), "cmdStop2", 515);
        cmdTempStop2 = Loc::NamedTagged(new QPushButton(pictureMove[1]), "cmdTempStop2", 514);
        connect(cmdSelectMove, &QPushButton::clicked, this, &PositionWindow::cmdSelectMove_Click);
        connect(cmdStop2, &QPushButton::clicked, this, &PositionWindow::cmdStop2_Click);
        connect(cmdTempStop2, &QPushButton::clicked, this, &PositionWindow::cmdTempStop2_Click);
        g->addWidget(framMoveWay, 0, 4, 2, 1);
        g->addWidget(chkRepeat2, 0, 5);
        g->addWidget(chkNoSqMcr2, 1, 5);
        g->addWidget(framTimer2, 2, 0, 1, 4);
        g->addWidget(cmdSelectMove, 2, 4);
        g->addWidget(cmdStop2, 2, 5);
        g->addWidget(cmdTempStop2, 2, 6);
    }

    // Panel 2: group move.
    {
        auto *g = new QGridLayout(pictureMove[2]);
        lblGroupNo = Loc::NamedTagged(new QLabel(pictureMove[2]), "lblGroupNo", 550);
        lblGrpNo = Loc::NamedTagged(new QLabel(pictureMove[2]), "lblGrpNo", 0);
        lblGrpNo->setAlignment(Qt::AlignCenter);
        lblGrpNo->setFixedWidth(Twips::ToPx(600));
        lblGrpNo->setFrameShape(QFrame::Panel);
        lblGrpNo->setFrameShadow(QFrame::Sunken);
        paint(lblGrpNo, true);
        sldrGrpNo = Loc::NamedTagged(new QSlider(Qt::Horizontal, pictureMove[2]), "sldrGrpNo", 0);
        sldrGrpNo->setRange(1, 99);
        UpDown2 = Loc::NamedTagged(new QSpinBox(pictureMove[2]), "UpDown2", 0);
        UpDown2->setRange(1, 99);
        UpDown2->setFixedWidth(Twips::ToPx(300));
        connect(sldrGrpNo, &QSlider::valueChanged, this, [this](int v) {
            lblGrpNo->setText(QString::number(v));
            const QSignalBlocker b(UpDown2);
            UpDown2->setValue(v);
        });
        connect(UpDown2, &QSpinBox::valueChanged, this, [this](int v) {
            lblGrpNo->setText(QString::number(v));
            const QSignalBlocker b(sldrGrpNo);
            sldrGrpNo->setValue(v);
        });
        cmdGrpMove = Loc::NamedTagged(new QPushButton(pictureMove[2]), "cmdGrpMove", 511);
        cmdGrpMoveStop = Loc::NamedTagged(new QPushButton(pictureMove[2]), "cmdGrpMoveStop", 525);
        connect(cmdGrpMove, &QPushButton::clicked, this, &PositionWindow::cmdGrpMove_Click);
        connect(cmdGrpMoveStop, &QPushButton::clicked, this, &PositionWindow::cmdGrpMoveStop_Click);
        g->addWidget(lblGroupNo, 0, 0);
        g->addWidget(lblGrpNo, 0, 1);
        g->addWidget(UpDown2, 0, 2);
        g->addWidget(sldrGrpNo, 0, 3);
        g->addWidget(cmdGrpMove, 1, 0);
        g->addWidget(cmdGrpMoveStop, 1, 1, 1, 3);
    }

    // Below the panels: the position reached and the home button.
    auto *bottom = new QHBoxLayout();
    lblReachedCaption = Loc::NamedTagged(new QLabel(tab), "lblReachedCaption", 507);
    lblReachedNo = Loc::NamedTagged(new QLabel(tab), "lblReachedNo", 0);
    lblReachedNo->setFixedWidth(Twips::ToPx(600));
    lblReachedNo->setFrameShape(QFrame::Panel);
    lblReachedNo->setFrameShadow(QFrame::Sunken);
    imgHomeGreen = Loc::NamedTagged(new QLabel(tab), "imgHomeGreen", 0);
    imgHomeGreen->setFixedSize(Twips::ToPx(240), Twips::ToPx(240));
    imgHomeGreen->setStyleSheet(QStringLiteral("background-color: #00c000; border-radius: %1px;").arg(Twips::ToPx(120)));
    imgHomeGreen->hide();
    cmdHome = Loc::NamedTagged(new QPushButton(tab), "cmdHome", 542);
    connect(cmdHome, &QPushButton::clicked, this, &PositionWindow::cmdHome_Click);
    bottom->addWidget(lblReachedCaption);
    bottom->addWidget(lblReachedNo);
    bottom->addWidget(imgHomeGreen);
    bottom->addStretch();
    bottom->addWidget(cmdHome);
    v->addLayout(bottom);

    timerMove = new QTimer(this);
    timerMove->setObjectName(QStringLiteral("timerMove"));
    connect(timerMove, &QTimer::timeout, this, &PositionWindow::timerMove_Timer);
    connect(SSTabCommand, &QTabWidget::tabBarClicked, this, [this] { SSTabCommand_Click(); });
}

// The move-test part of loading the window.
void PositionWindow::loadMoveTab()
{
    optMoveMethod[0]->setChecked(true);
    optMoveMethod_Click(0);
    const int w = kMoveListWidth;
    flgdProgram->setColumnWidth(0, Twips::ToPx(w / 10));
    const int cw = static_cast<int>(std::lround(static_cast<double>(w / 10) * 9 / 15));
    for (int c = 1; c <= kListColumns; ++c)
        flgdProgram->setColumnWidth(c, Twips::ToPx(cw - 10));
    flgdProgram->setRowHeight(0, Twips::ToPx(350));
    // The row title takes two lines, written smaller where a word is still
    // wider than its column.
    flgdProgram->setRowHeight(1, Twips::ToPx(450));
    flgdProgram->setFixedHeight(Twips::ToPx(830));
    flgdProgram->setFixedWidth(Twips::ToPx(w) + 4);
    flgdProgram->item(1, 0)->setText(Platform::ResText(523));
    TextFit::ShrinkCell(flgdProgram, flgdProgram->model()->index(1, 0));
    {
        const QSignalBlocker b(flgdProgram);
        flgdProgram->setCurrentCell(1, 1);
    }
    txtEdit2->clear();
    MoveFirstFlag = true;

    optSelectMode[0]->setChecked(true);
    chkRepeat->setChecked(false);
    chkTimerUse->setChecked(false);
    txtTimer->setText(QStringLiteral("10"));
    chkTimerUse_Click();
    optMoveWay[0]->setChecked(true);
    optMoveWay_Click(0);
    showRange(1, 10);
    chkRepeat2->setChecked(false);
    chkTimerUse2->setChecked(false);
    txtTimer2->setText(QStringLiteral("10"));
    chkTimerUse2_Click();
    sldrGrpNo->setValue(1);
    lblGrpNo->setText(QStringLiteral("1"));
    SSTabCommand_Click();
}

// ---------------------------------------------------------------- choices

void PositionWindow::optMoveMethod_Click(int index)
{
    for (int i = 0; i < 3; ++i)
        pictureMove[i]->setVisible(i == index);
    lblReachedCaption->setVisible(index != 2);
    lblReachedNo->setVisible(index != 2);
}

void PositionWindow::SSTabCommand_Click()
{
    // In program mode every list and range move goes without the
    // position's sequence macro.
    const bool prg = App().PrgModeFlag;
    for (QCheckBox *c : {chkNoSqMcr1, chkNoSqMcr2}) {
        if (prg)
            c->setChecked(true);
        c->setVisible(!prg);
    }
}

void PositionWindow::optMoveWay_Click(int index)
{
    const bool continual = index == 0;
    for (QWidget *w : std::initializer_list<QWidget *>{lblEndPosiNo, sldrEndPosiNo, updownEndPosiNo})
        w->setEnabled(continual);
    const int start = MoveRules::NumberOf(lblStartPosiNo->text());
    showRange(start, start);
    paint(lblEndPosiNo, continual);
    for (QWidget *w : std::initializer_list<QWidget *>{chkTimerUse2, framTimer2, chkRepeat2})
        w->setEnabled(continual);
    if (!continual)
        dwellEnabled(lblTimer2, txtTimer2, false);
    else if (chkTimerUse2->isChecked())
        dwellEnabled(lblTimer2, txtTimer2, true);
}

// The controls' signals are blocked while they are set, so showing a range
// never runs startChanged or endChanged again.
void PositionWindow::showRange(int start, int end)
{
    for (QSlider *s : {sldrStartPosiNo, sldrEndPosiNo}) {
        const QSignalBlocker b(s);
        s->setValue(s == sldrStartPosiNo ? start : end);
    }
    for (QSpinBox *u : {updownStartPosiNo, updownEndPosiNo}) {
        const QSignalBlocker b(u);
        u->setValue(u == updownStartPosiNo ? start : end);
    }
    lblStartPosiNo->setText(QString::number(start));
    lblEndPosiNo->setText(QString::number(end));
}

void PositionWindow::startChanged(int start)
{
    const MoveRules::Range now{MoveRules::NumberOf(lblStartPosiNo->text()), MoveRules::NumberOf(lblEndPosiNo->text())};
    const MoveRules::Range r = MoveRules::StartMoved(now, start, optMoveWay[1]->isChecked());
    showRange(r.start, r.end);
}

void PositionWindow::endChanged(int end)
{
    const MoveRules::Range now{MoveRules::NumberOf(lblStartPosiNo->text()), MoveRules::NumberOf(lblEndPosiNo->text())};
    const MoveRules::Range r = MoveRules::EndMoved(now, end, optMoveWay[1]->isChecked());
    showRange(r.start, r.end);
}

void PositionWindow::dwellEnabled(QLabel *label, QLineEdit *box, bool on)
{
    label->setEnabled(on);
    box->setEnabled(on);
    paint(box, on);
}

void PositionWindow::chkTimerUse_Click()
{
    const bool on = chkTimerUse->isChecked();
    dwellEnabled(lblTimer, txtTimer, on);
    if (!on) {
        timerMove->stop();
        timerMove->setInterval(0);
    }
}

void PositionWindow::chkTimerUse2_Click()
{
    const bool on = chkTimerUse2->isChecked();
    dwellEnabled(lblTimer2, txtTimer2, on);
    if (!on) {
        timerMove->stop();
        timerMove->setInterval(0);
    }
}

// ---------------------------------------------------------------- move list

void PositionWindow::cmdInp1toF_Click()
{
    for (int c = 1; c <= kListColumns; ++c)
        flgdProgram->item(1, c)->setText(QString::number(c));
}

void PositionWindow::cmdDataClear_Click()
{
    for (int c = 1; c <= kListColumns; ++c)
        flgdProgram->item(1, c)->setText(QString());
}

void PositionWindow::flgdProgramEdit2(int keyCode)
{
    const int col = std::clamp(flgdProgram->currentColumn(), 1, kListColumns);
    QTableWidgetItem *cell = flgdProgram->item(1, col);
    const MoveRules::EditorStart start = MoveRules::EditorStartText(keyCode, cell->text());
    if (start.replace) {
        txtEdit2->setText(start.text);
        txtEdit2->setCursorPosition(int(start.text.size()));
    }
    const QRect r = flgdProgram->visualItemRect(cell);
    const QPoint at = flgdProgram->viewport()->mapTo(pictureMove[0], r.topLeft());
    txtEdit2->setGeometry(at.x(), at.y(), r.width(), r.height());
    txtEdit2->show();
    txtEdit2->raise();
    txtEdit2->setFocus();
}

void PositionWindow::Edit2KeyCode(int qtKey)
{
    auto commit = [this] {
        flgdProgram->setFocus();
        flgdProgram_GotFocus();
        Platform::DoEvents();
    };
    const int col = flgdProgram->currentColumn();
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Right:
        commit();
        flgdProgram->setCurrentCell(1, col >= kListColumns ? 1 : col + 1);
        break;
    case Qt::Key_Left:
        commit();
        if (col > 1)
            flgdProgram->setCurrentCell(1, col - 1);
        break;
    case Qt::Key_Escape:
        txtEdit2->hide();
        flgdProgram->setFocus();
        break;
    default:
        break;
    }
}

void PositionWindow::flgdProgram_GotFocus()
{
    if (txtEdit2->isHidden())
        return;
    const MoveRules::CellCommit c = MoveRules::CommitByFocus(txtEdit2->text());
    if (QTableWidgetItem *cell = flgdProgram->item(1, std::clamp(flgdProgram->currentColumn(), 1, kListColumns)))
        cell->setText(c.cell);
    txtEdit2->hide();
    txtEdit2->clear();
}

void PositionWindow::flgdProgram_LeaveCell(int row, int col)
{
    if (txtEdit2->isHidden() || row != 1 || col < 1 || col > kListColumns)
        return;
    const MoveRules::CellCommit c = MoveRules::CommitByLeaving(txtEdit2->text());
    flgdProgram->item(row, col)->setText(c.cell);
    if (c.beep)
        Platform::Beep();
    txtEdit2->hide();
}

bool PositionWindow::dwellKey(QLineEdit *box, int key)
{
    if (key == MoveRules::kKeyEnter) {
        const MoveRules::DwellCommit c = MoveRules::CommitDwell(box->text());
        box->setText(c.text);
        if (c.beep)
            Platform::Beep();
        (box == txtTimer ? chkRepeat : chkRepeat2)->setFocus();
        return true;
    }
    // Tab always passes: a full box must not keep the focus.
    if (key == 0 || key == MoveRules::kKeyTab)
        return false;
    return !MoveRules::DwellAccepts(key, int(box->text().size()));
}

bool PositionWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (teachEvent(watched, event))
        return true;
    if (watched == flgdProgram && event->type() == QEvent::FocusIn)
        flgdProgram_GotFocus();
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto *k = static_cast<QKeyEvent *>(event);
    if (watched == flgdProgram) {
        const int code = keyCodeOf(k);
        if (code == 0 || code == MoveRules::kKeyTab)
            return false;
        flgdProgramEdit2(code);
        return true;
    }
    if (watched == txtEdit2) {
        switch (k->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Right:
        case Qt::Key_Left:
        case Qt::Key_Escape:
            Edit2KeyCode(k->key());
            return true;
        default:
            break;
        }
        const int code = keyCodeOf(k);
        if (code == 0)
            return false;
        return !MoveRules::ListEditorAccepts(code, int(txtEdit2->text().size()));
    }
    if (watched == txtTimer || watched == txtTimer2)
        return dwellKey(static_cast<QLineEdit *>(watched), keyCodeOf(k));
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- command sets

void PositionWindow::MoveCommandsOn()
{
    for (int i = 2; i >= 0; --i)
        optMoveMethod[static_cast<size_t>(i)]->setEnabled(true);
    for (QWidget *w : std::initializer_list<QWidget *>{cmdMove, cmdInp1toF, cmdDataClear, optSelectMode[1],
                                                       optSelectMode[0], chkTimerUse, txtTimer, chkRepeat,
                                                       chkNoSqMcr1, cmdHome, cmdSelectMove, chkNoSqMcr2, chkRepeat2})
        w->setEnabled(true);
    if (optMoveWay[0]->isChecked())
        chkTimerUse2->setEnabled(true);
    if (chkTimerUse2->isChecked())
        txtTimer2->setEnabled(true);
    for (QWidget *w : std::initializer_list<QWidget *>{framMoveWay, optMoveWay[0], optMoveWay[1], lblRepMovStart,
                                                       lblRepMovEnd, lblStartPosiNo, lblEndPosiNo, updownStartPosiNo,
                                                       updownEndPosiNo, sldrStartPosiNo, sldrEndPosiNo, cmdGrpMove,
                                                       lblGrpNo, UpDown2, sldrGrpNo})
        w->setEnabled(true);
    flgdProgram->setEnabled(true);
}

void PositionWindow::MoveCommandsOff()
{
    for (int i = 2; i >= 0; --i)
        optMoveMethod[static_cast<size_t>(i)]->setEnabled(false);
    // The dwell box of the range move goes off too (it comes back with its
    // Timer box), so nothing of the tab is editable during a run.
    for (QWidget *w : std::initializer_list<QWidget *>{
             cmdMove, cmdInp1toF, cmdDataClear, optSelectMode[1], optSelectMode[0], chkTimerUse, txtTimer, chkRepeat,
             chkNoSqMcr1, cmdHome, cmdSelectMove, chkNoSqMcr2, chkRepeat2, chkTimerUse2, txtTimer2, framMoveWay,
             optMoveWay[0], optMoveWay[1], lblRepMovStart, lblRepMovEnd, lblStartPosiNo, lblEndPosiNo,
             updownStartPosiNo, updownEndPosiNo, sldrStartPosiNo, sldrEndPosiNo, cmdGrpMove, lblGrpNo, UpDown2,
             sldrGrpNo})
        w->setEnabled(false);
    flgdProgram->setEnabled(false);
}

// ---------------------------------------------------------------- buttons

void PositionWindow::cmdMove_Click() { MoveTest::StartMove(*this, MoveTest::Method::List); }
void PositionWindow::cmdSelectMove_Click() { MoveTest::StartMove(*this, MoveTest::Method::Range); }
void PositionWindow::cmdGrpMove_Click() { MoveTest::StartMove(*this, MoveTest::Method::Group); }

// The stop and pause buttons only record a request, and only while their
// method's start button is off (a run, or another long operation). A stop
// button also ends the tab's wait for rest (the home return's too: it has
// no stop button of its own).
void PositionWindow::cmdStop_Click()
{
    MoveTest::StopButton(MoveState);
    if (!cmdMove->isEnabled())
        MoveState.ListMoveStop = true;
}
void PositionWindow::cmdTmpStop_Click()
{
    if (!cmdMove->isEnabled())
        MoveState.ListMovePause = true;
}
void PositionWindow::cmdStop2_Click()
{
    MoveTest::StopButton(MoveState);
    if (!cmdSelectMove->isEnabled())
        MoveState.RangeMoveStop = true;
}
void PositionWindow::cmdTempStop2_Click()
{
    if (!cmdSelectMove->isEnabled())
        MoveState.RangeMovePause = true;
}
void PositionWindow::cmdGrpMoveStop_Click()
{
    MoveTest::StopButton(MoveState);
    Comm::Link().GrpMoveStop = true;
}

void PositionWindow::cmdHome_Click() { MoveTest::HomeButton(*this); }

void PositionWindow::timerMove_Timer()
{
    MoveTest::TimerMoveTick(MoveState);
    timerMove->stop();
}

// ---------------------------------------------------------------- MoveTest::Face

QString PositionWindow::ListCell(int col)
{
    const QTableWidgetItem *cell = flgdProgram->item(1, col);
    return cell ? cell->text() : QString();
}
bool PositionWindow::ListStepMode() { return optSelectMode[1]->isChecked(); }
bool PositionWindow::ListRepeat() { return chkRepeat->isChecked(); }
bool PositionWindow::ListSkipSm() { return chkNoSqMcr1->isChecked(); }
MoveTest::DwellBox PositionWindow::ListDwell() { return {chkTimerUse->isChecked(), txtTimer->text()}; }

void PositionWindow::ListRunning(bool running)
{
    if (running) {
        flgdProgram->setEnabled(false);
        return;
    }
    chkTimerUse->setEnabled(true);
    if (chkTimerUse->isChecked())
        txtTimer->setEnabled(true);
    flgdProgram->setEnabled(true);
}

QString PositionWindow::StartText() { return lblStartPosiNo->text(); }
QString PositionWindow::EndText() { return lblEndPosiNo->text(); }
bool PositionWindow::RangeStepWay() { return optMoveWay[1]->isChecked(); }
bool PositionWindow::RangeRepeat() { return chkRepeat2->isChecked(); }
bool PositionWindow::RangeSkipSm() { return chkNoSqMcr2->isChecked(); }
MoveTest::DwellBox PositionWindow::RangeDwell() { return {chkTimerUse2->isChecked(), txtTimer2->text()}; }

void PositionWindow::RangeStarting()
{
    chkTimerUse2->setEnabled(false);
    txtTimer2->setEnabled(false);
}

QString PositionWindow::GroupText() { return lblGrpNo->text(); }
void PositionWindow::ShowReached(const QString &text) { lblReachedNo->setText(text); }
void PositionWindow::ShowHomeGreen(bool shown) { imgHomeGreen->setVisible(shown); }

void PositionWindow::ArmDwellTimer(int ms)
{
    if (ms <= 0) {
        timerMove->stop();
        return;
    }
    timerMove->setInterval(ms);
    timerMove->start();
}

void PositionWindow::DataTeachTabsEnabled(bool enabled)
{
    SSTabCommand->setTabEnabled(0, enabled);
    SSTabCommand->setTabEnabled(2, enabled);
}

void PositionWindow::MoveButtonsEnabled(bool enabled)
{
    for (QPushButton *b : {cmdHome, cmdSelectMove, cmdMove})
        b->setEnabled(enabled);
}
