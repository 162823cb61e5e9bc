#include "ui/grpsm/frmGrp.h"
#include "core/AppState.h"
#include "ui/common/Localize.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>

namespace {
QPushButton *button(QWidget *owner, QHBoxLayout *row, const char *name)
{
    auto *b = new QPushButton(QString::fromLatin1(name), owner);
    b->setObjectName(QString::fromLatin1(name));
    row->addWidget(b);
    return b;
}

// Windows refuse to close while a controller, file or print command runs.
bool mayClose() { return !App().BusyFlag && !App().FileBusy; }
} // namespace

frmGrp::frmGrp(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmGrp"));
    auto *row = new QHBoxLayout(this);
    cmdGrpRead = button(this, row, "cmdGrpRead");
    cmdGrpWrite = button(this, row, "cmdGrpWrite");
    Module1::SetCaptionFromRes(this);
    CommandSets::Register(this);
}

frmGrp::~frmGrp() { CommandSets::Unregister(this); }

void frmGrp::GrpCMDBTN_Muko() { cmdGrpRead->setEnabled(false); cmdGrpWrite->setEnabled(false); }
void frmGrp::GrpCMDBTN_Yuko() { cmdGrpRead->setEnabled(true); cmdGrpWrite->setEnabled(true); }

void frmGrp::closeEvent(QCloseEvent *e)
{
    if (!mayClose()) {
        e->ignore();
        return;
    }
    App().GrpWinOpen = false;
    e->accept();
}

frmSqMcr::frmSqMcr(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmSqMcr"));
    auto *row = new QHBoxLayout(this);
    cmdSmRead = button(this, row, "cmdSmRead");
    cmdSmWrite = button(this, row, "cmdSmWrite");
    Module1::SetCaptionFromRes(this);
    CommandSets::Register(this);
}

frmSqMcr::~frmSqMcr() { CommandSets::Unregister(this); }

void frmSqMcr::SM_CMDBTN_Muko() { cmdSmRead->setEnabled(false); cmdSmWrite->setEnabled(false); }
void frmSqMcr::SM_CMDBTN_Yuko() { cmdSmRead->setEnabled(true); cmdSmWrite->setEnabled(true); }

void frmSqMcr::closeEvent(QCloseEvent *e)
{
    if (!mayClose()) {
        e->ignore();
        return;
    }
    App().SmWinOpen = false;
    e->accept();
}
