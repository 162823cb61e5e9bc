#include "posi/PosiGridModel.h"

#include "core/BgrColor.h"

#include <QApplication>
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
    if (m_bulk)
        m_dirty = true;
    else
        endResetModel();
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
    m_curRow = r;
    m_curCol = c;
    emit currentChanged(r, c);
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
    if (m_dirty) {
        beginResetModel();
        endResetModel();
        emit shapeChanged();
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

int PosiGridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_rows; }
int PosiGridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : kCols; }

static QColor toQColor(quint32 bgr)
{
    if (bgr == PosiGridModel::kWindowColor)
        return QApplication::palette().color(QPalette::Base);
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
            return QApplication::palette().color(QPalette::Button);
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
