#pragma once
// The texts of a program window's grid: row 0 the column titles, rows 1..n
// the program lines, column 0 the line number, columns 1..6 Command,
// Operation1, Operation2, Condition, Result, Comment. The program logic reads
// and writes it without any view; a view only shows it. Between BeginBulk
// and EndBulk the model announces one reset instead of every cell.
#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class ProgGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kCols = 7;
    enum Col { ColNo = 0, ColCommand = 1, ColOp1 = 2, ColOp2 = 3, ColCondition = 4, ColResult = 5, ColComment = 6 };

    explicit ProgGridModel(QObject *parent = nullptr);

    // ---- the grid as the logic sees it ---------------------------------
    int Rows() const { return int(m_cells.size()); }
    int Lines() const { return Rows() - 1; }
    // Rows, the title row included; new rows are empty.
    void SetRows(int rows);
    QString Text(int r, int c) const;
    void SetText(int r, int c, const QString &t);

    // Removes rows first..last (within 1..Rows-1); the current row stays
    // inside the grid.
    void RemoveRows(int first, int last);
    // Removes every row of 1..Rows-1 that `drop` names (by its number before
    // any removal) in one change, renumbering once.
    void RemoveRowsWhere(const std::function<bool(int row)> &drop);
    // Inserts `count` empty rows at row `at` (1..Rows).
    void InsertEmptyRows(int at, int count);
    // Line numbers 1..n in column 0, announced as one change.
    void ReNumber();
    // Column titles of row 0 (texts of the string table, by the caller).
    void SetTitles(const std::array<QString, kCols> &titles);

    int Row() const { return m_curRow; }
    int Col() const { return m_curCol; }
    // The other corner of the selection (the current cell when one cell is
    // selected).
    int RowSel() const { return m_rowSel; }
    int ColSel() const { return m_colSel; }
    // The current cell, the selection collapsed onto it.
    void SetCurrent(int r, int c);
    // Current cell (r, c) and the selection's other corner (rs, cs); a view
    // follows.
    void SetSelection(int r, int c, int rs, int cs);
    // The selection as a view has it (no echo to the view).
    void SyncSelection(int r, int c, int rs, int cs);

    // The grid takes edits (off while a check or transfer runs).
    bool Editable() const { return m_editable; }
    void SetEditable(bool on) { m_editable = on; }

    void BeginBulk();
    void EndBulk();
    bool InBulk() const { return m_bulk; }

    // ---- QAbstractTableModel -------------------------------------------
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    // Cells open an editor while the grid takes edits.
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

signals:
    void currentChanged(int row, int col);
    void selectionSet(int row, int col, int rowSel, int colSel);
    void bulkChanged(bool inBulk);

private:
    bool valid(int r, int c) const { return r >= 0 && r < Rows() && c >= 0 && c < kCols; }
    void beginChange();
    void endChange();

    std::vector<std::array<QString, kCols>> m_cells = std::vector<std::array<QString, kCols>>(2);
    void clampSelection();
    int m_curRow = 0;
    int m_curCol = 0;
    int m_rowSel = 0;
    int m_colSel = 0;
    bool m_editable = true;
    bool m_bulk = false;
    bool m_dirty = false;
};
