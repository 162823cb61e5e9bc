#pragma once
// The parameter window (four axes) and the system parameter window.
#include "core/CommandSets.h"

#include <QWidget>
#include <array>

class QPushButton;
class QTabWidget;

class frmParameta2 : public QWidget, public CommandSets::CommandSet {
    Q_OBJECT
public:
    explicit frmParameta2(QWidget *parent = nullptr);
    ~frmParameta2() override;

    // The command set of the walk: the module's procedures.
    void CommandsOff() override;
    void CommandsOn() override;

    // The ten command buttons, in the order the disable procedure names them.
    QPushButton *cmdParaRead = nullptr, *cmdParaWrite = nullptr, *cmdReadParaFile = nullptr,
                *cmdSaveParaFile = nullptr, *cmdConpareCT = nullptr, *cmdConpareFile = nullptr,
                *cmdIniPrm = nullptr, *cmdCalculate = nullptr, *cmdParaPrint = nullptr,
                *cmdParaFilePrint = nullptr;
    QTabWidget *SSTabPrm = nullptr;
    std::array<QPushButton *, 10> CommandButtons() const;

public slots:
    // 0 = every field of the valid axes holds a value, 1 = some is empty.
    int ParametaumuKakunin();
    void TorikomiParametaValue();
    // 1 = some value out of its range, else 0.
    int ParametaValueCheck();
    void YukoJikuHyojiSettei();
    void ParametaHyoji();
    void WriteParaToCt();

protected:
    void closeEvent(QCloseEvent *e) override;
};

class frmSystemPara : public QWidget {
    Q_OBJECT
public:
    explicit frmSystemPara(QWidget *parent = nullptr);

public slots:
    void GetSystemParametaValue();
    void SysParaWriteProc();
    void TorikomiSystemParametaValue();
    // 1 = some value out of range.
    int SystemParametaValueCheck();
};

namespace Module1 {
// Disable / enable the parameter window's ten command buttons and its tabs
// (nothing when the window is not loaded).
void ParaCMDBTN_Muko();
void ParaCMDBTN_Yuko();
} // namespace Module1
