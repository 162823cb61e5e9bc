#pragma once
// A program window: one per open program, all named "frmProg"; other windows
// reach their procedures by name.
#include "core/CommandSets.h"

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

    int ProgNo = 1;
    QTableView *flgdProg = nullptr;
    QStandardItemModel *flgdModel = nullptr;
    QPushButton *cmdInsLineProg = nullptr;
    QPushButton *cmdDelLineProg = nullptr;
    QPushButton *cmdProgLineCopy = nullptr;
    QPushButton *cmdProgLinePaste = nullptr;

public slots:
    void LetCopyProgNo(int progNo);
    void ProgDataFileOpen();
    void ProgDataSaveAs();
    void cmdInsLineProg_Click();
    void cmdDelLineProg_Click();
    void cmdProgLineCopy_Click();
    void PrgDataLineCopy();
    void cmdProgLinePaste_Click();
    void ProgDataLinePaste();
    void ProgCMDBTN_Muko();
    void ProgCMDBTN_Yuko();
    void EditProgCMD_Muko();
};
