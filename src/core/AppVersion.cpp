#include "core/AppVersion.h"

namespace AppVersion {

QString Number()
{
    return QString::number(REZ4_VERSION_MAJOR) + QLatin1Char('.') + QString::number(REZ4_VERSION_MINOR)
           + QString::number(REZ4_VERSION_PATCH);
}

} // namespace AppVersion
