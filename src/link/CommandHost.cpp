#include "link/CommandHost.h"

#include "core/AppState.h"
#include "ui/common/Forms.h"
#include "app/frmMain.h"
#include "ui/live/frmProgTask.h"
#include "link/Engine.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>

namespace Module3Tusin::CmdHost {
namespace {
ProgressView g_progress;

bool hasGui() { return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr; }

frmIOCheckFG *monitor()
{
    return qobject_cast<frmIOCheckFG *>(Forms::Find(QStringLiteral("frmIOCheckFG")));
}
} // namespace

int OpenPort() { return OpenCommPort(); }

void ClosePortIfFree() { CloseCommPortIfFree(); }

void SetOnline() { Module1::SetOnlineMode(); }

void SetOffline() { Module1::SetOfflineMode(); }

int PresentAxisMask() { return Paradata().ParaSet.ParaSpAxis; }

void ShowValueOutOfRange()
{
    Platform::Dialogs::MsgBox(Platform::ResLines({3950, 3951}));
}

void ShowDataWrong()
{
    Platform::Dialogs::MsgBox(Platform::ResLines({384, 385}));
}

void FailOnWrongData(bool flush)
{
    ClosePortIfFree();
    Queues().TusinErrorFlag = true;
    ShowDataWrong();
    if (flush)
        TusinFlush();
}

bool MonitorOutputWriteReq()
{
    const frmIOCheckFG *w = monitor();
    return w && w->OutputWriteReq;
}

void ClearMonitorOutputWriteReq()
{
    if (frmIOCheckFG *w = monitor())
        w->OutputWriteReq = false;
}

void ClearMonitorIoReadFlag()
{
    if (frmIOCheckFG *w = monitor())
        w->IoReadFlag = false;
}

bool MonitorIgnoreTicked()
{
    const frmIOCheckFG *w = monitor();
    return w && w->chkIgnore && w->chkIgnore->isChecked();
}

const ProgressView &Progress() { return g_progress; }
void ResetProgress() { g_progress = ProgressView{}; }

void PrepareProgress(int maximum, int statusTextId, bool cancelOffered)
{
    g_progress.maximum = maximum;
    g_progress.value = 0;
    g_progress.status = Platform::ResText(statusTextId);
    g_progress.cancelOffered = cancelOffered;
    App().ProgressBarOn = cancelOffered;
    if (frmMain *m = App().MainForm) {
        m->ProgressBar1->setMaximum(maximum);
        m->lblStatus->setText(g_progress.status);
    }
}

void SetProgressValue(int value)
{
    g_progress.value = value;
    if (frmMain *m = App().MainForm)
        m->ProgressBar1->setValue(value);
}

TransferProgress::TransferProgress(int maximum, int statusTextId, bool cancelOffered, bool busyPointer)
    : m_busyPointer(busyPointer && hasGui())
{
    if (m_busyPointer)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    g_progress.busyPointer = busyPointer;
    PrepareProgress(maximum, statusTextId, cancelOffered);
    g_progress.visible = true;
    if (frmMain *m = App().MainForm)
        m->Disp_ProgressBar();
}

TransferProgress::~TransferProgress()
{
    g_progress.visible = false;
    g_progress.value = 0;
    g_progress.status.clear();
    g_progress.cancelOffered = false;
    g_progress.busyPointer = false;
    App().ProgressBarOn = false;
    if (frmMain *m = App().MainForm)
        m->Hide_ProgressBar();
    if (m_busyPointer)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace Module3Tusin::CmdHost
