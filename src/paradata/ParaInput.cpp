#include "paradata/ParaInput.h"

#include "core/AppState.h"
#include "core/Num.h"
#include "paradata/UnitConv.h"

namespace ParaInput {

namespace {

using ParaForm::Face;
using D = Chars;
using L = OnLeave;

const BoxRule kRules[] = {
    {Ctl::txtHomeOffset, D::Digits, 5, L::Range, 1, 65535, true, Ctl::txtHomePush},
    {Ctl::txtHomePush, D::Digits, 3, L::Range, 1, 255, false, Ctl::txtHomeVel},
    {Ctl::txtHomeVel, D::Digits, 3, L::Range, 1, 60, false, Ctl::txtHomeOfsVel},
    {Ctl::txtHomeOfsVel, D::Digits, 3, L::Range, 1, 60, false, Ctl::txtHomePushVel},
    {Ctl::txtHomePushVel, D::Digits, 3, L::Range, 1, 60, false, Ctl::txtHomeOrder},
    {Ctl::txtHomeOrder, D::DigitsNoZero, 1, L::Range, 0, 255, false, Ctl::txtAxisStroke},
    {Ctl::txtAxisStroke, D::Digits, 6, L::Range, 0, 262143, true, Ctl::txtAxisLead},
    {Ctl::txtAxisMmStroke, D::DigitsPoint, 7, L::Millimetre, 0, 0, false, Ctl::txtAxisLead},
    {Ctl::txtAxisLead, D::Digits, 3, L::Range, 0, 255, false, Ctl::txtAxisPulse},
    {Ctl::txtAxisPulse, D::Digits, 5, L::Range, 0, 65535, true, Ctl::comboAxisAutoDrv},
    {Ctl::txtJogHighVel, D::Digits, 2, L::Range, 1, 30, false, Ctl::txtAxisStroke},
    {Ctl::txtPgAlarm, D::Digits, 5, L::Range, 5, 65535, true, Ctl::txtHomeOut},
    {Ctl::txtHomeOut, D::Digits, 2, L::None, 0, 0, false, Ctl::comboEtcGrpEnable},
    {Ctl::txtSmTimeoutTimer, D::Digits, 3, L::Range, 1, 255, false, Ctl::comboZoneEnable},
    {Ctl::txtMmZone1, D::DigitsPoint, 7, L::Millimetre, 0, 0, false, Ctl::txtMmZone2},
    {Ctl::txtMmZone2, D::DigitsPoint, 7, L::Millimetre, 0, 0, false, Ctl::txtInpLimit},
    {Ctl::txtInpLimit, D::Digits, 3, L::Range, 0, 255, false, Ctl::txtPushHoldTime},
    // Enter after the last axis: the SP AXIS list or "1. OFFSET" (below).
    {Ctl::txtPushHoldTime, D::Digits, 3, L::Range, 0, 255, false, Ctl::comboOneAxis},
    {Ctl::txtAutoStartPrgNo, D::Digits, 3, L::Range, 0, 255, false, Ctl::optStopPause},
    {Ctl::txtOneAxis, D::Digits, 2, L::None, 0, 0, false, Ctl::txtPgCheckTimer, true},
    {Ctl::txtPgCheckTimer, D::Digits, 3, L::Range, 0, 255, false, Ctl::txtLsSerchTimer},
    {Ctl::txtLsSerchTimer, D::Digits, 3, L::Range, 0, 255, false, Ctl::txtHomeOffset},
};

bool charAllowed(Chars chars, int key)
{
    if (key >= '1' && key <= '9')
        return true;
    if (key == '0')
        return chars != Chars::DigitsNoZero;
    if (key == '.')
        return chars == Chars::DigitsPoint;
    return false;
}

// The hidden pulse box is never focused: its visible twin takes Enter.
Place visible(Place p)
{
    if (p.ctl == Ctl::txtAxisStroke)
        p.ctl = Ctl::txtAxisMmStroke;
    return p;
}

} // namespace

const BoxRule *RuleOf(Ctl c)
{
    for (const BoxRule &r : kRules)
        if (r.box == c)
            return &r;
    return nullptr;
}

int FilterKey(const BoxRule &r, int key, int textLength, int selectionLength)
{
    if (key == kEnter)
        return 0;
    const bool lengthTest = r.lengthIgnoresSelection || selectionLength == 0;
    if (lengthTest && textLength >= r.maxChars && key != kBackspace)
        return 0;
    if (key == kBackspace || key == kTab || charAllowed(r.chars, key))
        return key;
    return 0;
}

Place EnterTarget(Ctl c, int axis, bool spUnlocked, bool pgTimerEnabled)
{
    const BoxRule *r = RuleOf(c);
    if (!r)
        return {c, axis};
    if (ParaForm::Info(c).perAxis && axis < 3)
        return visible({c, axis + 1});
    Ctl next = r->next;
    if (c == Ctl::txtPushHoldTime && !spUnlocked)
        next = Ctl::txtHomeOffset;
    if (c == Ctl::txtOneAxis && !pgTimerEnabled)
        next = Ctl::txtHomeOffset;
    return visible({next, 0});
}

std::optional<Place> EnterFocus(Ctl c, int axis, bool spUnlocked, bool pgTimerEnabled,
                                const std::function<bool(const Place &)> &canFocus)
{
    Place at{c, axis};
    // Every box of every axis at most once: the order is a cycle.
    for (int step = 0; step < ParaForm::kCtlCount * 4; ++step) {
        const Place next = EnterTarget(at.ctl, at.axis, spUnlocked, pgTimerEnabled);
        if (canFocus(next))
            return next;
        if (!RuleOf(next.ctl) || next == at)
            return std::nullopt;
        at = next;
    }
    return std::nullopt;
}

bool RangeKeeps(const BoxRule &r, const QString &text)
{
    if (r.leave != OnLeave::Range)
        return true;
    const double v = Num::Val(text);
    std::optional<int32_t> n;
    if (r.wide)
        n = Num::CLng(v);
    else if (const auto s = Num::CInt(v))
        n = *s;
    return n && *n >= r.min && *n <= r.max;
}

namespace {

struct AxisScale {
    int32_t lead;
    int32_t ppr;
};

// LEAD and PULSE of the axis's boxes; nothing when either is empty.
std::optional<AxisScale> scaleOf(const Face &f, int axis)
{
    const QString lead = f.Text(Ctl::txtAxisLead, axis).trimmed();
    const QString ppr = f.Text(Ctl::txtAxisPulse, axis).trimmed();
    if (lead.isEmpty() || ppr.isEmpty())
        return std::nullopt;
    return AxisScale{Num::LongOf(lead).value_or(0), Num::LongOf(ppr).value_or(0)};
}

// The box's value cut to three decimals; nothing when it is no number.
std::optional<double> cutValue(const Face &f, Ctl box, int axis)
{
    const QString t = f.Text(box, axis).trimmed();
    if (!Num::IsNumeric(t))
        return std::nullopt;
    return ParaForm::CutMm3(Num::Val(t));
}

// Pulse box and millimetre box from m'; false when the axis's LEAD / PULSE
// cannot convert.
bool convert(Face &f, Ctl pulseBox, Ctl mmBox, int axis, const AxisScale &sc, double cut, bool roundUp)
{
    const auto pulses = UnitConv::MmToPulse(sc.lead, sc.ppr, ValueCell(cut));
    const auto snapped = UnitConv::RoundMmToPulseUnit(sc.lead, roundUp ? 1 : 0, sc.ppr, ValueCell(cut));
    if (!pulses || !snapped)
        return false;
    f.SetText(pulseBox, axis, ValueCell(*pulses).toString());
    f.SetText(mmBox, axis, ParaForm::MmText(*snapped));
    return true;
}

} // namespace

MmResult StrokeLeaves(Face &f, int axis, bool roundUp)
{
    if (axis < 0 || axis > 3 || App().AxisNotUsed[axis])
        return MmResult::Nothing;
    const auto sc = scaleOf(f, axis);
    if (!sc) {
        f.SetText(Ctl::txtAxisMmStroke, axis, QString());
        return MmResult::NeedLeadPulse;
    }
    const auto cut = cutValue(f, Ctl::txtAxisMmStroke, axis);
    if (!cut)
        return MmResult::Nothing;
    return convert(f, Ctl::txtAxisStroke, Ctl::txtAxisMmStroke, axis, *sc, *cut, roundUp) ? MmResult::Converted
                                                                                          : MmResult::Nothing;
}

MmResult ZoneLeaves(Face &f, int zone, int axis, bool roundUp)
{
    if (axis < 0 || axis > 3 || App().AxisNotUsed[axis])
        return MmResult::Nothing;
    const Ctl mmBox = zone == 2 ? Ctl::txtMmZone2 : Ctl::txtMmZone1;
    const Ctl pulseBox = zone == 2 ? Ctl::txtZoneSet2 : Ctl::txtZoneSet1;
    const auto sc = scaleOf(f, axis);
    if (!sc) {
        f.SetText(mmBox, axis, QString());
        return MmResult::NeedLeadPulse;
    }
    const QString stroke = f.Text(Ctl::txtAxisMmStroke, axis).trimmed();
    if (stroke.isEmpty())
        return MmResult::NeedStroke;
    const auto limit = Num::LongOf(stroke);
    const auto cut = cutValue(f, mmBox, axis);
    if (!limit || !cut)
        return MmResult::Nothing;
    if (*cut < 0 || *cut > *limit) {
        f.SetText(mmBox, axis, QString());
        return MmResult::OutOfStroke;
    }
    return convert(f, pulseBox, mmBox, axis, *sc, *cut, roundUp) ? MmResult::Converted : MmResult::Nothing;
}

} // namespace ParaInput
