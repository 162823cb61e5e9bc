#pragma once
// The program-number dialog: the user picks the number (1 to 100) of the
// program to create. Sets SelProgNo, and ProgNoCancel when cancelled.
#include <QDialog>

class QPushButton;
class QSpinBox;

class frmProgNo : public QDialog {
    Q_OBJECT
public:
    explicit frmProgNo(QWidget *parent = nullptr);
    QSpinBox *txtProgNo = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

    void cmdOK_Click();
    void cmdCancel_Click();
};
