#include "ui/prog/ProgramWindow.h"

#include "core/AppState.h"
#include "core/Twips.h"
#include "link/ProgTransfer.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiFile.h"
#include "posi/PosiRows.h"
#include "prog/CommandList.h"
#include "prog/ProgCheck.h"
#include "prog/ProgEdit.h"
#include "prog/ProgFile.h"
#include "prog/ProgRows.h"
#include "ui/common/Forms.h"
#include "ui/common/Localize.h"
#include "ui/common/OnScreen.h"
#include "ui/common/Widgets.h"
#include "ui/prog/ProgFlows.h"
#include "ui/prog/ProgGridView.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

using Platform::ResText;
namespace Dlg = Platform::Dialogs;

namespace {

// Design sizes (twips).
constexpr int kWidth = 10000;
constexpr int kHeight = 6000;
constexpr int kLeft = 120;
constexpr int kGridTop = 60;
// Wide enough for the longest caption at a slightly smaller font.
constexpr int kButtonWidth = 1860;
constexpr int kButtonHeight = 375;
constexpr int kButtonGap = 60;
constexpr int kPaneGrow = 3000;
// The command and first two operand columns hold their titles whole.
constexpr int kColWidths[7] = {400, 1140, 1140, 1140, 1000, 1000, 2580};

} // namespace

ProgramWindow::ProgramWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ProgramWindow"));
    flgdProg = new ProgGridModel(this);
    Doc.flgdProg = flgdProg;
    flgdProgView = new ProgGridView(Doc, this);
    flgdProgView->setObjectName(QStringLiteral("flgdProg"));
    flgdProgView->setBusyTest([this] { return ProgBusyFlag; });
    connect(flgdProgView, &ProgGridView::clicked, this, &ProgramWindow::GridClick);
    connect(flgdProgView->cellEditor(), &ProgCellEditor::commandListRequested, this, &ProgramWindow::showCommandList);
    connect(flgdProgView->cellEditor(), &ProgCellEditor::editEnded, this, [this](int) { List1->hide(); });

    flgdPrgErr = new QStandardItemModel(11, 3, this);
    flgdPrgErrView = new QTableView(this);
    flgdPrgErrView->setObjectName(QStringLiteral("flgdPrgErr"));
    flgdPrgErrView->setModel(flgdPrgErr);
    flgdPrgErrView->verticalHeader()->hide();
    flgdPrgErrView->setRowHidden(0, true);
    flgdPrgErrView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    flgdPrgErrView->verticalHeader()->setDefaultSectionSize(Twips::ToPx(250));

    auto button = [this](const char *name, int tag) {
        auto *b = Loc::Tagged(new QPushButton(this), tag);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    cmdFileSaveProg = button("cmdFileSaveProg", 255);
    cmdCtWriteProg = button("cmdCtWriteProg", 3009);
    cmdProgVerifyCt = button("cmdProgVerifyCt", 3205);
    cmdProgCheck = button("cmdProgCheck", 738);
    cmdPrintProg = button("cmdPrintProg", 3207);
    cmdInsLineProg = button("cmdInsLineProg", 208);
    cmdDelLineProg = button("cmdDelLineProg", 209);
    cmdProgLineCopy = button("cmdProgLineCopy", 3010);
    cmdProgLinePaste = button("cmdProgLinePaste", 3011);
    cmdCloseSyntaxErr = button("cmdCloseSyntaxErr", 703);
    connect(cmdFileSaveProg, &QPushButton::clicked, this, &ProgramWindow::cmdFileSaveProg_Click);
    connect(cmdCtWriteProg, &QPushButton::clicked, this, &ProgramWindow::cmdCtWriteProg_Click);
    connect(cmdProgVerifyCt, &QPushButton::clicked, this, &ProgramWindow::cmdProgVerifyCt_Click);
    connect(cmdProgCheck, &QPushButton::clicked, this, &ProgramWindow::cmdProgCheck_Click);
    connect(cmdPrintProg, &QPushButton::clicked, this, &ProgramWindow::cmdPrintProg_Click);
    connect(cmdInsLineProg, &QPushButton::clicked, this, &ProgramWindow::cmdInsLineProg_Click);
    connect(cmdDelLineProg, &QPushButton::clicked, this, &ProgramWindow::cmdDelLineProg_Click);
    connect(cmdProgLineCopy, &QPushButton::clicked, this, &ProgramWindow::cmdProgLineCopy_Click);
    connect(cmdProgLinePaste, &QPushButton::clicked, this, &ProgramWindow::cmdProgLinePaste_Click);
    connect(cmdCloseSyntaxErr, &QPushButton::clicked, this, &ProgramWindow::cmdCloseSyntaxErr_Click);
    // The line commands follow the selection (a click on the grid).
    for (QPushButton *b : {cmdInsLineProg, cmdDelLineProg, cmdProgLineCopy, cmdProgLinePaste})
        b->setEnabled(false);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFocusPolicy(Qt::NoFocus);
    List1->setSelectionMode(QAbstractItemView::NoSelection);
    List1->hide();
    txtDummyPrg = new QLineEdit(this);
    txtDummyPrg->setObjectName(QStringLiteral("txtDummyPrg"));
    txtDummyPrg->setGeometry(0, 0, 0, 0);

    // Load: no pane, the design width.
    ErrPaneFlag = false;
    flgdPrgErrView->hide();
    cmdCloseSyntaxErr->hide();
    resize(Twips::ToPx(kWidth), Twips::ToPx(kHeight));
    Loc::SetCaptionFromRes(this);

    ProgGrid_BeginBulk();
    SetStr_ProgGrid();
    SetStr_ProgErrGrid();
    InitSize_ProgGrid();
    InitSize_FGPrgErr();
    // A missing list is reported here; the window opens all the same.
    CommandList::ReadCommandList();
    ProgGrid_EndBulk();
    flgdProg->SetEditable(true);
    ProgramCommandsOn();
    Form_Resize();
    TextFit::ShrinkAll(this);
    CommandSets::Register(this);
}

ProgramWindow::~ProgramWindow() { CommandSets::Unregister(this); }

// ---- the grid -----------------------------------------------------------------

void ProgramWindow::ProgGrid_BeginBulk() { flgdProg->BeginBulk(); }
void ProgramWindow::ProgGrid_EndBulk() { flgdProg->EndBulk(); }
void ProgramWindow::ProgGrid_InitCurrentCell() { flgdProg->SetCurrent(0, 0); }
void ProgramWindow::ProgGrid_ReNumber() { flgdProg->ReNumber(); }

void ProgramWindow::SetStr_ProgGrid()
{
    std::array<QString, ProgGridModel::kCols> titles;
    const int ids[ProgGridModel::kCols] = {711, 726, 727, 728, 729, 730, 731};
    for (int c = 0; c < ProgGridModel::kCols; ++c)
        titles[static_cast<size_t>(c)] = ResText(ids[c]);
    flgdProg->SetTitles(titles);
    ProgGrid_ReNumber();
}

void ProgramWindow::SetStr_ProgErrGrid()
{
    const int ids[3] = {711, 736, 737};
    for (int c = 0; c < 3; ++c) {
        flgdPrgErr->setHeaderData(c, Qt::Horizontal, ResText(ids[c]));
        flgdPrgErr->setData(flgdPrgErr->index(0, c), ResText(ids[c]));
    }
    ResetErrList();
}

void ProgramWindow::InitSize_ProgGrid() { flgdProgView->applyWidths(kColWidths); }

void ProgramWindow::InitSize_FGPrgErr()
{
    // The number and line columns hold their titles whole.
    flgdPrgErrView->setColumnWidth(0, Twips::ToPx(480));
    flgdPrgErrView->setColumnWidth(1, Twips::ToPx(1740));
    flgdPrgErrView->setColumnWidth(2, std::max(0, flgdPrgErrView->width() - Twips::ToPx(480 + 1740 + 100)));
}

// ---- layout and the error pane ------------------------------------------------

QSize ProgramWindow::sizeHint() const { return {Twips::ToPx(kWidth), Twips::ToPx(kHeight)}; }

QWidget *ProgramWindow::frameWidget()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        return sub;
    return this;
}

void ProgramWindow::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    Form_Resize();
}

void ProgramWindow::Form_Resize()
{
    const int H = Twips::FromPx(height());
    const int W = Twips::FromPx(width());
    int gridH = Twips::FromPx(flgdProgView->height());
    if (!ErrPaneFlag) {
        flgdPrgErrView->hide();
        cmdCloseSyntaxErr->hide();
        if (H < 4000) {
            QWidget *f = frameWidget();
            f->resize(f->width(), f->height() + Twips::ToPx(4000 - H));
            return;
        }
        gridH = H - 2000;
    } else {
        flgdPrgErrView->show();
        cmdCloseSyntaxErr->show();
        if (H >= 4500)
            gridH = H - 4850;
        if (H >= 2800) {
            const int top = H - 3200;
            const int closeLeft = W - kLeft - kButtonWidth;
            Geometry::Place(flgdPrgErrView, kLeft, top, std::max(0, closeLeft - kButtonGap - kLeft), 3100);
            Geometry::Place(cmdCloseSyntaxErr, closeLeft, top, kButtonWidth, kButtonHeight);
            InitSize_FGPrgErr();
        }
    }
    const int gridW = std::max(0, W - 2 * kLeft);
    Geometry::Place(flgdProgView, kLeft, kGridTop, gridW, std::max(0, gridH));
    // Two rows of buttons below the grid.
    const int row1 = kGridTop + std::max(0, gridH) + 90;
    const int row2 = row1 + kButtonHeight + kButtonGap;
    auto place = [](QPushButton *b, int i, int top) {
        Geometry::Place(b, kLeft + i * (kButtonWidth + kButtonGap), top, kButtonWidth, kButtonHeight);
    };
    int i = 0;
    for (QPushButton *b : {cmdFileSaveProg, cmdCtWriteProg, cmdProgVerifyCt, cmdProgCheck, cmdPrintProg})
        place(b, i++, row1);
    i = 0;
    for (QPushButton *b : {cmdInsLineProg, cmdDelLineProg, cmdProgLineCopy, cmdProgLinePaste})
        place(b, i++, row2);
}

void ProgramWindow::ShowErrPane()
{
    QWidget *f = frameWidget();
    if (!f->isMinimized() && !f->isMaximized() && !ErrPaneGrowFlag) {
        // The window grows only as far as the work area lets it, moved up
        // first: the grid gives up the rest, and the pane stays in view.
        const QRect grown(f->pos(), QSize(f->width(), f->height() + Twips::ToPx(kPaneGrow)));
        const QRect placed = OnScreen::Inside(grown, OnScreen::ChildArea(f));
        const int before = f->height();
        f->resize(placed.size());
        if (placed.topLeft() != f->pos())
            f->move(placed.topLeft());
        m_paneGrowth = f->height() - before;
        ErrPaneGrowFlag = true;
    }
    // Shown maximised too, only without the growth.
    Form_Resize();
}

void ProgramWindow::HideErrPane()
{
    QWidget *f = frameWidget();
    if (!f->isMinimized() && !f->isMaximized() && ErrPaneGrowFlag) {
        f->resize(f->width(), f->height() - m_paneGrowth);
        m_paneGrowth = 0;
        ErrPaneGrowFlag = false;
    }
    Form_Resize();
}

void ProgramWindow::cmdCloseSyntaxErr_Click()
{
    ErrPaneFlag = false;
    HideErrPane();
}

void ProgramWindow::ClearErrList()
{
    flgdPrgErrView->setUpdatesEnabled(false);
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 2; ++c)
            flgdPrgErr->setData(flgdPrgErr->index(r, c), QString());
    flgdPrgErrView->setUpdatesEnabled(true);
}

void ProgramWindow::ResetErrList()
{
    for (int r = 1; r <= 10; ++r) {
        flgdPrgErr->setData(flgdPrgErr->index(r, 0), QString::number(r));
        flgdPrgErr->setData(flgdPrgErr->index(r, 1), QString());
        flgdPrgErr->setData(flgdPrgErr->index(r, 2), QString());
        flgdPrgErr->setData(flgdPrgErr->index(r, 0), int(Qt::AlignCenter), Qt::TextAlignmentRole);
        flgdPrgErr->setData(flgdPrgErr->index(r, 1), int(Qt::AlignCenter), Qt::TextAlignmentRole);
        flgdPrgErr->setData(flgdPrgErr->index(r, 2), int(Qt::AlignLeft | Qt::AlignVCenter), Qt::TextAlignmentRole);
    }
}

void ProgramWindow::FillErrList()
{
    ResetErrList();
    for (int s = 0; s < ProgCheck::kErrListed; ++s) {
        const ProgCheck::ErrSlotEntry &e = Doc.Check.ErrSlot[static_cast<size_t>(s)];
        flgdPrgErr->setData(flgdPrgErr->index(s + 1, 1), e.line);
        flgdPrgErr->setData(flgdPrgErr->index(s + 1, 2), e.text);
    }
    flgdPrgErrView->setCurrentIndex(QModelIndex());
}

// ---- program data ---------------------------------------------------------------

int ProgramWindow::CheckProgramStepCount(int progNo) const { return ProgData::CheckProgramStepCount(Doc, progNo); }
int ProgramWindow::programCheckProc() { return ProgCheck::programCheckProc(Doc); }
void ProgramWindow::InitCheckTables() { ProgCheck::InitCheckTables(Doc.Check); }

int ProgramWindow::ProgDataCheck(int quiet)
{
    ClearErrList();
    InitCheckTables();
    ProgGrid_InitCurrentCell();
    // No edits while the grid is taken and checked; a flow that locked it
    // keeps it locked.
    const bool editable = flgdProg->Editable();
    flgdProg->SetEditable(false);
    int rc = 1;
    if (ProgData::TakeOver(Doc) == 0) {
        if (programCheckProc() != 1) {
            rc = 0;
        } else {
            FillErrList();
            QString text = ResText(134);
            if (quiet == 0)
                text += QStringLiteral("\r\n") + ResText(135);
            Dlg::MsgBox(text);
        }
    }
    ProgGrid_InitCurrentCell();
    flgdProg->SetEditable(editable);
    return rc;
}

int ProgramWindow::programCheck()
{
    ProgBusyFlag = true;
    {
        CommandSets::BusyScope commandsOff(CommandSets::kCommandsOnly);
        // A take-over that failed has said so; errors go to the pane.
        if (ProgFlows::CheckShowingPane(*this, 0) == 0)
            Dlg::MsgBox(ResText(133));
    }
    ProgBusyFlag = false;
    txtDummyPrg->setFocus();
    return 0;
}

void ProgramWindow::cmdProgCheck_Click() { programCheck(); }

void ProgramWindow::LetCopyProgNo(int progNo) { Doc.ProgNo = progNo; }

// ---- editing ---------------------------------------------------------------------

void ProgramWindow::showCommandList(const QModelIndex &index)
{
    const QRect cell = flgdProgView->visualRect(index);
    const QPoint at = flgdProgView->viewport()->mapTo(this, cell.bottomLeft() + QPoint(0, 1));
    List1->clear();
    const CommandList::CommandListState &list = CommandList::State();
    for (int k = 0; k < list.CommandCount; ++k)
        List1->addItem(list.CommandName.value(k));
    List1->setGeometry(at.x(), at.y(), Twips::ToPx(1500), Twips::ToPx(2500));
    List1->show();
    List1->raise();
}

void ProgramWindow::GridClick(Qt::MouseButton button, const QPoint &globalPos)
{
    if (ProgBusyFlag)
        return;
    const bool clipText = PosiRows::IsClipText() == 0;
    const bool copied = App().ClipCopyFlag;
    if (button == Qt::LeftButton) {
        const ProgEdit::LeftClick s = ProgEdit::LeftClickState(Doc, clipText, copied);
        for (QPushButton *b : {cmdInsLineProg, cmdDelLineProg, cmdProgLineCopy})
            b->setEnabled(s.lineCommands);
        if (s.setsPaste) {
            cmdProgLinePaste->setEnabled(s.paste);
            Forms::EnableMainAction("mnuEditPaste", s.paste);
        }
        for (const char *name : {"mnuEdit", "mnuEditCopy", "mnuEditInsert", "mnuEditLineDelete"})
            Forms::EnableMainAction(name, s.lineCommands);
    } else if (button == Qt::RightButton) {
        const ProgEdit::RightClick s = ProgEdit::RightClickState(Doc, clipText, copied);
        if (!s.popup) {
            Forms::EnableMainAction("mnuEditCopy", false);
            return;
        }
        Forms::ShowMainAction("mnuPopupCopy", s.copy);
        Forms::ShowMainAction("mnuPopupPaste", s.paste);
        Forms::ShowMainAction("mnuPopupLineInsert", s.insert);
        Forms::ShowMainAction("mnuPopupLineDelete", s.remove);
        if (QMenu *menu = Forms::MainPopup())
            menu->popup(globalPos);
    }
}

// ---- closing ---------------------------------------------------------------------

bool ProgramWindow::Form_QueryUnload()
{
    // Not while one of its own operations still works on the window.
    if (ProgBusyFlag)
        return true;
    if (!Doc.ProgChangeFlag)
        return false;
    using Platform::MsgAnswer;
    const MsgAnswer a = Dlg::MsgBox(Platform::ResLines({1033, 1034}), Platform::MsgButtons::YesNoCancel,
                                    Platform::MsgIcon::Question);
    if (a == MsgAnswer::Cancel)
        return true;
    if (a == MsgAnswer::No)
        return false;
    // Closes only once the program is in its file.
    ProgDataSaveAs();
    return Doc.ProgChangeFlag;
}

void ProgramWindow::closeEvent(QCloseEvent *e)
{
    if (Form_QueryUnload()) {
        e->ignore();
        return;
    }
    e->accept();
}

// ---- file --------------------------------------------------------------------------

int ProgramWindow::SaveFileProgAs(const QString &path)
{
    if (ProgFile::SaveFileProgAs(path, ProgData::GridTexts(*flgdProg)) != 0)
        return 1;
    App().DataFileName = PosiFile::TitleOf(path);
    setWindowTitle(ProgFile::CaptionOf(path));
    Doc.ProgChangeFlag = false;
    return 0;
}

int ProgramWindow::OpenProgFile(const QString &path) { return ProgFile::OpenProgFile(path, Doc.ProgDAReadText); }

int ProgramWindow::Check_ProgCaptionName() const { return ProgFile::Check_ProgCaptionName(windowTitle()); }

int ProgramWindow::GetProgFileNameFromCaption()
{
    const auto name = ProgFile::GetProgFileNameFromCaption(windowTitle());
    if (!name)
        return 1;
    ProgFileName = *name;
    return 0;
}

void ProgramWindow::ShowProgramFileData()
{
    if (Doc.ProgDAReadText.size() < 2 || CommandList::ReadCommandList() != 0)
        return;
    ProgData::FillGrid(*flgdProg, ProgData::FileTexts(Doc.ProgDAReadText));
}

void ProgramWindow::ProgDataFileOpen() { ProgFlows::ProgDataFileOpen(*this); }
void ProgramWindow::ProgDataSaveAs() { ProgFlows::ProgDataSaveAs(*this); }
void ProgramWindow::cmdFileSaveProg_Click() { ProgDataSaveAs(); }

void ProgramWindow::cmdPrintProg_Click() { ProgDataPrint(); }
void ProgramWindow::ProgDataPrint() { ProgFlows::ProgDataPrint(*this); }

// ---- controller ------------------------------------------------------------------

int ProgramWindow::WriteProgdataToCt(int progNo) { return Comm::WriteProgToCt(progNo, Doc.ProgDA); }
void ProgramWindow::ProgDataWriteToCt() { ProgFlows::ProgDataWriteToCt(*this); }
void ProgramWindow::cmdCtWriteProg_Click() { ProgDataWriteToCt(); }
int ProgramWindow::ReadProgDataFromCt(int progNo) { return Comm::ReadProgFromCt(progNo, Doc.ProgDARead); }
void ProgramWindow::cmdProgVerifyCt_Click() { ProgFlows::ProgVerifyCt(*this); }

void ProgramWindow::ShowProgramData()
{
    if (Doc.ProgDARead.size() < 2 || CommandList::ReadCommandList() != 0)
        return;
    ProgData::FillGrid(*flgdProg, ProgData::DecodedTexts(Doc.ProgDARead));
}

// ---- rows and clipboard -------------------------------------------------------------

void ProgramWindow::cmdInsLineProg_Click()
{
    if (ProgRows::InsertLines(Doc) == ProgRows::Result::NoLine)
        Dlg::MsgBox(Platform::ResLines({388, 389}));
    flgdProgView->setFocus();
}

void ProgramWindow::cmdDelLineProg_Click()
{
    if (ProgRows::DeleteLines(Doc) == ProgRows::Result::NoLine)
        Dlg::MsgBox(Platform::ResLines({386, 387}));
    flgdProgView->setFocus();
}

void ProgramWindow::cmdProgLineCopy_Click() { PrgDataLineCopy(); }

void ProgramWindow::PrgDataLineCopy()
{
    if (ProgRows::CopyLines(Doc) == ProgRows::Result::NotWholeLines) {
        Dlg::MsgBox(ResText(392), Platform::MsgButtons::Ok, Platform::MsgIcon::Critical);
        return;
    }
    cmdProgLineCopy->setEnabled(true);
    const bool paste = App().ClipCopyFlag && PosiRows::IsClipText() == 0;
    cmdProgLinePaste->setEnabled(paste);
    Forms::EnableMainAction("mnuEditPaste", paste);
    txtDummyPrg->setFocus();
}

void ProgramWindow::cmdProgLinePaste_Click() { ProgDataLinePaste(); }

void ProgramWindow::ProgDataLinePaste()
{
    if (ProgRows::PasteLines(Doc) == ProgRows::Result::NotColumn1) {
        Dlg::MsgBox(ResText(337), Platform::MsgButtons::Ok, Platform::MsgIcon::Critical);
        return;
    }
    flgdProgView->setFocus();
}

// ---- command states ----------------------------------------------------------------

void ProgramWindow::ProgramCommandsOff()
{
    for (QPushButton *b : {cmdFileSaveProg, cmdCtWriteProg, cmdProgCheck, cmdPrintProg, cmdProgVerifyCt,
                           cmdInsLineProg, cmdDelLineProg})
        b->setEnabled(false);
}

void ProgramWindow::ProgramCommandsOn()
{
    for (QPushButton *b : {cmdFileSaveProg, cmdProgCheck, cmdPrintProg})
        b->setEnabled(true);
    if (!App().OfflineFlag) {
        cmdCtWriteProg->setEnabled(true);
        cmdProgVerifyCt->setEnabled(true);
    }
}

void ProgramWindow::ProgramEditCommandsOff()
{
    cmdInsLineProg->setEnabled(false);
    cmdDelLineProg->setEnabled(false);
}
