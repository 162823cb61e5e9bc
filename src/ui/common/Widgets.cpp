#include "ui/common/Widgets.h"

#include "core/BgrColor.h"
#include "core/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>

namespace Geometry {
void Place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(Twips::ToPx(left), Twips::ToPx(top), Twips::ToPx(width), Twips::ToPx(height));
}
} // namespace Geometry

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

namespace Input {
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

bool IsBackTab(const QKeyEvent *k)
{
    return k->key() == Qt::Key_Backtab || (k->key() == Qt::Key_Tab && (k->modifiers() & Qt::ShiftModifier));
}
} // namespace Input

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

namespace TextFit {
namespace {

constexpr double kSmallestPoints = 6;

// Wrapped at width as a grid cell wraps it, every line starts after a
// space or a line break: no word is broken in two.
bool breaksAtSpaces(const QFont &f, const QString &text, int width)
{
    QTextLayout layout(text, f);
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    bool whole = true;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const int at = line.textStart();
        // A Latin word after Japanese text ("プログラム / No.") may start a line.
        const bool wordStart = at > 0 && (text.at(at - 1).isSpace()
                                          || (text.at(at - 1).unicode() > 0xff && text.at(at).unicode() < 0x80
                                              && text.at(at).isLetter()));
        if (at > 0 && !wordStart)
            whole = false;
    }
    layout.endLayout();
    return whole;
}

bool fitsRoom(const QFont &f, const QString &text, const QSize &room, bool wrap)
{
    if (wrap && !breaksAtSpaces(f, text, room.width()))
        return false;
    const QFontMetrics fm(f);
    const QRect need = wrap ? fm.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text)
                            : QRect(QPoint(0, 0), fm.size(Qt::TextShowMnemonic, text));
    return need.width() <= room.width() && need.height() <= room.height();
}

// The first font from start down that fits, in half points.
template <class Fits>
QFont smallest(const QFont &start, Fits fits)
{
    QFont f = start;
    if (f.pointSizeF() <= 0)
        return f;
    while (!fits(f) && f.pointSizeF() > kSmallestPoints)
        f.setPointSizeF(std::max(kSmallestPoints, f.pointSizeF() - 0.5));
    return f;
}

// The room the style leaves a button's caption, less its icon.
QSize buttonRoom(const QAbstractButton *b)
{
    QSize room = CaptionRect(b).size();
    if (!b->icon().isNull())
        room.rwidth() -= b->iconSize().width() + 4;
    return room;
}

// The caption broken at the space that leaves the shorter longest line.
QString twoLines(const QString &text, const QFontMetrics &fm)
{
    QString best = text;
    int widest = fm.horizontalAdvance(text);
    for (int i = text.indexOf(QLatin1Char(' ')); i > 0; i = text.indexOf(QLatin1Char(' '), i + 1)) {
        const QString a = text.left(i), b = text.mid(i + 1);
        const int w = std::max(fm.horizontalAdvance(a), fm.horizontalAdvance(b));
        if (w < widest) {
            widest = w;
            best = a + QLatin1Char('\n') + b;
        }
    }
    return best;
}

void shrinkButton(QAbstractButton *b)
{
    const QSize room = buttonRoom(b);
    auto fits = [&](const QFont &f) { return fitsRoom(f, b->text(), room, false); };
    QFont f = smallest(b->font(), fits);
    // Too long even at the smallest size: a push button tall enough for two
    // lines takes its caption on two.
    const QFontMetrics fm(b->font());
    if (!fits(f) && qobject_cast<QPushButton *>(b) && !b->text().contains(QLatin1Char('\n'))
        && room.height() >= 2 * fm.height()) {
        b->setText(twoLines(b->text(), fm));
        f = smallest(b->font(), fits);
    }
    b->setFont(f);
}

void shrinkLabel(QLabel *l)
{
    if (l->text().isEmpty() || Qt::mightBeRichText(l->text()))
        return;
    // The label's own measure holds its frame, margin and indent.
    const QFont start = l->font();
    const QFont f = smallest(start, [l](const QFont &f) {
        l->setFont(f);
        const QSize need = l->wordWrap() ? QSize(l->minimumSizeHint().width(), l->heightForWidth(l->width()))
                                         : l->sizeHint();
        return need.width() <= l->width() && need.height() <= l->height();
    });
    l->setFont(f);
}

void shrinkList(QComboBox *c)
{
    if (c->isEditable() || c->count() == 0)
        return;
    QStyleOptionComboBox o;
    o.initFrom(c);
    o.editable = false;
    o.frame = c->hasFrame();
    // The closed list draws its text a pixel in from each side of the field.
    const QSize room =
        c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c).adjusted(1, 0, -1, 0).size();
    c->setFont(smallest(c->font(), [&](const QFont &f) {
        for (int i = 0; i < c->count(); ++i) {
            if (!fitsRoom(f, c->itemText(i), room, false))
                return false;
        }
        return true;
    }));
}

} // namespace

QRect CaptionRect(const QAbstractButton *b)
{
    QStyleOptionButton o;
    o.initFrom(b);
    o.text = b->text();
    o.icon = b->icon();
    o.iconSize = b->iconSize();
    QStyle::SubElement part = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(b)) {
        part = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton *>(b)) {
        part = QStyle::SE_RadioButtonContents;
    } else if (auto *p = qobject_cast<const QPushButton *>(b)) {
        if (p->autoDefault() || p->isDefault())
            o.features |= QStyleOptionButton::AutoDefaultButton;
        if (p->isDefault())
            o.features |= QStyleOptionButton::DefaultButton;
        if (p->isFlat())
            o.features |= QStyleOptionButton::Flat;
    }
    return b->style()->subElementRect(part, &o, b);
}

QFont Fitting(const QFont &f, const QString &text, const QSize &room, bool wrap)
{
    return smallest(f, [&](const QFont &g) { return fitsRoom(g, text, room, wrap); });
}

void Shrink(QWidget *w)
{
    if (auto *b = qobject_cast<QAbstractButton *>(w)) {
        if (!b->text().isEmpty() && (qobject_cast<QPushButton *>(b) || qobject_cast<QCheckBox *>(b)
                                     || qobject_cast<QRadioButton *>(b)))
            shrinkButton(b);
    } else if (auto *l = qobject_cast<QLabel *>(w)) {
        shrinkLabel(l);
    } else if (auto *c = qobject_cast<QComboBox *>(w)) {
        shrinkList(c);
    }
}

void ShrinkAll(QWidget *window)
{
    for (QWidget *w : window->findChildren<QWidget *>())
        Shrink(w);
}

void ShrinkCell(QTableView *v, const QModelIndex &index)
{
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    const int margin = v->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, v) + 1;
    const QVariant own = index.data(Qt::FontRole);
    const QFont start = own.isValid() ? own.value<QFont>() : v->font();
    const QSize room(v->columnWidth(index.column()) - 2 * margin, v->rowHeight(index.row()));
    const QFont f = Fitting(start, text, room, v->wordWrap());
    if (f != start)
        v->model()->setData(index, f, Qt::FontRole);
}

} // namespace TextFit
