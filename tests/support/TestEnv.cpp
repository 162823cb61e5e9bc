#include "support/TestEnv.h"

#include "app/StateReset.h"
#include "core/AppState.h"
#include "core/Shell.h"
#include "link/Engine.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "core/ItemFile.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "support/Choices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace TestEnv {
namespace {
RecordingShell *g_recorder = nullptr;
RecordingShell g_spare;
} // namespace

RecordingShell &Recorder() { return g_recorder ? *g_recorder : g_spare; }

Scope::Scope()
{
    Platform::UseSettingsFile(m_dir.filePath(QStringLiteral("settings.ini")));
    Platform::SetAppFolder(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("data")));
    Platform::SetUserDataFolder(m_dir.path());
    Platform::Dialogs::SetScripted(true);
    Platform::Dialogs::ClearScript();
    Choices::Clear();
    StateReset::ResetAllModuleState();
    g_recorder = &m_shell;
    Shell::Register(&m_shell);
}

Scope::~Scope()
{
    Comm::StopLink();
    if (g_recorder == &m_shell) {
        Shell::Register(nullptr);
        g_recorder = nullptr;
    }
    Platform::Dialogs::ClearScript();
}

QString Scope::path(const QString &name) const { return m_dir.filePath(name); }

QString Scope::writeFile(const QString &name, const QByteArray &bytes) const
{
    const QString p = path(name);
    QFile f(p);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return p;
}

QString Scope::writeSjis(const QString &name, const QString &text) const
{
    return writeFile(name, ItemFile::Encode(text));
}

} // namespace TestEnv
