#include "ui/posi/PosiGridView.h"

#include "core/AppState.h"
#include "core/Twips.h"
#include "posi/PosiEdit.h"
#include "posi/PosiGridModel.h"
#include "posi/PosiRows.h"
#include "ui/common/Widgets.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTimer>

namespace {
// Room a cell keeps around its text.
constexpr int kCellPadding = 8;

// Widths of title texts at the fonts of the two title rows.
class TitleWidths {
public:
    explicit TitleWidths(const PosiGridModel &m)
        : m_model(m), m_row0(m.data(m.index(0, 0), Qt::FontRole).value<QFont>()),
          m_row1(m.data(m.index(1, 0), Qt::FontRole).value<QFont>())
    {
    }
    int operator()(int row, int col) const
    {
        return (row == 0 ? m_row0 : m_row1).horizontalAdvance(m_model.Text(row, col)) + kCellPadding;
    }

private:
    const PosiGridModel &m_model;
    QFontMetrics m_row0;
    QFontMetrics m_row1;
};
} // namespace

// ---------------------------------------------------------------- editor

PosiCellEditor::PosiCellEditor(PosiGridModel *model, QObject *parent) : QStyledItemDelegate(parent), m_model(model) {}

QWidget *PosiCellEditor::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    if (!m_model->BeginEdit(index.row(), index.column()))
        return nullptr;
    auto *e = new QLineEdit(parent);
    e->setFrame(false);
    const int len = PosiEdit::MaxLength(index.column());
    if (len > 0)
        e->setMaxLength(len);
    // Numbers only outside the comment column: no input method there.
    Input::SetIMEStatus(e, index.column() == 28);
    m_index = index;
    m_done = false;
    m_refused.reset();
    App().GridEditKey = 0;
    return e;
}

void PosiCellEditor::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *e = static_cast<QLineEdit *>(editor);
    e->setText(m_model->Text(index.row(), index.column()));
    e->selectAll();
}

void PosiCellEditor::setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &) const
{
    // The view closes an editor it leaves: the value is committed then too.
    commitOpen(editor);
}

bool PosiCellEditor::commitOpen(QWidget *editor) const
{
    if (m_done)
        return true;
    const QString text = static_cast<QLineEdit *>(editor)->text();
    if (m_refused == text)
        return false;
    if (!m_model->setData(m_index, text, Qt::EditRole)) {
        m_refused = text;
        return false;
    }
    m_done = true;
    return true;
}

// A data cell is a short text on a flat colour: drawn straight, without the
// style's general item drawing, whose text layout per cell made the repaint
// of a full grid cost more than filling it. Only the comment, the one
// free text, is cut with an ellipsis when it does not fit.
void PosiCellEditor::paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QStyle::State st = option.state;
    const QPalette::ColorGroup cg = !(st & QStyle::State_Enabled) ? QPalette::Disabled
                                    : (st & QStyle::State_Active) ? QPalette::Normal
                                                                  : QPalette::Inactive;
    const bool selected = st & QStyle::State_Selected;
    if (selected) {
        p->fillRect(option.rect, option.palette.brush(cg, QPalette::Highlight));
    } else {
        const QVariant back = m_model->data(index, Qt::BackgroundRole);
        if (back.isValid())
            p->fillRect(option.rect, back.value<QColor>());
    }
    const QString text = m_model->Text(index.row(), index.column());
    if (!text.isEmpty()) {
        const QWidget *w = option.widget;
        const QStyle *style = w ? w->style() : QApplication::style();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1;
        const QRect r = option.rect.adjusted(margin, 0, -margin, 0);
        const int align = m_model->data(index, Qt::TextAlignmentRole).toInt();
        const bool comment = index.column() == PosiGridModel::kCols - 1;
        const QString shown = comment ? option.fontMetrics.elidedText(text, Qt::ElideRight, r.width()) : text;
        const QPen pen = p->pen();
        p->setPen(option.palette.color(cg, selected ? QPalette::HighlightedText : QPalette::Text));
        p->drawText(r, align | Qt::TextSingleLine, shown);
        p->setPen(pen);
    }
    if (st & QStyle::State_HasFocus) {
        QStyleOptionFocusRect f;
        f.QStyleOption::operator=(option);
        f.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        f.backgroundColor = option.palette.color(cg, selected ? QPalette::Highlight : QPalette::Window);
        const QWidget *w = option.widget;
        (w ? w->style() : QApplication::style())->drawPrimitive(QStyle::PE_FrameFocusRect, &f, p, w);
    }
}

bool PosiCellEditor::eventFilter(QObject *o, QEvent *ev)
{
    auto *e = qobject_cast<QLineEdit *>(o);
    if (e && ev->type() == QEvent::FocusIn)
        m_refused.reset();
    // Leaving the editor commits like Enter: a refused value keeps it open
    // (with Enter's beep) and takes the focus back.
    if (e && ev->type() == QEvent::FocusOut && !m_done
        && static_cast<QFocusEvent *>(ev)->reason() != Qt::PopupFocusReason) {
        bool toOwnChild = false;
        for (QWidget *w = QApplication::focusWidget(); w && !toOwnChild; w = w->parentWidget())
            toOwnChild = w == e;
        if (!toOwnChild && !commitOpen(e)) {
            QTimer::singleShot(0, e, [e] { e->setFocus(); });
            return true;
        }
    }
    if (!e || ev->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(o, ev);
    auto *k = static_cast<QKeyEvent *>(ev);
    AppState &app = App();
    int code = 0;
    switch (k->key()) {
    case Qt::Key_Escape:
        app.GridEditKey = 27;
        e->setText(app.GridEditOldText);
        m_done = true;
        emit closeEditor(e, QAbstractItemDelegate::RevertModelCache);
        emit editEnded(27, false);
        app.GridEditKey = 0;
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: code = 13; break;
    case Qt::Key_Down: code = 40; break;
    case Qt::Key_Up: code = 38; break;
    // Tab and Shift+Tab commit like Enter and go to the next or previous
    // cell, so what is typed after them lands there.
    case Qt::Key_Tab:
    case Qt::Key_Backtab: code = 9; break;
    default: break;
    }
    if (code != 0) {
        app.GridEditKey = code;
        if (!m_model->setData(m_index, e->text(), Qt::EditRole))
            return true;   // refused: the editor stays open with the typed text
        m_done = true;
        emit closeEditor(e, QAbstractItemDelegate::NoHint);
        emit editEnded(code, code == 9 && Input::IsBackTab(k));
        app.GridEditKey = 0;
        return true;
    }
    const QString t = k->text();
    if (t.size() == 1 && t.at(0).unicode() >= 32) {
        const int key = PosiEdit::FilterKey(m_index.column(), t.at(0).unicode());
        if (key == 0)
            return true;
        if (key != t.at(0).unicode()) {
            e->insert(QString(QChar(key)));
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(o, ev);
}

// ---------------------------------------------------------------- view

PosiGridView::PosiGridView(PosiGridModel *model, QWidget *parent)
    : QTableView(parent), m_model(model), m_editor(new PosiCellEditor(model, this)), m_titles(new QTableView(this))
{
    setModel(model);
    setItemDelegate(m_editor);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(Twips::ToPx(250));
    setSelectionMode(QAbstractItemView::ExtendedSelection);

    // The fixed title rows: the same model, rows 0 and 1 only, never
    // scrolled vertically, following the data's horizontal scroll.
    m_titles->setObjectName(QStringLiteral("flgdDataTitles"));
    m_titles->setModel(model);
    m_titles->horizontalHeader()->hide();
    m_titles->verticalHeader()->hide();
    m_titles->setFocusPolicy(Qt::NoFocus);
    m_titles->setSelectionMode(QAbstractItemView::NoSelection);
    m_titles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_titles->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_titles->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_titles->setFrameShape(QFrame::NoFrame);
    // The title view is exactly as high as the two title rows and never
    // scrolls vertically, so the data rows under them need no hiding there
    // (hiding a thousand rows one by one costs more than the whole fill); a
    // wheel over the titles scrolls the data.
    m_titles->viewport()->installEventFilter(this);
    connect(m_titles->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) {
        if (v != 0)
            m_titles->verticalScrollBar()->setValue(0);
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_titles->horizontalScrollBar(), &QScrollBar::setValue);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    connect(model, &PosiGridModel::shapeChanged, this, &PosiGridView::applyShape);
    // A new title (the actuator names) may need wider columns: refitted once
    // the writing is done.
    connect(model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &tl) {
        if (tl.row() >= 2 || m_refitPending)
            return;
        m_refitPending = true;
        QTimer::singleShot(0, this, [this] {
            m_refitPending = false;
            applyShape();
        });
    });
    connect(model, &QAbstractItemModel::modelReset, this, &PosiGridView::applyShape);
    connect(model, &PosiGridModel::bulkChanged, this, [this](bool inBulk) {
        // Only the cells are withheld: the frame, the scroll bars and the
        // headers stay as they are and are not drawn again for a new fill.
        viewport()->setUpdatesEnabled(!inBulk);
        m_titles->viewport()->setUpdatesEnabled(!inBulk);
    });
    connect(model, &PosiGridModel::currentChanged, this, [this](int r, int c) {
        if (!m_model->InBulk())
            setCurrentIndex(m_model->index(r, c));
    });
    connect(model, &PosiGridModel::selectionSet, this, [this](int r, int c, int rs, int cs) {
        const QModelIndex cur = m_model->index(r, c);
        selectionModel()->setCurrentIndex(cur, QItemSelectionModel::NoUpdate);
        selectionModel()->select(QItemSelection(m_model->index(std::min(r, rs), std::min(c, cs)),
                                                m_model->index(std::max(r, rs), std::max(c, cs))),
                                 QItemSelectionModel::ClearAndSelect);
    });
    connect(model, &PosiGridModel::beep, this, [] { QApplication::beep(); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { syncSelection(); });
    connect(m_editor, &PosiCellEditor::editEnded, this, &PosiGridView::afterEdit);
    applyShape();
}

int PosiGridView::titlesHeight() const
{
    int h = 0;
    for (int r = 0; r < std::min(2, m_model->Rows()); ++r)
        h += Twips::ToPx(m_model->RowHeight(r));
    return h;
}

void PosiGridView::applyShape()
{
    if (m_model->InBulk())
        return;
    // Widths from the model; a title that does not fit at its font widens
    // its column, and the comment column gives the room back.
    std::vector<int> px(PosiGridModel::kCols, 0);
    int modelSum = 0;
    for (int c = 0; c < PosiGridModel::kCols; ++c) {
        px[size_t(c)] = Twips::ToPx(m_model->ColWidth(c));
        if (c < PosiGridModel::kCols - 1)
            modelSum += px[size_t(c)];
    }
    if (m_model->Rows() >= 2) {
        const TitleWidths textWidth(*m_model);
        for (int c = 0; c < PosiGridModel::kCols - 1; ++c)
            if (px[size_t(c)] > 0)
                px[size_t(c)] = std::max(px[size_t(c)], textWidth(1, c));
        for (const auto &[first, n] : m_model->Row0Spans()) {
            int total = 0, last = -1;
            for (int c = first; c < first + n && c < PosiGridModel::kCols - 1; ++c)
                if (px[size_t(c)] > 0) {
                    total += px[size_t(c)];
                    last = c;
                }
            const int need = textWidth(0, first);
            if (last >= 0 && need > total)
                px[size_t(last)] += need - total;
        }
    }
    int sum = 0;
    for (int c = 0; c < PosiGridModel::kCols - 1; ++c)
        sum += px[size_t(c)];
    const int grown = sum - modelSum;
    const int comment = PosiGridModel::kCols - 1;
    if (grown > 0 && px[size_t(comment)] > 0) {
        const int narrowed = px[size_t(comment)] - grown;
        px[size_t(comment)] = narrowed >= Twips::ToPx(1500) ? narrowed : Twips::ToPx(3500);
    }
    for (QTableView *v : {static_cast<QTableView *>(this), m_titles}) {
        for (int c = 0; c < PosiGridModel::kCols; ++c) {
            v->setColumnHidden(c, px[size_t(c)] == 0);
            if (px[size_t(c)] > 0)
                v->setColumnWidth(c, px[size_t(c)]);
        }
        // Only the title rows differ from the default height.
        for (int r = 0; r < std::min(2, m_model->Rows()); ++r)
            v->setRowHeight(r, Twips::ToPx(m_model->RowHeight(r)));
        v->clearSpans();
        for (const auto &[c, n] : m_model->Row0Spans())
            v->setSpan(0, c, 1, n);
    }
    // The data view leaves the title rows to the title view. No other row
    // is ever hidden.
    for (int r = 0; r < std::min(2, m_model->Rows()); ++r)
        setRowHidden(r, true);
    placeTitles();
}

void PosiGridView::placeTitles()
{
    const int h = titlesHeight();
    if (viewportMargins() != QMargins(0, h, 0, 0))
        setViewportMargins(0, h, 0, 0);
    const QRect vp = viewport()->geometry();
    m_titles->setGeometry(vp.left(), vp.top() - h, vp.width(), h);
    m_titles->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    m_titles->raise();
}

bool PosiGridView::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_titles->viewport() && e->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(viewport(), e);
        return true;
    }
    return QTableView::eventFilter(o, e);
}

void PosiGridView::updateGeometries()
{
    QTableView::updateGeometries();
    placeTitles();
}

// A press in the number column selects whole rows (dragging or Shift
// extends them), as the row commands and the clipboard expect.
void PosiGridView::mousePressEvent(QMouseEvent *e)
{
    const QModelIndex i = indexAt(e->position().toPoint());
    setSelectionBehavior(i.isValid() && i.column() == 0 ? QAbstractItemView::SelectRows
                                                        : QAbstractItemView::SelectItems);
    QTableView::mousePressEvent(e);
}

void PosiGridView::syncSelection()
{
    const QModelIndex cur = currentIndex();
    if (!cur.isValid())
        return;
    int c = cur.column(), rs = cur.row(), cs = cur.column();
    for (const QItemSelectionRange &r : selectionModel()->selection()) {
        if (!r.contains(cur))
            continue;
        rs = cur.row() == r.top() ? r.bottom() : r.top();
        cs = cur.column() == r.left() ? r.right() : r.left();
        // Whole rows are their data columns 1..28: the number column is not
        // part of what the row commands and the clipboard take.
        if (r.left() == 0 && r.right() == PosiGridModel::kCols - 1) {
            c = 1;
            cs = PosiGridModel::kCols - 1;
        }
        break;
    }
    m_model->SyncSelection(cur.row(), c, rs, cs);
}

void PosiGridView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // A click on another cell while the edited value is refused: the editor
    // stays open and the cursor goes back to it.
    if (previous.isValid() && state() == EditingState) {
        QWidget *ed = indexWidget(previous);
        if (ed && !m_editor->commitOpen(ed)) {
            const QPersistentModelIndex back(previous);
            QTimer::singleShot(0, this, [this, back, ed = QPointer<QWidget>(ed)] {
                if (back.isValid())
                    selectionModel()->setCurrentIndex(back, QItemSelectionModel::ClearAndSelect);
                if (ed)
                    ed->setFocus();
            });
            return;
        }
    }
    QTableView::currentChanged(current, previous);
    if (previous.isValid())
        m_model->LeaveCell(previous.row(), previous.column());
    if (current.isValid()) {
        syncSelection();
        // Numbers only outside the comment column.
        Input::SetIMEStatus(this, current.column() == 28);
    }
}

void PosiGridView::moveTo(int row, int col, bool append)
{
    if (append) {
        int first = m_model->Rows(), last = first;
        PosiRows::PosiGridInsertLine(first, last);
    }
    row = std::clamp(row, 0, std::max(m_model->Rows() - 1, 0));
    m_model->SetCurrent(row, col);
    scrollTo(m_model->index(row, col));
    emit cellChanged();
}

void PosiGridView::afterEdit(int key, bool backward)
{
    const PosiEdit::Move m = key == 9 ? PosiEdit::TabStep(*m_model, backward)
                                      : PosiEdit::AfterEdit(key, m_model->Row(), m_model->Col(), m_model->Rows());
    App().GridEditKey = 0;
    if (m.moves)
        moveTo(m.row, m.col, m.append);
    setFocus();
}

void PosiGridView::keyPressEvent(QKeyEvent *e)
{
    // Down on the last row steps on: a row is appended.
    if (e->key() == Qt::Key_Down && state() != EditingState && m_model->Rows() > 2
        && m_model->Row() == m_model->Rows() - 1) {
        const PosiEdit::Move m = PosiEdit::RowStep(m_model->Row(), m_model->Rows(), PosiEdit::FirstEditColumn());
        moveTo(m.row, m.col, m.append);
        return;
    }
    // Tab outside the editor takes the editor's step; where there is none
    // the focus may leave the grid.
    if ((e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) && state() != EditingState) {
        const PosiEdit::Move m = PosiEdit::TabStep(*m_model, Input::IsBackTab(e));
        if (m.moves)
            moveTo(m.row, m.col, m.append);
        else
            e->ignore();
        return;
    }
    QTableView::keyPressEvent(e);
}

void PosiGridView::keyReleaseEvent(QKeyEvent *e)
{
    QTableView::keyReleaseEvent(e);
    emit cellChanged();
}

void PosiGridView::mouseReleaseEvent(QMouseEvent *e)
{
    QTableView::mouseReleaseEvent(e);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    if (e->button() == Qt::RightButton)
        emit popupRequested(e->globalPosition().toPoint());
    else
        emit cellChanged();
}

void PosiGridView::resizeEvent(QResizeEvent *e)
{
    QTableView::resizeEvent(e);
    placeTitles();
    m_model->SetGridWidth(Twips::FromPx(viewport()->width()));
}
