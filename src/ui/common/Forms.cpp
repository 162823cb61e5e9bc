#include "ui/common/Forms.h"
#include "core/AppState.h"
#include "app/frmMain.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace Forms {

QList<QWidget *> Loaded()
{
    QList<QWidget *> forms;
    frmMain *main = App().MainForm;
    if (main) {
        forms << main;
        for (QMdiSubWindow *s : main->mdiArea()->subWindowList(QMdiArea::CreationOrder))
            if (s->widget())
                forms << s->widget();
    }
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w == main || forms.contains(w) || !w->objectName().startsWith(QLatin1String("frm")))
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

QWidget *ActiveChild()
{
    frmMain *main = App().MainForm;
    if (!main)
        return nullptr;
    QMdiSubWindow *s = main->mdiArea()->activeSubWindow();
    return s ? s->widget() : nullptr;
}

} // namespace Forms
