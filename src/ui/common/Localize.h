#pragma once
// Localisation of a window from the string table. Each window is designed
// with string-table identifiers in place of its texts:
//  - the window and its labels, buttons and frames: dynamic property "tag";
//  - tooltips: dynamic property "toolTipTag";
//  - menu items (QAction, QMenu): the identifier is the design text;
//  - toolbar buttons: the identifier is the action's tooltip;
//  - list columns (item views): dynamic property "columnTags" (QStringList);
//  - tab strips (only SetCaptionFromTag): "tabTags" / "tabToolTipTags".
// A step that cannot be done (no caption, no such text, a tag that is not a
// number) is skipped silently; the element keeps its design text.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

class QWidget;

namespace Loc {
// Identifier + LangOffset for every text.
void SetCaptionFromRes(QWidget *window);

// The older walk: identifiers as they are (no language offset).
void SetCaptionFromTag(QWidget *window);

inline const char *const kTag = "tag";
inline const char *const kToolTipTag = "toolTipTag";
inline const char *const kColumnTags = "columnTags";
inline const char *const kTabTags = "tabTags";
inline const char *const kTabToolTipTags = "tabToolTipTags";

// One-line tagging: auto *b = Loc::Tagged(new QPushButton(this), 150);
template <class T>
T *Tagged(T *object, int id, int toolTipId = 0)
{
    object->setProperty(kTag, QString::number(id));
    if (toolTipId > 0)
        object->setProperty(kToolTipTag, QString::number(toolTipId));
    return object;
}
// One-line naming and tagging; id 0 = a name only.
template <class T>
T *NamedTagged(T *object, const char *name, int id)
{
    object->setObjectName(QString::fromLatin1(name));
    return id > 0 ? Tagged(object, id) : object;
}
// Any design text as tag (for tags that are not plain numbers).
inline void SetTag(QObject *object, const QString &tag) { object->setProperty(kTag, tag); }
inline void SetToolTipTag(QObject *object, const QString &tag) { object->setProperty(kToolTipTag, tag); }
inline void SetColumnTags(QObject *view, const QStringList &tags) { view->setProperty(kColumnTags, tags); }
} // namespace Loc
