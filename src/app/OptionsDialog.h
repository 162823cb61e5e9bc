#pragma once
// The options dialog: serial port, port holding, display unit, millimetre
// rounding and language. The rules live in app/Options.h; this window only
// binds its controls to them.
#include "app/Options.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(QWidget *parent = nullptr);

    QTabWidget *SSTabOption = nullptr;
    QLineEdit *txtPortNo = nullptr;
    QCheckBox *chkPortOccupy = nullptr;
    std::array<QRadioButton *, 2> optDisplayUnit{};
    std::array<QRadioButton *, 2> optRoundUp{};
    std::array<QRadioButton *, 2> optLanguege{};
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdApply = nullptr;
    QPushButton *cmdCancel = nullptr;

    // What the controls hold now.
    Options::Choice choice() const;

    void cmdOK_Click();
    void cmdApply_Click();
    void cmdCancel_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
};

namespace Options {
// The View menu's options command: the dialog modally, owned by `owner`;
// afterwards the notice of a pending language change.
void ShowOptionsDialog(QWidget *owner);
} // namespace Options
