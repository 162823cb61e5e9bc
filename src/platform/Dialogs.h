#pragma once
// Message boxes and file dialogs. Every window asks through this one service,
// so tests can script the answers and read back what the user was shown.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

class QWidget;

namespace Platform {

class Printer;

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MsgIcon { None, Question, Information, Warning, Critical };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct ShownMessage {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    MsgAnswer answer = MsgAnswer::Ok;
};

struct FileFilter {
    QString filter;     // "Position data (*.qzd);;All files (*.*)"
    QString title;
    QString initialName;
    QString initialDir;
};

namespace Dialogs {

// Shows a box and returns the button pressed. The title defaults to the
// application title.
MsgAnswer MsgBox(const QString &text, MsgButtons buttons = MsgButtons::Ok,
                 MsgIcon icon = MsgIcon::None, const QString &title = QString());

// Common dialog stand-ins. An empty result means the user cancelled.
QString GetOpenFileName(const FileFilter &f);
QString GetSaveFileName(const FileFilter &f);

// The printer dialog: the printer to draw on, nullptr when the user
// cancelled. It offers no "selection" choice, leaves copies to the printer
// and can print to a PDF file.
std::shared_ptr<Printer> ChoosePrinter();

// ---- scripting, for tests -------------------------------------------------
// Once scripted, no dialog is ever shown: answers are taken from the queues
// in order; an empty queue answers with the box's default (the first button,
// Ok/Yes/Retry/Abort) and an empty (cancelled) file name.
void SetScripted(bool on);
void QueueAnswer(MsgAnswer a);
void QueueFileName(const QString &path);
// The printer dialog's answers: a printer (nullptr = Cancel), or a PDF file
// on A4 portrait with 5 mm margins. An empty queue answers Cancel.
void QueuePrinter(std::shared_ptr<Printer> printer);
void QueuePrinterPdf(const QString &path);
// How often the printer dialog was shown since the script was cleared.
int PrinterDialogsShown();
const std::deque<ShownMessage> &Shown();
// While scripted, `reader` plays a user who keeps each message box open: it
// runs while the box is up (it may run an event loop of its own, as a real
// modal box does) and the box is answered when it returns. Cleared with the
// script.
void HoldMessages(std::function<void(const ShownMessage &)> reader);
QStringList ShownTexts();
QStringList FileDialogTitles();
void ClearScript();

} // namespace Dialogs
} // namespace Platform

class QDialog;
#include <functional>
namespace Platform::Dialogs {
// Every modal window of ours is shown through here. When scripted, the
// handler (if any) plays the user: it gets the loaded dialog, may click and
// type on it, and returns the exec() result; with no handler the dialog is
// rejected at once. Nothing modal ever blocks a test.
using ModalHandler = std::function<int(QDialog &)>;
int ExecModal(QDialog &dlg);
void PushModalHandler(ModalHandler h);
} // namespace Platform::Dialogs
