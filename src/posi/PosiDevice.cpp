#include "posi/PosiDevice.h"

#include "app/Num.h"

namespace PosiDevice {
namespace {
Data g_dev;
size_t ix(int a) { return static_cast<size_t>(a & 3); }
} // namespace

Data &Dev() { return g_dev; }
void ResetDev() { g_dev = Data{}; }

QString DevSize(int axis) { return g_dev.DevSize[ix(axis)]; }
QString DevSpeed(int axis) { return g_dev.DevSpeed[ix(axis)]; }
int DevLead(int axis) { return g_dev.DevLead[ix(axis)]; }
int DevPPR(int axis) { return g_dev.DevPPR[ix(axis)]; }
bool DevNewType(int axis) { return g_dev.DevNewType[ix(axis)]; }
int MaxSpeed(int axis) { return g_dev.MaxSpeed[ix(axis)]; }
double MaxMm(int axis) { return g_dev.MaxMm[ix(axis)]; }

double PulseToMm(int axis, double pulses)
{
    const int ppr = DevPPR(axis);
    if (ppr == 0)
        return 0;
    return pulses * (static_cast<double>(DevLead(axis)) / ppr);
}

double MmToPulse(int axis, double mm)
{
    const int lead = DevLead(axis);
    if (lead == 0)
        return 0;
    return Num::RoundHalfEven(mm / lead * DevPPR(axis));
}

} // namespace PosiDevice
