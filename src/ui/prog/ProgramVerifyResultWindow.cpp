#include "ui/prog/ProgramVerifyResultWindow.h"

#include "core/Twips.h"
#include "platform/StringTable.h"
#include "prog/ProgVerify.h"
#include "ui/common/Localize.h"

#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

using Platform::ResText;

ProgramVerifyResultWindow::ProgramVerifyResultWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ProgramVerifyResultWindow"));
    Loc::Tagged(this, 2301);
    auto *box = new QVBoxLayout(this);
    const ProgVerify::VerificationState &s = ProgVerify::Verification();
    model = new QStandardItemModel(s.ProgVerifyNgCount, 6, this);
    const int titles[6] = {711, 726, 727, 728, 729, 730};
    for (int c = 0; c < 6; ++c)
        model->setHeaderData(c, Qt::Horizontal, ResText(titles[c]));
    int row = 0;
    for (const ProgVerify::ResultRow &r : ProgVerify::ResultRows()) {
        model->setData(model->index(row, 0), QString::number(r.line));
        for (int f = 0; f < 5; ++f)
            model->setData(model->index(row, f + 1), r.differs[size_t(f)] ? QStringLiteral("X") : QStringLiteral("O"));
        for (int c = 0; c < 6; ++c)
            model->setData(model->index(row, c), int(Qt::AlignCenter), Qt::TextAlignmentRole);
        ++row;
    }
    flgdProgramVerifyResult = new QTableView(this);
    flgdProgramVerifyResult->setObjectName(QStringLiteral("flgdProgramVerifyResult"));
    flgdProgramVerifyResult->setUpdatesEnabled(false);
    flgdProgramVerifyResult->setModel(model);
    flgdProgramVerifyResult->verticalHeader()->hide();
    flgdProgramVerifyResult->setEditTriggers(QAbstractItemView::NoEditTriggers);
    flgdProgramVerifyResult->horizontalHeader()->setFixedHeight(Twips::ToPx(300));
    flgdProgramVerifyResult->verticalHeader()->setDefaultSectionSize(Twips::ToPx(250));
    // Each column holds its title whole.
    const int widths[6] = {480, 1140, 1140, 1140, 1000, 1000};
    int total = 400;
    for (int c = 0; c < 6; ++c) {
        flgdProgramVerifyResult->setColumnWidth(c, Twips::ToPx(widths[c]));
        total += widths[c];
    }
    flgdProgramVerifyResult->setUpdatesEnabled(true);
    flgdProgramVerifyResult->setMinimumWidth(Twips::ToPx(total));
    box->addWidget(flgdProgramVerifyResult);
    cmdClose = Loc::Tagged(new QPushButton(this), 703);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    box->addWidget(cmdClose, 0, Qt::AlignRight);
    Loc::SetCaptionFromRes(this);
}
