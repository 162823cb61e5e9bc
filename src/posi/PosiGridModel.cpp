#include "posi/PosiGridModel.h"

#include "core/AppState.h"
#include "core/BgrColor.h"
#include "posi/PosiEdit.h"

#include <QGuiApplication>
#include <QPalette>
#include <QColor>
#include <QFont>
#include <QPalette>

PosiGridModel::PosiGridModel(QObject *parent) : QAbstractTableModel(parent) {}

const PosiGridModel::Cell *PosiGridModel::cellAt(int r, int c) const
{
    if (r < 0 || r >= m_rows || c < 0 || c >= kCols)
        return nullptr;
    return &m_cells[static_cast<size_t>(r) * kCols + static_cast<size_t>(c)];
}

void PosiGridModel::touched()
{
    if (m_bulk)
        m_dirty = true;
}

void PosiGridModel::SetRows(int rows)
{
    rows = std::max(rows, 0);
    if (rows == m_rows)
        return;
    if (!m_bulk)
        beginResetModel();
    m_cells.resize(static_cast<size_t>(rows) * kCols);
    m_rowHeight.resize(static_cast<size_t>(rows), 250);
    m_rows = rows;
    if (m_curRow >= rows)
        m_curRow = std::max(rows - 1, 0);
    m_rowSel = std::min(m_rowSel, std::max(rows - 1, 0));
    if (m_bulk)
        m_dirty = true;
    else
        endResetModel();
}

void PosiGridModel::InsertRow(int r)
{
    r = std::clamp(r, 0, m_rows);
    if (!m_bulk)
        beginInsertRows(QModelIndex(), r, r);
    m_cells.insert(m_cells.begin() + static_cast<std::ptrdiff_t>(r) * kCols, kCols, Cell{});
    m_rowHeight.insert(m_rowHeight.begin() + r, 250);
    ++m_rows;
    if (m_bulk)
        m_dirty = true;
    else
        endInsertRows();
}

void PosiGridModel::RemoveRows(int r, int count)
{
    if (r < 0 || r >= m_rows)
        return;
    count = std::min(count, m_rows - r);
    if (count <= 0)
        return;
    if (!m_bulk)
        beginRemoveRows(QModelIndex(), r, r + count - 1);
    const auto at = m_cells.begin() + static_cast<std::ptrdiff_t>(r) * kCols;
    m_cells.erase(at, at + static_cast<std::ptrdiff_t>(count) * kCols);
    m_rowHeight.erase(m_rowHeight.begin() + r, m_rowHeight.begin() + r + count);
    m_rows -= count;
    if (m_curRow >= m_rows)
        m_curRow = std::max(m_rows - 1, 0);
    m_rowSel = std::min(m_rowSel, std::max(m_rows - 1, 0));
    if (m_bulk)
        m_dirty = true;
    else
        endRemoveRows();
}

QString PosiGridModel::Text(int r, int c) const
{
    const Cell *x = cellAt(r, c);
    return x ? x->text : QString();
}

void PosiGridModel::SetText(int r, int c, const QString &t)
{
    if (!cellAt(r, c))
        return;
    cell(r, c).text = t;
    if (m_bulk) {
        m_dirty = true;
    } else {
        const QModelIndex i = index(r, c);
        emit dataChanged(i, i, {Qt::DisplayRole});
    }
}

std::optional<quint32> PosiGridModel::CellBackColor(int r, int c) const
{
    const Cell *x = cellAt(r, c);
    return x ? x->back : std::nullopt;
}

void PosiGridModel::SetCellBackColor(int r, int c, quint32 bgr)
{
    if (!cellAt(r, c))
        return;
    cell(r, c).back = bgr;
    if (m_bulk) {
        m_dirty = true;
    } else {
        const QModelIndex i = index(r, c);
        emit dataChanged(i, i, {Qt::BackgroundRole});
    }
}

void PosiGridModel::SetColWidth(int c, int twips)
{
    if (c < 0 || c >= kCols)
        return;
    m_colWidth[static_cast<size_t>(c)] = std::max(twips, 0);
    touched();
    if (!m_bulk)
        emit shapeChanged();
}

int PosiGridModel::RowHeight(int r) const
{
    return (r >= 0 && r < m_rows) ? m_rowHeight[static_cast<size_t>(r)] : 0;
}

void PosiGridModel::SetRowHeight(int r, int twips)
{
    if (r < 0 || r >= m_rows)
        return;
    m_rowHeight[static_cast<size_t>(r)] = twips;
    touched();
}

void PosiGridModel::SetCurrent(int r, int c)
{
    m_curRow = m_rowSel = r;
    m_curCol = m_colSel = c;
    emit currentChanged(r, c);
}

void PosiGridModel::SyncSelection(int r, int c, int rowSel, int colSel)
{
    m_curRow = r;
    m_curCol = c;
    m_rowSel = rowSel;
    m_colSel = colSel;
}

void PosiGridModel::SetSelection(int r, int c, int rowSel, int colSel)
{
    SyncSelection(r, c, rowSel, colSel);
    emit selectionSet(r, c, rowSel, colSel);
}

bool PosiGridModel::BeginEdit(int r, int c)
{
    if (!cellAt(r, c) || !PosiEdit::CanEdit(r, c))
        return false;
    SetCellBackColor(r, c, PosiEdit::kEditColor);
    App().GridEditOldText = Text(r, c);
    return true;
}

void PosiGridModel::LeaveCell(int r, int c)
{
    if (r > 1 && c >= 1 && c <= 28 && cellAt(r, c))
        SetCellBackColor(r, c, PosiEdit::CellColor(c));
}

void PosiGridModel::BeginBulk()
{
    if (m_bulk)
        return;
    m_bulk = true;
    m_dirty = false;
    emit bulkChanged(true);
}

void PosiGridModel::EndBulk()
{
    if (!m_bulk)
        return;
    m_bulk = false;
    // The reset announces the new shape too: a view lays itself out again
    // on it.
    if (m_dirty) {
        beginResetModel();
        endResetModel();
    }
    m_dirty = false;
    emit bulkChanged(false);
}

std::vector<std::pair<int, int>> PosiGridModel::Row0Spans() const
{
    std::vector<std::pair<int, int>> spans;
    if (!m_mergeRow0 || m_rows < 1)
        return spans;
    int c = 0;
    while (c < kCols) {
        int n = 1;
        while (c + n < kCols && Text(0, c + n) == Text(0, c) && !Text(0, c).isEmpty())
            ++n;
        if (n > 1)
            spans.emplace_back(c, n);
        c += n;
    }
    return spans;
}

Qt::ItemFlags PosiGridModel::flags(const QModelIndex &index) const
{
    if (!cellAt(index.row(), index.column()))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (PosiEdit::CanEdit(index.row(), index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool PosiGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const int r = index.row(), c = index.column();
    if (role != Qt::EditRole || !cellAt(r, c) || !PosiEdit::CanEdit(r, c))
        return false;
    PosiEdit::Selection sel{r, c, r, c};
    if (r == m_curRow && c == m_curCol)
        sel = {r, c, m_rowSel, m_colSel};
    const PosiEdit::Commit res = PosiEdit::CommitEdit(sel, value.toString());
    if (res.beep)
        emit beep();
    if (res.sel.rowSel != sel.rowSel || res.sel.colSel != sel.colSel)
        SetSelection(res.sel.row, res.sel.col, res.sel.rowSel, res.sel.colSel);
    if (res.result != 0)
        return false;
    const int r0 = res.fillRows ? std::min(r, res.sel.rowSel) : r;
    const int r1 = res.fillRows ? std::max(r, res.sel.rowSel) : r;
    for (int x = std::max(r0, 2); x <= r1 && x < m_rows; ++x)
        cell(x, c).text = res.text;
    if (m_bulk)
        m_dirty = true;
    else
        emit dataChanged(this->index(std::max(r0, 2), c), this->index(std::min(r1, m_rows - 1), c),
                         {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant PosiGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    // The grid's own first two rows carry the titles; the headers repeat
    // the field title and the position number.
    if (orientation == Qt::Horizontal)
        return (section >= 0 && section < kCols) ? QVariant(Text(1, section)) : QVariant();
    return (section >= 0 && section < m_rows) ? QVariant(Text(section, 0)) : QVariant();
}

int PosiGridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_rows; }
int PosiGridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : kCols; }

static QColor toQColor(quint32 bgr)
{
    if (bgr == PosiGridModel::kWindowColor)
        return QGuiApplication::palette().color(QPalette::Base);
    return Bgr::ToQColor(bgr);
}

QVariant PosiGridModel::data(const QModelIndex &index, int role) const
{
    const Cell *x = cellAt(index.row(), index.column());
    if (!x)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return x->text;
    case Qt::BackgroundRole:
        if (index.row() < 2)
            return QGuiApplication::palette().color(QPalette::Button);
        return x->back ? QVariant(toQColor(*x->back)) : QVariant();
    case Qt::TextAlignmentRole:
        return (m_colAlign[static_cast<size_t>(index.column())] == 1 && index.row() >= 2)
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignCenter);
    case Qt::FontRole:
        if (index.row() < 2) {
            QFont f;
            f.setPointSize(TitleFontSize(index.row()));
            return f;
        }
        return {};
    default:
        return {};
    }
}
