#pragma once
// The stroke calculator: a stroke and a screw lead in millimetres into the
// stroke in pulses, entered into the stroke box of one axis of the
// parameter window. The window it writes into is reached through the
// parameter fields' face, so the calculator knows nothing else of it.
#include "paradata/ParaForm.h"

#include <QDialog>
#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class StrokeCalculatorDialog : public QDialog {
    Q_OBJECT
public:
    // Moves the focus to a field of the target window.
    using FocusTo = std::function<void(ParaForm::Ctl, int axis)>;
    StrokeCalculatorDialog(ParaForm::Face *target, FocusTo focusTo, QWidget *parent = nullptr);

    QLabel *lblStroke = nullptr, *lblLead = nullptr, *LabelAboutLead = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    QLineEdit *txtStrokeLength = nullptr, *txtLead = nullptr;
    QGroupBox *framActType = nullptr, *framInputTarget = nullptr;
    std::array<QRadioButton *, 2> optActType{};
    std::array<QRadioButton *, 4> optInputTarget{};
    QLabel *lblQzStroke = nullptr, *lblStrokePulse = nullptr;
    QPushButton *cmdCulStrokePulse = nullptr, *cmdInputStroke = nullptr;

    // Beeps of the leave checks, counted for whoever wants to know.
    int BeepCount() const { return m_beeps; }

    // The key filters: the key as it passes, 0 when it is dropped. Enter is
    // dropped and moves the focus on.
    int txtStrokeLength_KeyPress(int key);
    int txtLead_KeyPress(int key);

    static constexpr int kEnter = 13;
    static constexpr int kBackspace = 8;
    static constexpr int kTab = 9;

public slots:
    void txtStrokeLength_LostFocus();
    void txtLead_LostFocus();
    void cmdCulStrokePulse_Click();
    void cmdInputStroke_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void beep();

    ParaForm::Face *m_target;
    FocusTo m_focusTo;
    int m_beeps = 0;
};
