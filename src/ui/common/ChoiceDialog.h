#pragma once
// The choice dialog: an explanation, two or three options, OK (or Next) and
// optionally Cancel and Back.
#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

class ChoiceDialog : public QDialog {
    Q_OBJECT
public:
    explicit ChoiceDialog(QWidget *parent = nullptr);

    // 0, 1, 2 = the option chosen with OK/Next; -1 = Cancel (also a close by
    // the close box); -2 = Back.
    int SelectResult = -1;
    // True: the close box and Escape do nothing.
    bool CloseBoxDisabled = false;
    // Design height of the dialog in twips (2895 for two options, 3450 for three).
    int HeightTwips() const { return m_heightTwips; }
    void SetHeightTwips(int twips);
    // Sized from its texts and kept on the screen; called before it shows.
    void FitToTexts();

    std::array<QRadioButton *, 3> optSelectItem{};
    QLabel *lblSelectExplanation = nullptr;
    QPushButton *cmdSelectOk = nullptr;
    QPushButton *cmdSelectCancel = nullptr;
    QPushButton *cmdBack = nullptr;

public slots:
    void cmdSelectOk_Click();
    void cmdSelectCancel_Click();
    void cmdBack_Click();
    void reject() override;

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    bool m_answered = false;
    int m_heightTwips = 2895;
};

namespace Choice {
// Two-way choice. cancelMode 1: no Cancel and the close box is refused;
// backMode 1: Back offered; nextMode 1: the OK button reads "Next".
int SetSelectionDlg(const QString &caption, const QString &explanation, const QString &option1,
                    const QString &option2, int cancelMode, int backMode, int nextMode);
// The same with option 2 preselected when preselect is non-zero.
int SetSelectionDlgPreselected(const QString &caption, const QString &explanation, const QString &option1,
                     const QString &option2, int cancelMode, int backMode, int nextMode, int preselect);
// Three-way choice; the OK button keeps "OK".
int SetSelectionDlgThreeWay(const QString &caption, const QString &explanation, const QString &option1,
                     const QString &option2, const QString &option3, int cancelMode, int backMode);
} // namespace Choice
