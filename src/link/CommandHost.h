#pragma once
// What the command procedures need of the rest of the program: the serial
// port, the online state, the mask of present axes and the main window's
// progress display (through the shell). Kept in one place so the procedures read as the
// exchanges they are.
#include <QString>

namespace Comm::CmdHost {

// 0 = the port is open, 1 = it could not be opened.
int OpenPort();
// Closes the port unless the "keep the port open" option is set.
void ClosePortIfFree();
void SetOnline();
void SetOffline();
// Mask of the axes present in the controller (bit i = axis i + 1).
int PresentAxisMask();

// A value of the tables does not fit its field (message 3950/3951); the
// caller sends nothing.
void ShowValueOutOfRange();
// The controller's answer is not the one asked for (message 384/385).
void ShowDataWrong();
// A wrong echo or garbled data ends the transfer as a link failure: port
// closed unless held, LinkFailed set, the message, then with `flush`
// the queues flushed.
void FailOnWrongData(bool flush);

// Status text, maximum and, with `cancelOffered`, the cancel button of the
// progress display, without showing the bar (for callers that show and
// hide it themselves).
void PrepareProgress(int maximum, int statusTextId, bool cancelOffered);
void SetProgressValue(int value);

// The progress display of one transfer: shown from construction, its held
// steps drawn, then hidden and the pointer restored on every way out.
class TransferProgress {
public:
    TransferProgress(int maximum, int statusTextId, bool cancelOffered, bool busyPointer = false);
    ~TransferProgress();
    TransferProgress(const TransferProgress &) = delete;
    TransferProgress &operator=(const TransferProgress &) = delete;
    void setValue(int value) { SetProgressValue(value); }
    // A transfer's step: drawn once the next request has gone out, or when
    // the transfer ends, so the bar is drawn while the line carries that
    // request rather than between an answer and the next request.
    void setValueWithNextRequest(int value);

private:
    bool m_busyPointer;
};

} // namespace Comm::CmdHost
