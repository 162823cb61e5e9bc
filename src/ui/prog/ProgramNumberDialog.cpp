#include "ui/prog/ProgramNumberDialog.h"

#include "core/AppState.h"
#include "link/CommandState.h"
#include "platform/StringTable.h"
#include "prog/CommandList.h"
#include "ui/common/Localize.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

using Platform::ResText;

ProgramNumberDialog::ProgramNumberDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ProgramNumberDialog"));
    setWindowTitle(ResText(453).trimmed());
    flgdProgNo = new QStandardItemModel(Programs::kProgramCount, 2, this);
    flgdProgNoView = new QTableView(this);
    flgdProgNoView->setObjectName(QStringLiteral("flgdProgNo"));
    flgdProgNoView->setModel(flgdProgNo);
    flgdProgNoView->setSelectionBehavior(QAbstractItemView::SelectRows);
    flgdProgNoView->setSelectionMode(QAbstractItemView::SingleSelection);
    flgdProgNoView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    flgdProgNoView->verticalHeader()->hide();
    lblProgNoCap = new QLabel(ResText(453).trimmed(), this);
    lblProgNoCap->setObjectName(QStringLiteral("lblProgNoCap"));
    lblProgNo = new QLabel(this);
    lblProgNo->setObjectName(QStringLiteral("lblProgNo"));
    lblRemainingSteps = Loc::NamedTagged(new QLabel(this), "lblRemainingSteps", 0);
    lblRemainingStepCount = Loc::NamedTagged(new QLabel(this), "lblRemainingStepCount", 0);
    cmdProgNoOk = Loc::NamedTagged(new QPushButton(this), "cmdProgNoOk", 1015);
    cmdProgNoCancel = Loc::NamedTagged(new QPushButton(this), "cmdProgNoCancel", 1404);
    connect(cmdProgNoOk, &QPushButton::clicked, this, &ProgramNumberDialog::cmdProgNoOk_Click);
    connect(cmdProgNoCancel, &QPushButton::clicked, this, &ProgramNumberDialog::cmdProgNoCancel_Click);
    connect(flgdProgNoView, &QTableView::clicked, this,
            [this](const QModelIndex &i) { lblProgNo->setText(QString::number(i.row() + 1)); });
    connect(flgdProgNoView, &QTableView::doubleClicked, this, &ProgramNumberDialog::cmdProgNoOk_Click);

    auto *numberRow = new QHBoxLayout;
    numberRow->addWidget(lblProgNoCap);
    numberRow->addWidget(lblProgNo);
    numberRow->addStretch();
    auto *stepsRow = new QHBoxLayout;
    stepsRow->addWidget(lblRemainingSteps);
    stepsRow->addWidget(lblRemainingStepCount);
    stepsRow->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdProgNoOk);
    buttons->addWidget(cmdProgNoCancel);
    auto *top = new QVBoxLayout(this);
    top->addWidget(flgdProgNoView, 1);
    top->addLayout(numberRow);
    top->addLayout(stepsRow);
    top->addLayout(buttons);
    resize(260, 420);
    Loc::SetCaptionFromRes(this);

    flgdProgNo->setHeaderData(0, Qt::Horizontal, ResText(711));
    for (int n = 1; n <= Programs::kProgramCount; ++n) {
        auto *no = new QStandardItem(QString::number(n));
        no->setTextAlignment(Qt::AlignCenter);
        flgdProgNo->setItem(n - 1, 0, no);
    }
    DispStepNo();
    ProgNoGrid_ClearCurrentCell();
    const int sel = App().SelProgNo;
    SelectProgNo(sel >= 1 && sel <= Programs::kProgramCount ? sel : 1);
    // Leaving by anything but OK (Cancel, Esc, the close box) is Cancel.
    App().ProgNoCancel = true;
}

void ProgramNumberDialog::DispStepNo()
{
    const auto &cmds = Comm::Commands();
    const bool stored = !App().OfflineFlag && cmds.ProgStepCountKnown;
    flgdProgNo->setHeaderData(1, Qt::Horizontal, ResText(stored ? 712 : 715));
    for (int n = 1; n <= Programs::kProgramCount; ++n) {
        const int steps = stored ? cmds.ProgStepCount[static_cast<size_t>(n)] : Programs::GetProgStepMax(n);
        auto *item = new QStandardItem(QString::number(steps));
        item->setTextAlignment(Qt::AlignCenter);
        flgdProgNo->setItem(n - 1, 1, item);
    }
}

void ProgramNumberDialog::ProgNoGrid_ClearCurrentCell() { flgdProgNoView->setCurrentIndex(QModelIndex()); }

int ProgramNumberDialog::CurrentProgNo() const
{
    const QModelIndex i = flgdProgNoView->currentIndex();
    return i.isValid() ? flgdProgNo->item(i.row(), 0)->text().toInt() : 0;
}

void ProgramNumberDialog::SelectProgNo(int progNo)
{
    const QModelIndex i = flgdProgNo->index(progNo - 1, 1);
    flgdProgNoView->setCurrentIndex(i);
    flgdProgNoView->scrollTo(i);
    lblProgNo->setText(QString::number(progNo));
}

void ProgramNumberDialog::cmdProgNoOk_Click()
{
    const int n = CurrentProgNo();
    if (n < 1)
        return;
    App().SelProgNo = n;
    App().ProgNoCancel = false;
    accept();
}

void ProgramNumberDialog::cmdProgNoCancel_Click()
{
    App().ProgNoCancel = true;
    reject();
}

void ProgramNumberDialog::closeEvent(QCloseEvent *e)
{
    if (result() != QDialog::Accepted)
        App().ProgNoCancel = true;
    QDialog::closeEvent(e);
}
