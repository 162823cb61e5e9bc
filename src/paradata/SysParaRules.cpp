#include "paradata/SysParaRules.h"

#include "core/Num.h"

namespace SysParaRules {

int MaxOf(int item) { return item >= 17 && item <= 48 ? 255 : 65535; }

int CheckSystemParametersPresent(const Texts &texts)
{
    for (const QString &t : texts)
        if (t.isEmpty())
            return 1;
    return 0;
}

void TakeInSystemParameterValues(const Texts &texts, Values &values)
{
    for (int i = 0; i < kItems; ++i) {
        const auto v = Num::LeadingVal(texts[size_t(i)]);
        values[size_t(i + 1)] = v ? ValueCell(*v) : ValueCell(texts[size_t(i)]);
    }
}

int CheckSystemParameterValues(const Values &values)
{
    int bad = 0;
    for (int item = 1; item <= kItems; ++item) {
        const ValueCell &c = values[size_t(item)];
        if (!c.isNumber() || c.number() < 0 || c.number() > MaxOf(item))
            bad = 1;
    }
    return bad;
}

QString DispText(const ValueCell &value)
{
    const auto v = value.toInt32();
    return v ? QString::number(*v) : QString();
}

} // namespace SysParaRules
