#include "paradata/ParaForm.h"

#include "core/AppState.h"
#include "core/FixedText.h"
#include "core/Num.h"
#include "paradata/UnitConv.h"

#include <functional>

namespace ParaForm {

namespace {

constexpr CtlInfo kInfo[kCtlCount] = {
    {"txtHomeOffset", true, Kind::Text},     {"txtHomePush", true, Kind::Text},
    {"txtHomeVel", true, Kind::Text},        {"txtHomeOfsVel", true, Kind::Text},
    {"txtHomePushVel", true, Kind::Text},    {"txtHomeOrder", true, Kind::Text},
    {"txtAxisStroke", true, Kind::Text},     {"txtAxisMmStroke", true, Kind::Text},
    {"txtAxisLead", true, Kind::Text},       {"txtAxisPulse", true, Kind::Text},
    {"txtJogHighVel", true, Kind::Text},     {"comboAxisAutoDrv", true, Kind::List},
    {"comboEtcVkOrQz", true, Kind::List},    {"txtActuator", true, Kind::Text},
    {"comboActSize", true, Kind::EditList},  {"comboActSpeed", true, Kind::EditList},
    {"comboActStroke", true, Kind::EditList}, {"comboPgFunc", true, Kind::List},
    {"txtPgAlarm", true, Kind::Text},        {"comboZoneEnable", true, Kind::List},
    {"txtZoneSet1", true, Kind::Text},       {"txtMmZone1", true, Kind::Text},
    {"txtZoneSet2", true, Kind::Text},       {"txtMmZone2", true, Kind::Text},
    {"txtInpLimit", true, Kind::Text},       {"txtPushHoldTime", true, Kind::Text},
    {"txtPgCheckTimer", true, Kind::Text},   {"txtLsSerchTimer", true, Kind::Text},
    {"comboSoftLimit", true, Kind::List},    {"comboM0Disable", true, Kind::List},
    {"txtHomeOut", false, Kind::Text},       {"comboEtcGrpEnable", false, Kind::List},
    {"comboSmInTimer", false, Kind::List},   {"txtSmTimeoutTimer", false, Kind::Text},
    {"txtAutoStartPrgNo", false, Kind::Text}, {"comboOneAxis", false, Kind::List},
    {"txtOneAxis", false, Kind::Text},       {"comboAutoHome", false, Kind::List},
    {"optEmgLogic", false, Kind::Option},    {"optAlarmAutoClear", false, Kind::Option},
    {"optStopPause", false, Kind::Option},   {"optPosPrg", false, Kind::Option},
};

QString num(int32_t v) { return QString::number(v); }

// A list shows the entry of its value; a value with no entry leaves it
// with none, so the presence check reports it instead of a half-filled
// window.
void showEntry(Face &f, Ctl c, int axis, int value)
{
    f.SetListIndex(c, axis, value >= 0 && value < f.ListCount(c, axis) ? value : -1);
}

int itemData(const Face &f, Ctl c, int axis) { return std::max(0, f.ListIndex(c, axis)); }

// The millimetre text of a pulse value; empty when the axis's LEAD / PULSE
// cannot be divided by or the value is no number.
QString mmOfPulses(int lead, int32_t pulse, const ValueCell &pulses)
{
    const auto mm = UnitConv::PulseToMm(lead, pulse, pulses);
    return mm ? MmText(*mm) : QString();
}

// Thrown by the take-in when a text does not fit its table.
struct NoFit {};

int16_t i16(const Face &f, Ctl c, int axis)
{
    const auto v = Num::IntOf(f.Text(c, axis));
    if (!v)
        throw NoFit{};
    return *v;
}

int32_t i32(const Face &f, Ctl c, int axis)
{
    const auto v = Num::LongOf(f.Text(c, axis));
    if (!v)
        throw NoFit{};
    return *v;
}

ValueCell real(const Face &f, Ctl c, int axis) { return ValueCell(Num::Val(f.Text(c, axis))); }

} // namespace

const CtlInfo &Info(Ctl c) { return kInfo[int(c)]; }

std::optional<Ctl> CtlByName(const QString &name)
{
    for (int i = 0; i < kCtlCount; ++i)
        if (name == QLatin1String(kInfo[i].name))
            return Ctl(i);
    return std::nullopt;
}

// ---------------------------------------------------------------- mm texts

QString MmText(double mm)
{
    const QString t = Num::Fixed(mm, 3);
    return FixedText::PadSpace(t, 7).value_or(t);
}

double CutMm3(double mm)
{
    const QString s = ValueCell(mm).toString().trimmed();
    QString taken;
    int left = 7;
    for (int i = 0; i < s.size() && left > 0; ++i) {
        taken += s[i];
        left = s[i] == QLatin1Char('.') ? 3 : left - 1;
    }
    return Num::Val(taken);
}

// ---------------------------------------------------------------- display

void ShowParameters(Face &f)
{
    const auto &s = Paradata();
    const ParaSetData &p = s.ParaSet;
    const auto &notUsed = App().AxisNotUsed;
    for (int a = 0; a < 4; ++a) {
        if (notUsed[a])
            continue;
        const int lead = p.ParaAxisLead[a];
        const int32_t pulse = p.ParaAxisPulse[a];
        f.SetText(Ctl::txtHomeOffset, a, p.ParaHomeOffset[a].toString());
        f.SetText(Ctl::txtHomePush, a, num(p.ParaHomePush[a]));
        f.SetText(Ctl::txtHomeVel, a, num(p.ParaHomeVel[a]));
        f.SetText(Ctl::txtHomeOfsVel, a, num(p.ParaHomeOfsVel[a]));
        f.SetText(Ctl::txtHomePushVel, a, num(p.ParaHomePushVel[a]));
        f.SetText(Ctl::txtHomeOrder, a, num(p.ParaHomeSeq[a]));
        f.SetText(Ctl::txtAxisStroke, a, p.ParaAxisStroke[a].toString());
        f.SetText(Ctl::txtAxisMmStroke, a, mmOfPulses(lead, pulse, p.ParaAxisStroke[a]));
        f.SetText(Ctl::txtAxisLead, a, num(p.ParaAxisLead[a]));
        f.SetText(Ctl::txtAxisPulse, a, num(p.ParaAxisPulse[a]));
        f.SetText(Ctl::txtJogHighVel, a, num(p.ParaJogVel[a]));
        showEntry(f, Ctl::comboAxisAutoDrv, a, p.ParaAutoDrive[a]);
        showEntry(f, Ctl::comboEtcVkOrQz, a, p.ParaType[a]);
        f.SetText(Ctl::txtActuator, a, p.ParaActuator[a].toString());
        f.SetText(Ctl::comboActSize, a, s.Ct.CtDevSize[a]);
        f.SetText(Ctl::comboActSpeed, a, s.Ct.CtDevSpeed[a]);
        f.SetText(Ctl::comboActStroke, a, num(s.Ct.CtDevStroke[a]));
        showEntry(f, Ctl::comboPgFunc, a, p.ParaPgFunction[a]);
        f.SetText(Ctl::txtPgAlarm, a, p.ParaPgAlm[a].toString());
        showEntry(f, Ctl::comboZoneEnable, a, p.ParaZoneEnable[a]);
        f.SetText(Ctl::txtZoneSet1, a, p.ParaZone1[a].toString());
        f.SetText(Ctl::txtMmZone1, a, mmOfPulses(lead, pulse, p.ParaZone1[a]));
        f.SetText(Ctl::txtZoneSet2, a, p.ParaZone2[a].toString());
        f.SetText(Ctl::txtMmZone2, a, mmOfPulses(lead, pulse, p.ParaZone2[a]));
        f.SetText(Ctl::txtInpLimit, a, num(p.ParaInpWid[a]));
        f.SetText(Ctl::txtPushHoldTime, a, num(p.ParaHoldTime[a]));
        f.SetText(Ctl::txtPgCheckTimer, a, num(p.ParaPgTimer[a]));
        f.SetText(Ctl::txtLsSerchTimer, a, num(p.ParaLsTimer[a]));
        showEntry(f, Ctl::comboSoftLimit, a, p.ParaSoftLimit[a]);
    }
    f.SetText(Ctl::txtHomeOut, 0, num(p.ParaHomeOut));
    showEntry(f, Ctl::comboEtcGrpEnable, 0, p.ParaGrpEnable);
    showEntry(f, Ctl::comboSmInTimer, 0, p.ParaSmTimeout);
    f.SetText(Ctl::txtSmTimeoutTimer, 0, num(p.ParaSmTimer));
    f.SetText(Ctl::txtOneAxis, 0, num(p.ParaSpAxis));
    int axisEntry = 0;
    switch (p.ParaSpAxis) {
    case 3: axisEntry = 1; break;
    case 7: axisEntry = 2; break;
    case 15: axisEntry = 3; break;
    default: break;
    }
    showEntry(f, Ctl::comboOneAxis, 0, axisEntry);
    showEntry(f, Ctl::comboAutoHome, 0, p.ParaAutoHome);
    f.SetOption(Ctl::optEmgLogic, p.ParaEmgLogic != 0 ? 0 : 1);
    f.SetOption(Ctl::optAlarmAutoClear, p.ParaAlm1Clear == 1 ? 1 : 0);
    f.SetOption(Ctl::optStopPause, p.ParaPputWrite == 1 ? 1 : 0);
    f.SetOption(Ctl::optPosPrg, p.ParaPosPrg == 1 ? 1 : 0);
    f.SetText(Ctl::txtAutoStartPrgNo, 0, num(p.ParaAutoPrgNo));
}

// ---------------------------------------------------------------- take-in

int TakeInParameterValues(Face &f)
{
    auto &s = Paradata();
    const auto &notUsed = App().AxisNotUsed;
    const int last = s.ParaLastAxis;
    ParaSetData p = s.ParaSet;
    CtAxisData ct = s.Ct;
    ActuatorSettingData dev = s.ActuatorSetting;
    auto strokeText = s.ParaAxisMmStrokeText;
    auto zone1Text = s.ParaZone1MmText;
    auto zone2Text = s.ParaZone2MmText;
    PerAxis<std::optional<double>> strokeMm{}, zone1Mm{}, zone2Mm{};
    try {
        for (int a = 0; a <= last && a < 4; ++a) {
            if (notUsed[a])
                continue;
            p.ParaHomeOffset[a] = real(f, Ctl::txtHomeOffset, a);
            p.ParaHomePush[a] = i16(f, Ctl::txtHomePush, a);
            p.ParaHomeVel[a] = i16(f, Ctl::txtHomeVel, a);
            p.ParaHomeOfsVel[a] = i16(f, Ctl::txtHomeOfsVel, a);
            p.ParaHomePushVel[a] = i16(f, Ctl::txtHomePushVel, a);
            p.ParaHomeSeq[a] = i16(f, Ctl::txtHomeOrder, a);
            p.ParaAxisStroke[a] = real(f, Ctl::txtAxisStroke, a);
            strokeText[a] = f.Text(Ctl::txtAxisMmStroke, a);
            strokeMm[a] = Num::Val(strokeText[a]);
            p.ParaAxisLead[a] = i16(f, Ctl::txtAxisLead, a);
            p.ParaAxisPulse[a] = i32(f, Ctl::txtAxisPulse, a);
            p.ParaJogVel[a] = i16(f, Ctl::txtJogHighVel, a);
            p.ParaAutoDrive[a] = int16_t(itemData(f, Ctl::comboAxisAutoDrv, a));
            p.ParaType[a] = int16_t(itemData(f, Ctl::comboEtcVkOrQz, a));
            const QString size = f.Text(Ctl::comboActSize, a);
            const QString speed = f.Text(Ctl::comboActSpeed, a).trimmed();
            const int16_t stroke = i16(f, Ctl::comboActStroke, a);
            ct.CtDevSize[a] = size;
            dev.ActuatorSize[a] = size;
            ct.CtDevSpeed[a] = speed;
            dev.ActuatorSpeed[a] = speed;
            ct.CtDevStroke[a] = stroke;
            dev.ActuatorStroke[a] = stroke;
            p.ParaActuator[a] = ValueCell(size + speed + FixedText::DecZeroPad(stroke, 3));
            p.ParaPgFunction[a] = int16_t(itemData(f, Ctl::comboPgFunc, a));
            p.ParaPgAlm[a] = real(f, Ctl::txtPgAlarm, a);
            p.ParaZoneEnable[a] = int16_t(itemData(f, Ctl::comboZoneEnable, a));
            p.ParaZone1[a] = real(f, Ctl::txtZoneSet1, a);
            p.ParaZone2[a] = real(f, Ctl::txtZoneSet2, a);
            zone1Text[a] = f.Text(Ctl::txtMmZone1, a);
            zone2Text[a] = f.Text(Ctl::txtMmZone2, a);
            zone1Mm[a] = Num::Val(zone1Text[a]);
            zone2Mm[a] = Num::Val(zone2Text[a]);
            p.ParaInpWid[a] = i16(f, Ctl::txtInpLimit, a);
            p.ParaHoldTime[a] = i16(f, Ctl::txtPushHoldTime, a);
            p.ParaPgTimer[a] = i16(f, Ctl::txtPgCheckTimer, a);
            p.ParaLsTimer[a] = i16(f, Ctl::txtLsSerchTimer, a);
            p.ParaSoftLimit[a] = int16_t(itemData(f, Ctl::comboSoftLimit, a));
        }
        p.ParaHomeOut = i16(f, Ctl::txtHomeOut, 0);
        p.ParaGrpEnable = int16_t(itemData(f, Ctl::comboEtcGrpEnable, 0));
        p.ParaSmTimeout = int16_t(itemData(f, Ctl::comboSmInTimer, 0));
        p.ParaSmTimer = i16(f, Ctl::txtSmTimeoutTimer, 0);
        p.ParaSpAxis = int16_t(MaskOfAxisIndex(f.ListIndex(Ctl::comboOneAxis, 0)));
        p.ParaAutoHome = int16_t(itemData(f, Ctl::comboAutoHome, 0));
        p.ParaEmgLogic = f.Option(Ctl::optEmgLogic) == 1 ? 0 : 1;
        p.ParaAlm1Clear = f.Option(Ctl::optAlarmAutoClear) == 1 ? 1 : 0;
        p.ParaPputWrite = f.Option(Ctl::optStopPause) == 1 ? 1 : 0;
        p.ParaPosPrg = f.Option(Ctl::optPosPrg) == 1 ? 1 : 0;
        p.ParaAutoPrgNo = i16(f, Ctl::txtAutoStartPrgNo, 0);
    } catch (const NoFit &) {
        return 1;
    }

    // The millimetre fields are the authority: each used axis's pulses are
    // computed again from them. An axis not taken in above keeps its pulses;
    // one whose LEAD / PULSE cannot be divided by keeps what the pulse field
    // held (the range check then refuses the LEAD / PULSE).
    struct Pair {
        Ctl pulseBox;
        Ctl mmBox;
        PerAxis<ValueCell> ParaSetData::*table;
        PerAxis<QString> *text;
        PerAxis<std::optional<double>> *mm;
    };
    const Pair pairs[] = {
        {Ctl::txtAxisStroke, Ctl::txtAxisMmStroke, &ParaSetData::ParaAxisStroke, &strokeText, &strokeMm},
        {Ctl::txtZoneSet1, Ctl::txtMmZone1, &ParaSetData::ParaZone1, &zone1Text, &zone1Mm},
        {Ctl::txtZoneSet2, Ctl::txtMmZone2, &ParaSetData::ParaZone2, &zone2Text, &zone2Mm},
    };
    for (int a = 0; a < 4; ++a) {
        if (notUsed[a])
            continue;
        for (const Pair &pr : pairs) {
            const auto &mm = (*pr.mm)[a];
            if (!mm)
                continue;
            const double cut = CutMm3(*mm);
            const auto pulses = UnitConv::MmToPulse(p.ParaAxisLead[a], p.ParaAxisPulse[a], ValueCell(cut));
            if (!pulses)
                continue;
            f.SetText(pr.pulseBox, a, ValueCell(*pulses).toString());
            f.SetText(pr.mmBox, a, MmText(cut));
            (p.*pr.table)[a] = ValueCell(Num::Val(f.Text(pr.pulseBox, a)));
            (*pr.text)[a] = f.Text(pr.mmBox, a);
        }
    }

    s.ParaSet = p;
    s.Ct = ct;
    s.ActuatorSetting = dev;
    s.ParaAxisMmStrokeText = strokeText;
    s.ParaZone1MmText = zone1Text;
    s.ParaZone2MmText = zone2Text;
    return 0;
}

// ---------------------------------------------------------------- marking

Mark MarkOf(int k, bool axisValid, bool spUnlocked)
{
    if (!axisValid) {
        if (k == 22 || k == 23)
            return spUnlocked ? Mark::GreyEmpty : Mark::Keep;
        if ((k >= 10 && k <= 15) || k == 17)
            return Mark::Grey;
        return Mark::GreyEmpty;
    }
    if (k < 22)
        return Mark::Window;
    return spUnlocked ? Mark::EnableWindow : Mark::Keep;
}

int LastAxisOfMask(int mask)
{
    switch (mask) {
    case 3: return 1;
    case 7: return 2;
    case 15: return 3;
    default: return 0;
    }
}

int MaskOfAxisIndex(int index)
{
    switch (index) {
    case 0: return 1;
    case 1: return 3;
    case 2: return 7;
    case 3: return 15;
    default: return 0;
    }
}

int ParaSideAxisCount(bool spUnlocked, int axisListIndex, int ctAxisCount)
{
    if (!spUnlocked)
        return ctAxisCount;
    return axisListIndex >= 1 && axisListIndex <= 3 ? axisListIndex + 1 : 1;
}

namespace {
void mark(Face &f, const std::function<bool(int)> &valid)
{
    const bool sp = f.SpUnlocked();
    for (int k = 0; k < int(kMarkedFields.size()); ++k) {
        const Ctl c = kMarkedFields[k];
        for (int a = 0; a < 4; ++a) {
            switch (MarkOf(k, valid(a), sp)) {
            case Mark::Keep:
                break;
            case Mark::Grey:
                f.SetGrey(c, a, true);
                break;
            case Mark::GreyEmpty:
                if (Info(c).kind == Kind::List)
                    f.SetListIndex(c, a, -1);
                else
                    f.SetText(c, a, QString());
                f.SetGrey(c, a, true);
                break;
            case Mark::EnableWindow:
                f.SetEnabled(c, a, true);
                f.SetGrey(c, a, false);
                break;
            case Mark::Window:
                f.SetGrey(c, a, false);
                break;
            }
        }
    }
}
} // namespace

void MarkValidAxes(Face &f)
{
    const auto notUsed = App().AxisNotUsed;
    mark(f, [&](int a) { return !notUsed[a]; });
}

void MarkValidAxesOfMask(Face &f, int mask)
{
    const int last = LastAxisOfMask(mask);
    mark(f, [last](int a) { return a <= last; });
}

void SetSpecialLocked(Face &f, bool locked)
{
    const auto &notUsed = App().AxisNotUsed;
    for (int a = 0; a < 4; ++a) {
        if (!locked && notUsed[a])
            continue;
        for (Ctl c : {Ctl::txtPgCheckTimer, Ctl::txtLsSerchTimer, Ctl::comboSoftLimit, Ctl::comboM0Disable}) {
            f.SetEnabled(c, a, !locked);
            f.SetGrey(c, a, locked);
        }
    }
    for (Ctl c : {Ctl::txtOneAxis, Ctl::comboAutoHome, Ctl::txtAutoStartPrgNo, Ctl::comboOneAxis}) {
        f.SetEnabled(c, 0, !locked);
        f.SetGrey(c, 0, locked);
    }
    for (Ctl c : {Ctl::optEmgLogic, Ctl::optAlarmAutoClear, Ctl::optStopPause})
        f.SetEnabled(c, 0, !locked);
}

// ---------------------------------------------------------------- checks

int CheckParametersPresent(const Face &f, int ctAxisCount)
{
    auto &s = Paradata();
    if (f.SpUnlocked()) {
        const int i = f.ListIndex(Ctl::comboOneAxis, 0);
        s.ParaLastAxis = (i >= 1 && i <= 3) ? i : 0;
    } else {
        s.ParaLastAxis = std::clamp(ctAxisCount, 0, 4) - 1;
    }
    static constexpr Ctl kAxisFields[] = {
        Ctl::txtHomeOffset, Ctl::txtHomePush, Ctl::txtHomeVel, Ctl::txtHomeOfsVel, Ctl::txtHomePushVel,
        Ctl::txtHomeOrder, Ctl::txtAxisStroke, Ctl::txtAxisLead, Ctl::txtAxisPulse, Ctl::txtJogHighVel,
        Ctl::comboAxisAutoDrv, Ctl::comboEtcVkOrQz, Ctl::comboActSize, Ctl::comboActSpeed, Ctl::comboActStroke,
        Ctl::comboPgFunc, Ctl::txtPgAlarm, Ctl::comboZoneEnable, Ctl::txtZoneSet1, Ctl::txtZoneSet2,
        Ctl::txtInpLimit, Ctl::txtPushHoldTime, Ctl::txtPgCheckTimer, Ctl::txtLsSerchTimer, Ctl::comboSoftLimit};
    static constexpr Ctl kSingleTexts[] = {Ctl::txtHomeOut, Ctl::comboEtcGrpEnable, Ctl::comboSmInTimer,
                                           Ctl::txtSmTimeoutTimer, Ctl::txtOneAxis, Ctl::comboOneAxis,
                                           Ctl::comboAutoHome, Ctl::txtAutoStartPrgNo};
    static constexpr Ctl kOptions[] = {Ctl::optEmgLogic, Ctl::optAlarmAutoClear, Ctl::optStopPause, Ctl::optPosPrg};
    // An axis without actuator is never taken in, so its (emptied) fields
    // are not asked for.
    const auto &notUsed = App().AxisNotUsed;
    bool missing = false;
    for (int a = 0; a <= s.ParaLastAxis; ++a) {
        if (notUsed[a])
            continue;
        for (Ctl c : kAxisFields)
            missing |= f.Text(c, a).isEmpty();
    }
    for (Ctl c : kSingleTexts)
        missing |= f.Text(c, 0).isEmpty();
    for (Ctl c : kOptions)
        missing |= f.Option(c) < 0;
    return missing ? 1 : 0;
}

int HomeVelMax(int lead)
{
    if (lead == 8)
        return 200;
    if (lead == 6)
        return 150;
    return 50;
}

int JogVelMax(int lead)
{
    if (lead <= 2)
        return 50;
    if (lead <= 6)
        return 150;
    if (lead <= 8)
        return 200;
    return 255;
}

namespace {

// One range of the whole-window check: the field the user puts the value
// in, the value of an axis (or the single value) and its bounds; maxOf,
// when given, gives the maximum by the axis's LEAD.
struct AxisRange {
    Ctl field;
    std::optional<double> (*value)(const ParadataState &, int axis);
    double min;
    double max;
    int (*maxOf)(int lead) = nullptr;
};

template <auto Member>
std::optional<double> cellOf(const ParadataState &s, int a)
{
    return (s.ParaSet.*Member)[a].toDouble();
}
template <auto Member>
std::optional<double> intOf(const ParadataState &s, int a)
{
    return double((s.ParaSet.*Member)[a]);
}
template <auto Member>
std::optional<double> singleOf(const ParadataState &s, int)
{
    return double(s.ParaSet.*Member);
}

const AxisRange kAxisRanges[] = {
    {Ctl::txtHomeOffset, cellOf<&ParaSetData::ParaHomeOffset>, 1, 65535},
    {Ctl::txtHomePush, intOf<&ParaSetData::ParaHomePush>, 1, 255},
    {Ctl::txtHomeVel, intOf<&ParaSetData::ParaHomeVel>, 1, 0, HomeVelMax},
    {Ctl::txtHomeOfsVel, intOf<&ParaSetData::ParaHomeOfsVel>, 1, 60},
    {Ctl::txtHomePushVel, intOf<&ParaSetData::ParaHomePushVel>, 1, 60},
    {Ctl::txtHomeOrder, intOf<&ParaSetData::ParaHomeSeq>, 0, 4},
    {Ctl::txtAxisMmStroke, cellOf<&ParaSetData::ParaAxisStroke>, 0, 262143},
    {Ctl::txtAxisLead, intOf<&ParaSetData::ParaAxisLead>, 1, 255},
    {Ctl::txtAxisPulse, intOf<&ParaSetData::ParaAxisPulse>, 1, 65535},
    {Ctl::txtJogHighVel, intOf<&ParaSetData::ParaJogVel>, 1, 0, JogVelMax},
    {Ctl::comboAxisAutoDrv, intOf<&ParaSetData::ParaAutoDrive>, 0, 1},
    {Ctl::comboEtcVkOrQz, intOf<&ParaSetData::ParaType>, 0, 1},
    {Ctl::comboActStroke,
     [](const ParadataState &s, int a) -> std::optional<double> { return s.Ct.CtDevStroke[a]; }, 0, 600},
    {Ctl::comboPgFunc, intOf<&ParaSetData::ParaPgFunction>, 0, 2},
    {Ctl::txtPgAlarm, cellOf<&ParaSetData::ParaPgAlm>, 5, 65535},
    {Ctl::comboZoneEnable, intOf<&ParaSetData::ParaZoneEnable>, 0, 2},
    {Ctl::txtMmZone1, cellOf<&ParaSetData::ParaZone1>, 0, 262143},
    {Ctl::txtMmZone2, cellOf<&ParaSetData::ParaZone2>, 0, 262143},
    {Ctl::txtInpLimit, intOf<&ParaSetData::ParaInpWid>, 0, 255},
    {Ctl::txtPushHoldTime, intOf<&ParaSetData::ParaHoldTime>, 0, 255},
    {Ctl::txtPgCheckTimer, intOf<&ParaSetData::ParaPgTimer>, 0, 255},
    {Ctl::txtLsSerchTimer, intOf<&ParaSetData::ParaLsTimer>, 0, 255},
    {Ctl::comboSoftLimit, intOf<&ParaSetData::ParaSoftLimit>, 0, 1},
};

const AxisRange kSingleRanges[] = {
    {Ctl::txtHomeOut, singleOf<&ParaSetData::ParaHomeOut>, 0, 15},
    {Ctl::comboEtcGrpEnable, singleOf<&ParaSetData::ParaGrpEnable>, 0, 1},
    {Ctl::comboSmInTimer, singleOf<&ParaSetData::ParaSmTimeout>, 0, 1},
    {Ctl::txtSmTimeoutTimer, singleOf<&ParaSetData::ParaSmTimer>, 1, 255},
    {Ctl::comboAutoHome, singleOf<&ParaSetData::ParaAutoHome>, 0, 1},
    {Ctl::optEmgLogic, singleOf<&ParaSetData::ParaEmgLogic>, 0, 1},
    {Ctl::optAlarmAutoClear, singleOf<&ParaSetData::ParaAlm1Clear>, 0, 1},
    {Ctl::optStopPause, singleOf<&ParaSetData::ParaPputWrite>, 0, 1},
    {Ctl::optPosPrg, singleOf<&ParaSetData::ParaPosPrg>, 0, 1},
    {Ctl::txtAutoStartPrgNo, singleOf<&ParaSetData::ParaAutoPrgNo>, 0, 100},
};

bool inRange(const AxisRange &r, const ParadataState &s, int a)
{
    const auto v = r.value(s, a);
    if (!v)
        return false;
    const double max = r.maxOf ? r.maxOf(s.ParaSet.ParaAxisLead[a]) : r.max;
    return *v >= r.min && *v <= max;
}

} // namespace

std::optional<Field> FirstRefusedField(const ParadataState &s, const PerAxis<bool> &axisNotUsed)
{
    for (int a = 0; a <= s.ParaLastAxis && a < 4; ++a) {
        if (axisNotUsed[a])
            continue;
        for (const AxisRange &r : kAxisRanges)
            if (!inRange(r, s, a))
                return Field{r.field, a};
        // The actuator code is made of the three lists.
        if (s.ParaSet.ParaActuator[a].toString().isEmpty() || s.Ct.CtDevSize[a].size() != 3)
            return Field{Ctl::comboActSize, a};
        if (s.Ct.CtDevSpeed[a].isEmpty())
            return Field{Ctl::comboActSpeed, a};
    }
    for (const AxisRange &r : kSingleRanges)
        if (!inRange(r, s, 0))
            return Field{r.field, 0};
    const int mask = s.ParaSet.ParaSpAxis;
    if (!(mask == 1 || mask == 3 || mask == 7 || mask == 15))
        return Field{Ctl::comboOneAxis, 0};
    return std::nullopt;
}

} // namespace ParaForm
