#pragma once
// Colours are designed as &HBBGGRR: blue in the high byte, red in the low.
#include <QColor>

namespace Bgr {
inline QColor ToQColor(quint32 bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}
} // namespace Bgr
