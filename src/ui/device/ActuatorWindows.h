#pragma once
// The actuator setting windows: OfflineActuatorWindow (modal, offline and start-up
// setting of each axis) and OnlineActuatorWindow (online setting). Both show the number
// of axes in use and, per axis, the size, speed and stroke lists and the
// with-PG box; they share one body and differ where their openers need it.
#include "paradata/ActuatorLists.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

class DeviceWindowBase : public QDialog {
    Q_OBJECT
public:
    QLabel *lblDeviceExplanation = nullptr;
    QLabel *lblAxisSelect = nullptr;
    QComboBox *comboAxisSelect = nullptr;
    std::array<QGroupBox *, 4> framAxis{};
    std::array<QCheckBox *, 4> chkAxisEnable{};   // set by code only
    std::array<QWidget *, 4> PictureAxis{};       // the axis's panel inside its frame
    std::array<QLabel *, 4> lblDeviceSize{}, lblDeviceSpeed{}, lblDeviceStroke{};
    std::array<QComboBox *, 4> comboDeviceSize{}, comboDeviceSpeed{}, comboDeviceStroke{};
    std::array<QCheckBox *, 4> chkDevPgUse{};
    std::array<QCheckBox *, 4> chkDevVType{};    // never shown
    std::array<QCheckBox *, 4> chkNewOrOld{};     // never shown
    QPushButton *cmdDeviceSet = nullptr;
    QPushButton *cmdDeviceCancel = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;

    // The lists of one axis as the window shows them, and back.
    ActLists::AxisCombos Combos(int a) const;
    void ShowCombos(int a, const ActLists::AxisCombos &c);

public slots:
    void comboAxisSelect_Click();
    void chkAxisEnable_Click(int a);
    void comboDeviceSize_Click(int a) { ActSizeChange(a); }
    void comboDeviceSpeed_Click(int a) { ActSpeedChange(a); }

protected:
    enum class Variant { Offline, Online };
    DeviceWindowBase(Variant v, QWidget *parent);

    // Sets an axis's enable box; a change runs its handler.
    void SetAxisEnable(int a, bool on);
    // Selects the item of the axis count; runs its handler.
    void SelectAxisCount(int index);
    // The caution lines below the frames (positions shown in millimetres).
    void ShowCautions(bool on);

    // The steps both windows load with: the axis-count list, the height, the
    // setting's actuator in each axis in use, the with-PG boxes, the count
    // selected and the lists built. The offline window fills an axis's lists
    // before enabling it, the online window enables first.
    void LoadAxes(bool textsBeforeEnable);
    // The lists' choice into the candidate setting (series "QZ" on every
    // axis), for the axes not skipped. Every stroke is checked first: one
    // that is not a whole number in range is refused with a message and
    // nothing is taken (false).
    bool TakeChoice(const std::array<bool, 4> &skip);

    void SetActuatorCombos();
    void SetActuatorCombosAxis(int a);
    void ActSizeChange(int a);
    void ActSpeedChange(int a);
    void ReloadActuatorCombosAxis(int a);

    bool eventFilter(QObject *watched, QEvent *e) override;

    QVBoxLayout *m_buttons = nullptr;   // OK, Cancel (and Back) in a column

private:
    void buildAxis(int a);
    void setPanel(int a, bool on);
    void updatePgBox(int a, bool checkVertical);
    // A size or speed was picked or left: the lists after it again.
    void listChanged(int a, void (*rebuild)(int, ActLists::AxisCombos &), bool checkVertical);
    bool enabledInWindow(int a) const;
    // The size the list compares an empty size text with.
    QString checkedSize(int a) const;

    Variant m_variant;
    bool m_rebuilding = false; // a list is being rebuilt: its focus changes are no user edit
};

class OfflineActuatorWindow : public DeviceWindowBase {
    Q_OBJECT
public:
    explicit OfflineActuatorWindow(QWidget *parent = nullptr);
    // Set by the Cancel button (and, outside start-up, by Escape and the
    // close box) before the window closes; the caller reads it.
    bool DevCancelFlag = false;

    QPushButton *cmdDeviceBack = nullptr;

    void Form_Load();

public slots:
    // OK: takes the choice into the candidate setting and closes; a choice
    // that cannot be taken is refused with a message and the window stays.
    void cmdDeviceSet_Click();
    void cmdDeviceCancel_Click();
    void cmdDeviceBack_Click();
    // Escape and the close box.
    void reject() override;
};

class OnlineActuatorWindow : public DeviceWindowBase {
    Q_OBJECT
public:
    explicit OnlineActuatorWindow(QWidget *parent = nullptr);

    QPushButton *cmdPrmCtWrite = nullptr;
    QPushButton *cmdDetail = nullptr;

    void Form_Load();
    // The window's own commands off / on while its write runs: Change and
    // Write, Cancel, Detail Edit and the four axis frames.
    void OnlineActuatorCommandsOff();
    void OnlineActuatorCommandsOn();

public slots:
    // Change and Write: the controller takes the chosen axes and the
    // standard parameters of the chosen actuators; the window closes on
    // every way out.
    void cmdPrmCtWrite_Click();
    // Detail: the setting is made, then the parameter window opens through
    // the main window's Timer2 about a second later.
    void cmdDetail_Click();
    // Takes the lists of all four axes into the candidate setting and closes.
    void cmdDeviceSet_Click();
    void cmdDeviceCancel_Click();
    // Escape: as Cancel, but not while the write runs.
    void reject() override;

protected:
    // The close box does nothing while the write runs: the write goes on
    // with this window's lists.
    void closeEvent(QCloseEvent *e) override;

private:
    void setOwnCommands(bool on);

    bool m_writing = false;
};

namespace ActuatorWindows {
// The offline actuator window, then the standard parameters of the choice:
// -1 cancelled, -2 left with Back, 0 standard parameters set, 1 they failed.
int ShowDeviceSetting();
} // namespace ActuatorWindows
