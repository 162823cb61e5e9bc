#pragma once
// The program-number dialog: the user picks a program number (1 to 100),
// seeing the steps each number holds in the controller (online, once read)
// or may hold. Sets SelProgNo; ProgNoCancel when left by any way but OK.
#include <QDialog>

class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

class ProgramNumberDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgramNumberDialog(QWidget *parent = nullptr);

    // Rows 0..99 = programs 1..100; column 0 the number, column 1 the steps.
    QStandardItemModel *flgdProgNo = nullptr;
    QTableView *flgdProgNoView = nullptr;
    QLabel *lblProgNoCap = nullptr;
    QLabel *lblProgNo = nullptr;
    // The remaining-steps caption and count.
    QLabel *lblRemainingSteps = nullptr;
    QLabel *lblRemainingStepCount = nullptr;
    QPushButton *cmdProgNoOk = nullptr;
    QPushButton *cmdProgNoCancel = nullptr;

    // The program number of the current row.
    int CurrentProgNo() const;
    void SelectProgNo(int progNo);

    void DispStepNo();
    void ProgNoGrid_ClearCurrentCell();
    void cmdProgNoOk_Click();
    void cmdProgNoCancel_Click();

protected:
    void closeEvent(QCloseEvent *e) override;
};
