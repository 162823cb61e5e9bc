#pragma once
// The texts, colours and shape of the position grid. The position logic
// reads and writes it cell by cell without any view; a view only shows it.
// Between BeginBulk and EndBulk no change is announced cell by cell: the
// end announces one reset, so a view is rebuilt once for a whole fill.
// As a Qt model it is editable: setData runs the commit rules of a typed
// value (SetText stores a text as it stands, unchecked).
#include <QAbstractTableModel>
#include <QString>
#include <optional>
#include <vector>

class PosiGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kCols = 29;
    // The window's own background colour, in the &HBBGGRR notation of the grid.
    static constexpr quint32 kWindowColor = 0x80000005u;

    explicit PosiGridModel(QObject *parent = nullptr);

    // ---- the grid as the logic sees it ---------------------------------
    int Rows() const { return m_rows; }
    void SetRows(int rows);
    // A new empty row at r (r = Rows() appends).
    void InsertRow(int r);
    // Removes count rows from row r on (within the grid); later rows move up.
    void RemoveRows(int r, int count);
    QString Text(int r, int c) const;
    void SetText(int r, int c, const QString &t);
    std::optional<quint32> CellBackColor(int r, int c) const;
    void SetCellBackColor(int r, int c, quint32 bgr);

    int ColWidth(int c) const { return m_colWidth[static_cast<size_t>(c)]; }   // twips, 0 = hidden
    void SetColWidth(int c, int twips);
    int RowHeight(int r) const;                                               // twips
    void SetRowHeight(int r, int twips);
    int ColAlignment(int c) const { return m_colAlign[static_cast<size_t>(c)]; } // 4 centre, 1 left
    void SetColAlignment(int c, int a) { m_colAlign[static_cast<size_t>(c)] = a; }
    int TitleFontSize(int row) const { return row == 0 ? m_font0 : m_font1; }
    void SetTitleFontSizes(int row0, int row1) { m_font0 = row0; m_font1 = row1; }
    void SetMergeRow0(bool on) { m_mergeRow0 = on; }
    // Width of the grid itself, as the view last reported it (twips).
    int GridWidth() const { return m_gridWidth; }
    void SetGridWidth(int twips) { m_gridWidth = twips; }

    int Row() const { return m_curRow; }
    int Col() const { return m_curCol; }
    // The selection's other corner (equal to Row / Col for one cell).
    int RowSel() const { return m_rowSel; }
    int ColSel() const { return m_colSel; }
    // Moves the current cell (the selection collapses onto it); a view
    // follows.
    void SetCurrent(int r, int c);
    // The selection as a view has it; nothing is announced.
    void SyncSelection(int r, int c, int rowSel, int colSel);
    // Sets the selection and announces it to the view.
    void SetSelection(int r, int c, int rowSel, int colSel);

    // ---- editing ----------------------------------------------------------
    // An edit of the cell starts: false when refused. Otherwise the cell is
    // coloured as being edited and its text kept as GridEditOldText.
    bool BeginEdit(int r, int c);
    // The cursor leaves a cell: its normal colour comes back.
    void LeaveCell(int r, int c);

    // Bulk update: the grid is hidden and silent until EndBulk.
    void BeginBulk();
    void EndBulk();
    bool InBulk() const { return m_bulk; }
    bool Visible() const { return !m_bulk; }

    // Spans of equal neighbouring texts in row 0 among visible columns:
    // (first column, count).
    std::vector<std::pair<int, int>> Row0Spans() const;

    // ---- QAbstractTableModel -------------------------------------------
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // EditRole: the commit of a typed value; false when it is refused.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // Widths, heights or spans changed: a view re-applies them (a reset
    // means the same).
    void shapeChanged();
    void currentChanged(int row, int col);
    void bulkChanged(bool inBulk);
    // The commit wants a beep (a value refused or a selection narrowed).
    void beep();
    // The model changed the selection (a commit narrowed it).
    void selectionSet(int row, int col, int rowSel, int colSel);

private:
    struct Cell {
        QString text;
        std::optional<quint32> back;
    };
    Cell &cell(int r, int c) { return m_cells[static_cast<size_t>(r) * kCols + static_cast<size_t>(c)]; }
    const Cell *cellAt(int r, int c) const;
    void touched();

    int m_rows = 2;
    std::vector<Cell> m_cells = std::vector<Cell>(2 * kCols);
    std::vector<int> m_colWidth = std::vector<int>(kCols, 500);
    std::vector<int> m_colAlign = std::vector<int>(kCols, 4);
    std::vector<int> m_rowHeight = std::vector<int>(2, 250);
    int m_font0 = 11;
    int m_font1 = 7;
    bool m_mergeRow0 = true;
    int m_gridWidth = 12000;
    int m_curRow = 0;
    int m_curCol = 0;
    int m_rowSel = 0;
    int m_colSel = 0;
    bool m_bulk = false;
    bool m_dirty = false;
};
