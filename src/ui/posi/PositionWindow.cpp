#include "ui/posi/PositionWindow.h"

#include "core/AppState.h"
#include "core/CommandSets.h"
#include "core/AppSettings.h"
#include "core/Shell.h"
#include "core/Twips.h"
#include "link/Engine.h"
#include "link/Queues.h"
#include "paradata/UnitTexts.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "posi/PosiEdit.h"
#include "posi/PosiGrid.h"
#include "posi/PosiRows.h"
#include "posi/PosiTables.h"
#include "ui/common/Forms.h"
#include "ui/common/Localize.h"
#include "ui/posi/PosiFileFlows.h"
#include "ui/posi/PosiPrint.h"
#include "ui/posi/PosiGridView.h"
#include "ui/live/MonitorWindow.h"
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


} // namespace PosiWindowSize

PositionWindow::PositionWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PositionWindow"));
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
    connect(flgdData, &PosiGridView::cellChanged, this, &PositionWindow::CellChangeProc);
    connect(flgdData, &PosiGridView::popupRequested, this, &PositionWindow::popup);

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
    connect(cmdPosiFileOpen, &QPushButton::clicked, this, &PositionWindow::PosidataFileOpen);
    connect(cmdPosiSaveFile, &QPushButton::clicked, this, &PositionWindow::PosiDataSaveAs);
    connect(cmdPosiRead, &QPushButton::clicked, this, &PositionWindow::PosidataGetfromCt);
    connect(cmdPosiLoad, &QPushButton::clicked, this, &PositionWindow::PosidataLoadtoCt);
    connect(cmdPosiVerify, &QPushButton::clicked, this, &PositionWindow::cmdPosiVerify_Click);
    connect(cmdPosiVerifyCt, &QPushButton::clicked, this, &PositionWindow::cmdPosiVerifyCt_Click);
    connect(cmdInsertLine, &QPushButton::clicked, this, &PositionWindow::cmdInsertLine_Click);
    connect(cmdDeleteLine, &QPushButton::clicked, this, &PositionWindow::cmdDeleteLine_Click);
    connect(cmdPosiCopy, &QPushButton::clicked, this, &PositionWindow::cmdPosiCopy_Click);
    connect(cmdPosiPaste, &QPushButton::clicked, this, &PositionWindow::cmdPosiPaste_Click);
    auto hidden = [this](const char *name, void (PositionWindow::*slot)()) {
        auto *b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->hide();
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    cmdIOCheck1 = hidden("cmdIOCheck1", &PositionWindow::cmdIOCheck1_Click);
    cmdIOCheck2 = hidden("cmdIOCheck2", &PositionWindow::cmdIOCheck2_Click);
    cmdEditOff = hidden("cmdEditOff", &PositionWindow::cmdEditOff_Click);
    cmdTest = hidden("cmdTest", &PositionWindow::cmdTest_Click);
    connect(cmdPrintPosi, &QPushButton::clicked, this, &PositionWindow::PrintPosiData);
    buildMoveTab(SSTabCommand->widget(1));
    buildTeachTab(SSTabCommand->widget(2));
    box->addWidget(SSTabCommand);

    Form_Load();
    CommandSets::Register(this);
}

void PositionWindow::Form_Load()
{
    AppState &app = App();
    Loc::SetCaptionFromRes(this);
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
    AppSettings::GetDispMmUnit();

    PosiGrid::BeginBulk();
    if (app.PrgModeFlag) {
        PosiGrid::Set_PosFormStrAtPrgMode();
        PosiGrid::SizeInit_PositionGridAtPrgMode();
    } else {
        PosiGrid::Set_PosFormStrAtPosMode();
        PosiGrid::SizeInit_PositionGridAtPosMode();
    }
    PosiGrid::InitCurrentCell();
    PosiGrid::EndBulk();
    // The caption is set once more: the title writing names the data too.
    app.DataFileName = ResText(213);
    app.PosiNoStart = app.PosiNoEnd = app.DispNoStart = app.DispNoEnd = 0;

    const QScreen *screen = QGuiApplication::primaryScreen();
    QWidget *main = Shell::Get().MainWidget();
    const int mainHeight = main ? Twips::FromPx(main->height()) : 9000;
    const QSize size = PosiWindowSize::LoadSize(screen ? screen->geometry().width() : 1024, mainHeight);
    m_loadSize = QSize(Twips::ToPx(size.width()), Twips::ToPx(std::max(size.height(), PosiWindowSize::kMinHeight)));
    resize(m_loadSize);

    loadMoveTab();
    AppSettings::GetJogSetting();
    EditCommandsOff();
}

QWidget *PositionWindow::frameWindow()
{
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    return sub ? static_cast<QWidget *>(sub) : this;
}

void PositionWindow::Form_Resize()
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
    PosiGrid::FitCommentColumn(Twips::FromPx(flgdData->viewport()->width()), 500);
}

void PositionWindow::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    Form_Resize();
}

void PositionWindow::showEvent(QShowEvent *e)
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
void PositionWindow::activated(bool on)
{
    Forms::EnableMainAction("mnuFileSave", on);
    if (on)
        Forms::EnableMainAction("mnuFileSaveAs", true);
}

bool PositionWindow::Form_QueryUnload(bool byCloseBox)
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
        if (Comm::PortIsOpen())
            Comm::CloseCommPort();
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

bool PositionWindow::SaveChangesFirst()
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

void PositionWindow::closeEvent(QCloseEvent *e)
{
    if (Form_QueryUnload(!UnloadByCode)) {
        e->ignore();
        return;
    }
    Form_Unload();
    e->accept();
}

void PositionWindow::Form_Unload()
{
    AppState &a = App();
    Platform::SaveSetting(QStringLiteral("PortNo"), a.PortNo);
    if (a.LanguageChange) {
        a.Language = a.Language == 1 ? 2 : 1;
        Platform::SaveSetting(QStringLiteral("Language"), a.Language);
    }
    AppSettings::SaveAppSetting();
    Shell::Get().StartTerminateTimer();
}

PositionWindow::~PositionWindow() { CommandSets::Unregister(this); }

// ---------------------------------------------------------------- grid reactions

void PositionWindow::Disp_InputRange(int col) { Shell::Get().SetStatusPanel(1, PosiEdit::InputRangeText(col)); }

void PositionWindow::CellChangeProc()
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
        UnitTexts::DispPulseMmRateOfAxis(4);
        return;
    }
    if (col >= 1 && col <= 24)
        UnitTexts::DispPulseMmRateOfAxis((col - 1) / 6);
    if (row < 0 || row >= 2)
        SetEditMenuState();
    if (row != 0) {
        Disp_InputRange(col);
        if (col == 28)
            UnitTexts::DispPulseMmRateOfAxis(4);
    }
}

void PositionWindow::popup(const QPoint &globalPos)
{
    PosiGridModel &g = PosiGrid::Grid();
    const int w = std::abs(g.ColSel() - g.Col()) + 1;
    QMenu *menu = Forms::MainPopup();
    if (!menu || (w != 28 && w != 1))
        return;
    Forms::ShowMainAction("mnuPopupCopy", true);
    Forms::ShowMainAction("mnuPopupPaste", PosiRows::IsClipText() == 0);
    Forms::ShowMainAction("mnuPopupLineDelete", w == 28 && g.Rows() >= 3);
    menu->popup(globalPos);
}

void PositionWindow::SetEditMenuState()
{
    if (Shell::Get().MainWidget()) {
        QWidget *active = Shell::Get().ActiveChild();
        if (!active || active->objectName() != QLatin1String("PositionWindow"))
            return;
    }
    if (PosiGrid::Grid().Rows() < 3) {
        Forms::EnableMainAction("mnuEditLineDelete", false);
        Forms::ShowMainAction("mnuPopupPaste", true);
        return;
    }
    for (QPushButton *b : {cmdPosiCopy, cmdInsertLine, cmdDeleteLine})
        b->setEnabled(true);
    const bool clip = PosiRows::IsClipText() == 0;
    cmdPosiPaste->setEnabled(clip);
    for (const char *name : {"mnuEdit", "mnuEditCopy", "mnuEditInsert", "mnuEditLineDelete"})
        Forms::EnableMainAction(name, true);
    Forms::EnableMainAction("mnuEditPaste", clip);
    Forms::ShowMainAction("mnuPopupPaste", clip);
}

// ---------------------------------------------------------------- commands

void PositionWindow::CreateNewPositions()
{
    // New data replace the grid: changed positions are asked about first.
    if (Posi().DataChanged && !SaveChangesFirst())
        return;
    PosiFileFlows::CreateNewPositions();
    DataButtonsOn();
    SetEditMenuState();
}

void PositionWindow::PosidataFileOpen()
{
    EditCommandsOff();
    {
        CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
        PosiFileFlows::PosidataFileOpenProc();
    }
    SetEditMenuState();
}

int PositionWindow::PosidataSaveToFile()
{
    CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
    return PosiFileFlows::PosidataSaveToFile();
}

int PositionWindow::PosiDataSaveAs()
{
    CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
    return PosiFileFlows::PosiDataSaveAs();
}

void PositionWindow::PosidataGetfromCt() { PosiTransfer::PosidataGetfromCt(); }
void PositionWindow::PosidataLoadtoCt() { PosiTransfer::PosidataLoadtoCt(); }
void PositionWindow::PrintPosiData()
{
    std::array<QString, 4> labels;
    for (size_t a = 0; a < labels.size(); ++a)
        labels[a] = lblDeviceType[a] ? lblDeviceType[a]->text() : QString();
    PosiPrint::PrintPosiData(labels);
    flgdData->viewport()->update();
}

void PositionWindow::cmdInsertLine_Click()
{
    if (PosiRows::InsertSelectedRows())
        flgdData->setFocus();
}

void PositionWindow::cmdDeleteLine_Click()
{
    if (PosiRows::DeleteSelectedRows())
        flgdData->setFocus();
    if (PosiGrid::Grid().Rows() < 3)
        EditCommandsOff();
}

void PositionWindow::cmdPosiCopy_Click()
{
    PosiRows::CopySelection();
    SetEditMenuState();
}

void PositionWindow::cmdPosiPaste_Click() { PosiDataPaste(); }

void PositionWindow::PosiDataPaste()
{
    if (PosiRows::PosiDataPaste())
        flgdData->setFocus();
}

void PositionWindow::cmdPosiVerify_Click()
{
    PosiVerifyFlows::cmdPosiVerify_Click();
    SetEditMenuState();
}

void PositionWindow::cmdPosiVerifyCt_Click()
{
    PosiVerifyFlows::cmdPosiVerifyCt_Click();
    SetEditMenuState();
}

void PositionWindow::showIOCheck()
{
    DataButtonsOff();
    {
        MonitorWindow monitor(this);
        Platform::Dialogs::ExecModal(monitor);
    }
    DataButtonsOn();
}

void PositionWindow::cmdIOCheck1_Click() { showIOCheck(); }
void PositionWindow::cmdIOCheck2_Click() { showIOCheck(); }
void PositionWindow::cmdEditOff_Click() { EditCommandsOff(); }

// A transfer waiting for the controller stops as after a failed request.
void PositionWindow::cmdTest_Click()
{
    Comm::Queues().LinkFailed = true;
    JogCommandsOn();
}

void PositionWindow::DataButtonsOff()
{
    for (QPushButton *b : {cmdPosiFileOpen, cmdPosiSaveFile, cmdPosiLoad, cmdPosiRead, cmdPosiVerify, cmdPosiVerifyCt,
                           cmdJogTeach, cmdInsertLine, cmdDeleteLine, cmdPosiCopy, cmdPosiPaste, cmdPrintPosi})
        b->setEnabled(false);
}

void PositionWindow::DataButtonsOn()
{
    for (QPushButton *b : {cmdPosiFileOpen, cmdPosiSaveFile, cmdPosiVerify})
        b->setEnabled(true);
    if (!App().OfflineFlag)
        for (QPushButton *b : {cmdPosiRead, cmdPosiLoad, cmdPosiVerifyCt})
            b->setEnabled(true);
    cmdJogTeach->setEnabled(true);
    cmdPrintPosi->setEnabled(true);
}

void PositionWindow::PositionCommandsOff()
{
    DataButtonsOff();
    MoveCommandsOff();
    cmdJOGST->setEnabled(false);
}

void PositionWindow::PositionCommandsOn()
{
    DataButtonsOn();
    MoveCommandsOn();
    cmdJOGST->setEnabled(true);
}

void PositionWindow::EditCommandsOff()
{
    for (QPushButton *b : {cmdInsertLine, cmdDeleteLine, cmdPosiCopy, cmdPosiPaste})
        b->setEnabled(false);
}

int PositionWindow::Check_flgdLineNo() { return PosiGrid::Check_flgdLineNo(); }

