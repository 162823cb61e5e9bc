#pragma once
// The program's version as its windows show it: major and minor with the
// patch digit written straight after the minor (2.1.0 -> "2.10").
#include <QString>

namespace AppVersion {
QString Number();
} // namespace AppVersion
