#include "ui/prog/frmProg.h"
#include "ui/common/Localize.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

frmProg::frmProg(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmProg"));
    auto *box = new QVBoxLayout(this);
    flgdModel = new QStandardItemModel(0, 6, this);
    flgdProg = new QTableView(this);
    flgdProg->setObjectName(QStringLiteral("flgdProg"));
    flgdProg->setModel(flgdModel);
    box->addWidget(flgdProg, 1);
    auto *row = new QHBoxLayout();
    auto button = [this, row](const char *name, int tag) {
        auto *b = Loc::Tagged(new QPushButton(this), tag);
        b->setObjectName(QString::fromLatin1(name));
        row->addWidget(b);
        return b;
    };
    cmdInsLineProg = button("cmdInsLineProg", 208);
    cmdDelLineProg = button("cmdDelLineProg", 209);
    cmdProgLineCopy = button("cmdProgLineCopy", 3010);
    cmdProgLinePaste = button("cmdProgLinePaste", 3011);
    row->addStretch();
    box->addLayout(row);
    Module1::SetCaptionFromRes(this);
    resize(560, 360);
    CommandSets::Register(this);
}

frmProg::~frmProg() { CommandSets::Unregister(this); }

void frmProg::LetCopyProgNo(int progNo) { ProgNo = progNo; }
void frmProg::ProgDataFileOpen() {}
void frmProg::ProgDataSaveAs() {}
void frmProg::cmdInsLineProg_Click() {}
void frmProg::cmdDelLineProg_Click() {}
void frmProg::cmdProgLineCopy_Click() {}
void frmProg::PrgDataLineCopy() {}
void frmProg::cmdProgLinePaste_Click() {}
void frmProg::ProgDataLinePaste() {}

void frmProg::ProgCMDBTN_Muko()
{
    for (QPushButton *b : {cmdInsLineProg, cmdDelLineProg, cmdProgLineCopy, cmdProgLinePaste})
        b->setEnabled(false);
}

void frmProg::ProgCMDBTN_Yuko()
{
    for (QPushButton *b : {cmdInsLineProg, cmdDelLineProg, cmdProgLineCopy, cmdProgLinePaste})
        b->setEnabled(true);
}

void frmProg::EditProgCMD_Muko() { ProgCMDBTN_Muko(); }
