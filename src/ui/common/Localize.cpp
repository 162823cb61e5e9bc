#include "ui/common/Localize.h"
#include "core/AppState.h"
#include "core/Num.h"
#include "platform/StringTable.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QWidget>
#include <optional>

namespace {

struct Walk {
    int offset = 0;
    bool skipEmptyWindowTag = true;   // SetCaptionFromRes tests the window tag
    bool labelToolTips = true;        // SetCaptionFromTag sets label captions only
    bool tabStrips = false;           // only SetCaptionFromTag knows tab strips
};

// The text of an identifier that is already a 16-bit integer; nothing when the
// sum with the offset leaves the 16-bit range or the table has no such text.
std::optional<QString> textOf(int16_t id, int offset)
{
    const int full = int(id) + offset;
    if (full < -32768 || full > 32767)
        return std::nullopt;
    return Platform::LoadResString(full);
}

// A tag that must be a number as a whole ("12abc" fails).
std::optional<QString> wholeText(const QVariant &tag, int offset)
{
    const QString t = tag.toString();
    if (!Num::IsNumeric(t))
        return std::nullopt;
    const auto id = Num::IntOf(t);
    if (!id)
        return std::nullopt;
    return textOf(*id, offset);
}

// The leading number of a tag ("12abc" gives 12); nothing when it is not > 0.
std::optional<QString> leadingText(const QVariant &tag, int offset)
{
    const QString t = tag.toString();
    if (t.isEmpty())
        return std::nullopt;
    const double n = Num::Val(t);
    if (!(n > 0))
        return std::nullopt;
    const auto id = Num::CInt(n);
    if (!id)
        return std::nullopt;
    return textOf(*id, offset);
}

bool setCaption(QWidget *w, const QString &text)
{
    if (auto *l = qobject_cast<QLabel *>(w)) { l->setText(text); return true; }
    if (auto *b = qobject_cast<QAbstractButton *>(w)) { b->setText(text); return true; }
    if (auto *g = qobject_cast<QGroupBox *>(w)) { g->setTitle(text); return true; }
    return false;   // text boxes, grids, images, lines: no caption
}

void toolTipFromTag(QWidget *w, int offset)
{
    const QVariant tt = w->property(Loc::kToolTipTag);
    if (auto text = leadingText(tt, offset))
        w->setToolTip(*text);
}

void columnHeaders(QAbstractItemView *view, int offset)
{
    const QStringList tags = view->property(Loc::kColumnTags).toStringList();
    QAbstractItemModel *model = view->model();
    if (tags.isEmpty() || !model)
        return;
    for (int c = 0; c < tags.size() && c < model->columnCount(); ++c)
        if (auto text = wholeText(tags[c], offset))
            model->setHeaderData(c, Qt::Horizontal, *text);
}

void tabs(QWidget *w, int offset)
{
    const QStringList tags = w->property(Loc::kTabTags).toStringList();
    const QStringList tips = w->property(Loc::kTabToolTipTags).toStringList();
    QTabBar *bar = qobject_cast<QTabBar *>(w);
    if (auto *tw = qobject_cast<QTabWidget *>(w))
        bar = tw->tabBar();
    if (!bar)
        return;
    for (int i = 0; i < bar->count(); ++i) {
        if (i < tags.size())
            if (auto text = wholeText(tags[i], offset))
                bar->setTabText(i, *text);
        if (i < tips.size())
            if (auto text = wholeText(tips[i], offset))
                bar->setTabToolTip(i, *text);
    }
}

void run(QWidget *window, const Walk &walk)
{
    if (!window)
        return;
    const QVariant wt = window->property(Loc::kTag);
    if (!(walk.skipEmptyWindowTag && wt.toString().isEmpty()))
        if (auto text = wholeText(wt, walk.offset))
            window->setWindowTitle(*text);

    // Controls, in creation order.
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (QWidget *w : controls) {
        if (qobject_cast<QToolBar *>(w)) {
            // Each button keeps its identifier in its tooltip.
            for (QAction *a : w->actions()) {
                if (a->isSeparator() || a->toolTip().isEmpty())
                    continue;
                if (auto text = wholeText(a->toolTip(), walk.offset))
                    a->setToolTip(*text);
            }
            continue;
        }
        if (auto *view = qobject_cast<QAbstractItemView *>(w)) {
            columnHeaders(view, walk.offset);
            continue;
        }
        if (walk.tabStrips && (qobject_cast<QTabWidget *>(w) || qobject_cast<QTabBar *>(w))
            && w->property(Loc::kTabTags).isValid()) {
            tabs(w, walk.offset);
            continue;
        }
        const QVariant tag = w->property(Loc::kTag);
        if (qobject_cast<QLabel *>(w)) {
            if (auto text = wholeText(tag, walk.offset))
                setCaption(w, *text);
            if (walk.labelToolTips)
                toolTipFromTag(w, walk.offset);
            continue;
        }
        if (auto text = leadingText(tag, walk.offset))
            setCaption(w, *text);
        toolTipFromTag(w, walk.offset);
    }

    // Menu items (a submenu's title is its menu action's text): the design
    // text is the identifier. Toolbar keys are words and are passed over.
    const QList<QAction *> actions = window->findChildren<QAction *>();
    for (QAction *a : actions) {
        if (a->isSeparator())
            continue;
        if (auto text = wholeText(a->text(), walk.offset))
            a->setText(*text);
    }
}

} // namespace

namespace Loc {
void SetCaptionFromRes(QWidget *window)
{
    Walk w;
    w.offset = App().LangOffset;
    run(window, w);
}

void SetCaptionFromTag(QWidget *window)
{
    Walk w;
    w.offset = 0;
    w.skipEmptyWindowTag = false;
    w.labelToolTips = false;
    w.tabStrips = true;
    run(window, w);
}
} // namespace Loc
