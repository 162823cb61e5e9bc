#pragma once
// The help file: "veve7ror.uri" in the application folder.
#include <QString>

namespace ModuleHelp {

struct HelpState {
    QString HelpFile = QStringLiteral("veve7ror.uri");
};
HelpState &Help();
void ResetHelpState();

// Makes HelpFile absolute: the application folder joined with its name.
void SetHelpFilePath();

} // namespace ModuleHelp
