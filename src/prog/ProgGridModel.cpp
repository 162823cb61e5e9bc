#include "prog/ProgGridModel.h"

#include <algorithm>

ProgGridModel::ProgGridModel(QObject *parent) : QAbstractTableModel(parent) {}

void ProgGridModel::beginChange()
{
    if (!m_bulk)
        beginResetModel();
}

void ProgGridModel::endChange()
{
    if (m_bulk)
        m_dirty = true;
    else
        endResetModel();
}

void ProgGridModel::SetRows(int rows)
{
    rows = std::max(rows, 1);
    if (rows == Rows())
        return;
    beginChange();
    m_cells.resize(static_cast<size_t>(rows));
    clampSelection();
    endChange();
}

QString ProgGridModel::Text(int r, int c) const
{
    return valid(r, c) ? m_cells[static_cast<size_t>(r)][static_cast<size_t>(c)] : QString();
}

void ProgGridModel::SetText(int r, int c, const QString &t)
{
    if (!valid(r, c))
        return;
    m_cells[static_cast<size_t>(r)][static_cast<size_t>(c)] = t;
    if (m_bulk) {
        m_dirty = true;
    } else {
        const QModelIndex i = index(r, c);
        emit dataChanged(i, i, {Qt::DisplayRole});
    }
}

void ProgGridModel::RemoveRows(int first, int last)
{
    first = std::max(first, 1);
    last = std::min(last, Rows() - 1);
    if (first > last)
        return;
    beginChange();
    m_cells.erase(m_cells.begin() + first, m_cells.begin() + last + 1);
    clampSelection();
    endChange();
    ReNumber();
}

void ProgGridModel::RemoveRowsWhere(const std::function<bool(int row)> &drop)
{
    size_t r = 1;
    while (r < m_cells.size() && !drop(int(r)))
        ++r;
    if (r == m_cells.size())
        return;
    // Views hear of the change before any row moves. Kept rows slide down
    // over the dropped ones: one pass, however many go.
    beginChange();
    size_t kept = r;
    for (++r; r < m_cells.size(); ++r) {
        if (drop(int(r)))
            continue;
        m_cells[kept] = std::move(m_cells[r]);
        ++kept;
    }
    m_cells.resize(kept);
    clampSelection();
    endChange();
    ReNumber();
}

void ProgGridModel::InsertEmptyRows(int at, int count)
{
    at = std::clamp(at, 1, Rows());
    if (count <= 0)
        return;
    beginChange();
    m_cells.insert(m_cells.begin() + at, static_cast<size_t>(count), std::array<QString, kCols>{});
    endChange();
    ReNumber();
}

void ProgGridModel::ReNumber()
{
    if (Rows() < 2)
        return;
    for (int r = 1; r < Rows(); ++r)
        m_cells[static_cast<size_t>(r)][ColNo] = QString::number(r);
    if (m_bulk)
        m_dirty = true;
    else
        emit dataChanged(index(1, ColNo), index(Rows() - 1, ColNo), {Qt::DisplayRole});
}

void ProgGridModel::SetTitles(const std::array<QString, kCols> &titles)
{
    for (int c = 0; c < kCols; ++c)
        SetText(0, c, titles[static_cast<size_t>(c)]);
}

void ProgGridModel::clampSelection()
{
    m_curRow = std::min(m_curRow, Rows() - 1);
    m_rowSel = std::min(m_rowSel, Rows() - 1);
}

void ProgGridModel::SetCurrent(int r, int c)
{
    m_curRow = m_rowSel = std::clamp(r, 0, Rows() - 1);
    m_curCol = m_colSel = std::clamp(c, 0, kCols - 1);
    emit currentChanged(m_curRow, m_curCol);
}

void ProgGridModel::SyncSelection(int r, int c, int rs, int cs)
{
    m_curRow = std::clamp(r, 0, Rows() - 1);
    m_curCol = std::clamp(c, 0, kCols - 1);
    m_rowSel = std::clamp(rs, 0, Rows() - 1);
    m_colSel = std::clamp(cs, 0, kCols - 1);
}

void ProgGridModel::SetSelection(int r, int c, int rs, int cs)
{
    SyncSelection(r, c, rs, cs);
    emit selectionSet(m_curRow, m_curCol, m_rowSel, m_colSel);
}

void ProgGridModel::BeginBulk()
{
    if (m_bulk)
        return;
    beginResetModel();
    m_bulk = true;
    m_dirty = false;
    emit bulkChanged(true);
}

void ProgGridModel::EndBulk()
{
    if (!m_bulk)
        return;
    m_bulk = false;
    endResetModel();
    emit bulkChanged(false);
}

int ProgGridModel::rowCount(const QModelIndex &parent) const
{
    // Row 0 is the header of a view.
    return parent.isValid() ? 0 : Rows() - 1;
}

int ProgGridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : kCols - 1; }

QVariant ProgGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int r = index.row() + 1, c = index.column() + 1;
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return Text(r, c);
    if (role == Qt::TextAlignmentRole)
        return c == ColComment ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags ProgGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (m_editable)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ProgGridModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, o, role);
    return o == Qt::Horizontal ? Text(0, section + 1) : Text(section + 1, ColNo);
}
