#pragma once
// The result of a program verification: one row per line that differs, the
// line number and "X" (differs) or "O" (agrees) for the command and each
// operand.
#include <QDialog>

class QPushButton;
class QStandardItemModel;
class QTableView;

class ProgramVerifyResultWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProgramVerifyResultWindow(QWidget *parent = nullptr);
    QStandardItemModel *model = nullptr;
    QTableView *flgdProgramVerifyResult = nullptr;
    QPushButton *cmdClose = nullptr;
};
