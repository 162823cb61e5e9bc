#pragma once
// A program window: one per open program, all named "ProgramWindow"; the main
// window reaches its Edit and file commands through ChildCommands. The window
// binds its grid view, error pane and buttons to the program data (Doc) and
// leaves the work to plain procedures (prog/ProgEdit.h, prog/ProgCheck.h,
// ui/prog/ProgFlows.h).
#include "core/CommandSets.h"
#include "prog/ProgGridModel.h"
#include "prog/ProgLines.h"
#include "ui/common/ChildCommands.h"

#include <QWidget>

class ProgGridView;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStandardItemModel;
class QTableView;

class ProgramWindow : public QWidget, public CommandSets::CommandSet, public ChildCommands {
    Q_OBJECT
public:
    explicit ProgramWindow(QWidget *parent = nullptr);
    ~ProgramWindow() override;

    // The command set of the walk.
    void CommandsOff() override { ProgramCommandsOff(); ProgramEditCommandsOff(); }
    void CommandsOn() override { ProgramCommandsOn(); }
    void ProgCommandsOff() override { ProgramCommandsOff(); }

    // The main window's commands on this window while it is the active one.
    void CopyLines() override { PrgDataLineCopy(); }
    void PasteLines() override { ProgDataLinePaste(); }
    void InsertLines() override { cmdInsLineProg_Click(); }
    void DeleteLines() override { cmdDelLineProg_Click(); }
    void OpenFile() override { ProgDataFileOpen(); }
    void SaveAs() override { ProgDataSaveAs(); }

    // The window's program: grid texts, codes, what was read, number, change
    // flag, the last check. Doc.flgdProg is this window's grid.
    ProgData::ProgDoc Doc;
    ProgGridModel *flgdProg = nullptr;
    ProgGridView *flgdProgView = nullptr;
    // The syntax-error pane: row 0 the titles, rows 1..10 (No., line, error).
    QStandardItemModel *flgdPrgErr = nullptr;
    QTableView *flgdPrgErrView = nullptr;

    QPushButton *cmdFileSaveProg = nullptr;
    QPushButton *cmdCtWriteProg = nullptr;
    QPushButton *cmdProgCheck = nullptr;
    QPushButton *cmdPrintProg = nullptr;
    QPushButton *cmdProgVerifyCt = nullptr;
    QPushButton *cmdInsLineProg = nullptr;
    QPushButton *cmdDelLineProg = nullptr;
    QPushButton *cmdProgLineCopy = nullptr;
    QPushButton *cmdProgLinePaste = nullptr;
    QPushButton *cmdCloseSyntaxErr = nullptr;
    // The command names shown under a Command cell (Ctrl+Space), for reading.
    QListWidget *List1 = nullptr;
    // Takes the focus off the grid.
    QLineEdit *txtDummyPrg = nullptr;

    // One of this window's long operations runs: the grid ignores the mouse
    // and the window does not close.
    bool ProgBusyFlag = false;
    // The error pane is shown; the window grew for it.
    bool ErrPaneFlag = false;
    bool ErrPaneGrowFlag = false;
    // The file name of the caption, set by GetProgFileNameFromCaption.
    QString ProgFileName;
    // The name on the printout's name line: the file's (printed after
    // "File Name:") or the caption.
    QString PrintProgName;
    bool PrintProgNameIsFile = false;

    int ProgNo() const { return Doc.ProgNo; }
    bool ProgChangeFlag() const { return Doc.ProgChangeFlag; }

    int CheckProgramStepCount(int progNo) const;
    void ClearErrList();
    // The take-over and the syntax check of the program: 0 = no error; 1 =
    // errors (listed in the pane, message 134, and 135 unless quiet), or the
    // take-over failed.
    int ProgDataCheck(int quiet);
    int programCheckProc();
    void InitCheckTables();
    void FillErrList();
    void ResetErrList();

    int SaveFileProgAs(const QString &path);
    int OpenProgFile(const QString &path);
    int Check_ProgCaptionName() const;
    int GetProgFileNameFromCaption();

    void ProgGrid_BeginBulk();
    void ProgGrid_EndBulk();
    void ProgGrid_InitCurrentCell();
    void ProgGrid_ReNumber();
    void SetStr_ProgGrid();
    void SetStr_ProgErrGrid();
    void InitSize_ProgGrid();
    void InitSize_FGPrgErr();

    // Layout by the window's height, with or without the error pane.
    void Form_Resize();
    // The pane shown / hidden; the window grows by 3000 twips once for it,
    // less where the work area ends, and shrinks again by what it grew (not
    // while minimised or maximised).
    void ShowErrPane();
    void HideErrPane();
    // The window that is sized: the MDI frame, or this window on its own.
    QWidget *frameWidget();

    // A click on the grid: buttons, the Edit menu and the popup by the
    // selection.
    void GridClick(Qt::MouseButton button, const QPoint &globalPos);
    // The close question: true when the window stays open.
    bool Form_QueryUnload();

public slots:
    void LetCopyProgNo(int progNo);
    void ProgDataFileOpen();
    void ProgDataSaveAs();
    int WriteProgdataToCt(int progNo);
    void ProgDataWriteToCt();
    int ReadProgDataFromCt(int progNo);
    void ShowProgramData();
    void ShowProgramFileData();
    int programCheck();
    void cmdProgCheck_Click();
    void cmdCloseSyntaxErr_Click();
    void cmdPrintProg_Click();
    void ProgDataPrint();
    void cmdProgVerifyCt_Click();
    void cmdFileSaveProg_Click();
    void cmdCtWriteProg_Click();
    void cmdInsLineProg_Click();
    void cmdDelLineProg_Click();
    void cmdProgLineCopy_Click();
    void PrgDataLineCopy();
    void cmdProgLinePaste_Click();
    void ProgDataLinePaste();
    // The printout's name and the printout itself (ProgPrint.cpp).
    void GetPrintProgName();
    void PrintProgramData();
    void ProgramCommandsOff();
    void ProgramCommandsOn();
    void ProgramEditCommandsOff();

    // The design size (the MDI frame takes it when the window is shown).
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void showCommandList(const QModelIndex &index);

    // Pixels the window grew for the pane.
    int m_paneGrowth = 0;
};
