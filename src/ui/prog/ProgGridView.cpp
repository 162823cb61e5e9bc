#include "ui/prog/ProgGridView.h"

#include "core/AppState.h"
#include "core/Twips.h"
#include "prog/ProgEdit.h"
#include "prog/ProgLines.h"
#include "ui/common/Widgets.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

// The key code kept in GridEditKey.
int keyCode(const QKeyEvent *k)
{
    switch (k->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Down: return 40;
    case Qt::Key_Up: return 38;
    case Qt::Key_Left: return 37;
    case Qt::Key_Right: return 39;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Delete: return 46;
    default: return k->key() < 128 ? k->key() : 0;
    }
}

} // namespace

// ---------------------------------------------------------------- editor

ProgCellEditor::ProgCellEditor(ProgData::ProgDoc &doc, QObject *parent) : QStyledItemDelegate(parent), m_doc(doc) {}

QWidget *ProgCellEditor::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    if (!m_doc.flgdProg->Editable())
        return nullptr;
    const int row = index.row() + 1, col = index.column() + 1;
    auto *e = new QLineEdit(parent);
    e->setFrame(false);
    BackColor::Set(e, ProgEdit::kEditColor);
    e->setMaxLength(ProgEdit::MaxLength(col));
    // Free text only in the comment: no input method elsewhere.
    Input::SetIMEStatus(e, col == 6);
    AppState &app = App();
    app.GridEditOldText = m_doc.flgdProg->Text(row, col);
    app.GridEditKey = 0;
    m_index = index;
    m_done = false;
    return e;
}

void ProgCellEditor::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *e = static_cast<QLineEdit *>(editor);
    e->setText(m_doc.flgdProg->Text(index.row() + 1, index.column() + 1));
    e->selectAll();
}

void ProgCellEditor::commit(QWidget *editor) const
{
    if (m_done)
        return;
    m_done = true;
    const ProgEdit::Commit c = ProgEdit::SetDataForProgramGrid(m_doc, m_index.row() + 1, m_index.column() + 1,
                                                            static_cast<QLineEdit *>(editor)->text(),
                                                            App().GridEditOldText);
    if (c.beep)
        QApplication::beep();
}

void ProgCellEditor::setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &) const
{
    // The view closes an editor it leaves (a click elsewhere): the text is
    // committed then too.
    commit(editor);
}

bool ProgCellEditor::eventFilter(QObject *o, QEvent *ev)
{
    auto *e = qobject_cast<QLineEdit *>(o);
    if (!e || ev->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(o, ev);
    auto *k = static_cast<QKeyEvent *>(ev);
    AppState &app = App();
    const int code = keyCode(k);
    app.GridEditKey = code;
    const int col = m_index.column() + 1;
    if (code == 27) {
        e->setText(app.GridEditOldText);
        m_done = true;
        emit closeEditor(e, QAbstractItemDelegate::RevertModelCache);
        emit editEnded(27, false);
        return true;
    }
    if (k->key() == Qt::Key_Space && k->modifiers() == Qt::ControlModifier) {
        if (col == 1)
            emit commandListRequested(m_index);
        return true;
    }
    // Tab and Shift+Tab commit like Enter and go to the next or previous
    // cell, so what is typed after them lands there.
    if (code == 13 || code == 40 || code == 38 || code == 9) {
        commit(e);
        emit closeEditor(e, QAbstractItemDelegate::NoHint);
        emit editEnded(code, code == 9 && Input::IsBackTab(k));
        return true;
    }
    const QString t = k->text();
    if (!t.isEmpty() && t.at(0).unicode() >= 32) {
        const QString pass = ProgEdit::FilterText(col, t);
        if (pass.isEmpty())
            return true;
        if (pass != t) {
            e->insert(pass);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(o, ev);
}

// ---------------------------------------------------------------- view

ProgGridView::ProgGridView(ProgData::ProgDoc &doc, QWidget *parent)
    : QTableView(parent), m_doc(doc), m_model(*doc.flgdProg), m_editor(new ProgCellEditor(doc, this))
{
    setModel(&m_model);
    setItemDelegate(m_editor);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setDefaultSectionSize(Twips::ToPx(250));
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setFixedHeight(Twips::ToPx(300));
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->viewport()->installEventFilter(this);

    // Silent while the cells change in bulk; on the model's current cell after.
    connect(&m_model, &ProgGridModel::bulkChanged, this, [this](bool inBulk) {
        setUpdatesEnabled(!inBulk);
        if (!inBulk)
            moveTo(m_model.Row(), m_model.Col());
    });
    connect(&m_model, &ProgGridModel::currentChanged, this, [this](int r, int c) { moveTo(r, c); });
    connect(&m_model, &ProgGridModel::selectionSet, this, [this](int r, int c, int rs, int cs) {
        m_following = true;
        const QModelIndex cur = viewIndex(m_model, r, c);
        selectionModel()->setCurrentIndex(cur, QItemSelectionModel::NoUpdate);
        if (cur.isValid())
            selectionModel()->select(QItemSelection(viewIndex(m_model, std::min(r, rs), std::min(c, cs)),
                                                    viewIndex(m_model, std::max(r, rs), std::max(c, cs))),
                                     QItemSelectionModel::ClearAndSelect);
        else
            selectionModel()->clearSelection();
        m_following = false;
    });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { syncSelection(); });
    connect(m_editor, &ProgCellEditor::editEnded, this, &ProgGridView::afterEdit);
}

QModelIndex ProgGridView::viewIndex(const ProgGridModel &m, int row, int col)
{
    return row >= 1 && col >= 1 ? m.index(row - 1, col - 1) : QModelIndex();
}

void ProgGridView::applyWidths(const int (&twips)[7])
{
    verticalHeader()->setFixedWidth(Twips::ToPx(twips[0]));
    for (int c = 1; c < 7; ++c)
        setColumnWidth(c - 1, Twips::ToPx(twips[c]));
}

void ProgGridView::moveTo(int row, int col)
{
    if (m_model.InBulk())
        return;
    m_following = true;
    const QModelIndex i = viewIndex(m_model, row, col);
    if (i.isValid()) {
        setCurrentIndex(i);
        scrollTo(i);
    } else {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    m_following = false;
}

void ProgGridView::syncSelection()
{
    if (m_following)
        return;
    const QModelIndex cur = currentIndex();
    if (!cur.isValid())
        return;
    int rs = cur.row(), cs = cur.column();
    for (const QItemSelectionRange &r : selectionModel()->selection()) {
        if (!r.contains(cur))
            continue;
        rs = cur.row() == r.top() ? r.bottom() : r.top();
        cs = cur.column() == r.left() ? r.right() : r.left();
        break;
    }
    m_model.SyncSelection(cur.row() + 1, cur.column() + 1, rs + 1, cs + 1);
}

void ProgGridView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid() && !m_following) {
        syncSelection();
        Input::SetIMEStatus(this, current.column() + 1 == 6);
    }
}

void ProgGridView::afterEdit(int key, bool backward)
{
    const ProgEdit::Move m = key == 9 ? ProgEdit::TabStep(m_doc, backward) : ProgEdit::AfterEdit(m_doc, key);
    App().GridEditKey = 0;
    if (m.moves)
        m_model.SetCurrent(m.row, m.col);
    setFocus();
}

void ProgGridView::keyPressEvent(QKeyEvent *e)
{
    if (state() != EditingState && m_model.Editable()) {
        switch (e->key()) {
        case Qt::Key_Backspace:
            if (currentIndex().isValid())
                edit(currentIndex());
            return;
        case Qt::Key_Delete:
            ProgEdit::DeleteCell(m_doc);
            return;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            // The same step as a Tab in the editor; where there is none the
            // focus may leave the grid.
            const ProgEdit::Move m = ProgEdit::TabStep(m_doc, Input::IsBackTab(e));
            if (m.moves)
                m_model.SetCurrent(m.row, m.col);
            else
                e->ignore();
            return;
        }
        case Qt::Key_Down:
            if (m_model.Row() == m_model.Rows() - 1) {
                const ProgEdit::Move m = ProgEdit::DownOnLastLine(m_doc);
                if (m.moves)
                    m_model.SetCurrent(m.row, m.col);
                return;
            }
            break;
        default: break;
        }
    }
    QTableView::keyPressEvent(e);
}

void ProgGridView::mousePressEvent(QMouseEvent *e)
{
    if (busy())
        return;
    // The right button keeps the selection it finds (whole lines for the
    // popup).
    if (e->button() == Qt::RightButton)
        return;
    QTableView::mousePressEvent(e);
}

void ProgGridView::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (busy())
        return;
    QTableView::mouseDoubleClickEvent(e);
}

void ProgGridView::mouseReleaseEvent(QMouseEvent *e)
{
    if (busy())
        return;
    QTableView::mouseReleaseEvent(e);
    emit clicked(e->button(), e->globalPosition().toPoint());
}

bool ProgGridView::eventFilter(QObject *o, QEvent *e)
{
    if (o == verticalHeader()->viewport()) {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (busy() || static_cast<QMouseEvent *>(e)->button() == Qt::RightButton)
                return true;
            break;
        case QEvent::MouseButtonRelease: {
            if (busy())
                return true;
            auto *m = static_cast<QMouseEvent *>(e);
            const bool r = QTableView::eventFilter(o, e);
            emit clicked(m->button(), m->globalPosition().toPoint());
            return r;
        }
        default: break;
        }
    }
    return QTableView::eventFilter(o, e);
}
