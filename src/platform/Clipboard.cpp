#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace Platform {

bool ClipboardHasText()
{
    const QMimeData *m = QGuiApplication::clipboard()->mimeData();
    return m && m->hasText() && !m->text().isEmpty();
}

QString ClipboardText() { return QGuiApplication::clipboard()->text(); }

void SetClipboardText(const QString &text) { QGuiApplication::clipboard()->setText(text); }

} // namespace Platform
