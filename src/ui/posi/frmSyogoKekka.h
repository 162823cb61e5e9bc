#pragma once
// The result window of a position data check (SyogoMode false) or of a
// verification (true): one row per flagged position, "X" on light red for a
// flagged field, "O" otherwise.
#include <QDialog>
#include <QStandardItemModel>

class QLabel;
class QPushButton;
class QTableView;

namespace SyogoKekka {
inline constexpr quint32 kFlagColor = 0x8080FFu;   // &HBBGGRR light red
// Fills the model from PosiErrFlag for PosiNoStart..PosiNoEnd: two title
// rows, then the flagged positions.
void Fill(QStandardItemModel &m);
// Shows the window modally over the current check or verification.
void Show();
} // namespace SyogoKekka

class frmSyogoKekka : public QDialog {
    Q_OBJECT
public:
    explicit frmSyogoKekka(QWidget *parent = nullptr);
    QLabel *lblSyogoKekka;
    QTableView *flgdSyogoKekka;
    QPushButton *cmdCloseSyogokekka;
    QStandardItemModel model;
};
