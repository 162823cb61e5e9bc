#include "core/Twips.h"
#include "platform/Settings.h"

#include <cmath>

namespace Twips {

QString Text(int twips) { return QString::number(static_cast<float>(twips)); }

int Setting(const QString &key, int def)
{
    const QString text = Platform::GetSetting(key, QString::number(def)).trimmed();
    bool ok = false;
    const float v = text.toFloat(&ok);
    // Beyond a few hundred screens nothing sensible is stored.
    if (!ok || !std::isfinite(v) || std::fabs(v) > 10'000'000.0f)
        return def;
    return static_cast<int>(std::lround(v));
}

} // namespace Twips
