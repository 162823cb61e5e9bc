#pragma once
// The result of a program verification: one row per line that differs, the
// line number and "X" (differs) or "O" (agrees) for the command and each
// operand.
#include <QDialog>

class QPushButton;
class QStandardItemModel;
class QTableView;

class frmProgSyogokekka : public QDialog {
    Q_OBJECT
public:
    explicit frmProgSyogokekka(QWidget *parent = nullptr);
    QStandardItemModel *model = nullptr;
    QTableView *flgdProgSyogoKekka = nullptr;
    QPushButton *cmdClose = nullptr;
};
