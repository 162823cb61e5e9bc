#pragma once
// The parameter window (four axes).
//
// The parameter window exists at most once; every use reaches it through
// Instance(), which creates it and runs its load without showing it. Its
// fields are reached by (control, axis) through the face the parameter
// rules work on, so the rules run the same on a hidden window.
#include "core/CommandSets.h"
#include "paradata/ActuatorLists.h"
#include "paradata/ParaForm.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

class ParameterWindow : public QWidget, public ParaForm::Face, public CommandSets::CommandSet {
    Q_OBJECT
public:
    // The one window: created (loaded, not shown) on first use.
    static ParameterWindow *Instance();
    // The window when it exists, else nullptr; never creates it.
    static ParameterWindow *Existing();

    explicit ParameterWindow(QWidget *parent = nullptr);
    ~ParameterWindow() override;

    // The command set of the walk: the module's procedures.
    void CommandsOff() override;
    void CommandsOn() override;

    // ---- the face
    QString Text(ParaForm::Ctl c, int axis) const override;
    void SetText(ParaForm::Ctl c, int axis, const QString &text) override;
    int ListIndex(ParaForm::Ctl c, int axis) const override;
    int ListCount(ParaForm::Ctl c, int axis) const override;
    void SetListIndex(ParaForm::Ctl c, int axis, int index) override;
    int Option(ParaForm::Ctl c) const override;
    void SetOption(ParaForm::Ctl c, int which) override;
    bool SpUnlocked() const override;
    void SetGrey(ParaForm::Ctl c, int axis, bool grey) override;
    void SetEnabled(ParaForm::Ctl c, int axis, bool on) override;

    // The widget of a control (single controls: axis 0); for an option
    // pair, its container.
    QWidget *Widget(ParaForm::Ctl c, int axis = 0) const;
    QRadioButton *OptionButton(ParaForm::Ctl c, int which) const;
    bool IsGrey(ParaForm::Ctl c, int axis = 0) const;
    // Gives a field the focus and selects its text (an option pair: its
    // chosen button, else the first).
    void ShowField(ParaForm::Ctl c, int axis = 0);

    // The command set, in the order the disable procedure switches it.
    QPushButton *cmdReadParaFile = nullptr, *cmdSaveParaFile = nullptr, *cmdParaRead = nullptr,
                *cmdParaWrite = nullptr, *cmdCompareFile = nullptr, *cmdCompareCT = nullptr,
                *cmdParaFilePrint = nullptr, *cmdParaPrint = nullptr, *cmdIniPrm = nullptr,
                *cmdCalculate = nullptr;
    QTabWidget *SSTabPrm = nullptr;
    std::array<QPushButton *, 10> CommandButtons() const;
    QCheckBox *chkSpecialParaChange = nullptr;
    QWidget *PicturePosPrg = nullptr;

    // Beeps of the focus-loss checks, counted for whoever wants to know.
    int BeepCount() const { return m_beeps; }

public slots:
    // 0 = every field of the handled axes holds a value, 1 = some is empty.
    int CheckParametersPresent();
    // 0 = taken into the parameter set, 1 = a value does not fit its table.
    int TakeInParameterValues();
    // 1 = some value out of its range (the first such field then has the
    // focus, its text selected), else 0.
    int CheckParameterValues();
    void MarkValidAxes();
    void MarkValidAxesOfMask(int mask);
    void ShowParameters();

    // ---- event handlers
    void cmdParaRead_Click();
    void cmdParaWrite_Click();
    void cmdCompareCT_Click();
    void cmdCompareFile_Click();
    void cmdReadParaFile_Click();
    void cmdSaveParaFile_Click();
    void cmdIniPrm_Click();
    // Printing (ParaPrint.cpp): the window's parameters, a parameter file.
    void cmdParaPrint_Click();
    void cmdParaFilePrint_Click();
    void PrintParaFromForm();
    void chkSpecialParaChange_Click();
    void optPosPrg_Click(int index);
    void comboOneAxis_LostFocus();
    void ActSizeChange(int axis);
    void ActSpeedChange(int axis);
    // A box's KeyPress: the key it leaves (0 = discarded); Enter moves the
    // focus along the Enter order.
    int Box_KeyPress(ParaForm::Ctl c, int axis, int key);
    void Box_LostFocus(ParaForm::Ctl c, int axis);
    // The stroke calculator, modal; it enters its result into a stroke box.
    void cmdCalculate_Click();

protected:
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void Form_Load();
    void SetActuatorCombos();
    void SetActuatorCombosAxis(int axis);
    ActLists::AxisCombos combos(int axis) const;
    void showCombos(int axis, const ActLists::AxisCombos &c);
    void beep();
    QLineEdit *box(QWidget *parent, ParaForm::Ctl c, int axis, int left, int top, int width);
    QComboBox *list(QWidget *parent, ParaForm::Ctl c, int axis, int left, int top, int width);
    void optionPair(QWidget *parent, ParaForm::Ctl c, const char *container, int top, int left,
                    const QString &first, const QString &second, int firstTag, int secondTag);

    std::array<std::array<QWidget *, 4>, ParaForm::kCtlCount> m_w{};
    std::array<std::array<QRadioButton *, 2>, ParaForm::kCtlCount> m_opt{};
    std::array<std::array<bool, 4>, ParaForm::kCtlCount> m_grey{};
    int m_beeps = 0;
    bool m_inLostFocus = false;
    bool m_rebuildingLists = false;
};

namespace ParameterCommands {
// Disable / enable the parameter window's ten command buttons and its tabs
// (nothing when the window is not loaded).
void Off();
void On();
} // namespace ParameterCommands
