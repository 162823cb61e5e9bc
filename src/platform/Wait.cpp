#include "platform/Wait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace Platform {

bool WaitUntil(const std::function<bool()> &cond, int timeoutMs)
{
    if (cond())
        return true;
    QDeadlineTimer deadline = timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                                            : QDeadlineTimer(timeoutMs, Qt::PreciseTimer);
    // A timer of our own wakes this loop at our deadline, whatever nested
    // waits have done to theirs.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    if (timeoutMs >= 0)
        wake.start(timeoutMs);
    QEventLoop loop;
    while (!cond()) {
        if (deadline.hasExpired())
            break;
        loop.processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    }
    return cond();
}

void WaitMs(int ms)
{
    if (ms <= 0)
        return;
    QDeadlineTimer deadline(ms, Qt::PreciseTimer);
    WaitUntil([&] { return deadline.hasExpired(); }, ms);
}

void DoEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace Platform
