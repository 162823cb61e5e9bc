#include "ui/common/Widgets.h"

#include "core/BgrColor.h"
#include "core/Twips.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QWidget>

namespace Twips {
void Place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(ToPx(left), ToPx(top), ToPx(width), ToPx(height));
}
} // namespace Twips

namespace BackColor {
void Set(QWidget *w, unsigned int bgr)
{
    QPalette p = w->palette();
    const QColor c = Bgr::ToQColor(bgr);
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}
} // namespace BackColor

namespace Module1 {
void SetIMEStatus(QWidget *w, bool open)
{
    if (!w)
        return;
    Qt::InputMethodHints h = w->inputMethodHints();
    if (open) {
        h &= ~Qt::InputMethodHints(Qt::ImhPreferLatin | Qt::ImhLatinOnly);
        w->setAttribute(Qt::WA_InputMethodEnabled, true);
    } else {
        h |= Qt::ImhPreferLatin | Qt::ImhLatinOnly;
        w->setAttribute(Qt::WA_InputMethodEnabled, false);
    }
    w->setInputMethodHints(h);
}
} // namespace Module1

namespace GridCells {
QTableView *DisplayGrid(QWidget *parent, const char *name, QAbstractItemModel *model)
{
    auto *v = new QTableView(parent);
    v->setObjectName(QString::fromLatin1(name));
    v->setModel(model);
    v->horizontalHeader()->hide();
    v->verticalHeader()->hide();
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return v;
}

void SetText(QStandardItemModel *m, int row, int col, const QString &text)
{
    auto *item = m->item(row, col);
    if (!item) {
        item = new QStandardItem;
        item->setEditable(false);
        m->setItem(row, col, item);
    }
    item->setText(text);
}
} // namespace GridCells
