#pragma once
// The group window (99 groups of start and end position) and the sequence
// macro window (20 macros of 16 steps); child windows of the main window.
#include "core/CommandSets.h"

#include <QWidget>

class QPushButton;

class frmGrp : public QWidget, public CommandSets::CommandSet {
    Q_OBJECT
public:
    explicit frmGrp(QWidget *parent = nullptr);
    ~frmGrp() override;

    // The command set of the walk.
    void CommandsOff() override { GrpCMDBTN_Muko(); }
    void CommandsOn() override { GrpCMDBTN_Yuko(); }
    QPushButton *cmdGrpRead = nullptr;
    QPushButton *cmdGrpWrite = nullptr;

public slots:
    void GrpCMDBTN_Muko();
    void GrpCMDBTN_Yuko();

protected:
    void closeEvent(QCloseEvent *e) override;
};

class frmSqMcr : public QWidget, public CommandSets::CommandSet {
    Q_OBJECT
public:
    explicit frmSqMcr(QWidget *parent = nullptr);
    ~frmSqMcr() override;

    // The command set of the walk.
    void CommandsOff() override { SM_CMDBTN_Muko(); }
    void CommandsOn() override { SM_CMDBTN_Yuko(); }
    QPushButton *cmdSmRead = nullptr;
    QPushButton *cmdSmWrite = nullptr;

public slots:
    void SM_CMDBTN_Muko();
    void SM_CMDBTN_Yuko();

protected:
    void closeEvent(QCloseEvent *e) override;
};
