#pragma once
// The actuator setting windows: frmDevice2 (modal, offline and start-up
// setting of each axis) and frmDevice3 (online setting).
#include <QDialog>

class frmDevice2 : public QDialog {
    Q_OBJECT
public:
    explicit frmDevice2(QWidget *parent = nullptr);
    // Set by the Cancel button before the window closes; the caller reads
    // and clears it.
    bool DevCancelFlag = false;
};

class frmDevice3 : public QDialog {
    Q_OBJECT
public:
    explicit frmDevice3(QWidget *parent = nullptr);

public slots:
    // Detail: the parameter window opens through the main window's Timer2
    // about a second later, then the setting is made.
    void cmdSyosai_Click();
    void cmdDeviceSet_Click();
};
