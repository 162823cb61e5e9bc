#include "ui/paraedit/frmParameta2.h"
#include "core/AppState.h"
#include "ui/common/Forms.h"
#include "ui/common/Localize.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

frmParameta2::frmParameta2(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmParameta2"));
    auto *box = new QVBoxLayout(this);
    SSTabPrm = new QTabWidget(this);
    SSTabPrm->setObjectName(QStringLiteral("SSTabPrm"));
    for (int t = 0; t < 5; ++t)
        SSTabPrm->addTab(new QWidget(SSTabPrm), QString::number(t));
    box->addWidget(SSTabPrm, 1);
    auto *grid = new QGridLayout();
    const char *names[10] = {"cmdParaRead", "cmdParaWrite", "cmdReadParaFile", "cmdSaveParaFile", "cmdConpareCT",
                             "cmdConpareFile", "cmdIniPrm", "cmdCalculate", "cmdParaPrint", "cmdParaFilePrint"};
    QPushButton **members[10] = {&cmdParaRead, &cmdParaWrite, &cmdReadParaFile, &cmdSaveParaFile, &cmdConpareCT,
                               &cmdConpareFile, &cmdIniPrm, &cmdCalculate, &cmdParaPrint, &cmdParaFilePrint};
    for (int i = 0; i < 10; ++i) {
        *members[i] = new QPushButton(QString::fromLatin1(names[i]), this);
        (*members[i])->setObjectName(QString::fromLatin1(names[i]));
        grid->addWidget(*members[i], i / 5, i % 5);
    }
    box->addLayout(grid);
    Module1::SetCaptionFromRes(this);
    resize(720, 480);
    CommandSets::Register(this);
}

frmParameta2::~frmParameta2() { CommandSets::Unregister(this); }
void frmParameta2::CommandsOff() { Module1::ParaCMDBTN_Muko(); }
void frmParameta2::CommandsOn() { Module1::ParaCMDBTN_Yuko(); }

std::array<QPushButton *, 10> frmParameta2::CommandButtons() const
{
    return {cmdParaRead, cmdParaWrite, cmdReadParaFile, cmdSaveParaFile, cmdConpareCT,
            cmdConpareFile, cmdIniPrm, cmdCalculate, cmdParaPrint, cmdParaFilePrint};
}

void frmParameta2::closeEvent(QCloseEvent *e)
{
    App().ParaWinOpen = false;
    e->accept();
}

int frmParameta2::ParametaumuKakunin() { return 0; }
void frmParameta2::TorikomiParametaValue() {}
int frmParameta2::ParametaValueCheck() { return 0; }
void frmParameta2::YukoJikuHyojiSettei() {}
void frmParameta2::ParametaHyoji() {}
void frmParameta2::WriteParaToCt() {}

frmSystemPara::frmSystemPara(QWidget *parent) : QWidget(parent)
{
    // Keeps its design texts: not localised.
    setObjectName(QStringLiteral("frmSystemPara"));
    setWindowTitle(QStringLiteral("System Parameter"));
    resize(640, 480);
}

void frmSystemPara::GetSystemParametaValue() {}
void frmSystemPara::SysParaWriteProc() {}
void frmSystemPara::TorikomiSystemParametaValue() {}
int frmSystemPara::SystemParametaValueCheck() { return 0; }

namespace Module1 {
static void setParaCommands(bool on)
{
    for (QWidget *w : Forms::Named(QStringLiteral("frmParameta2"))) {
        auto *para = qobject_cast<frmParameta2 *>(w);
        if (!para)
            continue;
        for (QPushButton *b : para->CommandButtons())
            b->setEnabled(on);
        para->SSTabPrm->setEnabled(on);
    }
}
void ParaCMDBTN_Muko() { setParaCommands(false); }
void ParaCMDBTN_Yuko() { setParaCommands(true); }
} // namespace Module1
