#pragma once
// What the position logic asks of the windows: the position window's
// caption, the main window's menus, the actuator texts.
// Each call goes through the shell and does nothing without a window,
// so the logic runs without any window in tests.
#include <QString>

namespace PosiWindow {

// Caption of the position window; the last one set is kept for tests.
void SetCaption(const QString &caption);
QString Caption();
// The main window's menus for the controller mode.
void ChangeMenuDisp();
// The actuator setting changed: names, rates, the axis columns laid out
// for the axes in use, their colours, and the limits.
void AxisSettingChanged();

} // namespace PosiWindow
