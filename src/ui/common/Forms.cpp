#include "ui/common/Forms.h"
#include "core/Shell.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QWidget>

namespace Forms {

bool IsOwnWindowName(const QString &name)
{
    return !name.isEmpty() && name.front().isUpper() && !name.startsWith(QLatin1Char('Q'))
        && (name.endsWith(QLatin1String("Window")) || name.endsWith(QLatin1String("Dialog")));
}

QList<QWidget *> Loaded()
{
    QList<QWidget *> forms;
    QWidget *main = Shell::Get().MainWidget();
    if (main) {
        forms << main;
        forms << Shell::Get().ChildWindows();
    }
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w == main || forms.contains(w) || !Forms::IsOwnWindowName(w->objectName()))
            continue;
        forms << w;
    }
    return forms;
}

QList<QWidget *> Named(const QString &name)
{
    QList<QWidget *> found;
    for (QWidget *w : Loaded())
        if (w->objectName() == name)
            found << w;
    return found;
}

QWidget *Find(const QString &name)
{
    for (QWidget *w : Loaded())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

QWidget *ActiveChild() { return Shell::Get().ActiveChild(); }

QAction *MainAction(const char *name)
{
    QWidget *main = Shell::Get().MainWidget();
    return main ? main->findChild<QAction *>(QString::fromLatin1(name)) : nullptr;
}

void EnableMainAction(const char *name, bool on)
{
    if (QAction *a = MainAction(name))
        a->setEnabled(on);
}

void ShowMainAction(const char *name, bool on)
{
    if (QAction *a = MainAction(name))
        a->setVisible(on);
}

QMenu *MainPopup()
{
    QWidget *main = Shell::Get().MainWidget();
    return main ? main->findChild<QMenu *>(QStringLiteral("mnuPopup")) : nullptr;
}

} // namespace Forms
