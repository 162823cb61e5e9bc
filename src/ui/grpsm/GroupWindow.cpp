#include "ui/grpsm/GroupWindow.h"

#include "core/AppState.h"
#include "core/Num.h"
#include "grpsm/GrpSmTables.h"
#include "ui/common/Localize.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kHalf = 17; // rows 0..16 on the left, 17..32 on the right
constexpr int kMaxDigits = 3;

QString rowLabel(int groupNo, bool padded)
{
    const QString n = QString::number(groupNo);
    return (padded && groupNo < 10 ? QStringLiteral(" ") + n : n) + QLatin1Char('.');
}

} // namespace

GroupWindow::GroupWindow(QWidget *parent) : QWidget(parent)
{
    App().GrpWinOpen = true;
    setObjectName(QStringLiteral("GroupWindow"));
    Loc::Tagged(this, 801);

    auto *top = new QVBoxLayout(this);

    framPageNo = Loc::NamedTagged(new QGroupBox(this), "framPageNo", 804);
    auto *pages = new QHBoxLayout(framPageNo);
    auto *pageGroup = new QButtonGroup(this);
    const char *const pageNames[] = {"No. 1 - 33", "No.34 - 66", "No.67 - 99"};
    for (int i = 0; i < 3; ++i) {
        optGrpNo[i] = new QRadioButton(QString::fromLatin1(pageNames[i]), framPageNo);
        optGrpNo[i]->setObjectName(QStringLiteral("optGrpNo%1").arg(i));
        pageGroup->addButton(optGrpNo[i], i);
        pages->addWidget(optGrpNo[i]);
    }
    optGrpNo[0]->setChecked(true);
    connect(pageGroup, &QButtonGroup::idClicked, this, &GroupWindow::optGrpNo_Click);
    top->addWidget(framPageNo);

    auto *grid = new QGridLayout;
    lblStartPosi = Loc::NamedTagged(new QLabel(this), "lblStartPosi", 802);
    lblEndPosi = Loc::NamedTagged(new QLabel(this), "lblEndPosi", 803);
    grid->addWidget(lblStartPosi, 0, 1);
    grid->addWidget(lblEndPosi, 0, 2);
    // The right column has its titles too.
    grid->addWidget(Loc::Tagged(new QLabel(this), 802), 0, 5);
    grid->addWidget(Loc::Tagged(new QLabel(this), 803), 0, 6);
    grid->setColumnMinimumWidth(3, 24);
    for (int i = 0; i < kRows; ++i) {
        const int row = 1 + (i < kHalf ? i : i - kHalf);
        const int col = i < kHalf ? 0 : 4;
        lblGrpNo[i] = new QLabel(rowLabel(i + 1, true), this);
        lblGrpNo[i]->setObjectName(QStringLiteral("lblGrpNo%1").arg(i));
        txtGrpStartNo[i] = new QLineEdit(this);
        txtGrpStartNo[i]->setObjectName(QStringLiteral("txtGrpStartNo%1").arg(i));
        txtGrpEndNo[i] = new QLineEdit(this);
        txtGrpEndNo[i]->setObjectName(QStringLiteral("txtGrpEndNo%1").arg(i));
        for (QLineEdit *box : {txtGrpStartNo[i], txtGrpEndNo[i]}) {
            // Only typed digits reach the table: no pasting or dropping.
            box->setContextMenuPolicy(Qt::NoContextMenu);
            box->setAcceptDrops(false);
            box->setMaximumWidth(60);
            box->installEventFilter(this);
        }
        grid->addWidget(lblGrpNo[i], row, col);
        grid->addWidget(txtGrpStartNo[i], row, col + 1);
        grid->addWidget(txtGrpEndNo[i], row, col + 2);
    }
    top->addLayout(grid);

    auto *buttons = new QGridLayout;
    auto button = [&](const char *name, int id, int r, int c, void (GroupWindow::*slot)()) {
        auto *b = Loc::NamedTagged(new QPushButton(this), name, id);
        buttons->addWidget(b, r, c);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    cmdReadGrp = button("cmdReadGrp", 805, 0, 0, &GroupWindow::cmdReadGrp_Click);
    cmdWriteGrp = button("cmdWriteGrp", 807, 0, 1, &GroupWindow::cmdWriteGrp_Click);
    cmdGrpCtVerify = button("cmdGrpCtVerify", 809, 0, 2, &GroupWindow::cmdGrpCtVerify_Click);
    cmdGrpDataPrint = button("cmdGrpDataPrint", 811, 0, 3, &GroupWindow::cmdGrpDataPrint_Click);
    cmdGrpFileOpen = button("cmdGrpFileOpen", 806, 1, 0, &GroupWindow::cmdGrpFileOpen_Click);
    cmdGrpFileSave = button("cmdGrpFileSave", 808, 1, 1, &GroupWindow::cmdGrpFileSave_Click);
    cmdGrpFileVerify = button("cmdGrpFileVerify", 810, 1, 2, &GroupWindow::cmdGrpFileVerify_Click);
    cmdGrpFilePrint = button("cmdGrpFilePrint", 812, 1, 3, &GroupWindow::cmdGrpFilePrint_Click);
    cmdCloseGrpWindow = button("cmdCloseGrpWindow", 813, 1, 4, &GroupWindow::cmdCloseGrpWindow_Click);
    top->addLayout(buttons);

    Loc::SetCaptionFromRes(this);
    GrpSm::ResetGrpData();
    ShowGroupData();
    CommandSets::Register(this);
}

GroupWindow::~GroupWindow()
{
    CommandSets::Unregister(this);
    // The boxes lose the focus while they are taken down: not into the table.
    for (int i = 0; i < kRows; ++i) {
        txtGrpStartNo[i]->removeEventFilter(this);
        txtGrpEndNo[i]->removeEventFilter(this);
    }
    App().GrpWinOpen = false;
}


void GroupWindow::setCommandsEnabled(bool on)
{
    for (QWidget *w : {static_cast<QWidget *>(cmdReadGrp), static_cast<QWidget *>(cmdWriteGrp),
                       static_cast<QWidget *>(cmdGrpCtVerify), static_cast<QWidget *>(cmdGrpFileVerify),
                       static_cast<QWidget *>(cmdGrpFileOpen), static_cast<QWidget *>(cmdGrpFileSave),
                       static_cast<QWidget *>(cmdGrpDataPrint), static_cast<QWidget *>(cmdGrpFilePrint),
                       static_cast<QWidget *>(framPageNo), static_cast<QWidget *>(cmdCloseGrpWindow)})
        w->setEnabled(on);
}

void GroupWindow::GroupCommandsOff() { setCommandsEnabled(false); }
void GroupWindow::GroupCommandsOn() { setCommandsEnabled(true); }

void GroupWindow::ShowGroupData()
{
    const auto &grp = GrpSm::Tables().GrpData;
    for (int i = 0; i < kRows; ++i) {
        const int g = m_base + i + 1;
        txtGrpStartNo[i]->setText(QString::number(grp[g][0]));
        txtGrpEndNo[i]->setText(QString::number(grp[g][1]));
    }
}

void GroupWindow::optGrpNo_Click(int index)
{
    // The box being typed in belongs to the page being left.
    TakeTypedValue();
    m_base = index * kRows;
    for (int i = 0; i < kRows; ++i)
        lblGrpNo[i]->setText(rowLabel(m_base + i + 1, false));
    ShowGroupData();
}

void GroupWindow::takeBox(QLineEdit *box)
{
    for (int i = 0; i < kRows; ++i) {
        const int col = box == txtGrpStartNo[i] ? 0 : box == txtGrpEndNo[i] ? 1 : -1;
        if (col < 0)
            continue;
        GrpSm::Tables().GrpData[m_base + i + 1][col] = Num::IntOf(box->text()).value_or(0);
        return;
    }
}

void GroupWindow::TakeTypedValue()
{
    if (auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
        takeBox(box);
}

bool GroupWindow::eventFilter(QObject *o, QEvent *e)
{
    auto *box = qobject_cast<QLineEdit *>(o);
    if (!box)
        return QWidget::eventFilter(o, e);
    if (e->type() == QEvent::FocusOut) {
        takeBox(box);
        return false;
    }
    if (e->type() != QEvent::KeyPress)
        return false;
    const auto *k = static_cast<QKeyEvent *>(e);
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
        // start -> end of the row -> start of the next row; the last row's
        // end goes back to the first row.
        for (int i = 0; i < kRows; ++i) {
            if (box == txtGrpStartNo[i])
                txtGrpEndNo[i]->setFocus();
            else if (box == txtGrpEndNo[i])
                txtGrpStartNo[(i + 1) % kRows]->setFocus();
        }
        return true;
    }
    // Keys that type nothing (cursor keys, Tab, Delete) keep working.
    const QString text = k->text();
    if (text.isEmpty() || k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)
        return false;
    if (k->key() == Qt::Key_Backspace)
        return false;
    if (box->text().size() >= kMaxDigits)
        return true;
    return !(text.size() == 1 && text[0].isDigit() && text[0].unicode() < 128);
}

void GroupWindow::run(GrpSmFlows::GrpCommand c) { GrpSmFlows::RunGrpCommand(c, *this); }

void GroupWindow::cmdReadGrp_Click() { run(GrpSmFlows::GrpCommand::CtRead); }
void GroupWindow::cmdWriteGrp_Click() { run(GrpSmFlows::GrpCommand::CtWrite); }
void GroupWindow::cmdGrpCtVerify_Click() { run(GrpSmFlows::GrpCommand::CtVerify); }
void GroupWindow::cmdGrpFileOpen_Click() { run(GrpSmFlows::GrpCommand::FileOpen); }
void GroupWindow::cmdGrpFileSave_Click() { run(GrpSmFlows::GrpCommand::FileSave); }
void GroupWindow::cmdGrpFileVerify_Click() { run(GrpSmFlows::GrpCommand::FileVerify); }
void GroupWindow::cmdGrpDataPrint_Click() { run(GrpSmFlows::GrpCommand::DispPrint); }
void GroupWindow::cmdGrpFilePrint_Click() { run(GrpSmFlows::GrpCommand::FilePrint); }

void GroupWindow::cmdCloseGrpWindow_Click()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void GroupWindow::closeEvent(QCloseEvent *e)
{
    // Not while a controller, file or print command runs.
    if (App().BusyFlag || App().FileBusy) {
        e->ignore();
        return;
    }
    App().GrpWinOpen = false;
    e->accept();
}
