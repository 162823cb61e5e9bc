#pragma once
// The system parameter window: the controller's 72 system parameters (per
// motor frame size the full current, two current-down levels and the push
// force, and eight further push settings) read, edited as decimals and
// written back. Its texts are the design's own, in both languages.
#include "core/CommandSets.h"
#include "paradata/SysParaRules.h"

#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class SystemParameterWindow : public QWidget, public CommandSets::CommandSet {
    Q_OBJECT
public:
    explicit SystemParameterWindow(QWidget *parent = nullptr);
    ~SystemParameterWindow() override;

    void CommandsOff() override { SystemParameterCommandsOff(); }
    void CommandsOn() override { SystemParameterCommandsOn(); }

    std::array<QLineEdit *, SysParaRules::kItems> txtSystemPara{};
    std::array<QLabel *, 56> lblSystemPara{};
    QGroupBox *framFullCurrent = nullptr, *framCurrenDown = nullptr, *framPush = nullptr,
              *framSystemPara = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    QPushButton *cmdReadFromCt = nullptr, *cmdWritetoCt = nullptr, *cmdCloseSysPara = nullptr;

public slots:
    // Reads the 72 values from the controller and shows them.
    void ReadSystemParameters();
    // The 72 texts into SysParaWriteValue.
    void TakeInSystemParameterValues();
    // 1 = some value out of range (or not a number).
    int CheckSystemParameterValues();
    void SystemParameterCommandsOff();
    void SystemParameterCommandsOn();

    void cmdReadFromCt_Click();
    void cmdWritetoCt_Click();
    void cmdCloseSysPara_Click();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void buildLayout();
    SysParaRules::Texts texts() const;
    void SysParaDisp();
    void SysParaWriteProc();
    int CheckSystemParametersPresent();
    void LetSysParaWriteToRead();
    void setButtons(bool on);

    bool m_transfer = false; // a read or a write runs
};
