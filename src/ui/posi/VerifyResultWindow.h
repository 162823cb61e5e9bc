#pragma once
// The result window of a position data check (VerifyMode false) or of a
// verification (true): one row per flagged position, "X" on light red for a
// flagged field, "O" otherwise.
#include <QDialog>
#include <QStandardItemModel>

class QLabel;
class QPushButton;
class QTableView;

namespace VerifyResult {
inline constexpr quint32 kFlagColor = 0x8080FFu;   // &HBBGGRR light red
// Fills the model from PosiErrFlag for PosiNoStart..PosiNoEnd: two title
// rows, then the flagged positions.
void Fill(QStandardItemModel &m);
// Shows the window modally over the current check or verification.
void Show();
} // namespace VerifyResult

class VerifyResultWindow : public QDialog {
    Q_OBJECT
public:
    explicit VerifyResultWindow(QWidget *parent = nullptr);
    QLabel *lblVerifyResult;
    QTableView *flgdVerifyResult;
    QPushButton *cmdCloseVerifyResult;
    QStandardItemModel model;
};
