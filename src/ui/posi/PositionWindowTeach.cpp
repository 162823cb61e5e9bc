// The position window's teaching tab: present position, jog and inching
// buttons, teaching start and end, "Position Get", and direct teaching with
// the servo toggles of the PG axes.
#include "ui/posi/PositionWindow.h"

#include "core/AppState.h"
#include "core/CommandSets.h"
#include "core/Num.h"
#include "core/Shell.h"
#include "core/Twips.h"
#include "link/AxisConfig.h"
#include "link/CommandFrames.h"
#include "link/CommandProcs.h"
#include "link/Engine.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "ui/common/Localize.h"
#include "ui/common/Widgets.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

using Platform::ResText;

namespace {
constexpr quint32 kTeachWhite = 0xFFFFFF;
constexpr quint32 kTeachGrey = 0xE0E0E0;

// The position number of a grid cell or of lblPosiNo.
int posiNoOf(const QString &text) { return Num::IntOf(text.trimmed()).value_or(0); }

// The axes in use whose actuator has a PG.
int pgAxes() { return Servo::GetServoAxisMask(App().AxisNotUsed, Paradata().DevSetting.DevWithPG); }
} // namespace

void PositionWindow::buildTeachTab(QWidget *tab)
{
    auto *g = new QGridLayout(tab);
    cmdJOGST = Loc::Tagged(new QPushButton(tab), 2203);
    cmdJOGST->setObjectName(QStringLiteral("cmdJOGST"));
    connect(cmdJOGST, &QPushButton::clicked, this, &PositionWindow::cmdJOGST_Click);
    g->addWidget(cmdJOGST, 0, 0);
    auto *no = Loc::Tagged(new QLabel(tab), 2206);
    g->addWidget(no, 0, 1);
    lblPosiNo = new QLabel(tab);
    lblPosiNo->setObjectName(QStringLiteral("lblPosiNo"));
    lblPosiNo->setFrameShape(QFrame::Panel);
    lblPosiNo->setFrameShadow(QFrame::Sunken);
    lblPosiNo->setMinimumWidth(Twips::ToPx(600));
    g->addWidget(lblPosiNo, 0, 2);
    cmdJOGWrite = Loc::Tagged(new QPushButton(tab), 2205);
    cmdJOGWrite->setObjectName(QStringLiteral("cmdJOGWrite"));
    cmdJOGWrite->setEnabled(false);
    connect(cmdJOGWrite, &QPushButton::clicked, this, &PositionWindow::cmdJOGWrite_Click);
    g->addWidget(cmdJOGWrite, 0, 3);
    cmdJOGend = Loc::Tagged(new QPushButton(tab), 2204);
    cmdJOGend->setObjectName(QStringLiteral("cmdJOGend"));
    cmdJOGend->setEnabled(false);
    connect(cmdJOGend, &QPushButton::clicked, this, &PositionWindow::cmdJOGend_Click);
    g->addWidget(cmdJOGend, 0, 4);

    // Present position and the axes taken by "Position Get".
    lblPresentPosition = Loc::Tagged(new QLabel(tab), 2212);
    lblPresentPosition->setObjectName(QStringLiteral("lblPresentPosition"));
    g->addWidget(lblPresentPosition, 1, 0);
    framAxisEnable = Loc::Tagged(new QGroupBox(tab), 2227);
    framAxisEnable->setObjectName(QStringLiteral("framAxisEnable"));
    auto *axes = new QGridLayout(framAxisEnable);
    for (int k = 0; k < 4; ++k) {
        lblPosi[k] = new QLabel(tab);
        lblPosi[k]->setObjectName(QStringLiteral("lblPosi%1").arg(k + 1));
        lblPosi[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblPosi[k]->setFrameShape(QFrame::Panel);
        lblPosi[k]->setFrameShadow(QFrame::Sunken);
        lblPosi[k]->setMinimumWidth(Twips::ToPx(1100));
        BackColor::Set(lblPosi[k], kTeachGrey);
        g->addWidget(lblPosi[k], 1, k + 1);
        CheckAxisEnable[k] = new QCheckBox(QStringLiteral("Axis%1").arg(k + 1), framAxisEnable);
        CheckAxisEnable[k]->setObjectName(QStringLiteral("CheckAxisEnable%1").arg(k));
        CheckAxisEnable[k]->setChecked(true);
        CheckAxisEnable[k]->setEnabled(false);
        axes->addWidget(CheckAxisEnable[k], 0, k);
        chkServoOn[k] = Loc::Tagged(new QCheckBox(tab), 2225);
        chkServoOn[k]->setObjectName(QStringLiteral("chkServoOn%1").arg(k));
        chkServoOn[k]->setEnabled(false);
        chkServoOn[k]->hide();
        connect(chkServoOn[k], &QCheckBox::clicked, this, [this, k] { chkServoOn_Click(k); });
        g->addWidget(chkServoOn[k], 3, k + 1);
    }
    g->addWidget(framAxisEnable, 2, 1, 1, 4);

    // Operation: jog or inching, the jog speed and the eight buttons.
    Frame1 = Loc::Tagged(new QGroupBox(tab), 2207);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setEnabled(false);
    auto *op = new QHBoxLayout(Frame1);
    for (int i = 0; i < 4; ++i) {
        optJOG[i] = Loc::Tagged(new QRadioButton(Frame1), 2208 + i);
        optJOG[i]->setObjectName(QStringLiteral("optJOG%1").arg(i));
        op->addWidget(optJOG[i]);
    }
    optJOG[0]->setChecked(true);
    lblJogVEL = new QLabel(QStringLiteral("100"), Frame1);
    lblJogVEL->setObjectName(QStringLiteral("lblJogVEL"));
    UpDown1 = new QSpinBox(Frame1);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    // Multiples of 10 only: the speed goes out as one digit.
    UpDown1->setRange(10, 100);
    UpDown1->setSingleStep(10);
    UpDown1->setValue(100);
    connect(UpDown1, &QSpinBox::valueChanged, this, [this](int v) { lblJogVEL->setText(QString::number(v)); });
    // Only its arrows show: the speed reads in lblJogVEL, its buddy.
    UpDown1->setFixedWidth(Twips::ToPx(255));
    lblPercent = new QLabel(QStringLiteral("%"), Frame1);
    op->addSpacing(Twips::ToPx(300));
    op->addWidget(lblJogVEL);
    op->addWidget(lblPercent);
    op->addWidget(UpDown1);
    op->addStretch(1);
    g->addWidget(Frame1, 4, 0, 1, 5);
    auto *buttons = new QHBoxLayout();
    for (int i = 0; i < 8; ++i) {
        // Two buttons per axis: "+" (even index) and "-".
        cmdJOG[i] = Loc::Tagged(new QPushButton(tab), 2213 + i);
        cmdJOG[i]->setObjectName(QStringLiteral("cmdJOG%1").arg(i));
        cmdJOG[i]->setEnabled(false);
        // Keys never jog: the buttons take no focus and ignore keys.
        cmdJOG[i]->setFocusPolicy(Qt::NoFocus);
        cmdJOG[i]->installEventFilter(this);
        buttons->addWidget(cmdJOG[i]);
    }
    g->addLayout(buttons, 5, 0, 1, 5);

    chkDirectTeach = Loc::Tagged(new QCheckBox(tab), 2228);
    chkDirectTeach->setObjectName(QStringLiteral("chkDirectTeach"));
    chkDirectTeach->setEnabled(false);
    chkDirectTeach->hide();
    connect(chkDirectTeach, &QCheckBox::clicked, this, &PositionWindow::chkDirectTeach_Click);
    g->addWidget(chkDirectTeach, 3, 0);

    // The focus sink: takes the focus after every jog action.
    txtDummy = new QLineEdit(tab);
    txtDummy->setObjectName(QStringLiteral("txtDummy"));
    txtDummy->setFixedSize(1, 1);
    txtDummy->setFrame(false);
    txtDummy->setReadOnly(true);
    g->addWidget(txtDummy, 6, 0);
    g->setRowStretch(6, 1);

    JogCtl = new Jog::JogControl(*this, this);
    timerJogTest = new QTimer(this);
    timerJogTest->setObjectName(QStringLiteral("timerJogTest"));
    timerJogTest->setInterval(1000);
    connect(timerJogTest, &QTimer::timeout, this, &PositionWindow::timerJogTest_Timer);
}

// ---------------------------------------------------------------- jog buttons

bool PositionWindow::teachEvent(QObject *watched, QEvent *event)
{
    int index = -1;
    for (int i = 0; i < 8; ++i)
        if (watched == cmdJOG[static_cast<size_t>(i)])
            index = i;
    if (index < 0)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *m = static_cast<QMouseEvent *>(event);
        if (m->button() == Qt::LeftButton && cmdJOG[static_cast<size_t>(index)]->isEnabled() && App().TeachModeFlag) {
            // Drawn pressed while held (the button itself never sees the press).
            cmdJOG[static_cast<size_t>(index)]->setDown(true);
            JogCtl->MouseDown(index);
            // A button disabled or hidden while held gets no release.
            if (JogCtl->Held() == index && (!cmdJOG[static_cast<size_t>(index)]->isEnabled()
                                         || cmdJOG[static_cast<size_t>(index)]->isHidden())
                && JogCtl->JogModeFlag)
                JogCtl->MouseUp(index);
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *m = static_cast<QMouseEvent *>(event);
        if (m->button() == Qt::LeftButton)
            cmdJOG[static_cast<size_t>(index)]->setDown(false);
        JogCtl->MouseUp(index, m->button() == Qt::LeftButton);
        return true;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return true;
    case QEvent::WindowDeactivate:
    case QEvent::EnabledChange:
    case QEvent::Hide:
        // The release always arrives: the window losing activation (a
        // message box of the link), or the held button going away, also
        // while the press still waits for the start's answer (the stop then
        // follows that answer).
        if (JogCtl->Held() == index
            && (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide
                || !cmdJOG[static_cast<size_t>(index)]->isEnabled())) {
            cmdJOG[static_cast<size_t>(index)]->setDown(false);
            JogCtl->MouseUp(index);
        }
        return false;
    default:
        return false;
    }
}

void PositionWindow::JogCommandsOff()
{
    for (QPushButton *b : cmdJOG)
        b->setEnabled(false);
    cmdJOGend->setEnabled(false);
}

void PositionWindow::JogCommandsOn()
{
    for (int i = 0; i < 8; ++i)
        cmdJOG[static_cast<size_t>(i)]->setEnabled(!App().AxisNotUsed[static_cast<size_t>(i / 2)]);
    cmdJOGend->setEnabled(true);
}

int PositionWindow::ReadnDisp_PresentPos() { return JogCtl->ReadnDisp_PresentPos(); }

// Jog::Face.
void PositionWindow::JogButtonsEnabled(bool on)
{
    if (on)
        JogCommandsOn();
    else
        JogCommandsOff();
}
void PositionWindow::FocusSink() { txtDummy->setFocus(); }
int PositionWindow::Operation()
{
    for (int i = 0; i < 4; ++i)
        if (optJOG[static_cast<size_t>(i)]->isChecked())
            return i;
    return 0;
}
QString PositionWindow::SpeedText() { return lblJogVEL->text(); }
void PositionWindow::ShowPresentPos(int axis, const QString &text) { lblPosi[static_cast<size_t>(axis)]->setText(text); }
void PositionWindow::EndTeachingAfterFailure()
{
    cmdJOGend->setEnabled(false);
    JogModeEnd();
}
void PositionWindow::CompleteTeaching()
{
    cmdJOGend->setEnabled(false);
    JogModeEndServoOff();
}
void PositionWindow::OfferTeachingEnd(bool offered)
{
    if (offered) {
        m_teachEndWasEnabled = cmdJOGend->isEnabled();
        cmdJOGend->setEnabled(true);
    } else {
        cmdJOGend->setEnabled(m_teachEndWasEnabled);
    }
}

// ---------------------------------------------------------------- teaching

int PositionWindow::CheckTeachRow(int posiNo)
{
    const PosiGridModel &g = PosiGrid::Grid();
    for (int r = 2; r < g.Rows(); ++r)
        if (posiNoOf(g.Text(r, 0)) == posiNo)
            return r;
    return -1;
}

void PositionWindow::Coloring_AxisLabel()
{
    const auto &ct = Paradata().Ct;
    std::array<int32_t, 4> limits{};
    for (int k = 0; k < 4; ++k) {
        const bool used = !App().AxisNotUsed[static_cast<size_t>(k)];
        limits[static_cast<size_t>(k)] = used ? ct.CtMaxPulse[static_cast<size_t>(k)] : 0;
        BackColor::Set(lblPosi[static_cast<size_t>(k)], used ? kTeachWhite : kTeachGrey);
        CheckAxisEnable[static_cast<size_t>(k)]->setEnabled(used);
    }
    JogCtl->Reset(limits);
}

void PositionWindow::TeachCommandsOff()
{
    Frame1->setEnabled(false);
    JogCommandsOff();
    cmdJOGWrite->setEnabled(false);
    cmdJOGend->setEnabled(false);
    cmdJOGST->setEnabled(true);
}

void PositionWindow::cmdJOGST_Click()
{
    AppState &a = App();
    auto fail = [this, &a] {
        JogModeEndServoOff();
        CommandSets::SetPosiTabEnabled(a.OfflineFlag);
        Shell::Get().ChangeMenuDisp(a.PrgModeFlag);
    };
    cmdJOGST->setEnabled(false);
    SSTabCommand->setTabEnabled(0, false);
    SSTabCommand->setTabEnabled(1, false);
    CommandSets::DisableCommandsOfAllWindows();
    a.BusyFlag = true;
    if (Check_flgdLineNo() == 1)
        return fail();
    if (a.OfflineFlag)
        a.OfflineFlag = false;
    if (a.PrgModeFlag) {
        const int task = Comm::ReadTaskNoFromCt();
        if (task == Comm::kTaskNoFailure)
            return fail();
        if (task != 0) {
            Platform::Dialogs::MsgBox(Platform::ResLines({451, 452}));
            return fail();
        }
    }
    JogModeEnded = false;
    ServoState = Servo::State{};
    chkDirectTeach->setChecked(false);
    int modeNo = 1;
    if (Comm::SetCommunicationMode(0, modeNo, 0) != 0) {
        Platform::Dialogs::MsgBox(ResText(377));
        return fail();
    }
    if (Comm::ReadAxisConfigFromCt() != 0)
        return fail();
    if (Comm::CheckRH() != 0) {
        cmdJOGST->setEnabled(true);
        return fail();
    }
    if (!a.HomeDoneFlag) {
        // Complete Teaching, offered while the axes come home, gives up the
        // start; the user hears of axes left moving once teaching is off.
        if (Comm::MovePosiNo(0, 1) != 0 || JogCtl->WaitForRest() != 1 || JogCtl->TeachEndPressed) {
            JogCtl->TeachEndPressed = false;
            cmdJOGST->setEnabled(true);
            fail();
            JogCtl->TellNotAtRest();
            return;
        }
    }
    if (ReadnDisp_PresentPos() != 0)
        return fail();
    if (Comm::ReadMaxPulseFromCt() != 0) {
        cmdJOGST->setEnabled(true);
        return fail();
    }

    // Teaching mode on.
    Coloring_AxisLabel();
    Frame1->setEnabled(true);
    a.TeachModeFlag = true;
    JogCommandsOn();
    cmdJOGWrite->setEnabled(true);
    cmdJOGend->setEnabled(true);
    // Requests still waiting in the queue are dropped.
    Comm::ClearRequestQueue();
    Comm::Queues().RequestQueueLast = -1;
    Comm::Queues().RequestQueuePending = false;
    const int pg = pgAxes();
    for (int k = 0; k < 4; ++k)
        if (pg >> k & 1)
            chkServoOn[static_cast<size_t>(k)]->setChecked(true);
    const bool anyPg = pg != 0;
    chkDirectTeach->setChecked(false);
    chkDirectTeach->setEnabled(anyPg);
    chkDirectTeach->setVisible(anyPg);
    const PosiGridModel &grid = PosiGrid::Grid();
    lblPosiNo->setText(grid.Rows() > 2 ? QString::number(posiNoOf(grid.Text(2, 0))) : QString());
}

void PositionWindow::cmdJOGWrite_Click()
{
    PosiGrid::BeginBulk();
    const int row = CheckTeachRow(posiNoOf(lblPosiNo->text()));
    if (row < 0) {
        PosiGrid::EndBulk();
        return;
    }
    PosiGridModel &g = PosiGrid::Grid();
    for (int k = 0; k < 4; ++k)
        if (!App().AxisNotUsed[static_cast<size_t>(k)] && CheckAxisEnable[static_cast<size_t>(k)]->isChecked())
            g.SetText(row, 6 * (k + 1) - 2, lblPosi[static_cast<size_t>(k)]->text());
    PosiGrid::EndBulk();
    Posi().DataChanged = true;
}

void PositionWindow::cmdJOGend_Click()
{
    // During a wait for rest it ends the wait; teaching ends once the flow
    // that waited is over.
    if (JogCtl->TakeTeachingEnd())
        return;
    CompleteTeaching();
}

void PositionWindow::JogModeEndServoOff() { endTeaching(true); }
void PositionWindow::JogModeEnd() { endTeaching(false); }

void PositionWindow::endTeaching(bool servoOff)
{
    AppState &a = App();
    if (servoOff && !a.OfflineFlag) {
        int modeNo = 0;
        Comm::SetCommunicationMode(0, modeNo, 15);
    }
    // Direct teaching ends with teaching: no cycle, no servo request left.
    timerJogTest->stop();
    ServoState = Servo::State{};
    JogModeEnded = true;
    TeachCommandsOff();
    SSTabCommand->setTabEnabled(0, true);
    if (!a.OfflineFlag)
        SSTabCommand->setTabEnabled(1, true);
    else
        SSTabCommand->setTabEnabled(2, false);
    for (int k = 0; k < 4; ++k) {
        BackColor::Set(lblPosi[static_cast<size_t>(k)], kTeachGrey);
        CheckAxisEnable[static_cast<size_t>(k)]->setEnabled(false);
        chkServoOn[static_cast<size_t>(k)]->setEnabled(false);
        chkServoOn[static_cast<size_t>(k)]->hide();
        chkServoOn[static_cast<size_t>(k)]->setChecked(false);
    }
    chkDirectTeach->setChecked(false);
    Comm::CloseCommPortIfFree();
    a.TeachModeFlag = false;
    CommandSets::SetPosiTabEnabled(a.OfflineFlag);
    CommandSets::EnableCommandsOfAllWindows();
    Shell::Get().ChangeMenuDisp(a.PrgModeFlag);
    a.BusyFlag = false;
    chkDirectTeach->setEnabled(false);
    chkDirectTeach->hide();
}

// ---------------------------------------------------------------- direct teaching

void PositionWindow::chkDirectTeach_Click()
{
    if (chkDirectTeach->isChecked()) {
        if (pgAxes() == 0)
            return;
        ShowServoChecks();
        JogCommandsOff();
        timerJogTest->setInterval(1000);
        timerJogTest->start();
        return;
    }
    HideServoChecks();
    ServoState.ClearServoOff();
    ServoState.DirectTeachEndReq = true;
}

void PositionWindow::ShowServoChecks()
{
    const int pg = pgAxes();
    for (int k = 0; k < 4; ++k) {
        QCheckBox *c = chkServoOn[static_cast<size_t>(k)];
        const bool on = pg >> k & 1;
        if (on)
            c->setChecked(true);
        c->setEnabled(on);
        c->setVisible(on);
    }
}

void PositionWindow::HideServoChecks()
{
    for (QCheckBox *c : chkServoOn) {
        c->setEnabled(false);
        c->hide();
    }
}

void PositionWindow::chkServoOn_Click(int index)
{
    if (!App().OfflineFlag && !JogModeEnded) {
        chkServoOn[static_cast<size_t>(index)]->setEnabled(false);
        const int released = chkServoOn[static_cast<size_t>(index)]->isChecked() ? 0 : 1;
        const int mask = Servo::SetServoOffAxis(ServoState, released, index, pgAxes());
        ServoState.AddServoRequest(mask != 0 ? 2 : 0, mask);
    }
    txtDummy->setFocus();
}

int PositionWindow::SendServoRequest()
{
    if (!ServoState.HasServoRequest())
        return 0;
    const Servo::Request req = ServoState.Queue.front();
    int modeNo = 0;
    if (Comm::SetCommunicationMode(req.mode, modeNo, req.mask) != 0)
        return -1;
    const int pg = pgAxes();
    for (int k = 0; k < 4; ++k) {
        if (!(pg >> k & 1))
            continue;
        chkServoOn[static_cast<size_t>(k)]->setEnabled(true);
        chkServoOn[static_cast<size_t>(k)]->setText(ResText(ServoState.ServoOff[static_cast<size_t>(k)] ? 2225 : 2226));
    }
    ServoState.PopServoRequest();
    return 0;
}

void PositionWindow::ServoOnOffAll()
{
    int modeNo = 0;
    Comm::SetCommunicationMode(0, modeNo, Comm::Frames::AxisInUseMask(App().AxisNotUsed));
}

void PositionWindow::timerJogTest_Timer()
{
    auto endRequest = [this] {
        ServoOnOffAll();
        if (App().TeachModeFlag)
            JogCommandsOn();
        ServoState.DirectTeachEndReq = false;
    };
    if (Comm::Link().SendingFlag) {
        // This tick runs inside another exchange's wait: nothing can be sent
        // before that exchange ends, so try again shortly (an ended direct
        // teaching restores the servos then).
        timerJogTest->stop();
        timerJogTest->setInterval(2);
        timerJogTest->start();
        return;
    }
    timerJogTest->stop();
    if (SendServoRequest() == -1 || ReadnDisp_PresentPos() != 0) {
        cmdJOGend->setEnabled(false);
        JogModeEnd();
        return;
    }
    // Teaching may have ended while this tick waited.
    if (JogModeEnded)
        return;
    timerJogTest->setInterval(1000);
    if (ServoState.DirectTeachEndReq)
        endRequest();
    else
        timerJogTest->start();
}
