#pragma once
// Window geometry is designed in twips; the screen has 15 twips per pixel.
#include <QString>

namespace Twips {

inline constexpr int kPerPixel = 15;

inline int ToPx(int twips) { return twips / kPerPixel; }
inline int FromPx(int px) { return px * kPerPixel; }

// A twips value as stored in the settings: the text of a single-precision
// number.
QString Text(int twips);

// A stored twips value; def when the key is missing or the text is not a
// number (edited by hand) or is absurdly large.
int Setting(const QString &key, int def);

} // namespace Twips
