#include "paradata/UnitTexts.h"

#include "core/AppState.h"
#include "core/Shell.h"
#include "core/FixedText.h"
#include "core/Num.h"
#include "paradata/DeviceList.h"
#include "paradata/UnitConv.h"
#include "paradata/ParadataState.h"
#include "platform/StringTable.h"

namespace UnitTexts {

namespace {

// Single-precision value through "#0.000" and back, shown in its shortest
// general form (2.500 as "2.5").
QString rateNumber(float v)
{
    const float r = float(Num::RoundHalfAway(double(v), 3));
    return QString::number(double(r), 'g', 7);
}
} // namespace

std::optional<QString> PresentPosText(int axis, int32_t pulses)
{
    if (axis < 0 || axis > 3)
        return std::nullopt;
    if (!App().DispMmUnit)
        return QString::number(pulses);
    const auto &d = Paradata().DevSetting;
    const auto mm = UnitConv::PulseToMm(d.DevLead[axis], d.DevPPR[axis], ValueCell(int(pulses)));
    if (!mm)
        return std::nullopt;
    const QString t = Num::Fixed(*mm, 3);
    return FixedText::PadSpace(t, 8).value_or(t);
}

int ParaPulseToMmText(const std::array<bool, 4> &skip)
{
    auto &t = Paradata().ParaFileTable;
    int result = 0;
    for (int a = 0; a < 4; ++a) {
        if (skip[a])
            continue;
        const auto lead = t[8][a].toInt16();
        const auto pulse = t[9][a].toInt32();
        if (!lead || !pulse || *pulse == 0) {
            result = 1;
            continue;
        }
        for (int row : {7, 21, 22}) {
            const auto value = t[row][a].toInt32();
            if (!value) {
                result = 1;
                continue;
            }
            // Multiplication before the division, as the printout expects.
            const QString mm = Num::Fixed((double(*lead) * double(*value)) / double(*pulse), 3);
            t[row][a] = ValueCell(FixedText::PadSpace(mm, 7).value_or(mm));
        }
    }
    return result;
}

QString DeviceModelText(const QString &size, const QString &speed, int stroke, int pgKind, bool withPG)
{
    QString mark = QStringLiteral(" ");
    if (pgKind == 1)
        mark = withPG ? QStringLiteral("E") : QStringLiteral("_");
    return QStringLiteral("QZ-") + size + speed + QLatin1Char('-') + FixedText::DecSpacePad(stroke, 3) + mark;
}

DeviceNameTexts DeviceNameTextsNow()
{
    DeviceNameTexts out;
    const auto &s = Paradata();
    const auto &d = s.DevSetting;
    std::array<QString, 4> label;
    for (int a = 0; a < 4; ++a)
        label[a] = Platform::ResText(220 + a);
    // One list lookup per axis, not one per grid column.
    std::array<std::optional<QString>, 4> model;
    for (int c = 1; c <= 24; ++c) {
        const int a = (c - 1) / 6;
        if (App().AxisNotUsed[a]) {
            out.header[c] = label[a] + QStringLiteral(":**********");
            out.caption[a] = QString();
            continue;
        }
        if (!d.DevQzFlag[a])
            break;
        if (!model[a]) {
            const int k = DeviceList::GetDevicePgKind(d.DevSize[a], d.DevSpeed[a], d.DevStroke[a]);
            model[a] = DeviceModelText(d.DevSize[a], d.DevSpeed[a], d.DevStroke[a], k, s.ActuatorSetting.ActuatorWithPG[a]);
        }
        out.header[c] = label[a] + QLatin1Char(':') + *model[a];
        out.caption[a] = *model[a];
    }
    return out;
}

RateTexts PulseMmRateTexts(int axis)
{
    RateTexts out;
    if (axis < 0 || axis > 3) {
        out.panel2 = QString();
        out.panel3 = QString();
        return out;
    }
    if (App().AxisNotUsed[axis])
        return out;
    if (!UnitConv::AxisSettingValid(axis))
        return out;
    const auto &d = Paradata().DevSetting;
    const int lead = d.DevLead[axis];
    const int32_t ppr = d.DevPPR[axis];
    const float p = (1.0f / float(lead)) * float(ppr);
    const float m = (1.0f / float(ppr)) * float(lead);
    const QString k = QString::number(axis + 1);
    const QString P = Platform::ResText(6);
    out.panel2 = QLatin1Char('<') + k + QStringLiteral(">1mm = ") + rateNumber(p) + P;
    out.panel3 = QLatin1Char('<') + k + QStringLiteral(">1") + P + QStringLiteral("= ") + rateNumber(m) + QStringLiteral("mm");
    return out;
}

void DispPulseMmRateOfAxis(int axis)
{
    const RateTexts t = PulseMmRateTexts(axis);
    if (t.panel2)
        Shell::Get().SetStatusPanel(2, *t.panel2);
    if (t.panel3)
        Shell::Get().SetStatusPanel(3, *t.panel3);
}

void DispPulseMmRate()
{
    for (int a = 0; a < 4; ++a) {
        if (!App().AxisNotUsed[a]) {
            DispPulseMmRateOfAxis(a);
            return;
        }
    }
}


} // namespace UnitTexts
