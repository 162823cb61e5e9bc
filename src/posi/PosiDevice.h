#pragma once
// The actuator data and unit conversions the position subsystem reads,
// gathered in one place so every position routine asks the same source.
#include <QString>
#include <cstdint>

namespace PosiDevice {

QString DevSize(int axis);
QString DevSpeed(int axis);
int DevLead(int axis);
int DevPPR(int axis);
bool DevNewType(int axis);
int MaxSpeed(int axis);
double MaxMm(int axis);

// Pulses of axis a as millimetres (not rounded) and back (whole pulses,
// halves to even). A lead or pulse count of 0 converts to 0.
double PulseToMm(int axis, double pulses);
double MmToPulse(int axis, double mm);

} // namespace PosiDevice

#include <array>
namespace PosiDevice {
// Stand-in store of the actuator data until the parameter subsystem holds
// them; tests fill it directly.
struct Data {
    std::array<QString, 4> DevSize{};
    std::array<QString, 4> DevSpeed{};
    std::array<int, 4> DevLead{};
    std::array<int, 4> DevPPR{};
    std::array<bool, 4> DevNewType{};
    std::array<int, 4> MaxSpeed{};
    std::array<double, 4> MaxMm{};
};
Data &Dev();
void ResetDev();
} // namespace PosiDevice
