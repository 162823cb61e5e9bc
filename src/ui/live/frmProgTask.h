#pragma once
// Live windows: the program task window and the input/output monitor, both
// shown modally from the main window.
#include <QDialog>

class QCheckBox;
class QTimer;

class frmProgTask : public QDialog {
    Q_OBJECT
public:
    explicit frmProgTask(QWidget *parent = nullptr);
};

class frmIOCheckFG : public QDialog {
    Q_OBJECT
public:
    explicit frmIOCheckFG(QWidget *parent = nullptr);

    // The user asked for the outputs to be written (double-click on an
    // output cell); cleared by the link after a successful write.
    bool OutputWriteReq = false;
    // Cleared by the link whenever an input/output read ends.
    bool IoReadFlag = false;
    QCheckBox *chkIgnore = nullptr;
    QTimer *timerInputOutput1 = nullptr;   // 500 ms monitor cycle

public slots:
    void chkIgnore_Click();
    void timerInputOutput1_Timer();
};
