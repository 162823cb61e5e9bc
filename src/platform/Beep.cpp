#include "platform/Beep.h"

#include <QApplication>

namespace Platform {
namespace {
int g_beeps = 0;
}

void Beep()
{
    ++g_beeps;
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QApplication::beep();
}

int BeepCount() { return g_beeps; }

} // namespace Platform
