#include "posi/frmPosi.h"
#include "app/AppState.h"
#include "app/Localize.h"
#include "app/Module1Settings.h"
#include "app/frmMain.h"
#include "platform/Settings.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
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

    flgdModel = new QStandardItemModel(1, 25, this);
    flgdData = new QTableView(this);
    flgdData->setObjectName(QStringLiteral("flgdData"));
    flgdData->setModel(flgdModel);
    box->addWidget(flgdData, 1);

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
    if (a.MainForm)
        a.MainForm->timerTerminate->start();
}

void frmPosi::SinkiSakusei() {}
void frmPosi::PosidataFileOpen() {}
void frmPosi::PosidataGetfromCt() {}
void frmPosi::PosidataLoadtoCt() {}
void frmPosi::PosidataSaveToFile() {}
void frmPosi::PosiDataSaveAs() {}
void frmPosi::PrintPosiData() {}
void frmPosi::cmdInsertLine_Click() {}
void frmPosi::cmdDeleteLine_Click() {}
void frmPosi::cmdPosiCopy_Click() {}
void frmPosi::cmdPosiPaste_Click() {}

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

int frmPosi::PosiDataCheck3() { return 0; }
void frmPosi::QzDataHyoji_3() {}
void frmPosi::QzDataHyoji_3Prg() {}
void frmPosi::Change_DispUnit() {}
void frmPosi::DispAxisData2() {}
void frmPosi::SizeInit_PosFlexGridAtPosMode() {}
void frmPosi::SizeInit_PosFlexGridAtPosMode2() {}
void frmPosi::SizeInit_PosFlexGridAtPrgMode2() {}
void frmPosi::SizeInit_PosFlexGridAtPrgMode3() {}

void frmPosi::FG_HighSyoriStart()
{
    flgdData->setUpdatesEnabled(false);
    flgdData->setEnabled(false);
}

void frmPosi::FG_HighSyoriEnd()
{
    flgdData->setUpdatesEnabled(true);
    flgdData->setEnabled(true);
}

void frmPosi::FG_InitPos() { flgdData->setCurrentIndex(flgdModel->index(0, 0)); }

int frmPosi::ChangeDev() { return 0; }
