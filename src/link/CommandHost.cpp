#include "link/CommandHost.h"

#include "app/AppState.h"
#include "paradata/ParadataState.h"
#include "platform/StringTable.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace Module3Tusin::CmdHost {
namespace {
ProgressView g_progress;

bool hasGui() { return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr; }
} // namespace

int OpenPort()
{
    // The engine opens the port itself when it sends.
    return 0;
}

void ClosePortIfFree() {}

void SetOnline() { App().OfflineFlag = false; }

void SetOffline() { App().OfflineFlag = true; }

int PresentAxisMask() { return Paradata().ParaSet.ParaSpAxis; }

const ProgressView &Progress() { return g_progress; }
void ResetProgress() { g_progress = ProgressView{}; }

void PrepareProgress(int maximum, int statusTextId, bool cancelOffered)
{
    g_progress.maximum = maximum;
    g_progress.value = 0;
    g_progress.status = Platform::ResText(statusTextId);
    g_progress.cancelOffered = cancelOffered;
}

void SetProgressValue(int value) { g_progress.value = value; }

TransferProgress::TransferProgress(int maximum, int statusTextId, bool cancelOffered, bool busyPointer)
    : m_busyPointer(busyPointer && hasGui())
{
    if (m_busyPointer)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    g_progress.busyPointer = busyPointer;
    PrepareProgress(maximum, statusTextId, cancelOffered);
    g_progress.visible = true;
}

TransferProgress::~TransferProgress()
{
    g_progress.visible = false;
    g_progress.value = 0;
    g_progress.status.clear();
    g_progress.cancelOffered = false;
    g_progress.busyPointer = false;
    if (m_busyPointer)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace Module3Tusin::CmdHost
