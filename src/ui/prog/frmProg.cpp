#include "ui/prog/frmProg.h"

#include "core/AppState.h"
#include "link/ProgTransfer.h"
#include "platform/StringTable.h"
#include "prog/CommandList.h"
#include "posi/PosiFile.h"
#include "prog/ProgFile.h"
#include "ui/common/Localize.h"
#include "ui/prog/ProgFlows.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

using Platform::ResText;

frmProg::frmProg(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmProg"));
    auto *box = new QVBoxLayout(this);
    flgdProg = new ProgGridModel(this);
    Doc.flgdProg = flgdProg;
    flgdProgView = new QTableView(this);
    flgdProgView->setObjectName(QStringLiteral("flgdProg"));
    flgdProgView->setModel(flgdProg);
    box->addWidget(flgdProgView, 1);
    flgdPrgErr = new QStandardItemModel(11, 3, this);
    auto *row = new QHBoxLayout();
    auto button = [this, row](const char *name, int tag) {
        auto *b = Loc::Tagged(new QPushButton(this), tag);
        b->setObjectName(QString::fromLatin1(name));
        row->addWidget(b);
        return b;
    };
    cmdFileSaveProg = button("cmdFileSaveProg", 255);
    cmdCtWriteProg = button("cmdCtWriteProg", 3009);
    cmdInsLineProg = button("cmdInsLineProg", 208);
    cmdDelLineProg = button("cmdDelLineProg", 209);
    cmdProgLineCopy = button("cmdProgLineCopy", 3010);
    cmdProgLinePaste = button("cmdProgLinePaste", 3011);
    row->addStretch();
    box->addLayout(row);
    connect(cmdFileSaveProg, &QPushButton::clicked, this, &frmProg::cmdFileSaveProg_Click);
    connect(cmdCtWriteProg, &QPushButton::clicked, this, &frmProg::cmdCtWriteProg_Click);
    Module1::SetCaptionFromRes(this);

    FGProg_HighSyoriStart();
    SetStr_FGProg();
    FGProg_HighSyoriEnd();
    // A missing list is reported here; the window opens all the same.
    Module1::ReadCommandList();
    ProgCMDBTN_Yuko();
    resize(660, 360);
    CommandSets::Register(this);
}

frmProg::~frmProg() { CommandSets::Unregister(this); }

// ---- the grid -----------------------------------------------------------------

void frmProg::FGProg_HighSyoriStart() { flgdProg->BeginBulk(); }
void frmProg::FGProg_HighSyoriEnd() { flgdProg->EndBulk(); }
void frmProg::FGProg_InitPos() { flgdProg->SetCurrent(0, 0); }
void frmProg::FGProg_ReNumber() { flgdProg->ReNumber(); }

void frmProg::SetStr_FGProg()
{
    std::array<QString, ProgGridModel::kCols> titles;
    const int ids[ProgGridModel::kCols] = {711, 726, 727, 728, 729, 730, 731};
    for (int c = 0; c < ProgGridModel::kCols; ++c)
        titles[static_cast<size_t>(c)] = ResText(ids[c]);
    flgdProg->SetTitles(titles);
    FGProg_ReNumber();
}

// ---- program data ---------------------------------------------------------------

int frmProg::GetCmdCode(const QString &name) const { return Module1::GetCmdCode(name); }
int frmProg::Check_flgdProgLineNo() { return ProgData::Check_flgdProgLineNo(Doc); }
int frmProg::Check_NullLineAndDelete() { return ProgData::Check_NullLineAndDelete(Doc); }
int frmProg::TorikomiProg2DA() { return ProgData::TorikomiProg2DA(Doc); }
int frmProg::Check_ProgramStepSu(int progNo) const { return ProgData::Check_ProgramStepSu(Doc, progNo); }

void frmProg::ClearErrList()
{
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 2; ++c)
            flgdPrgErr->setData(flgdPrgErr->index(r, c), QString());
}

int frmProg::ProgDataCheck(int /*quiet*/)
{
    if (Module1::ReadCommandList() != 0 || Check_flgdProgLineNo() != 0 || Check_NullLineAndDelete() != 0
        || TorikomiProg2DA() != 0)
        return 1;
    return 0;
}

void frmProg::LetCopyProgNo(int progNo) { Doc.ProgNo = progNo; }

// ---- file --------------------------------------------------------------------------

int frmProg::SaveFileProgAs2(const QString &path)
{
    if (ProgFile::SaveFileProgAs2(path, ProgData::GridTexts(*flgdProg)) != 0)
        return 1;
    App().DataFileName = PosiFile::TitleOf(path);
    setWindowTitle(ProgFile::CaptionOf(path));
    Doc.ProgChangeFlag = false;
    return 0;
}

int frmProg::OpenProgFile(const QString &path) { return ProgFile::OpenProgFile(path, Doc.ProgDAReadText); }

int frmProg::Check_ProgCaptionName() const { return ProgFile::Check_ProgCaptionName(windowTitle()); }

int frmProg::GetProgFileNameFromCaption()
{
    const auto name = ProgFile::GetProgFileNameFromCaption(windowTitle());
    if (!name)
        return 1;
    ProgFileName = *name;
    return 0;
}

void frmProg::ProgDataHyoji2()
{
    if (Doc.ProgDAReadText.size() < 2 || Module1::ReadCommandList() != 0)
        return;
    ProgData::FillGrid(*flgdProg, ProgData::FileTexts(Doc.ProgDAReadText));
}

void frmProg::ProgDataFileOpen() { ProgFlows::ProgDataFileOpen(*this); }
void frmProg::ProgDataSaveAs() { ProgFlows::ProgDataSaveAs(*this); }
void frmProg::cmdFileSaveProg_Click() { ProgDataSaveAs(); }

// ---- controller ------------------------------------------------------------------

int frmProg::WriteProgdataToCt(int progNo) { return Module3Tusin::WriteProgToCt(progNo, Doc.ProgDA); }
void frmProg::ProgDataWrite2Ct() { ProgFlows::ProgDataWrite2Ct(*this); }
void frmProg::cmdCtWriteProg_Click() { ProgDataWrite2Ct(); }
int frmProg::ReadProgDataFromCt(int progNo) { return Module3Tusin::ReadProgFromCt(progNo, Doc.ProgDARead); }
void frmProg::ProgDataGetfromCt() { ProgFlows::ProgDataGetfromCt(*this); }

void frmProg::ProgDataHyoji()
{
    if (Doc.ProgDARead.size() < 2 || Module1::ReadCommandList() != 0)
        return;
    ProgData::FillGrid(*flgdProg, ProgData::DecodedTexts(Doc.ProgDARead));
}

// ---- rows and clipboard: the program editor's -------------------------------------

void frmProg::cmdInsLineProg_Click() {}
void frmProg::cmdDelLineProg_Click() {}
void frmProg::cmdProgLineCopy_Click() {}
void frmProg::PrgDataLineCopy() {}
void frmProg::cmdProgLinePaste_Click() {}
void frmProg::ProgDataLinePaste() {}

// ---- command states ----------------------------------------------------------------

void frmProg::ProgCMDBTN_Muko()
{
    for (QPushButton *b : {cmdFileSaveProg, cmdCtWriteProg, cmdInsLineProg, cmdDelLineProg})
        b->setEnabled(false);
}

void frmProg::ProgCMDBTN_Yuko()
{
    cmdFileSaveProg->setEnabled(true);
    cmdCtWriteProg->setEnabled(!App().OfflineFlag);
}

void frmProg::EditProgCMD_Muko()
{
    cmdInsLineProg->setEnabled(false);
    cmdDelLineProg->setEnabled(false);
}

void frmProg::EditProgCMD_Yuko()
{
    cmdInsLineProg->setEnabled(true);
    cmdDelLineProg->setEnabled(true);
}
