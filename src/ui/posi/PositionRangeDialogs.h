#pragma once
// The three position-range dialogs. Each returns its range in PosiNoStart /
// PosiNoEnd and a cancel in SelectCancelFlag; the checks and the key rules
// are plain functions.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace PosiRange {

// Value of a range box: its number rounded to a whole number, 0 when empty
// or not a number.
int BoxValue(const QString &text);

// PositionRangeDialog: within lo..hi (for new data the range itself is the
// limit), within 1..999, start <= end.
bool CheckPositionRange(int s, int e, int lo, int hi, bool newData);
// TransferRangeDialog (from-to): within 1..999, start <= end.
bool CheckTransferRange(int s, int e);
// VerifyRangeDialog: start > end does nothing; otherwise accepted within
// the common range and 1..999, refused outside.
enum class Verdict { Accept, Refuse, Ignore };
Verdict CheckVerifyRange(int s, int e, int commonStart, int commonEnd);

// What a key typed into a range box does.
enum class KeyAction { Pass, Swallow, NextFocus };
KeyAction FilterKey(int key, const QString &text, bool hasSelection);

} // namespace PosiRange

class PositionRangeDialogBase : public QDialog {
    Q_OBJECT
public:
    QLineEdit *txtStartPosiNo;
    QLineEdit *txtEndPosiNo;
    QLabel *lblStartPosiCaption;
    QLabel *lblEndPosiCaption;
    QLabel *lblExplanationSelectNo;
    QPushButton *cmdSelectPosiOk;
    QPushButton *cmdSelectPosiCancel;

    void reject() override;   // Cancel, Esc and the close box all cancel

protected:
    explicit PositionRangeDialogBase(QWidget *parent);
    bool eventFilter(QObject *o, QEvent *e) override;
    void refuse();
    void acceptRange(int s, int e);
    virtual void cmdSelectPosiOk_Click() = 0;
    QWidget *m_rangeBox;   // holds labels and boxes
};

class PositionRangeDialog : public PositionRangeDialogBase {
    Q_OBJECT
public:
    explicit PositionRangeDialog(QWidget *parent = nullptr);
protected:
    void cmdSelectPosiOk_Click() override;
};

class TransferRangeDialog : public PositionRangeDialogBase {
    Q_OBJECT
public:
    explicit TransferRangeDialog(QWidget *parent = nullptr);
    QRadioButton *optSelectPosiNo[2];
    void optSelectPosiNo_Click(int index);
protected:
    void cmdSelectPosiOk_Click() override;
};

class VerifyRangeDialog : public PositionRangeDialogBase {
    Q_OBJECT
public:
    explicit VerifyRangeDialog(QWidget *parent = nullptr);
    QLabel *lblFile;
    QLabel *lblPcSoft;
    QLabel *lblVerify;
    QLabel *lblFileStartNo;
    QLabel *lblFileEndNo;
    QLabel *lblPcStartNo;
    QLabel *lblPcEndNo;
    QLabel *lblVerifyNotPossible;
    QWidget *PictureVerifyRange;
    // No common range: the entry is disabled and the notice shown.
    void SetNoCommonRange();
protected:
    void cmdSelectPosiOk_Click() override;
};
