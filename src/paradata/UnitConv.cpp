#include "paradata/UnitConv.h"

#include "core/AppState.h"
#include "core/Num.h"
#include "paradata/ParadataState.h"

#include <QString>
#include <cmath>

namespace UnitConv {

namespace {
bool validDivisors(int lead, int32_t ppr) { return lead > 0 && ppr > 0; }
} // namespace

std::optional<double> PulseToMm(int lead, int32_t ppr, const ValueCell &pulses)
{
    if (!validDivisors(lead, ppr))
        return std::nullopt;
    const auto p = pulses.toDouble();
    if (!p)
        return std::nullopt;
    const double ratio = double(lead) / double(ppr);
    return *p * ratio;
}

std::optional<double> MmToPulse(int lead, int32_t ppr, const ValueCell &mm)
{
    if (!validDivisors(lead, ppr))
        return std::nullopt;
    const auto m = mm.toDouble();
    if (!m)
        return std::nullopt;
    // Division first, then the multiplication, as the controller's own tool.
    return Num::RoundHalfEven((*m / double(lead)) * double(ppr));
}

std::optional<double> RoundMmToPulseUnit(int lead, int mode, int32_t ppr, const ValueCell &mm)
{
    if (!validDivisors(lead, ppr))
        return std::nullopt;
    const auto m = mm.toDouble();
    if (!m)
        return std::nullopt;
    const double unit = double(lead) / double(ppr);
    const double q = *m / unit;
    // The fraction kept to four decimals, so 1.49999999 counts as 1.5.
    const double frac = Num::RoundHalfEven((q - std::trunc(q)) * 10000.0) / 10000.0;
    double n = 0;
    if (frac == 0) {
        const auto l = Num::CLng(q);
        if (!l)
            return std::nullopt;
        n = *l;
    } else if (mode == 0) {
        n = frac > 0.5 ? std::trunc(q + 0.5) : std::trunc(q);
    } else if (mode == 1) {
        n = frac >= 0.5 ? std::trunc(q + 0.5) : std::trunc(q);
    } else {
        n = 0;
    }
    return n * unit;
}

bool AxisSettingValid(int axis)
{
    if (axis < 0 || axis > 3)
        return false;
    const auto &d = Paradata().DevSetting;
    return validDivisors(d.DevLead[axis], d.DevPPR[axis]);
}

namespace {
int convertRange(const CellGet &get, const CellSet &set, bool toMm)
{
    const auto &d = Paradata().DevSetting;
    const int first = std::max(0, App().PosiNoStart);
    const int last = std::min(999, App().PosiNoEnd);
    int result = 0;
    for (int r = first; r <= last; ++r) {
        for (int a = 0; a < 4; ++a) {
            const int src = toMm ? a : a + 4;
            const int dst = toMm ? a + 4 : a;
            if (App().AxisNotUsed[a]) {
                set(r, dst, ValueCell(0));
                continue;
            }
            const auto v = toMm ? PulseToMm(d.DevLead[a], d.DevPPR[a], get(r, src))
                                : MmToPulse(d.DevLead[a], d.DevPPR[a], get(r, src));
            if (!v) {
                result = 1;
                continue;
            }
            set(r, dst, ValueCell(*v));
        }
    }
    return result;
}
} // namespace

int PosiPulseToMm(const CellGet &get, const CellSet &set) { return convertRange(get, set, true); }
int PosiMmToPulse(const CellGet &get, const CellSet &set) { return convertRange(get, set, false); }

std::optional<int32_t> MaxPulseOf(int stroke, int lead, int32_t ppr)
{
    if (!validDivisors(lead, ppr))
        return std::nullopt;
    const double x = (double(stroke) / double(lead)) * double(ppr);
    // One decimal, halves away from zero; then a remainder of 0.05 pulse or
    // more rounds the limit up to the next whole pulse.
    const double x1 = Num::RoundHalfAway(x, 1);
    const double l = std::trunc(x1 + 0.9);
    if (l < 0 || l > 2147483647.0)
        return std::nullopt;
    return static_cast<int32_t>(l);
}

std::optional<int32_t> StrokePulseOf(int stroke, int lead, int factor)
{
    if (!validDivisors(lead, factor))
        return std::nullopt;
    if (Num::RoundHalfAway((double(stroke) / double(lead)) * double(factor), 1) == 0.0)
        return std::nullopt;
    return MaxPulseOf(stroke, lead, factor);
}

std::optional<double> MaxMmOf(int lead, int32_t ppr, int32_t maxPulse)
{
    const auto m = PulseToMm(lead, ppr, ValueCell(double(maxPulse)));
    if (!m)
        return std::nullopt;
    // Truncated to 0.001 mm; the product is rounded to whole thousandths first
    // when it lies within a hair of one, so 100.005 stays 100.005.
    double t = *m * 1000.0;
    const double near = std::round(t);
    if (std::fabs(t - near) < 1e-6)
        t = near;
    return std::trunc(t) / 1000.0;
}

std::optional<int16_t> MaxSpeedOfUsedAxis(int lead, int32_t ppr)
{
    if (!validDivisors(lead, ppr))
        return std::nullopt;
    const int lead25 = lead * 25;
    if (lead25 > 32767)
        return std::nullopt;
    return Num::CInt(double(lead25) * (400.0 / double(ppr)));
}

std::optional<int16_t> MaxSpeedOfFreeAxis(const QString &size, const QString &speed, int lead, int32_t ppr)
{
    if (size.isEmpty())
        return 30;
    // A combination none of the rules names gets the speed the position
    // checks use for an axis not in use.
    std::optional<int16_t> v = 30;
    if (size == QLatin1String(" 99"))
        v = MaxSpeedOfUsedAxis(lead, ppr);
    if (speed == QLatin1String("D") && size == QLatin1String(" 42"))
        v = 400;
    if (speed == QLatin1String("L"))
        v = size == QLatin1String(" 50") ? 100 : 50;
    if (speed == QLatin1String("H")) {
        if (size == QLatin1String(" 50"))
            v = 300;
        else if (size == QLatin1String(" 28") || size == QLatin1String(" 35"))
            v = 150;
        else
            v = 200;
    }
    return v;
}

int CalcMaxPulse()
{
    auto &s = Paradata();
    int result = 0;
    for (int a = 0; a < 4; ++a) {
        if (App().AxisNotUsed[a]) {
            s.MaxPulse[a] = 0;
            continue;
        }
        const auto m = MaxPulseOf(s.DevSetting.DevStroke[a], s.DevSetting.DevLead[a], s.DevSetting.DevPPR[a]);
        s.MaxPulse[a] = m.value_or(0);
        if (!m)
            result = 1;
    }
    return result;
}

int CalcMaxMm()
{
    auto &s = Paradata();
    int result = 0;
    for (int a = 0; a < 4; ++a) {
        if (App().AxisNotUsed[a])
            continue;
        const auto m = MaxMmOf(s.DevSetting.DevLead[a], s.DevSetting.DevPPR[a], s.MaxPulse[a]);
        if (m)
            s.MaxMm[a] = *m;
        else
            result = 1;
    }
    return result;
}

int CalcMaxSpeed()
{
    auto &s = Paradata();
    const auto &d = s.DevSetting;
    int result = 0;
    for (int a = 0; a < 4; ++a) {
        const auto v = App().AxisNotUsed[a] ? MaxSpeedOfFreeAxis(d.DevSize[a], d.DevSpeed[a], d.DevLead[a], d.DevPPR[a])
                                            : MaxSpeedOfUsedAxis(d.DevLead[a], d.DevPPR[a]);
        if (v)
            s.MaxSpeed[a] = *v;
        else
            result = 1;
    }
    return result;
}

} // namespace UnitConv
