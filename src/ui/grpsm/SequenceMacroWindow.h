#pragma once
// The sequence macro window: the 20 macros of 16 steps, one macro at a
// time, read, written and verified with the controller and with files, and
// printed. A modeless child of the main window; it edits SmData only.
#include "core/CommandSets.h"
#include "ui/grpsm/GrpSmFlows.h"

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// Two arrow buttons that step a number between a least and a greatest value.
class UpDownControl : public QWidget {
    Q_OBJECT
public:
    UpDownControl(int min, int max, QWidget *parent = nullptr);
    int value() const { return m_value; }
    void setValue(int v);
    void stepUp() { setValue(m_value + 1); }
    void stepDown() { setValue(m_value - 1); }
signals:
    void valueChanged(int value);

private:
    int m_min, m_max, m_value;
};

class SequenceMacroWindow : public QWidget, public CommandSets::CommandSet, public GrpSmFlows::View {
    Q_OBJECT
public:
    static constexpr int kSteps = 16;

    explicit SequenceMacroWindow(QWidget *parent = nullptr);
    ~SequenceMacroWindow() override;

    // The command set of the walk.
    void CommandsOff() override { MacroCommandsOff(); }
    void CommandsOn() override { MacroCommandsOn(); }


    QLabel *lblSqMacro = nullptr;
    QLabel *lblSqMacroNo = nullptr;
    UpDownControl *UpDownSmNo = nullptr;
    QLabel *lblStep = nullptr, *lblSmCommand = nullptr, *lblSmData = nullptr;
    std::array<QLabel *, kSteps> lblSqMcrStep{};
    std::array<QComboBox *, kSteps> comboSmCommand{};
    std::array<QLineEdit *, kSteps> txtSmData{};
    QPushButton *cmdReadSMfromCt = nullptr;
    QPushButton *cmdWriteSMtoCt = nullptr;
    QPushButton *cmdSmCTVerify = nullptr;
    QPushButton *cmdSmFileOpen = nullptr;
    QPushButton *cmdSmFileSave = nullptr;
    QPushButton *cmdSmFileVerify = nullptr;
    QPushButton *cmdSMDispPrint = nullptr;
    QPushButton *cmdSMFilePrint = nullptr;
    QPushButton *cmdSqMcrWinClose = nullptr;

public slots:
    void MacroCommandsOff();
    void MacroCommandsOn();
    // The commands and the macro number's up-down on again.
    void MacroCommandsAndUpDownOn();

    void cmdReadSMfromCt_Click();
    void cmdWriteSMtoCt_Click();
    void cmdSmCTVerify_Click();
    void cmdSmFileOpen_Click();
    void cmdSmFileSave_Click();
    void cmdSmFileVerify_Click();
    void cmdSMDispPrint_Click();
    void cmdSMFilePrint_Click();
    void cmdSqMcrWinClose_Click();

protected:
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void TakeTypedValue() override;
    void ShowData() override { ShowMacroData(); }
    void CommandsOnAgain() override { MacroCommandsAndUpDownOn(); }

    void ShowMacroData();
    void lblSqMacroNo_Change(int value);
    void comboSmCommand_LostFocus(int s);
    void txtSmData_Change(int s);
    void txtSmData_GotFocus(int s, Qt::FocusReason reason);
    // True when the key is swallowed.
    bool txtSmData_KeyPress(int s, const class QKeyEvent &k);
    void setCommandsEnabled(bool on);
    int codeCol() const;
    void run(GrpSmFlows::SmCommand c);

    int m_macro = 1; // the macro whose steps the boxes show
};
