#include "link/CommandHost.h"

#include "core/AppState.h"
#include "core/Shell.h"
#include "link/Engine.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

namespace Comm::CmdHost {

int OpenPort() { return OpenCommPort(); }
void ClosePortIfFree() { CloseCommPortIfFree(); }

void SetOnline() { Indicators::SetOnlineMode(); }

void SetOffline() { Indicators::SetOfflineMode(); }

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
    Queues().LinkFailed = true;
    ShowDataWrong();
    if (flush)
        FlushQueue();
}

void PrepareProgress(int maximum, int statusTextId, bool cancelOffered)
{
    App().ProgressBarOn = cancelOffered;
    Shell::Get().ProgressBegin(maximum, Platform::ResText(statusTextId), cancelOffered);
}

void SetProgressValue(int value) { Shell::Get().ProgressStep(value); }

TransferProgress::TransferProgress(int maximum, int statusTextId, bool cancelOffered, bool busyPointer)
    : m_busyPointer(busyPointer)
{
    if (m_busyPointer)
        Shell::Get().BusyPointer(true);
    PrepareProgress(maximum, statusTextId, cancelOffered);
    Shell::Get().ProgressShow();
}

void TransferProgress::setValueWithNextRequest(int value) { HoldProgressStep(value); }

TransferProgress::~TransferProgress()
{
    ShowHeldProgress();
    App().ProgressBarOn = false;
    Shell::Get().ProgressHide();
    if (m_busyPointer)
        Shell::Get().BusyPointer(false);
}

} // namespace Comm::CmdHost
