#include "posi/PosiDevice.h"

#include "paradata/Module2Calc.h"
#include "paradata/ParadataState.h"
#include "posi/PosiTables.h"

namespace PosiDevice {
namespace {
size_t ix(int a) { return static_cast<size_t>(a & 3); }
const DevSettingData &dev() { return Paradata().DevSetting; }
} // namespace

QString DevSize(int axis) { return dev().DevSize[ix(axis)]; }
QString DevSpeed(int axis) { return dev().DevSpeed[ix(axis)]; }
int DevLead(int axis) { return dev().DevLead[ix(axis)]; }
int32_t DevPPR(int axis) { return dev().DevPPR[ix(axis)]; }
bool DevNewType(int axis) { return dev().DevNewType[ix(axis)]; }
int MaxSpeed(int axis) { return Paradata().MaxSpeed[ix(axis)]; }
bool IsSize42SpeedD(int axis) { return DevSpeed(axis) == QLatin1String("D") && DevSize(axis) == QLatin1String(" 42"); }
double MaxMm(int axis) { return Paradata().MaxMm[ix(axis)]; }

std::optional<double> PulseToMm(int axis, double pulses)
{
    return Module2Calc::PulseToMm(DevLead(axis), DevPPR(axis), ValueCell(pulses));
}

std::optional<double> MmToPulse(int axis, double mm)
{
    return Module2Calc::MmToPulse(DevLead(axis), DevPPR(axis), ValueCell(mm));
}

namespace {
ValueCell dispCell(int r, int c)
{
    return ValueCell(Posi().PosiDataDisp[static_cast<size_t>(r)][static_cast<size_t>(c)]);
}
void setDispCell(int r, int c, const ValueCell &v)
{
    Posi().PosiDataDisp[static_cast<size_t>(r)][static_cast<size_t>(c)] = v.toDouble().value_or(0);
}
} // namespace

int PosiPulseToMm() { return Module2Calc::PosiPulseToMm(dispCell, setDispCell); }
int PosiMmToPulse() { return Module2Calc::PosiMmToPulse(dispCell, setDispCell); }

} // namespace PosiDevice
