#include "ui/grpsm/SequenceMacroWindow.h"

#include "core/AppState.h"
#include "core/Num.h"
#include "grpsm/GrpSmFiles.h"
#include "grpsm/GrpSmTables.h"
#include "ui/common/Localize.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

// ---------------------------------------------------------------------------

UpDownControl::UpDownControl(int min, int max, QWidget *parent)
    : QWidget(parent), m_min(min), m_max(max), m_value(min)
{
    auto *col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(0);
    auto *up = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    up->setObjectName(QStringLiteral("up"));
    auto *down = new QToolButton(this);
    down->setArrowType(Qt::DownArrow);
    down->setObjectName(QStringLiteral("down"));
    for (QToolButton *b : {up, down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        col->addWidget(b);
    }
    connect(up, &QToolButton::clicked, this, &UpDownControl::stepUp);
    connect(down, &QToolButton::clicked, this, &UpDownControl::stepDown);
}

void UpDownControl::setValue(int v)
{
    v = std::clamp(v, m_min, m_max);
    if (v == m_value)
        return;
    m_value = v;
    emit valueChanged(v);
}

// ---------------------------------------------------------------------------

SequenceMacroWindow::SequenceMacroWindow(QWidget *parent) : QWidget(parent)
{
    App().SmWinOpen = true;
    setObjectName(QStringLiteral("SequenceMacroWindow"));
    Loc::Tagged(this, 901);

    auto *top = new QVBoxLayout(this);
    auto *head = new QHBoxLayout;
    lblSqMacro = Loc::NamedTagged(new QLabel(this), "lblSqMacro", 902);
    lblSqMacroNo = Loc::NamedTagged(new QLabel(QStringLiteral("1"), this), "lblSqMacroNo", 0);
    lblSqMacroNo->setMinimumWidth(24);
    UpDownSmNo = Loc::NamedTagged(new UpDownControl(1, GrpSm::kMacroCount, this), "UpDownSmNo", 0);
    connect(UpDownSmNo, &UpDownControl::valueChanged, this, &SequenceMacroWindow::lblSqMacroNo_Change);
    head->addWidget(lblSqMacro);
    head->addWidget(lblSqMacroNo);
    head->addWidget(UpDownSmNo);
    head->addStretch();
    top->addLayout(head);

    auto *grid = new QGridLayout;
    lblStep = Loc::NamedTagged(new QLabel(this), "lblStep", 914);
    lblSmCommand = Loc::NamedTagged(new QLabel(this), "lblSmCommand", 904);
    lblSmData = Loc::NamedTagged(new QLabel(this), "lblSmData", 905);
    grid->addWidget(lblStep, 0, 0);
    grid->addWidget(lblSmCommand, 0, 1);
    grid->addWidget(lblSmData, 0, 2);
    for (int s = 0; s < kSteps; ++s) {
        lblSqMcrStep[s] = new QLabel(QString::number(s + 1), this);
        lblSqMcrStep[s]->setObjectName(QStringLiteral("lblSqMcrStep%1").arg(s));
        comboSmCommand[s] = new QComboBox(this);
        comboSmCommand[s]->setObjectName(QStringLiteral("comboSmCommand%1").arg(s));
        for (int code = GrpSm::kSmEnd; code <= GrpSm::kSmTimer10; ++code)
            comboSmCommand[s]->addItem(GrpSm::SmCommandName(code), code);
        comboSmCommand[s]->installEventFilter(this);
        connect(comboSmCommand[s], &QComboBox::activated, this, [this, s] { comboSmCommand_LostFocus(s); });
        txtSmData[s] = new QLineEdit(this);
        txtSmData[s]->setObjectName(QStringLiteral("txtSmData%1").arg(s));
        txtSmData[s]->setMaximumWidth(40);
        // Only typed digits reach the table: no pasting or dropping.
        txtSmData[s]->setContextMenuPolicy(Qt::NoContextMenu);
        txtSmData[s]->setAcceptDrops(false);
        txtSmData[s]->installEventFilter(this);
        connect(txtSmData[s], &QLineEdit::textChanged, this, [this, s] { txtSmData_Change(s); });
        grid->addWidget(lblSqMcrStep[s], s + 1, 0);
        grid->addWidget(comboSmCommand[s], s + 1, 1);
        grid->addWidget(txtSmData[s], s + 1, 2);
    }
    top->addLayout(grid);

    auto *buttons = new QGridLayout;
    auto button = [&](const char *name, int id, int r, int c, void (SequenceMacroWindow::*slot)()) {
        auto *b = Loc::NamedTagged(new QPushButton(this), name, id);
        buttons->addWidget(b, r, c);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    cmdReadSMfromCt = button("cmdReadSMfromCt", 906, 0, 0, &SequenceMacroWindow::cmdReadSMfromCt_Click);
    cmdWriteSMtoCt = button("cmdWriteSMtoCt", 907, 1, 0, &SequenceMacroWindow::cmdWriteSMtoCt_Click);
    cmdSmCTVerify = button("cmdSmCTVerify", 908, 2, 0, &SequenceMacroWindow::cmdSmCTVerify_Click);
    cmdSmFileOpen = button("cmdSmFileOpen", 909, 0, 1, &SequenceMacroWindow::cmdSmFileOpen_Click);
    cmdSmFileSave = button("cmdSmFileSave", 910, 1, 1, &SequenceMacroWindow::cmdSmFileSave_Click);
    cmdSmFileVerify = button("cmdSmFileVerify", 911, 2, 1, &SequenceMacroWindow::cmdSmFileVerify_Click);
    cmdSMDispPrint = button("cmdSMDispPrint", 912, 0, 2, &SequenceMacroWindow::cmdSMDispPrint_Click);
    cmdSMFilePrint = button("cmdSMFilePrint", 913, 1, 2, &SequenceMacroWindow::cmdSMFilePrint_Click);
    cmdSqMcrWinClose = button("cmdSqMcrWinClose", 2202, 2, 2, &SequenceMacroWindow::cmdSqMcrWinClose_Click);
    top->addLayout(buttons);

    Loc::SetCaptionFromRes(this);
    GrpSm::ClearSqMcrData();
    ShowMacroData();
    CommandSets::Register(this);
}

SequenceMacroWindow::~SequenceMacroWindow()
{
    CommandSets::Unregister(this);
    // The boxes lose the focus while they are taken down: not into the table.
    for (int s = 0; s < kSteps; ++s) {
        comboSmCommand[s]->removeEventFilter(this);
        txtSmData[s]->removeEventFilter(this);
        txtSmData[s]->disconnect(this);
    }
    App().SmWinOpen = false;
}



int SequenceMacroWindow::codeCol() const { return GrpSm::MacroCodeCol(m_macro); }

void SequenceMacroWindow::setCommandsEnabled(bool on)
{
    for (QPushButton *b : {cmdReadSMfromCt, cmdWriteSMtoCt, cmdSmCTVerify, cmdSmFileOpen, cmdSmFileSave,
                           cmdSmFileVerify, cmdSMDispPrint, cmdSMFilePrint, cmdSqMcrWinClose})
        b->setEnabled(on);
}

void SequenceMacroWindow::MacroCommandsOff() { setCommandsEnabled(false); }
void SequenceMacroWindow::MacroCommandsOn() { setCommandsEnabled(true); }
void SequenceMacroWindow::MacroCommandsAndUpDownOn()
{
    setCommandsEnabled(true);
    UpDownSmNo->setEnabled(true);
}

void SequenceMacroWindow::ShowMacroData()
{
    const auto &sm = GrpSm::Tables().SmData;
    const int col = codeCol();
    for (int s = 0; s < kSteps; ++s) {
        const int c = sm[s][col];
        const int d = sm[s][col + 1];
        if (c == GrpSm::kSmEnd || c == GrpSm::kSmEndAlias) {
            comboSmCommand[s]->setCurrentIndex(0);
            txtSmData[s]->setText(QString());
        } else if (c > GrpSm::kSmEnd && c <= GrpSm::kSmTimer10) {
            comboSmCommand[s]->setCurrentIndex(c);
            txtSmData[s]->setText(QString::number(d));
        } else {
            // A code the list has not: no command, so the step is never
            // shown or stored as another one; its data as they are.
            comboSmCommand[s]->setCurrentIndex(-1);
            txtSmData[s]->setText(QString::number(d));
        }
    }
}

void SequenceMacroWindow::lblSqMacroNo_Change(int value)
{
    // A command being chosen belongs to the macro being left.
    TakeTypedValue();
    m_macro = value;
    lblSqMacroNo->setText(QString::number(value));
    ShowMacroData();
}

void SequenceMacroWindow::comboSmCommand_LostFocus(int s)
{
    const int index = comboSmCommand[s]->currentIndex();
    if (index < 0 || index > GrpSm::kSmTimer10) {
        QApplication::beep();
        return;
    }
    const int code = comboSmCommand[s]->itemData(index).toInt();
    GrpSm::Tables().SmData[s][codeCol()] = int16_t(code);
    if (code == GrpSm::kSmEnd)
        txtSmData[s]->setText(QString());
}

void SequenceMacroWindow::txtSmData_Change(int s)
{
    GrpSm::Tables().SmData[s][codeCol() + 1] = Num::IntOf(txtSmData[s]->text()).value_or(0);
}

void SequenceMacroWindow::txtSmData_GotFocus(int s, Qt::FocusReason reason)
{
    auto &sm = GrpSm::Tables().SmData;
    const int c = sm[s][codeCol()];
    int16_t &d = sm[s][codeCol() + 1];
    const int max = c == GrpSm::kSmEnd ? 9 : GrpSm::SmDataMax(c);
    if (max > 0 && (d < 1 || d > max))
        d = 1;
    ShowMacroData();
    // The one character selected, so a typed digit replaces it. A click
    // places the cursor after the focus came, so select again then.
    QLineEdit *box = txtSmData[s];
    box->setSelection(0, 1);
    if (reason == Qt::MouseFocusReason)
        QTimer::singleShot(0, box, [box] { box->setSelection(0, 1); });
}

bool SequenceMacroWindow::txtSmData_KeyPress(int s, const QKeyEvent &k)
{
    if (k.key() == Qt::Key_Return || k.key() == Qt::Key_Enter) {
        comboSmCommand[(s + 1) % kSteps]->setFocus();
        return true;
    }
    QLineEdit *box = txtSmData[s];
    const bool backspace = k.key() == Qt::Key_Backspace;
    if (!box->hasSelectedText() && box->text().size() >= 1 && !backspace)
        return true;
    const int max = GrpSm::SmDataMax(comboSmCommand[s]->currentIndex());
    if (max == 0)
        return true;
    if (backspace)
        return false;
    const QString text = k.text();
    return !(text.size() == 1 && text[0] >= QLatin1Char('1') && text[0].unicode() <= '0' + max);
}

bool SequenceMacroWindow::eventFilter(QObject *o, QEvent *e)
{
    for (int s = 0; s < kSteps; ++s) {
        if (o == comboSmCommand[s]) {
            if (e->type() == QEvent::FocusOut)
                comboSmCommand_LostFocus(s);
            return false;
        }
        if (o != txtSmData[s])
            continue;
        if (e->type() == QEvent::FocusIn) {
            txtSmData_GotFocus(s, static_cast<QFocusEvent *>(e)->reason());
            return false;
        }
        if (e->type() != QEvent::KeyPress)
            return false;
        const auto *k = static_cast<QKeyEvent *>(e);
        // Keys that type nothing (cursor keys, Tab) keep working.
        const bool types = !k->text().isEmpty() || k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        if (!types || k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)
            return false;
        return txtSmData_KeyPress(s, *k);
    }
    return QWidget::eventFilter(o, e);
}

void SequenceMacroWindow::TakeTypedValue()
{
    // The data boxes store every change; a command box stores when left.
    QWidget *f = QApplication::focusWidget();
    for (int s = 0; s < kSteps; ++s)
        if (f && (f == comboSmCommand[s] || comboSmCommand[s]->isAncestorOf(f)))
            comboSmCommand_LostFocus(s);
}

void SequenceMacroWindow::run(GrpSmFlows::SmCommand c) { GrpSmFlows::RunSmCommand(c, *this); }

void SequenceMacroWindow::cmdReadSMfromCt_Click() { run(GrpSmFlows::SmCommand::CtRead); }
void SequenceMacroWindow::cmdWriteSMtoCt_Click() { run(GrpSmFlows::SmCommand::CtWrite); }
void SequenceMacroWindow::cmdSmCTVerify_Click() { run(GrpSmFlows::SmCommand::CtVerify); }
void SequenceMacroWindow::cmdSmFileOpen_Click() { run(GrpSmFlows::SmCommand::FileOpen); }
void SequenceMacroWindow::cmdSmFileSave_Click() { run(GrpSmFlows::SmCommand::FileSave); }
void SequenceMacroWindow::cmdSmFileVerify_Click() { run(GrpSmFlows::SmCommand::FileVerify); }
void SequenceMacroWindow::cmdSMDispPrint_Click() { run(GrpSmFlows::SmCommand::DispPrint); }
void SequenceMacroWindow::cmdSMFilePrint_Click() { run(GrpSmFlows::SmCommand::FilePrint); }

void SequenceMacroWindow::cmdSqMcrWinClose_Click()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void SequenceMacroWindow::closeEvent(QCloseEvent *e)
{
    // Not while a controller, file or print command runs.
    if (App().BusyFlag || App().FileBusy) {
        e->ignore();
        return;
    }
    App().SmWinOpen = false;
    e->accept();
}
