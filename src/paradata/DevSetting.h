#pragma once
// The PC's actuator setting per axis (DevSetting) and the candidate setting
// beside it (ActuatorSetting): kept in the settings store, taken from the
// controller, from a parameter set or from a position file's model strings,
// and compared and copied between the two.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// The main window's offline actuator change (MainWindow::Change_Device) is
// declared with the main window in app/MainWindow.h.

// The hand-shake between the offline actuator window and its openers.
struct DevSettingFlags {
    bool DevWinStartup = false; // the start-up shows the window: no Cancel, close box refused
    bool DevWinNoBack = false;  // the window offers no Back button
    bool DevWinBack = false;    // the window was left with Back
};
DevSettingFlags &DevFlags();
void ResetDevSettingFlags();

namespace DevSetting {

// 0 every axis valid; 1 some axis could not be taken (its stored actuator,
// lead or a stored value is unusable); the other keys are loaded all the
// same.
int LoadDevSetting();
// Stores the setting of every axis in use. 0 (the store reports no failure).
int SaveDevSetting();
// The controller's actuators into the PC setting: 0 done, 1 an axis in use
// has no actuator data (the axes before it are taken).
int LetCtDeviceToPcDevice();
// Axes in use and the PC setting from the parameter set; PG from the
// controller's flag (…PgFromPara: from PG FUNCTION). 0 done, 1 an axis's STROKE is
// not a number (the axes before it are taken).
int LetParaToDevSetting();
int LetParaToDevSettingPgFromPara();
// DevNewType = NewTypeFlag for every axis in use.
void LetNewTypeFlag();

// One actuator model string of a position file, e.g. "QZ-28L-100E" (short
// layout) or "QZ- 28L-100E" (long layout, as the program writes it).
struct ModelString {
    QString series;  // "QZ" or "VK"
    QString size;    // three characters, " 28", "E35"
    QString speed;   // one letter
    int32_t stroke = 0;
    QString options; // the option letters after the fixed part (0..3)
};
// Nothing when the string is no model string of a known series, holds no
// stroke, has more than three option letters, or names an impossible
// actuator.
std::optional<ModelString> ParseModelString(const QString &s);

// The position file's model strings (axes in use both in the file and on the
// PC) into ActuatorSetting. 0 done; 1 a string was rejected (strings 4/5 shown;
// later axes not parsed).
int GetFileDeviceFromPosiFile(const std::array<QString, 4> &fileAxisName,
                              const std::array<bool, 4> &fileAxisNotUsed);

// Strings 4 and 5 (no actuator model chosen, choose again) in one message
// box, joined by CR LF.
void ShowModelNotChosen();

// 1 when ActuatorSetting differs from DevSetting on an axis the file uses, else 0.
int CompareActuatorSettingOfPosifileToPc(const std::array<bool, 4> &fileAxisNotUsed);
// AxisNotUsed from the file, then ActuatorSetting into DevSetting for the axes
// in use (lead and pulses per revolution untouched; the limits follow).
void ReflectFileDeviceToPcDevice(const std::array<bool, 4> &fileAxisNotUsed);
// DevSetting into ActuatorSetting for the axes in use.
void CopyDevSettingToActuatorSetting();
// Recomputes the per-axis limits after a change of the actuator setting:
// MaxPulse from stroke, lead and pulses per revolution when asked, then
// MaxMm and MaxSpeed.
void RefreshAxisLimits(bool maxPulseFromStroke);

} // namespace DevSetting
