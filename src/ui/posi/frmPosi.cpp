#include "ui/posi/frmPosi.h"
#include "core/AppState.h"
#include "ui/common/Localize.h"
#include "core/Module1Settings.h"
#include "core/Shell.h"
#include "paradata/UnitTexts.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "ui/posi/PosiChangeDev.h"
#include "posi/PosiCheck.h"
#include "posi/PosiFile.h"
#include "posi/PosiGrid.h"
#include "ui/posi/PosiGridView.h"
#include "ui/posi/PosiTransfer.h"
#include "ui/posi/PosiWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

frmPosi::frmPosi(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmPosi"));
    Loc::SetTag(this, QStringLiteral("202"));

    auto *box = new QVBoxLayout(this);
    auto *devices = new QHBoxLayout();
    for (int a = 0; a < 4; ++a) {
        lblDeviceType[a] = new QLabel(this);
        lblDeviceType[a]->setObjectName(QStringLiteral("lblDeviceType%1").arg(a));
        devices->addWidget(lblDeviceType[a]);
    }
    box->addLayout(devices);

    flgdData = new PosiGridView(&PosiGrid::Grid(), this);
    flgdData->setObjectName(QStringLiteral("flgdData"));
    box->addWidget(flgdData, 1);
    FG_HighSyoriStart();
    if (App().PrgModeFlag) {
        PosiGrid::Set_PosFormStrAtPrgMode();
        SizeInit_PosFlexGridAtPrgMode2();
    } else {
        PosiGrid::Set_PosFormStrAtPosMode();
        SizeInit_PosFlexGridAtPosMode();
    }
    FG_InitPos();
    FG_HighSyoriEnd();

    SSTabCommand = new QTabWidget(this);
    SSTabCommand->setObjectName(QStringLiteral("SSTabCommand"));
    for (int t = 0; t < 3; ++t)
        SSTabCommand->addTab(new QWidget(SSTabCommand), QString::number(t));
    auto *edit = new QWidget(SSTabCommand->widget(0));
    auto *row = new QHBoxLayout(edit);
    auto button = [this, row](const char *name) {
        auto *b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        row->addWidget(b);
        return b;
    };
    cmdInsertLine = button("cmdInsertLine");
    cmdDeleteLine = button("cmdDeleteLine");
    cmdPosiCopy = button("cmdPosiCopy");
    cmdPosiPaste = button("cmdPosiPaste");
    Loc::Tagged(cmdInsertLine, 208);
    Loc::Tagged(cmdDeleteLine, 209);
    Loc::Tagged(cmdPosiCopy, 3010);
    Loc::Tagged(cmdPosiPaste, 3011);
    auto *tab0 = new QVBoxLayout(SSTabCommand->widget(0));
    tab0->addWidget(edit);
    tab0->addStretch();
    box->addWidget(SSTabCommand);

    Module1::SetCaptionFromRes(this);
    resize(640, 400);
    CommandSets::Register(this);
}

void frmPosi::closeEvent(QCloseEvent *e)
{
    QueryUnloadCancel = false;
    if (App().BusyFlag || App().FileBusy) {
        e->ignore();
        return;
    }
    Form_Unload();
    e->accept();
}

void frmPosi::Form_Unload()
{
    AppState &a = App();
    Platform::SaveSetting(QStringLiteral("PortNo"), a.PortNo);
    if (a.LanguageChange) {
        a.Language = a.Language == 1 ? 2 : 1;
        Platform::SaveSetting(QStringLiteral("Language"), a.Language);
    }
    Module1::SaveAppSetting();
    Shell::Get().StartTerminateTimer();
}

frmPosi::~frmPosi() { CommandSets::Unregister(this); }

// ---- not built yet: new, open and save of position files, printing and the
// row commands; each does nothing until its command is built.
void frmPosi::SinkiSakusei() {}
void frmPosi::PosidataFileOpen() {}
void frmPosi::PosidataGetfromCt() { PosiTransfer::PosidataGetfromCt(); }
void frmPosi::PosidataLoadtoCt() { PosiTransfer::PosidataLoadtoCt(); }
void frmPosi::PosidataSaveToFile() {}
void frmPosi::PosiDataSaveAs() {}
void frmPosi::PrintPosiData() {}
void frmPosi::cmdInsertLine_Click() {}
void frmPosi::cmdDeleteLine_Click() {}
void frmPosi::cmdPosiCopy_Click() {}
void frmPosi::cmdPosiPaste_Click() {}
// ---- end of what is not built yet.

void frmPosi::PosCMDBTN_Muko()
{
    for (QPushButton *b : {cmdInsertLine, cmdDeleteLine, cmdPosiCopy, cmdPosiPaste})
        b->setEnabled(false);
}

void frmPosi::PosCMDBTN_Yuko()
{
    for (QPushButton *b : {cmdInsertLine, cmdDeleteLine, cmdPosiCopy, cmdPosiPaste})
        b->setEnabled(true);
}

void frmPosi::EditCMD_Muko()
{
    for (QPushButton *b : {cmdInsertLine, cmdDeleteLine, cmdPosiCopy, cmdPosiPaste})
        b->setEnabled(false);
}

int frmPosi::PosiDataCheck3() { return PosiCheck::PosiDataCheck3(); }
int frmPosi::Check_flgdLineNo() { return PosiGrid::Check_flgdLineNo(); }
void frmPosi::QzDataHyoji_3() { PosiGrid::QzDataHyoji_3(); }
void frmPosi::QzDataHyoji_3Prg() { PosiGrid::QzDataHyoji_3Prg(); }
void frmPosi::Change_DispUnit() { PosiGrid::Change_DispUnit(); }
void frmPosi::DispAxisData2() { PosiGrid::DispAxisData2(); }
void frmPosi::SizeInit_PosFlexGridAtPosMode() { PosiGrid::SizeInit_PosFlexGridAtPosMode(); }
void frmPosi::SizeInit_PosFlexGridAtPosMode2() { PosiGrid::SizeInit_PosFlexGridAtPosMode2(); }
void frmPosi::SizeInit_PosFlexGridAtPrgMode2() { PosiGrid::SizeInit_PosFlexGridAtPrgMode2(); }
void frmPosi::SizeInit_PosFlexGridAtPrgMode3() { PosiGrid::SizeInit_PosFlexGridAtPrgMode3(); }
void frmPosi::FG_HighSyoriStart() { PosiGrid::FG_HighSyoriStart(); }
void frmPosi::FG_HighSyoriEnd() { PosiGrid::FG_HighSyoriEnd(); }
void frmPosi::FG_InitPos() { PosiGrid::FG_InitPos(); }

int frmPosi::SaveFileAs2(const QString &path)
{
    std::array<QString, 4> names;
    for (size_t a = 0; a < 4; ++a)
        names[a] = lblDeviceType[a]->text();
    if (PosiFile::SaveFileAs2(path, names) != 0)
        return 1;
    PosiWindow::SetCaption(QStringLiteral("[") + App().DataFileName + QStringLiteral("]"));
    return 0;
}

int frmPosi::ChangeDev() { return PosiChangeDev::ChangeDev(); }
