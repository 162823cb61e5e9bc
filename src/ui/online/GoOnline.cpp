#include "ui/online/GoOnline.h"

#include "core/AppState.h"
#include "core/FixedText.h"
#include "core/Shell.h"
#include "ui/common/ChoiceDialog.h"
#include "link/AxisBlockWrites.h"
#include "link/AxisConfig.h"
#include "core/CommandSets.h"
#include "link/CommandFrames.h"
#include "link/CommandHost.h"
#include "link/CommandProcs.h"
#include "link/Engine.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "link/Versions.h"
#include "paradata/DevSetting.h"
#include "paradata/DeviceList.h"
#include "paradata/UnitConv.h"
#include "paradata/ParadataState.h"
#include "paradata/UnitTexts.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "posi/PosiDevice.h"

#include <QLabel>
#include <QTabWidget>
#include <QTimer>

using Platform::ResLines;
using Platform::ResText;

namespace Online {

int CompareCtAxisConfig()
{
    if (Comm::ReadAxesInUseFromCtWithRetries() != 0)
        return -1;
    return App().AxisNotUsed != Paradata().AxisNotUsedHold ? 1 : 0;
}

int CompareCtAxisAndDevice()
{
    const int axes = CompareCtAxisConfig();
    if (axes != 0)
        return axes;
    const int dev = Comm::CompareCtDeviceToPcDevice();
    return dev == -1 || dev == 1 ? dev : 0;
}

int CompareCtAxisConfigAndMode()
{
    if (Comm::ReadAxisConfigFromCtIntoHold() != 0)
        return -1;
    const ParadataState &p = Paradata();
    int result = App().AxisNotUsed != p.AxisNotUsedHold ? 1 : 0;
    if (App().PrgModeFlag != p.PrgModeFlagHold)
        result += 2;
    return result;
}

namespace {

bool g_busyPointer = false;

// What going online does to the windows: the main window's menus, mode
// label, progress display and command sets, and the position window. Each
// does nothing when its window is not there.
namespace Windows {
void ChangeMenuDisp(bool prgMode) { Shell::Get().ChangeMenuDisp(prgMode); }
void DispControlerMode() { Shell::Get().DispControlerMode(); }
void AllCommandsOff() { Shell::Get().MainCommandsOff(); }
void AllCommandsOn() { Shell::Get().MainCommandsOn(); }

void PositionCommandsOff() { Shell::Get().PosiCommandsOff(); }
void PositionCommandsOn() { Shell::Get().PosiCommandsOn(); }
void EditCommandsOff() { Shell::Get().PosiEditCommandsOff(); }

void SetCommandTabsEnabled(bool enabled) { Shell::Get().SetPosiCommandTabsEnabled(enabled); }

// The position grid laid out for the controller mode (positioner: columns,
// then the axis columns; program: columns).
void LayoutGridForMode(bool prgMode)
{
    if (prgMode) {
        PosiGrid::SizeInit_PositionGridAtPrgMode();
    } else {
        PosiGrid::SizeInit_PositionGridAtPosMode();
        PosiGrid::ColourAxisColumns();
    }
}

void ColourAxisColumns() { PosiGrid::ColourAxisColumns(); }

// The hourglass on or off; asking twice for the same changes nothing.
void BusyPointer(bool on)
{
    if (on == g_busyPointer)
        return;
    g_busyPointer = on;
    Shell::Get().BusyPointer(on);
}

void ShowProgress(int maximum, int statusTextId)
{
    Comm::CmdHost::PrepareProgress(maximum, statusTextId, App().ProgressBarOn);
    Shell::Get().ProgressShow();
}

void SetProgress(int value) { Comm::CmdHost::SetProgressValue(value); }

void HideProgress()
{
    Shell::Get().SetStatusText(QString());
    Shell::Get().ProgressHide();
}

void SetStatusLabel(int textId) { Shell::Get().SetStatusText(textId == 0 ? QString() : ResText(textId)); }

void StartNewProgramTimer() { Shell::Get().StartNewProgramTimer(); }

int ChangeDev() { return Shell::Get().ChangeDev(); }

bool DevNotFound() { return Posi().DevNotFoundFlag; }
void ClearDevNotFound() { Posi().DevNotFoundFlag = false; }
} // namespace Windows

// An OK-only message of two strings, no icon.
void twoLineMessage(int first, int second)
{
    Platform::Dialogs::MsgBox(ResLines({first, second}), Platform::MsgButtons::Ok,
                              Platform::MsgIcon::None);
}

// The choice dialog of the reconciliation questions: Cancel shown, no Back,
// "OK".
int askWhichSide(int explanation, int secondOption)
{
    return Choice::SetSelectionDlg(ResText(471), ResText(explanation), ResText(372), ResText(secondOption), 0, 0, 0);
}

int highestAxisInUse()
{
    for (int a = 3; a >= 0; --a)
        if (!App().AxisNotUsed[size_t(a)])
            return a + 1;
    return 0;
}

// Every failure after the port opened ends here: offline, port closed.
int failurePath()
{
    AppState &a = App();
    a.OfflineFlag = true;
    Comm::CloseCommPort();
    Indicators::OnlineImg_Hide();
    Windows::HideProgress();
    CommandSets::SetPosiTabEnabled(a.OfflineFlag);
    Windows::ChangeMenuDisp(a.PrgModeFlag);
    Windows::BusyPointer(false);
    return 1;
}

// The model code must name one of the four accepted models; otherwise the
// model message (after the application has gone offline).
bool modelAccepted(bool menusToo)
{
    if (Comm::IsAcceptedModel(Comm::Versions().CtModelCode))
        return true;
    App().OfflineFlag = true;
    Comm::CloseCommPort();
    Indicators::OnlineImg_Hide();
    if (menusToo) {
        Windows::ChangeMenuDisp(App().PrgModeFlag);
        Windows::BusyPointer(false);
    }
    twoLineMessage(124, 125);
    return false;
}

// The controller's axes and actuators become the PC's (first option of the
// axis question).
bool takeCtAxesAndDevices()
{
    using namespace Comm;
    AppState &a = App();
    if (ReadAxisConfigFromCt() != 0 || ReadDeviceFromCt() != 0)
        return false;
    DeviceList::CheckDeviceKind();
    if (DevSetting::LetCtDeviceToPcDevice() != 0)
        return false;
    UnitConv::CalcMaxMm();
    PosiGrid::DispDeviceName();
    UnitTexts::DispPulseMmRate();
    Windows::ColourAxisColumns();
    a.OfflineFlag = false;
    Indicators::OnlineImg_Disp();
    Windows::DispControlerMode();
    Windows::ChangeMenuDisp(a.PrgModeFlag);
    Windows::LayoutGridForMode(a.PrgModeFlag);
    Windows::EditCommandsOff();
    CommandSets::SetPosiTabEnabled(false);
    Windows::SetProgress(4);
    return true;
}

} // namespace

void ResetOnlineState() { g_busyPointer = false; }

int fChangeToOnline()
{
    using namespace Comm;
    AppState &a = App();
    if (OpenCommPort() == 1) {
        // Going online on demand: the user must learn why nothing happens.
        Platform::Dialogs::MsgBox(PortOpenFailureText());
        return 1;
    }
    Indicators::SetOnlineMode();
    a.ProgressBarOn = false;
    Windows::ShowProgress(4, 368);

    if (CommunicationModeOn(1) != 0)
        return failurePath();
    if (Comm::DispCtVersion() != 0)
        return failurePath();
    if (!modelAccepted(true))
        return failurePath();
    a.AxisCount = Versions().CtAxisCount;
    Windows::SetProgress(1);

    // The controller mode first; a difference of axes alone is handled with
    // the actuators below.
    const int config = CompareCtAxisConfigAndMode();
    if (config == -1)
        return failurePath();
    if (config >= 2) {
        Windows::BusyPointer(false);
        const int choice = askWhichSide(490, 491);
        if (choice < 0)
            return failurePath();
        Windows::BusyPointer(true);
        if (choice == 0) {
            if (ReadAxisConfigFromCt_Apply() != 0)
                return failurePath();
            Windows::SetProgress(3);
            Windows::DispControlerMode();
            Windows::ChangeMenuDisp(a.PrgModeFlag);
            // The grid's columns differ between the modes.
            Windows::LayoutGridForMode(a.PrgModeFlag);
            Windows::ColourAxisColumns();
        } else {
            // The PC's setting into the controller; it applies after the
            // controller's power has been cycled, so the application goes
            // offline until then.
            if (WriteAxisMaskAndModeToCt(Frames::AxisInUseMask(a.AxisNotUsed), a.PrgModeFlag) != 0)
                return failurePath();
            Windows::SetProgress(3);
            a.AxisCount = highestAxisInUse();
            Windows::BusyPointer(false);
            twoLineMessage(492, 493);
            return failurePath();
        }
    }

    Windows::BusyPointer(true);
    const int same = CompareCtAxisAndDevice();
    if (same == -1)
        return failurePath();
    if (same == 1) {
        Windows::BusyPointer(false);
        const int choice = askWhichSide(371, 373);
        if (choice < 0)
            return failurePath();
        Windows::BusyPointer(true);
        if (choice == 1)
            Windows::SetProgress(4);
        else if (!takeCtAxesAndDevices())
            return failurePath();
    }
    Windows::HideProgress();
    Windows::BusyPointer(false);
    return 0;
}

bool GoOnlineOnDemand()
{
    AppState &a = App();
    if (!a.OfflineFlag)
        return true;
    if (fChangeToOnline() != 0)
        return false;
    a.OfflineFlag = false;
    return true;
}

} // namespace Online


// ---------------------------------------------------------------- start-up

namespace Online {
namespace {

// Step B: online. True when the controller's configuration was taken; on
// false the application is offline and the offline questions follow.
bool connectOnline()
{
    using namespace Comm;
    AppState &a = App();
    a.BusyFlag = true;
    a.OfflineFlag = false;
    a.ProgressBarOn = false;
    Windows::ShowProgress(4, 368);

    int modeNo = 0;
    if (SetCommunicationMode(0, modeNo, 0) != 0) {
        a.OfflineFlag = true;
        CloseCommPortIfFree();
        Windows::HideProgress();
        return false;
    }
    Windows::SetProgress(1);

    auto lost = [&] {
        a.OfflineFlag = true;
        CloseCommPort();
        Indicators::OnlineImg_Hide();
        Windows::HideProgress();
        return false;
    };
    if (DispCtVersion() != 0)
        return lost();
    if (!modelAccepted(false)) {
        Windows::HideProgress();
        return false;
    }
    a.AxisCount = Versions().CtAxisCount;
    Windows::SetProgress(2);

    if (ReadAxisConfigFromCt_Apply() != 0)
        return lost();
    Windows::SetProgress(3);
    Windows::DispControlerMode();
    Windows::ChangeMenuDisp(a.PrgModeFlag);

    const bool devicesRead = ReadDeviceFromCt() == 0;
    if (!devicesRead) {
        a.OfflineFlag = true;
        Indicators::OnlineImg_Hide();
    } else {
        Windows::SetProgress(4);
        DeviceList::CheckDeviceKind();
        UnitConv::CalcMaxMm();
    }
    Windows::HideProgress();
    CloseCommPortIfFree();
    Windows::SetStatusLabel(1902);
    if (!devicesRead)
        return false;

    if (DevSetting::LetCtDeviceToPcDevice() != 0) {
        a.OfflineFlag = true;
        Indicators::OnlineImg_Hide();
        a.BusyFlag = false;
        return false;
    }
    UnitConv::CalcMaxSpeed();
    CommandSets::SetPosiTabEnabled(false);
    return true;
}

// Step C.3: the PC's actuator setting from the settings store. False when it
// is not usable as it stands (the actuator setting must follow).
void loadPcDeviceSetting()
{
    AppState &a = App();
    ParadataState &p = Paradata();
    if (DevSetting::LoadDevSetting() == 1) {
        DevSetting::ShowModelNotChosen();
        return;
    }
    for (int ax = 0; ax < 4; ++ax)
        if (p.DevSetting.DevQzFlag[size_t(ax)])
            p.DevSeries[size_t(ax)] = QStringLiteral("QZ");
    a.AxisCount = 4;
    DeviceList::ReadNQzDeviceList();
    const bool notFound = PosiDevice::SetDevLeadFromDevList() == 1 || Windows::DevNotFound();
    if (notFound) {
        // String 17 has been shown; the actuator setting that follows lets
        // the user choose a listed actuator.
        Windows::ClearDevNotFound();
        return;
    }
    UnitConv::CalcMaxPulse();
    UnitConv::CalcMaxSpeed();
}

// Steps C.5 to C.7 (offline) or D (online): the position window laid out
// for the mode and every command enabled again.
void finish(bool online)
{
    AppState &a = App();
    if (!online)
        Windows::ColourAxisColumns();
    // Also after a Back from the actuator setting and then an online start.
    DevFlags().DevWinStartup = false;
    PosiGrid::DispDeviceName();
    UnitTexts::DispPulseMmRate();
    Windows::LayoutGridForMode(a.PrgModeFlag);
    if (online) {
        Windows::SetStatusLabel(0);
    } else {
        Windows::EditCommandsOff();
        CommandSets::SetPosiTabEnabled(true);
    }
    Windows::EditCommandsOff();
    Windows::AllCommandsOn();
    Windows::SetCommandTabsEnabled(true);
    Windows::PositionCommandsOn();
    a.BusyFlag = false;
    if (!online && a.PrgModeFlag)
        Windows::StartNewProgramTimer();
}

} // namespace

void CtConnectAtStart()
{
    AppState &a = App();
    Windows::AllCommandsOff();
    Windows::PositionCommandsOff();
    Windows::SetCommandTabsEnabled(false);

    enum class Step { OnlineOrOffline, ControllerMode, ActuatorSetting };
    Step step = Step::OnlineOrOffline;
    for (;;) {
        switch (step) {
        case Step::OnlineOrOffline: {
            const int choice = Choice::SetSelectionDlg(ResText(471), ResText(71), ResText(72), ResText(73), 1, 0, 0);
            if (choice == 0) {
                if (connectOnline()) {
                    finish(true);
                    return;
                }
            } else {
                a.OfflineFlag = true;
                Indicators::OnlineImg_Hide();
                CommandSets::SetPosiTabEnabled(true);
                a.BusyFlag = false;
            }
            step = Step::ControllerMode;
            break;
        }
        case Step::ControllerMode: {
            const int choice = Choice::SetSelectionDlg(ResText(471), ResText(74), ResText(128), ResText(129), 1, 1, 1);
            if (choice == -2) {
                step = Step::OnlineOrOffline;
                break;
            }
            a.PrgModeFlag = choice == 1;
            Windows::DispControlerMode();
            Windows::ChangeMenuDisp(a.PrgModeFlag);
            loadPcDeviceSetting();
            step = Step::ActuatorSetting;
            break;
        }
        case Step::ActuatorSetting: {
            DevFlags().DevWinStartup = true;
            const int r = Windows::ChangeDev();
            if (r == -1) {
                step = Step::ControllerMode;
                break;
            }
            if (r == -2)
                break;
            finish(false);
            return;
        }
        }
    }
}

void VersionCommand()
{
    AppState &a = App();
    CommandSets::DisableCommandsOfAllWindows();
    if (GoOnlineOnDemand()) {
        if (Comm::GetVersionNoWithAxes() == 1) {
            a.OfflineFlag = true;
        } else {
            Platform::Dialogs::MsgBox(VersionBoxText(Comm::Versions(), a.AxisNotUsed), Platform::MsgButtons::Ok,
                                      Platform::MsgIcon::None);
            Comm::CloseCommPortIfFree();
        }
    }
    CommandSets::SetPosiTabEnabled(a.OfflineFlag);
    CommandSets::EnableCommandsOfAllWindows();
    Shell::Get().ChangeMenuDisp(a.PrgModeFlag);
}

int fChangeToOffline()
{
    if (App().OfflineFlag)
        return 0;
    const auto answer = Platform::Dialogs::MsgBox(Platform::ResText(432), Platform::MsgButtons::OkCancel,
                                                  Platform::MsgIcon::Question);
    return answer == Platform::MsgAnswer::Ok ? 0 : 1;
}

} // namespace Online
