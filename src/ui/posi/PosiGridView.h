#pragma once
// A thin view of the position grid model: applies its widths, heights,
// hidden columns and merged title cells, hides itself during a bulk update
// of the model, and edits cells in place. The rules of an edit (which cells
// open, which keys pass, the commit, where the cursor goes next) are the
// model's and PosiEdit's; the view only forwards the user's keys. The two
// title rows stay at the top while the data rows scroll (a second view over
// the same model shows them, cut to their height), and a press in the number
// column selects whole rows.
#include <QStyledItemDelegate>
#include <QTableView>
#include <optional>

class PosiGridModel;

class PosiCellEditor : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit PosiCellEditor(PosiGridModel *model, QObject *parent = nullptr);
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // Commits the open editor's text unless it was committed already: false
    // when the value is refused (the editor is then to stay open). A text
    // refused once is not checked again until the editor has the focus back,
    // so one attempt to leave it beeps once.
    bool commitOpen(QWidget *editor) const;

signals:
    // The edit ended with key (13 Enter, 40 Down, 38 Up, 9 Tab, 27 Esc);
    // backward: the Tab was Shift+Tab.
    void editEnded(int key, bool backward);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    PosiGridModel *m_model;
    mutable QPersistentModelIndex m_index;
    mutable bool m_done = false;
    mutable std::optional<QString> m_refused;
};

class PosiGridView : public QTableView {
    Q_OBJECT
public:
    explicit PosiGridView(PosiGridModel *model, QWidget *parent = nullptr);
    void applyShape();
    PosiCellEditor *cellEditor() const { return m_editor; }
    // The view that shows the two title rows above the scrolling data rows.
    QTableView *titleView() const { return m_titles; }

signals:
    // A new current cell or selection (mouse click, key released).
    void cellChanged();
    // Right button released over the grid.
    void popupRequested(const QPoint &globalPos);

protected:
    void resizeEvent(QResizeEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void updateGeometries() override;
    bool eventFilter(QObject *o, QEvent *e) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void afterEdit(int key, bool backward);
    void moveTo(int row, int col, bool append);
    void syncSelection();
    void placeTitles();
    int titlesHeight() const;
    PosiGridModel *m_model;
    PosiCellEditor *m_editor;
    QTableView *m_titles;
    bool m_refitPending = false;
};
