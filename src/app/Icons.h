#pragma once
// The few small pictures of the main window, painted in code so that no
// image files need to travel with the program.
#include <QIcon>
#include <QPixmap>

namespace Icons {
enum class Tool { New, Open, Save, Print, Cut, Copy, Paste, ProgEdit, ProgRun };
QIcon ToolIcon(Tool t);
// Status-panel indicators: 16 x 16.
QPixmap AlarmLamp();   // red lamp
QPixmap LinkLamp();    // green lamp
QPixmap LampOff();     // grey lamp under both
} // namespace Icons
