#pragma once
// The text clipboard.
#include <QString>

namespace Platform {

bool ClipboardHasText();
QString ClipboardText();
void SetClipboardText(const QString &text);

} // namespace Platform
