#include "ui/common/OnScreen.h"

#include "core/Shell.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace OnScreen {
namespace {

QRect fitted(const QRect &r, const QRect &area)
{
    const int w = std::min(r.width(), area.width());
    const int h = std::min(r.height(), area.height());
    const int x = std::clamp(r.x(), area.left(), area.left() + area.width() - w);
    const int y = std::clamp(r.y(), area.top(), area.top() + area.height() - h);
    return QRect(x, y, w, h);
}

} // namespace

QRect Inside(const QRect &r, const QRect &area) { return area.isEmpty() ? r : fitted(r, area); }

QRect StartRect(const QRect &chosen, const QMargins &frame, const QRect &area)
{
    const QSize around(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QRect outer = Inside(QRect(chosen.topLeft(), chosen.size() + around), area);
    return QRect(outer.topLeft(), (outer.size() - around).expandedTo(QSize(0, 0)));
}

QRect AvailableAreaFor(const QRect &r)
{
    QScreen *best = nullptr;
    qint64 bestArea = 0;
    for (QScreen *s : QGuiApplication::screens()) {
        const QRect i = s->geometry() & r;
        const qint64 a = qint64(i.width()) * i.height();
        if (a > bestArea) {
            best = s;
            bestArea = a;
        }
    }
    if (!best)
        best = QGuiApplication::primaryScreen();
    return best ? best->availableGeometry() : QRect();
}

// A window's rectangle as it is placed: the frame's corner (move() and
// pos() of a top-level window) and the client size.
static QRect placedRect(const QWidget *w) { return QRect(w->pos(), w->size()); }

static void place(QWidget *w, const QRect &r, const QRect &placed)
{
    if (placed.topLeft() != r.topLeft())
        w->move(placed.topLeft());
    if (placed.size() != r.size())
        w->resize(placed.size());
}

void KeepInside(QWidget *w)
{
    const QRect r = placedRect(w);
    place(w, r, Inside(r, AvailableAreaFor(r)));
}

QRect MainWorkArea()
{
    QWidget *main = Shell::Get().MainWidget();
    auto *mdi = main ? main->findChild<QMdiArea *>() : nullptr;
    if (!mdi || !mdi->isVisible())
        return QRect();
    const QWidget *view = mdi->viewport();
    return QRect(view->mapToGlobal(QPoint(0, 0)), view->size());
}

void KeepInWorkArea(QWidget *w)
{
    if (const QRect area = MainWorkArea(); !area.isEmpty()) {
        const QRect r = placedRect(w);
        place(w, r, Inside(r, area));
    }
    KeepInside(w);
}

QRect ChildArea(const QWidget *child)
{
    // Before the frame is on screen the area has no size of its own yet.
    const QWidget *area = child && !child->isWindow() ? child->parentWidget() : nullptr;
    return area && area->isVisible() ? area->rect() : QRect();
}

void KeepChildInArea(QWidget *child)
{
    if (!child || child->isMaximized() || child->isMinimized())
        return;
    const QRect placed = Inside(child->geometry(), ChildArea(child));
    if (placed != child->geometry())
        child->setGeometry(placed);
}

} // namespace OnScreen
