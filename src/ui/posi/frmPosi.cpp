#include "ui/posi/frmPosi.h"

#include "core/AppState.h"
#include "core/CommandSets.h"
#include "core/Module1Settings.h"
#include "core/Shell.h"
#include "core/Twips.h"
#include "link/Engine.h"
#include "link/Queues.h"
#include "paradata/UnitTexts.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "posi/PosiCheck.h"
#include "posi/PosiEdit.h"
#include "posi/PosiFile.h"
#include "posi/PosiGrid.h"
#include "posi/PosiRows.h"
#include "posi/PosiTables.h"
#include "ui/common/Forms.h"
#include "ui/common/Localize.h"
#include "ui/posi/PosiChangeDev.h"
#include "ui/posi/PosiFileFlows.h"
#include "ui/posi/PosiPrint.h"
#include "ui/posi/PosiGridView.h"
#include "ui/live/frmIOCheckFG.h"
#include "ui/posi/PosiTransfer.h"
#include "ui/posi/PosiVerifyFlows.h"
#include "ui/posi/PosiWindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

using Platform::ResText;

namespace PosiWindowSize {

QSize LoadSize(int screenWidthPx, int mainHeightTwips)
{
    if (screenWidthPx > 800)
        return {14000, mainHeightTwips - 2500};
    return {11670, 8250};
}

QSize Limited(QSize twips, bool minimisedOrMaximised)
{
    if (minimisedOrMaximised)
        return twips;
    return {std::max(twips.width(), kMinWidth), std::max(twips.height(), kMinHeight)};
}

int CommentWidth(int gridWidth, int otherColumns)
{
    if (gridWidth < otherColumns + 3500)
        return 3500;
    return gridWidth - otherColumns - 500;
}

} // namespace PosiWindowSize

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
    connect(flgdData, &PosiGridView::cellChanged, this, &frmPosi::CellChangeProc);
    connect(flgdData, &PosiGridView::popupRequested, this, &frmPosi::popup);

    SSTabCommand = new QTabWidget(this);
    SSTabCommand->setObjectName(QStringLiteral("SSTabCommand"));
    for (int t = 0; t < 3; ++t)
        SSTabCommand->addTab(new QWidget(SSTabCommand), QString::number(t));

    auto *grid = new QGridLayout(SSTabCommand->widget(0));
    auto button = [this, grid](const char *name, int tag, int row, int col) {
        auto *b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        Loc::Tagged(b, tag);
        grid->addWidget(b, row, col);
        return b;
    };
    cmdPosiFileOpen = button("cmdPosiFileOpen", 3200, 0, 0);
    cmdPosiSaveFile = button("cmdPosiSaveFile", 3201, 1, 0);
    cmdPosiVerify = button("cmdPosiVerify", 3202, 2, 0);
    cmdPosiRead = button("cmdPosiRead", 3203, 0, 1);
    cmdPosiLoad = button("cmdPosiLoad", 3204, 1, 1);
    cmdPosiVerifyCt = button("cmdPosiVerifyCt", 3205, 2, 1);
    cmdInsertLine = button("cmdInsertLine", 208, 0, 2);
    cmdDeleteLine = button("cmdDeleteLine", 209, 1, 2);
    cmdPosiCopy = button("cmdPosiCopy", 3010, 0, 3);
    cmdPosiPaste = button("cmdPosiPaste", 3011, 1, 3);
    cmdJogTeach = button("cmdJogTeach", 3206, 0, 4);
    cmdPrintPosi = button("cmdPrintPosi", 3207, 1, 4);
    grid->setRowStretch(3, 1);
    connect(cmdPosiFileOpen, &QPushButton::clicked, this, &frmPosi::PosidataFileOpen);
    connect(cmdPosiSaveFile, &QPushButton::clicked, this, &frmPosi::PosiDataSaveAs);
    connect(cmdPosiRead, &QPushButton::clicked, this, &frmPosi::PosidataGetfromCt);
    connect(cmdPosiLoad, &QPushButton::clicked, this, &frmPosi::PosidataLoadtoCt);
    connect(cmdPosiVerify, &QPushButton::clicked, this, &frmPosi::cmdPosiVerify_Click);
    connect(cmdPosiVerifyCt, &QPushButton::clicked, this, &frmPosi::cmdPosiVerifyCt_Click);
    connect(cmdInsertLine, &QPushButton::clicked, this, &frmPosi::cmdInsertLine_Click);
    connect(cmdDeleteLine, &QPushButton::clicked, this, &frmPosi::cmdDeleteLine_Click);
    connect(cmdPosiCopy, &QPushButton::clicked, this, &frmPosi::cmdPosiCopy_Click);
    connect(cmdPosiPaste, &QPushButton::clicked, this, &frmPosi::cmdPosiPaste_Click);
    auto hidden = [this](const char *name, void (frmPosi::*slot)()) {
        auto *b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->hide();
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    cmdIOCheck1 = hidden("cmdIOCheck1", &frmPosi::cmdIOCheck1_Click);
    cmdIOCheck2 = hidden("cmdIOCheck2", &frmPosi::cmdIOCheck2_Click);
    cmdEditMuko = hidden("cmdEditMuko", &frmPosi::cmdEditMuko_Click);
    cmdTest = hidden("cmdTest", &frmPosi::cmdTest_Click);
    connect(cmdPrintPosi, &QPushButton::clicked, this, &frmPosi::PrintPosiData);
    buildMoveTab(SSTabCommand->widget(1));
    buildTeachTab(SSTabCommand->widget(2));
    box->addWidget(SSTabCommand);

    Form_Load();
    CommandSets::Register(this);
}

void frmPosi::Form_Load()
{
    AppState &app = App();
    Module1::SetCaptionFromRes(this);
    SSTabCommand->setTabText(0, ResText(151));
    SSTabCommand->setTabText(1, ResText(501));
    SSTabCommand->setTabText(2, ResText(210));
    SSTabCommand->setTabEnabled(1, false);
    SSTabCommand->setTabEnabled(2, false);
    app.DataFileName = ResText(213);
    // The window is being made: its caption is set here, not through the
    // shell, which would make it once more.
    Posi().Caption = ResText(202) + QStringLiteral("-[") + ResText(213) + QStringLiteral("]");
    setWindowTitle(Posi().Caption);
    Module1::GetDispMmUnit();

    PosiGrid::FG_HighSyoriStart();
    if (app.PrgModeFlag) {
        PosiGrid::Set_PosFormStrAtPrgMode();
        PosiGrid::SizeInit_PosFlexGridAtPrgMode2();
    } else {
        PosiGrid::Set_PosFormStrAtPosMode();
        PosiGrid::SizeInit_PosFlexGridAtPosMode();
    }
    PosiGrid::FG_InitPos();
    PosiGrid::FG_HighSyoriEnd();
    // The caption is set once more: the title writing names the data too.
    app.DataFileName = ResText(213);
    app.PosiNoStart = app.PosiNoEnd = app.DispNoStart = app.DispNoEnd = 0;

    const QScreen *screen = QGuiApplication::primaryScreen();
    QWidget *main = Shell::Get().MainWidget();
    const int mainHeight = main ? Twips::FromPx(main->height()) : 9000;
    const QSize size = PosiWindowSize::LoadSize(screen ? screen->geometry().width() : 1024, mainHeight);
    resize(Twips::ToPx(size.width()), Twips::ToPx(std::max(size.height(), PosiWindowSize::kMinHeight)));

    loadMoveTab();
    Module1::GetJogSetting();
    EditCMD_Muko();
}

QWidget *frmPosi::frameWindow()
{
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    return sub ? static_cast<QWidget *>(sub) : this;
}

void frmPosi::Form_Resize()
{
    QWidget *w = frameWindow();
    if (m_inResize)
        return;
    const bool minMax = w->isMinimized() || w->isMaximized();
    const QSize now(Twips::FromPx(w->width()), Twips::FromPx(w->height()));
    const QSize limited = PosiWindowSize::Limited(now, minMax);
    if (limited != now) {
        m_inResize = true;
        w->resize(Twips::ToPx(limited.width()), Twips::ToPx(limited.height()));
        m_inResize = false;
    }
    if (minMax)
        return;
    PosiGridModel &g = PosiGrid::Grid();
    int others = 0;
    for (int c = 0; c <= 27; ++c)
        others += g.ColWidth(c);
    g.SetColWidth(28, PosiWindowSize::CommentWidth(Twips::FromPx(flgdData->viewport()->width()), others));
}

void frmPosi::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    Form_Resize();
}

void frmPosi::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (m_activationHooked)
        return;
    QWidget *main = Shell::Get().MainWidget();
    auto *mdi = main ? main->findChild<QMdiArea *>() : nullptr;
    if (!mdi)
        return;
    m_activationHooked = true;
    connect(mdi, &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow *sub) { activated(sub && sub->widget() == this); });
}

// Activation switches the main window's save commands.
void frmPosi::activated(bool on)
{
    Forms::EnableMainAction("mnuFileSave", on);
    if (on)
        Forms::EnableMainAction("mnuFileSaveAs", true);
}

bool frmPosi::Form_QueryUnload(bool byCloseBox)
{
    AppState &app = App();
    PosiState &p = Posi();
    if (byCloseBox) {
        if (app.TeachModeFlag) {
            Platform::Dialogs::MsgBox(Platform::ResLines({60, 61}), Platform::MsgButtons::Ok, Platform::MsgIcon::None);
            return true;
        }
        if (app.BusyFlag || app.FileBusy)
            return true;
    }
    QueryUnloadCancel = false;
    p.SaveCancelled = false;
    using Platform::MsgAnswer;
    if (!p.DataChanged) {
        if (Platform::Dialogs::MsgBox(ResText(390), Platform::MsgButtons::OkCancel, Platform::MsgIcon::Question)
            != MsgAnswer::Ok) {
            QueryUnloadCancel = true;
            return true;
        }
        if (Module3Tusin::PortIsOpen())
            Module3Tusin::CloseCommPort();
        return false;
    }
    // Closes only once the data are in the file: a cancelled dialog, bad
    // positions or a failed write keep the window, and the application.
    if (!SaveChangesFirst()) {
        QueryUnloadCancel = true;
        return true;
    }
    return false;
}

bool frmPosi::SaveChangesFirst()
{
    using Platform::MsgAnswer;
    const MsgAnswer a = Platform::Dialogs::MsgBox(ResText(391), Platform::MsgButtons::YesNoCancel, Platform::MsgIcon::Question);
    if (a == MsgAnswer::Cancel)
        return false;
    if (a == MsgAnswer::No)
        return true;
    if (PosidataSaveToFile() != 0) {
        Posi().SaveCancelled = false;
        return false;
    }
    return true;
}

void frmPosi::closeEvent(QCloseEvent *e)
{
    if (Form_QueryUnload(!UnloadByCode)) {
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

// ---------------------------------------------------------------- grid reactions

void frmPosi::Disp_InputRange(int col) { Shell::Get().SetStatusPanel(1, PosiEdit::InputRangeText(col)); }

void frmPosi::CellChangeProc()
{
    PosiGridModel &g = PosiGrid::Grid();
    const int row = g.Row(), col = g.Col();
    if (App().TeachModeFlag) {
        Posi().TeachPosiRow = row;
        lblPosiNo->setText(g.Text(row, 0));
        g.SetCurrent(row, 1);
        return;
    }
    if (std::abs(g.ColSel() - col) + 1 >= 28) {
        SetEditMenuState();
        Disp_InputRange(0);
        Module1::DispPulseMmRate1(4);
        return;
    }
    if (col >= 1 && col <= 24)
        Module1::DispPulseMmRate1((col - 1) / 6);
    if (row < 0 || row >= 2)
        SetEditMenuState();
    if (row != 0) {
        Disp_InputRange(col);
        if (col == 28)
            Module1::DispPulseMmRate1(4);
    }
}

void frmPosi::popup(const QPoint &globalPos)
{
    PosiGridModel &g = PosiGrid::Grid();
    const int w = std::abs(g.ColSel() - g.Col()) + 1;
    QMenu *menu = Forms::MainPopup();
    if (!menu || (w != 28 && w != 1))
        return;
    Forms::ShowMainAction("mnuPopupCopy", true);
    Forms::ShowMainAction("mnuPopupPaste", Module1::IsClipText() == 0);
    Forms::ShowMainAction("mnuPopupLineDelete", w == 28 && g.Rows() >= 3);
    menu->popup(globalPos);
}

void frmPosi::SetEditMenuState()
{
    if (Shell::Get().MainWidget()) {
        QWidget *active = Shell::Get().ActiveChild();
        if (!active || active->objectName() != QLatin1String("frmPosi"))
            return;
    }
    if (PosiGrid::Grid().Rows() < 3) {
        Forms::EnableMainAction("mnuEditLineDelete", false);
        Forms::ShowMainAction("mnuPopupPaste", true);
        return;
    }
    for (QPushButton *b : {cmdPosiCopy, cmdInsertLine, cmdDeleteLine})
        b->setEnabled(true);
    const bool clip = Module1::IsClipText() == 0;
    cmdPosiPaste->setEnabled(clip);
    for (const char *name : {"mnuEdit", "mnuEditCopy", "mnuEditInsert", "mnuEditLineDelete"})
        Forms::EnableMainAction(name, true);
    Forms::EnableMainAction("mnuEditPaste", clip);
    Forms::ShowMainAction("mnuPopupPaste", clip);
}

// ---------------------------------------------------------------- commands

void frmPosi::SinkiSakusei()
{
    // New data replace the grid: changed positions are asked about first.
    if (Posi().DataChanged && !SaveChangesFirst())
        return;
    PosiFileFlows::SinkiSakusei();
    CMDBTN_Yuko();
    SetEditMenuState();
}

void frmPosi::PosidataFileOpen()
{
    EditCMD_Muko();
    {
        Module1::BusyScope commandsOff(Module1::kCommandsOnly);
        PosiFileFlows::PosidataFileOpenProc();
    }
    SetEditMenuState();
}

int frmPosi::PosidataSaveToFile()
{
    Module1::BusyScope commandsOff(Module1::kCommandsOnly);
    return PosiFileFlows::PosidataSaveToFile();
}

int frmPosi::PosiDataSaveAs()
{
    Module1::BusyScope commandsOff(Module1::kCommandsOnly);
    return PosiFileFlows::PosiDataSaveAs();
}

void frmPosi::PosidataGetfromCt() { PosiTransfer::PosidataGetfromCt(); }
void frmPosi::PosidataLoadtoCt() { PosiTransfer::PosidataLoadtoCt(); }
void frmPosi::PrintPosiData()
{
    std::array<QString, 4> labels;
    for (size_t a = 0; a < labels.size(); ++a)
        labels[a] = lblDeviceType[a] ? lblDeviceType[a]->text() : QString();
    PosiPrint::PrintPosiData(labels);
    flgdData->viewport()->update();
}

void frmPosi::cmdInsertLine_Click()
{
    if (PosiRows::InsertSelectedRows())
        flgdData->setFocus();
}

void frmPosi::cmdDeleteLine_Click()
{
    if (PosiRows::DeleteSelectedRows())
        flgdData->setFocus();
    if (PosiGrid::Grid().Rows() < 3)
        EditCMD_Muko();
}

void frmPosi::cmdPosiCopy_Click()
{
    PosiRows::CopySelection();
    SetEditMenuState();
}

void frmPosi::cmdPosiPaste_Click() { PosiDataPaste(); }

void frmPosi::PosiDataPaste()
{
    if (PosiRows::PosiDataPaste())
        flgdData->setFocus();
}

void frmPosi::PosiDataLinePaste()
{
    if (PosiRows::PosiDataLinePaste())
        flgdData->setFocus();
}

void frmPosi::PosiDataLinePasteCheck()
{
    if (PosiRows::PosiDataLinePasteCheck())
        flgdData->setFocus();
}

int frmPosi::GetClipPosiData() { return PosiRows::GetClipPosiData(); }

void frmPosi::cmdPosiVerify_Click()
{
    PosiVerifyFlows::cmdPosiVerify_Click();
    SetEditMenuState();
}

void frmPosi::cmdPosiVerifyCt_Click()
{
    PosiVerifyFlows::cmdPosiVerifyCt_Click();
    SetEditMenuState();
}

void frmPosi::showIOCheck()
{
    CMDBTN_Muko();
    {
        frmIOCheckFG monitor(this);
        Platform::Dialogs::ExecModal(monitor);
    }
    CMDBTN_Yuko();
}

void frmPosi::cmdIOCheck1_Click() { showIOCheck(); }
void frmPosi::cmdIOCheck2_Click() { showIOCheck(); }
void frmPosi::cmdEditMuko_Click() { EditCMD_Muko(); }

// A transfer waiting for the controller stops as after a failed request.
void frmPosi::cmdTest_Click()
{
    Module3Tusin::Queues().TusinErrorFlag = true;
    JogCMDBTN_Yuko();
}

void frmPosi::CMDBTN_Muko()
{
    for (QPushButton *b : {cmdPosiFileOpen, cmdPosiSaveFile, cmdPosiLoad, cmdPosiRead, cmdPosiVerify, cmdPosiVerifyCt,
                           cmdJogTeach, cmdInsertLine, cmdDeleteLine, cmdPosiCopy, cmdPosiPaste, cmdPrintPosi})
        b->setEnabled(false);
}

void frmPosi::CMDBTN_Yuko()
{
    for (QPushButton *b : {cmdPosiFileOpen, cmdPosiSaveFile, cmdPosiVerify})
        b->setEnabled(true);
    if (!App().OfflineFlag)
        for (QPushButton *b : {cmdPosiRead, cmdPosiLoad, cmdPosiVerifyCt})
            b->setEnabled(true);
    cmdJogTeach->setEnabled(true);
    cmdPrintPosi->setEnabled(true);
}

void frmPosi::PosCMDBTN_Muko()
{
    CMDBTN_Muko();
    MoveCMDBTN_Muko();
    cmdJOGST->setEnabled(false);
}

void frmPosi::PosCMDBTN_Yuko()
{
    CMDBTN_Yuko();
    MoveCMDBTN_Yuko();
    cmdJOGST->setEnabled(true);
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
    if (PosiFile::SaveFileAs2(path, PosiFile::DeviceNamesOfSetting()) != 0)
        return 1;
    PosiWindow::SetCaption(ResText(202) + QStringLiteral("-[") + App().DataFileName + QStringLiteral("]"));
    return 0;
}

int frmPosi::ChangeDev() { return PosiChangeDev::ChangeDev(); }
