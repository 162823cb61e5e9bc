#include "posi/PosiDevice.h"

#include "paradata/UnitConv.h"
#include "paradata/ParadataState.h"
#include "posi/PosiTables.h"
#include "core/AppState.h"
#include "paradata/DevSetting.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

#include <algorithm>

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
int32_t MaxPulse(int axis) { return Paradata().MaxPulse[ix(axis)]; }

std::optional<double> PulseToMm(int axis, double pulses)
{
    return UnitConv::PulseToMm(DevLead(axis), DevPPR(axis), ValueCell(pulses));
}

std::optional<double> MmToPulse(int axis, double mm)
{
    return UnitConv::MmToPulse(DevLead(axis), DevPPR(axis), ValueCell(mm));
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

int PosiPulseToMm() { return UnitConv::PosiPulseToMm(dispCell, setDispCell); }
int PosiMmToPulse() { return UnitConv::PosiMmToPulse(dispCell, setDispCell); }

int SetDevLeadFromDevList()
{
    auto &s = Paradata();
    auto &d = s.DevSetting;
    bool allFound = true;
    for (int a = 0; a < 4; ++a) {
        if (App().AxisNotUsed[a])
            continue;
        bool found = false;
        const int n = std::min<int>(s.DevListCnt[a], kDevListRows - 1);
        for (int row = 1; row <= n && !found; ++row) {
            const auto &t = s.DevListAxis[a][row];
            if (t[1].toString() == d.DevSize[a] && t[2].toString() == d.DevSpeed[a]
                && t[3].toDouble() == std::optional<double>(d.DevStroke[a])) {
                const auto lead = t[4].toInt16();
                if (lead) {
                    d.DevLead[a] = *lead;
                    found = true;
                }
            }
        }
        allFound = allFound && found;
    }
    Posi().DevNotFoundFlag = !allFound;
    DevSetting::RefreshAxisLimits(true);
    if (!allFound) {
        Platform::Dialogs::MsgBox(Platform::ResText(17));
        return 1;
    }
    return 0;
}

} // namespace PosiDevice
