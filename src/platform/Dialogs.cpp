#include "platform/Dialogs.h"
#include "platform/PrinterQt.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace Platform::Dialogs {
namespace {
std::deque<ModalHandler> &handlers()
{
    static std::deque<ModalHandler> h;
    return h;
}

struct Script {
    bool on = false;
    std::deque<MsgAnswer> answers;
    std::deque<QString> files;
    std::deque<ShownMessage> shown;
    QStringList fileTitles;
    std::deque<std::shared_ptr<Printer>> printers;
    int printerDialogs = 0;
    std::function<void(const ShownMessage &)> holdMessages;
};
Script &script()
{
    static Script s;
    return s;
}

MsgAnswer defaultAnswer(MsgButtons b)
{
    switch (b) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel: return MsgAnswer::Ok;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel: return MsgAnswer::Yes;
    case MsgButtons::RetryCancel: return MsgAnswer::Retry;
    case MsgButtons::AbortRetryIgnore: return MsgAnswer::Abort;
    }
    return MsgAnswer::Ok;
}

QMessageBox::StandardButtons toQt(MsgButtons b)
{
    switch (b) {
    case MsgButtons::Ok: return QMessageBox::Ok;
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case MsgButtons::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

MsgAnswer fromQt(int r, MsgButtons b)
{
    switch (r) {
    case QMessageBox::Ok: return MsgAnswer::Ok;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Retry: return MsgAnswer::Retry;
    case QMessageBox::Abort: return MsgAnswer::Abort;
    case QMessageBox::Ignore: return MsgAnswer::Ignore;
    default: break;
    }
    // Closed by Escape or the close box: the box's "no" answer.
    switch (b) {
    case MsgButtons::Ok: return MsgAnswer::Ok;
    case MsgButtons::YesNo: return MsgAnswer::No;
    default: return MsgAnswer::Cancel;
    }
}
} // namespace

MsgAnswer MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title)
{
    Script &s = script();
    ShownMessage m{text, title.isEmpty() ? QString::fromLatin1(kAppTitle) : title, buttons, icon, MsgAnswer::Ok};
    if (s.on) {
        if (!s.answers.empty()) {
            m.answer = s.answers.front();
            s.answers.pop_front();
        } else {
            m.answer = defaultAnswer(buttons);
        }
        s.shown.push_back(m);
        if (s.holdMessages) {
            const auto reader = s.holdMessages; // may clear the script meanwhile
            reader(m);
        }
        return m.answer;
    }
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(m.title);
    box.setText(text);
    box.setStandardButtons(toQt(buttons));
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    m.answer = fromQt(box.exec(), buttons);
    s.shown.push_back(m);
    return m.answer;
}

// The string table writes filters as "Text(*.ext)|*.ext|..." pairs; the
// file dialog wants "Text (*.ext);;...".
static QString qtFilter(const QString &filter)
{
    if (!filter.contains(QLatin1Char('|')) || filter.contains(QLatin1String(";;")))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts[i];
        if (!desc.contains(QLatin1Char('(')))
            desc += QStringLiteral(" (") + QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')');
        out << desc;
    }
    return out.join(QStringLiteral(";;"));
}

static QString fileDialog(const FileFilter &f, bool save)
{
    Script &s = script();
    s.fileTitles << f.title;
    if (s.on) {
        if (s.files.empty())
            return QString();
        QString p = s.files.front();
        s.files.pop_front();
        return p;
    }
    QString start = f.initialDir;
    if (!f.initialName.isEmpty())
        start = start.isEmpty() ? f.initialName : start + QLatin1Char('/') + f.initialName;
    return save ? QFileDialog::getSaveFileName(QApplication::activeWindow(), f.title, start, qtFilter(f.filter))
                : QFileDialog::getOpenFileName(QApplication::activeWindow(), f.title, start, qtFilter(f.filter));
}

QString GetOpenFileName(const FileFilter &f) { return fileDialog(f, false); }
QString GetSaveFileName(const FileFilter &f) { return fileDialog(f, true); }

std::shared_ptr<Printer> ChoosePrinter()
{
    Script &s = script();
    ++s.printerDialogs;
    if (s.on) {
        if (s.printers.empty())
            return nullptr;
        auto p = s.printers.front();
        s.printers.pop_front();
        return p;
    }
    QPrinter &printer = SharedQPrinter();
    QPrintDialog dlg(&printer, QApplication::activeWindow());
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlg.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dlg.exec() != QDialog::Accepted)
        return nullptr;
    return MakeQtPrinter(printer);
}

void SetScripted(bool on) { script().on = on; }
void QueueAnswer(MsgAnswer a) { script().answers.push_back(a); }
void QueueFileName(const QString &path) { script().files.push_back(path); }
void QueuePrinter(std::shared_ptr<Printer> printer) { script().printers.push_back(std::move(printer)); }
void QueuePrinterPdf(const QString &path) { script().printers.push_back(MakePdfPrinter(path)); }
int PrinterDialogsShown() { return script().printerDialogs; }
const std::deque<ShownMessage> &Shown() { return script().shown; }
QStringList ShownTexts()
{
    QStringList l;
    for (const auto &m : script().shown)
        l << m.text;
    return l;
}
QStringList FileDialogTitles() { return script().fileTitles; }
void HoldMessages(std::function<void(const ShownMessage &)> reader) { script().holdMessages = std::move(reader); }

void ClearScript()
{
    Script &s = script();
    s.answers.clear();
    s.files.clear();
    s.shown.clear();
    s.fileTitles.clear();
    s.printers.clear();
    s.printerDialogs = 0;
    s.holdMessages = nullptr;
    handlers().clear();
}

} // namespace Platform::Dialogs

#include <QDialog>
namespace Platform::Dialogs {

int ExecModal(QDialog &dlg)
{
    if (!script().on)
        return dlg.exec();
    if (handlers().empty()) {
        dlg.reject();
        return QDialog::Rejected;
    }
    ModalHandler h = std::move(handlers().front());
    handlers().pop_front();
    return h(dlg);
}

void PushModalHandler(ModalHandler h) { handlers().push_back(std::move(h)); }
} // namespace Platform::Dialogs
