#include "paradata/DevSetting.h"

#include "core/AppState.h"
#include "core/Num.h"
#include "paradata/DeviceList.h"
#include "paradata/UnitConv.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"

namespace {
DevSettingFlags g_flags;

QString key(const char *name, int axis) { return QLatin1String(name) + QString::number(axis + 1); }

// A stored whole number: def when the key is absent; nothing when the stored
// text is not a whole number (edited by hand).
std::optional<int32_t> storedInt(const QString &k, int32_t def)
{
    const QString t = Platform::GetSetting(k, QString()).trimmed();
    if (t.isEmpty())
        return def;
    if (!Num::IsNumeric(t))
        return std::nullopt;
    const double v = Num::Val(t);
    if (v != static_cast<double>(static_cast<int64_t>(v)))
        return std::nullopt;
    return Num::CLng(v);
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

int letParaToDevSetting(bool pgFromPara)
{
    auto &app = App();
    auto &s = Paradata();
    auto &d = s.DevSetting;
    auto &c = s.ActuatorSetting;
    const auto &p = s.ParaSet;
    for (int a = 0; a < 4; ++a)
        app.AxisNotUsed[a] = (p.ParaSpAxis & (1 << a)) == 0;
    int result = 0;
    for (int a = 0; a < 4; ++a) {
        if (app.AxisNotUsed[a])
            continue;
        // No model text: empty, or the 0 of a cleared set.
        if (p.ParaActuator[a].toString().isEmpty() || p.ParaActuator[a] == ValueCell(0))
            break;
        const auto maxPulse = p.ParaAxisStroke[a].toInt32();
        if (!maxPulse) {
            result = 1;
            break;
        }
        d.DevSize[a] = s.Ct.CtDevSize[a];
        d.DevSpeed[a] = s.Ct.CtDevSpeed[a];
        d.DevStroke[a] = s.Ct.CtDevStroke[a];
        d.DevLead[a] = p.ParaAxisLead[a];
        d.DevPPR[a] = p.ParaAxisPulse[a];
        s.MaxPulse[a] = *maxPulse;
        const bool qz = s.Ct.CtDevType[a] == 0 || s.Ct.CtDevType[a] == 1;
        d.DevQzFlag[a] = qz;
        c.ActuatorVertical[a] = qz;
        c.ActuatorWithPG[a] = pgFromPara ? p.ParaPgFunction[a] != 0 : s.Ct.CtPgFlag[a] != 0;
        d.DevVertical[a] = c.ActuatorVertical[a];
        d.DevWithPG[a] = c.ActuatorWithPG[a];
        app.AxisCount = a + 1;
    }
    // Also after an early end: the axes taken must not be checked against
    // the limits of the actuators they replaced.
    DevSetting::RefreshAxisLimits(false);
    return result;
}

} // namespace

DevSettingFlags &DevFlags() { return g_flags; }
void ResetDevSettingFlags() { g_flags = DevSettingFlags{}; }

namespace DevSetting {

void ShowModelNotChosen()
{
    Platform::Dialogs::MsgBox(Platform::ResLines({4, 5}));
}

void RefreshAxisLimits(bool maxPulseFromStroke)
{
    if (maxPulseFromStroke)
        UnitConv::CalcMaxPulse();
    UnitConv::CalcMaxMm();
    UnitConv::CalcMaxSpeed();
}

int LoadDevSetting()
{
    auto &s = Paradata();
    auto &d = s.DevSetting;
    auto &c = s.ActuatorSetting;
    bool invalid = false;
    for (int a = 0; a < 4; ++a) {
        const auto newType = storedInt(key("NewType", a), 1);
        invalid = invalid || !newType;
        const bool nt = newType.value_or(1) == 1;
        d.DevNewType[a] = nt;
        c.NewTypeFlag[a] = nt;
        d.DevNewOldText[a] = nt ? QStringLiteral("NEW") : QStringLiteral("OLD");

        const auto ppr = storedInt(key("DevPPR", a), 400);
        invalid = invalid || !ppr;
        if (ppr)
            d.DevPPR[a] = *ppr;

        d.DevQzFlag[a] = Platform::GetSetting(key("Device", a), QStringLiteral("QZ")) == QLatin1String("QZ");

        const QString size = Platform::GetSetting(key("DevSize", a), QStringLiteral(" 28"));
        const QString speed = Platform::GetSetting(key("DevSpeed", a), QStringLiteral("L"));
        const auto stroke = storedInt(key("DevStroke", a), 100);
        if (!stroke || DeviceList::CheckDeviceCode(size, speed, *stroke) != 0) {
            invalid = true;
        } else {
            d.DevSize[a] = c.ActuatorSize[a] = size;
            d.DevSpeed[a] = c.ActuatorSpeed[a] = speed;
            d.DevStroke[a] = c.ActuatorStroke[a] = *stroke;
        }

        if (DeviceList::CheckDeviceInList(d.DevSize[a], d.DevSpeed[a], d.DevStroke[a]) == 0) {
            if (DeviceList::GetDeviceLeadPpr(d.DevSize[a], d.DevSpeed[a], d.DevStroke[a]) == 0) {
                d.DevLead[a] = s.DevListLead;
                d.DevPPR[a] = s.DevListPPR;
            } else {
                invalid = true;
            }
        } else {
            const auto lead = storedInt(key("DevLead", a), 2);
            if (lead && *lead >= 2 && *lead <= 20)
                d.DevLead[a] = int16_t(*lead);
            else
                invalid = true;
        }

        const auto vertical = storedInt(key("Vertical", a), 1);
        const auto withPG = storedInt(key("WithPG", a), 0);
        invalid = invalid || !vertical || !withPG;
        d.DevVertical[a] = vertical.value_or(1) == 1;
        d.DevWithPG[a] = withPG.value_or(0) == 1;
    }
    for (int a = 0; a < 4; ++a)
        invalid = invalid || d.DevPPR[a] <= 0;
    RefreshAxisLimits(true);
    return invalid ? 1 : 0;
}

int SaveDevSetting()
{
    const auto &d = Paradata().DevSetting;
    for (int a = 0; a < 4; ++a) {
        if (App().AxisNotUsed[a])
            continue;
        Platform::SaveSetting(key("DevSize", a), d.DevSize[a]);
        Platform::SaveSetting(key("DevSpeed", a), d.DevSpeed[a]);
        Platform::SaveSetting(key("DevStroke", a), QString::number(d.DevStroke[a]));
        Platform::SaveSetting(key("DevLead", a), QString::number(d.DevLead[a]));
        Platform::SaveSetting(key("NewType", a), d.DevNewType[a] ? QStringLiteral("1") : QStringLiteral("0"));
        Platform::SaveSetting(key("Device", a), QStringLiteral("QZ"));
        Platform::SaveSetting(key("Vertical", a), d.DevVertical[a] ? QStringLiteral("1") : QStringLiteral("0"));
        Platform::SaveSetting(key("WithPG", a), d.DevWithPG[a] ? QStringLiteral("1") : QStringLiteral("0"));
        // Kept with the others, so an actuator that is not listed loads
        // back with the pulses per revolution it was saved with.
        Platform::SaveSetting(key("DevPPR", a), QString::number(d.DevPPR[a]));
    }
    return 0;
}

int LetCtDeviceToPcDevice()
{
    auto &s = Paradata();
    auto &d = s.DevSetting;
    int result = 0;
    for (int a = 0; a < 4; ++a) {
        if (App().AxisNotUsed[a])
            continue;
        if (s.Ct.CtDevStroke[a] == 0 || s.Ct.CtDevSpeed[a].isEmpty() || s.Ct.CtDevSize[a].isEmpty()) {
            result = 1;
            break;
        }
        d.DevSize[a] = s.Ct.CtDevSize[a];
        d.DevSpeed[a] = s.Ct.CtDevSpeed[a];
        d.DevStroke[a] = s.Ct.CtDevStroke[a];
        d.DevQzFlag[a] = true;
    }
    RefreshAxisLimits(false);
    return result;
}

int LetParaToDevSetting() { return letParaToDevSetting(false); }
int LetParaToDevSettingPgFromPara() { return letParaToDevSetting(true); }

void LetNewTypeFlag()
{
    auto &s = Paradata();
    for (int a = 0; a < 4; ++a)
        if (!App().AxisNotUsed[a])
            s.DevSetting.DevNewType[a] = s.ActuatorSetting.NewTypeFlag[a];
}


std::optional<ModelString> ParseModelString(const QString &s)
{
    ModelString m;
    if (s.startsWith(QLatin1String("QZ-")))
        m.series = QStringLiteral("QZ");
    else if (s.startsWith(QLatin1String("VK-")))
        m.series = QStringLiteral("VK");
    else
        return std::nullopt;
    QString strokeText;
    if (s.size() >= 7 && s[6] == QLatin1Char('-')) {
        // Short layout "QZ-28L-100E": the stroke is the run of digits after
        // the second hyphen and the options follow it.
        m.size = QLatin1Char(' ') + s.mid(3, 2);
        m.speed = s.mid(5, 1);
        qsizetype i = 7;
        while (i < s.size() && isDigit(s[i]))
            ++i;
        strokeText = s.mid(7, i - 7);
        m.options = s.mid(i);
    } else {
        // Long layout "QZ- 28L-100E" / "QZ-E35L-100".
        m.size = s.mid(3, 3);
        m.speed = s.mid(6, 1);
        // The program writes strokes under 100 with leading blanks
        // ("QZ- 28L- 50 "); the stroke is read by its number.
        strokeText = s.mid(8, 3);
        while (strokeText.startsWith(QLatin1Char(' ')))
            strokeText.remove(0, 1);
        m.options = s.mid(11);
    }
    if (strokeText.isEmpty())
        return std::nullopt;
    for (QChar ch : strokeText)
        if (!isDigit(ch))
            return std::nullopt;
    if (m.options.size() > 3)
        return std::nullopt;
    m.stroke = strokeText.toInt();
    if (DeviceList::CheckDeviceCode(m.size, m.speed, m.stroke) != 0)
        return std::nullopt;
    return m;
}

int GetFileDeviceFromPosiFile(const std::array<QString, 4> &fileAxisName,
                              const std::array<bool, 4> &fileAxisNotUsed)
{
    auto &s = Paradata();
    auto &c = s.ActuatorSetting;
    for (int a = 0; a < 4; ++a) {
        if (fileAxisNotUsed[a] || App().AxisNotUsed[a])
            continue;
        const auto m = ParseModelString(fileAxisName[a]);
        if (!m) {
            ShowModelNotChosen();
            return 1;
        }
        const int vk = DeviceList::GetDeviceVerticalKind(m->size, m->speed, m->stroke);
        const int pk = vk == 99 ? 99 : DeviceList::GetDevicePgKind(m->size, m->speed, m->stroke);
        if (vk == 99 || pk == 99) {
            ShowModelNotChosen();
            return 1;
        }
        if (m->series == QLatin1String("QZ")) {
            s.DevSeries[a] = m->series;
            s.StdPrmSeries[a] = m->series;
        }
        c.ActuatorSize[a] = m->size;
        c.ActuatorSpeed[a] = m->speed;
        c.ActuatorStroke[a] = m->stroke;
        // Every actuator named by a model string is taken as the new type.
        c.NewTypeFlag[a] = true;
        if (vk == 2)
            c.ActuatorVertical[a] = true;
        else if (vk == 0)
            c.ActuatorVertical[a] = false;
        else if (m->options.contains(QLatin1Char('V')))
            c.ActuatorVertical[a] = true;
        if (pk == 2)
            c.ActuatorWithPG[a] = true;
        else if (pk == 0)
            c.ActuatorWithPG[a] = false;
        else
            c.ActuatorWithPG[a] = m->options.contains(QLatin1Char('E'));
    }
    return 0;
}

} // namespace DevSetting

namespace {
// The six pairs of the PC setting and the candidate that the comparison and
// the two copies walk: f(setting member, candidate member).
template <class F>
void forEachPair(int a, F f)
{
    auto &d = Paradata().DevSetting;
    auto &c = Paradata().ActuatorSetting;
    f(d.DevNewType[a], c.NewTypeFlag[a]);
    f(d.DevSize[a], c.ActuatorSize[a]);
    f(d.DevSpeed[a], c.ActuatorSpeed[a]);
    f(d.DevStroke[a], c.ActuatorStroke[a]);
    f(d.DevWithPG[a], c.ActuatorWithPG[a]);
    f(d.DevVertical[a], c.ActuatorVertical[a]);
}
} // namespace

namespace DevSetting {

int CompareActuatorSettingOfPosifileToPc(const std::array<bool, 4> &fileAxisNotUsed)
{
    for (int a = 0; a < 4; ++a) {
        if (fileAxisNotUsed[a])
            continue;
        bool differs = false;
        forEachPair(a, [&](const auto &pc, const auto &file) { differs = differs || pc != file; });
        if (differs)
            return 1;
    }
    return 0;
}

void ReflectFileDeviceToPcDevice(const std::array<bool, 4> &fileAxisNotUsed)
{
    App().AxisNotUsed = fileAxisNotUsed;
    for (int a = 0; a < 4; ++a)
        if (!fileAxisNotUsed[a])
            forEachPair(a, [](auto &pc, const auto &file) { pc = file; });
    DevSetting::RefreshAxisLimits(true);
}

void CopyDevSettingToActuatorSetting()
{
    for (int a = 0; a < 4; ++a)
        if (!App().AxisNotUsed[a])
            forEachPair(a, [](const auto &pc, auto &file) { file = pc; });
}

} // namespace DevSetting
