#pragma once
// The single send/receive engine of the controller link. It owns the serial
// port and the link's timers: the pump takes requests from the queues
// (link/Queues.h) one at a time and runs each through SendAndReceive, which
// opens the port when needed, sends, waits for the reply under the request's
// time-out with up to three resends, checks echo and length, resynchronises
// once with "0CM0", reports failures, switches online/offline and writes the
// result record. Replies are collected as the port signals incoming data; a
// reply is complete when the buffer ends with CR LF.
//
// The main window starts the engine once (StartLink) and stops it at exit;
// tests do the same without any window.
#include "platform/CommPort.h"

#include <QString>
#include <vector>

class QObject;

namespace Comm {

struct LinkState {
    int RetryCount = 0;        // port-open attempts, then sends of one request
    bool TimeoutFlag = false;  // the armed reply time-out expired
    QString ReceiveBuffer;          // received, not yet a complete line
    QString ReceivedData;         // the last complete reply, CR LF included
    bool ReplyComplete = false;  // a complete reply arrived since last cleared
    int ReplyErrorKind = 0;      // why the last reply was refused: 1 echo, 2 length
    bool SendingFlag = false;  // the pump is inside SendAndReceive
    bool ErrorShown = false;   // the receive side already decoded ReceivedData as an error reply
    // Stop request of the group move: ends the link's wait for the reply to
    // "0MG" (a wait without limit) as the main window's cancel does.
    bool GrpMoveStop = false;
    // The request on the line whose reply nobody waits for any more (a
    // released jog's start): its wait ends at once. 0 = none.
    int AbandonID = 0;
    // The command code whose reply the user stopped waiting for: that reply
    // still comes one day and is then dropped, never taken for the answer of
    // a later request. Empty = none owed.
    QString OwedReplyCode;
    // Progress values of a transfer not drawn yet: drawing the bar takes
    // longer than the program's turn between an answer and its next
    // request, so a transfer's steps are drawn once that request has gone
    // out, while the line carries it (CmdHost::TransferProgress).
    std::vector<int> HeldProgress;
};

LinkState &Link();
void ResetLinkState();

// Creates the engine (port, pump, receive side, time-out timer) under parent
// and starts the pump. StopLink closes the port and removes it.
void StartLink(QObject *parent = nullptr);
void StopLink();
// The engine object (owned by StartLink's parent), or nullptr.
QObject *LinkObject();

// MSComm1: the engine's serial port (nullptr while the link is stopped).
Platform::CommPort *CommPort();
bool PortIsOpen();

// 0 = the port is open, 1 = opening failed (no message).
int OpenCommPort();
// What the user is told when the port cannot be opened: "Failed port
// open." and the advice, naming the port number and the device behind it.
QString PortOpenFailureText();
// Closes the port when open and "PortOccupy" is off.
void CloseCommPortIfFree();
// Closes the port when open.
void CloseCommPort();

// A progress value drawn once the next request has gone out (HeldProgress).
void HoldProgressStep(int value);
// Draws the held progress values, in order.
void ShowHeldProgress();

// One request: 0 success / 1 failure; always writes the result record.
int SendAndReceive(const QString &command, int expectedLength, const QString &data, int requestId, int msgFlag);

// The link's timer events, public so the main window and tests can drive them.
void LinkTimerTick();
void ReceiveTimerTick();
void timerTimeout_Timer();

} // namespace Comm
