#include "paradata/ActuatorLists.h"

#include "core/Num.h"
#include "paradata/DeviceList.h"
#include "paradata/ParadataState.h"

namespace ActLists {

int CheckActSizeList(const Combo &size, const QString &value) { return size.items.contains(value) ? 0 : 1; }

int CheckActSpeedList(const Combo &speed, const QString &value) { return speed.items.contains(value) ? 0 : 1; }

int CheckActStrokeList(const Combo &stroke, int value)
{
    for (const QString &item : stroke.items)
        if (Num::Val(item) == value)
            return 0;
    return 1;
}

void SetActSizeList(int a, Combo &size, const QString &checkedSize)
{
    const auto &s = Paradata();
    const auto &list = s.DevSizeList[a];
    size.items.clear();
    const int last = std::min<int>(s.DevSizeListCnt[a], kDevListNames - 1);
    for (int i = 0; i <= last; ++i)
        size.items << list[i];
    if (size.text.isEmpty())
        size.text = CheckActSizeList(size, checkedSize) == 0 ? s.DevSetting.DevSize[a] : list[0];
}

void SetActSpeedList(int a, Combo &speed, const QString &size)
{
    const auto &s = Paradata();
    const auto &list = s.DevSpeedList[a];
    speed.items.clear();
    const int n = std::min<int>(s.DevSpeedListCnt[a], kDevListNames);
    for (int i = 0; i < n; ++i)
        speed.items << list[i];
    if (size == QLatin1String("E35") || size == QLatin1String(" 20"))
        speed.text = QStringLiteral("L");
    const QString &setting = s.DevSetting.DevSpeed[a];
    if (!setting.isEmpty())
        speed.text = CheckActSpeedList(speed, setting) == 0 ? setting : list[0];
}

void SetActStrokeList(int a, AxisCombos &c)
{
    const auto &s = Paradata();
    const int32_t setting = s.DevSetting.DevStroke[a];
    c.stroke.items.clear();
    bool settingSeen = false;
    const int n = std::min<int>(s.DevListCnt[a], kDevListRows - 1);
    for (int r = 1; r <= n; ++r) {
        const auto &t = s.DevListAxis[a][r];
        if (c.size.text != t[1].toString() || c.speed.text != t[2].toString())
            continue;
        c.stroke.items << t[3].toString();
        settingSeen = settingSeen || t[3].toDouble() == std::optional<double>(setting);
        c.stroke.text = settingSeen ? QString::number(setting) : c.stroke.items.first();
    }
    if (setting == 0)
        return;
    if (CheckActStrokeList(c.stroke, setting) == 0)
        c.stroke.text = QString::number(setting);
    else
        c.stroke.text = c.stroke.items.isEmpty() ? QString() : c.stroke.items.first();
}

void ActSizeChange(int a, AxisCombos &c)
{
    const QString size = c.size.text;
    DeviceList::GetDevSpeedList(a, size);
    SetActSpeedList(a, c.speed, size);
    SetActStrokeList(a, c);
}

void ActSpeedChange(int a, AxisCombos &c) { SetActStrokeList(a, c); }

void SetActuatorCombosAxis(int a, AxisCombos &c, const QString &checkedSize, bool strokes)
{
    SetActSizeList(a, c.size, checkedSize);
    const QString size = c.size.text;
    DeviceList::GetDevSpeedList(a, size);
    SetActSpeedList(a, c.speed, size);
    if (strokes)
        SetActStrokeList(a, c);
}

std::optional<OptionBox> PgBoxFor(const AxisCombos &c, bool withPG, bool checkVertical)
{
    const QString size = c.size.text;
    const QString speed = c.speed.text.trimmed();
    const int stroke = Num::IntOf(c.stroke.text).value_or(0);
    const int pg = DeviceList::GetDevicePgKind(size, speed, stroke);
    if (pg == 99)
        return std::nullopt;
    if (checkVertical && DeviceList::GetDeviceVerticalKind(size, speed, stroke) == 99)
        return std::nullopt;
    switch (pg) {
    case 0:
        return OptionBox{false, false};
    case 2:
        return OptionBox{false, true};
    default:
        return OptionBox{true, withPG};
    }
}

} // namespace ActLists
