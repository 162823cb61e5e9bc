#pragma once
// Every test starts from a clean, isolated world: its own settings file,
// scripted dialogs (nothing modal ever blocks), the application state at its
// start values, and the program's data folder beside the test executable.
#include "support/RecordingShell.h"

#include <QTemporaryDir>
#include <QString>
#include <memory>

namespace TestEnv {

class Scope {
public:
    Scope();
    ~Scope();
    Scope(const Scope &) = delete;
    Scope &operator=(const Scope &) = delete;
    QString dir() const { return m_dir.path(); }
    QString path(const QString &name) const;
    // Writes bytes to a file in the scope's folder and returns its path.
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    QString writeSjis(const QString &name, const QString &text) const;

private:
    QTemporaryDir m_dir;
    RecordingShell m_shell;
};

} // namespace TestEnv
