#pragma once
// A thin view of a program window's grid: the line numbers and titles are
// its headers, a press on a line number selects whole lines, and cells are
// edited in place. What an edit may do (keys, commit, the cursor after it,
// lines appended) is ProgEdit's; the view forwards the user's keys and
// clicks.
#include "prog/ProgLines.h"

#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

class ProgGridModel;

class ProgCellEditor : public QStyledItemDelegate {
    Q_OBJECT
public:
    ProgCellEditor(ProgData::ProgDoc &doc, QObject *parent = nullptr);
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

signals:
    // The edit ended with key (13 Enter, 40 Down, 38 Up, 9 Tab, 27 Esc, 0
    // another way); backward: the Tab was Shift+Tab.
    void editEnded(int key, bool backward);
    // Ctrl+Space in the command column: the command list under the cell.
    void commandListRequested(const QModelIndex &index);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void commit(QWidget *editor) const;
    ProgData::ProgDoc &m_doc;
    mutable QPersistentModelIndex m_index;
    mutable bool m_done = false;
};

class ProgGridView : public QTableView {
    Q_OBJECT
public:
    ProgGridView(ProgData::ProgDoc &doc, QWidget *parent = nullptr);
    ProgCellEditor *cellEditor() const { return m_editor; }
    // While it answers true the grid ignores the mouse (a long operation runs).
    void setBusyTest(std::function<bool()> busy) { m_busy = std::move(busy); }
    // Column widths of columns 0..6 in twips.
    void applyWidths(const int (&twips)[7]);
    // The grid cell (row >= 1, column >= 1) of a view index and back.
    static QModelIndex viewIndex(const ProgGridModel &m, int row, int col);

signals:
    // A mouse button was released over the grid (after its selection).
    void clicked(Qt::MouseButton button, const QPoint &globalPos);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    bool busy() const { return m_busy && m_busy(); }
    void moveTo(int row, int col);
    void afterEdit(int key, bool backward);
    void syncSelection();
    ProgData::ProgDoc &m_doc;
    ProgGridModel &m_model;
    ProgCellEditor *m_editor;
    std::function<bool()> m_busy;
    bool m_following = false;
};
