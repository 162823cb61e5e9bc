#pragma once
// A program window: one per open program, all named "frmProg"; other windows
// reach their procedures by name. The window binds its grid view and buttons
// to the program data (Doc) and leaves the work to plain procedures.
#include "core/CommandSets.h"
#include "prog/ProgGridModel.h"
#include "prog/ProgLines.h"

#include <QWidget>

class QPushButton;
class QStandardItemModel;
class QTableView;

class frmProg : public QWidget, public CommandSets::CommandSet {
    Q_OBJECT
public:
    explicit frmProg(QWidget *parent = nullptr);
    ~frmProg() override;

    // The command set of the walk.
    void CommandsOff() override { ProgCMDBTN_Muko(); EditProgCMD_Muko(); }
    void CommandsOn() override { ProgCMDBTN_Yuko(); }
    void ProgCommandsOff() override { ProgCMDBTN_Muko(); }

    // The window's program: grid texts, codes, what was read, number, change
    // flag. Doc.flgdProg is this window's grid.
    ProgData::ProgDoc Doc;
    ProgGridModel *flgdProg = nullptr;
    QTableView *flgdProgView = nullptr;
    // The syntax-error pane: rows 1..10 of (No., line, error).
    QStandardItemModel *flgdPrgErr = nullptr;

    QPushButton *cmdFileSaveProg = nullptr;
    QPushButton *cmdCtWriteProg = nullptr;
    QPushButton *cmdInsLineProg = nullptr;
    QPushButton *cmdDelLineProg = nullptr;
    QPushButton *cmdProgLineCopy = nullptr;
    QPushButton *cmdProgLinePaste = nullptr;

    // One of this window's long operations runs.
    bool ProgBusyFlag = false;
    bool ErrPaneFlag = false;
    // The file name of the caption, set by GetProgFileNameFromCaption.
    QString ProgFileName;

    int ProgNo() const { return Doc.ProgNo; }
    bool ProgChangeFlag() const { return Doc.ProgChangeFlag; }

    int GetCmdCode(const QString &name) const;
    int Check_flgdProgLineNo();
    int Check_NullLineAndDelete();
    int TorikomiProg2DA();
    int Check_ProgramStepSu(int progNo) const;
    void ClearErrList();
    // The take-over and the check of the program: 0 = no error found.
    int ProgDataCheck(int quiet);

    int SaveFileProgAs2(const QString &path);
    int OpenProgFile(const QString &path);
    int Check_ProgCaptionName() const;
    int GetProgFileNameFromCaption();

    void FGProg_HighSyoriStart();
    void FGProg_HighSyoriEnd();
    void FGProg_InitPos();
    void FGProg_ReNumber();
    void SetStr_FGProg();

public slots:
    void LetCopyProgNo(int progNo);
    void ProgDataFileOpen();
    void ProgDataSaveAs();
    int WriteProgdataToCt(int progNo);
    void ProgDataWrite2Ct();
    int ReadProgDataFromCt(int progNo);
    void ProgDataGetfromCt();
    void ProgDataHyoji();
    void ProgDataHyoji2();
    void cmdFileSaveProg_Click();
    void cmdCtWriteProg_Click();
    void cmdInsLineProg_Click();
    void cmdDelLineProg_Click();
    void cmdProgLineCopy_Click();
    void PrgDataLineCopy();
    void cmdProgLinePaste_Click();
    void ProgDataLinePaste();
    void ProgCMDBTN_Muko();
    void ProgCMDBTN_Yuko();
    void EditProgCMD_Muko();
    void EditProgCMD_Yuko();
};
