#include "live/WatchList.h"

#include "core/ItemFile.h"
#include "core/Num.h"
#include "platform/StringTable.h"

#include <algorithm>

namespace Watch {
namespace {

const KindInfo kFlag{"F", "f", {741, 742, 743}, 1038, "Flag"};
const KindInfo kVariable{"R", "r", {751, 752, 753}, 1037, "Vari"};
const KindInfo kPosVariable{nullptr, "Axis", {761, 762, 763}, 1037, "Pvar"};

const QString kGlobalText = QStringLiteral("(Global)");

// A whole decimal number of at most 9 digits, blanks around it allowed; no
// sign, point or other character.
std::optional<int> wholeNumber(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return std::nullopt;
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    return t.toInt();
}

} // namespace

const KindInfo &Info(Kind kind)
{
    switch (kind) {
    case Kind::Flag: return kFlag;
    case Kind::Variable: return kVariable;
    default: return kPosVariable;
    }
}

bool IsValid(Kind kind, const Item &item)
{
    if (kind == Kind::PosVariable)
        return item.prgNo >= 1 && item.prgNo <= kProgMax && item.number >= 1 && item.number <= kAxisMax;
    if (item.global())
        return item.number >= 1 && item.number <= kGlobalMax;
    return item.prgNo >= 1 && item.prgNo <= kProgMax && item.number >= 1 && item.number <= kLocalMax;
}

std::optional<Item> CheckEntry(Kind kind, const Entry &entry)
{
    const auto number = wholeNumber(entry.numberText);
    if (!number)
        return std::nullopt;
    Item item;
    item.number = *number;
    const bool ofProgram = kind == Kind::PosVariable || entry.kindIndex == 1;
    if (ofProgram) {
        const auto prg = wholeNumber(entry.prgText);
        if (!prg)
            return std::nullopt;
        item.prgNo = *prg;
        // Program 0 would read as a global item.
        if (item.prgNo == 0)
            return std::nullopt;
    } else if (entry.kindIndex != 0) {
        return std::nullopt;
    }
    if (!IsValid(kind, item))
        return std::nullopt;
    return item;
}

QString ProgText(const Item &item) { return item.global() ? kGlobalText : QString::number(item.prgNo); }

QString ItemText(Kind kind, const Item &item)
{
    const KindInfo &k = Info(kind);
    const char *prefix = item.global() && k.globalPrefix ? k.globalPrefix : k.localPrefix;
    return QString::fromLatin1(prefix) + QString::number(item.number);
}

std::optional<Item> ParseRow(Kind kind, const QString &prgText, const QString &itemText)
{
    Item item;
    const QString p = prgText.trimmed();
    if (p != kGlobalText) {
        const auto prg = wholeNumber(p);
        if (!prg || *prg == 0)
            return std::nullopt;
        item.prgNo = *prg;
    }
    const KindInfo &k = Info(kind);
    const QString prefix = QString::fromLatin1(item.global() && k.globalPrefix ? k.globalPrefix : k.localPrefix);
    const QString t = itemText.trimmed();
    if (!t.startsWith(prefix))
        return std::nullopt;
    const auto number = wholeNumber(t.mid(prefix.size()));
    if (!number)
        return std::nullopt;
    item.number = *number;
    if (!IsValid(kind, item))
        return std::nullopt;
    return item;
}

QString ValueText(Kind kind, int32_t value)
{
    if (kind == Kind::Flag)
        return QString::number(value);
    // Thousandths, with the trailing zeros of the fraction and a bare point
    // dropped.
    QString t = Num::Fixed(double(value) / 1000.0, 3);
    while (t.endsWith(QLatin1Char('0')))
        t.chop(1);
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    return t;
}

// ---- the list ----------------------------------------------------------------

WatchList::WatchList(Kind kind, QObject *parent) : QAbstractTableModel(parent), m_kind(kind) { InitGrid(); }

QString WatchList::Text(int r, int c) const
{
    if (c < 0 || c > 2 || r < 0 || r >= Rows())
        return QString();
    if (r == 0)
        return m_headers[c];
    const RowData &d = m_rows[size_t(r - 1)];
    switch (c) {
    case 0: return ProgText(d.item);
    case 1: return ItemText(m_kind, d.item);
    default: return d.value;
    }
}

void WatchList::SetCurrent(int row)
{
    m_row = std::clamp(row, 0, Rows() - 1);
    m_rowSel = m_row;
}

void WatchList::SyncSelection(int row, int rowSel)
{
    m_row = std::clamp(row, 0, Rows() - 1);
    m_rowSel = std::clamp(rowSel, 0, Rows() - 1);
}

void WatchList::InitGrid()
{
    for (int c = 0; c < 3; ++c)
        m_headers[c] = Platform::ResText(Info(m_kind).headers[c]);
    emit headerDataChanged(Qt::Horizontal, 0, 2);
    ValueClear();
}

void WatchList::ValueClear()
{
    for (RowData &d : m_rows)
        d.value.clear();
    emit dataChanged(index(0, 0), index(Rows() - 1, 2));
}

void WatchList::changed() { ++m_revision; }

WatchList::AddResult WatchList::Add(const Item &item)
{
    if (ItemCount() >= kMaxItems)
        return AddResult::Full;
    const int r = ItemCount() > 0 ? std::clamp(m_row, 0, ItemCount()) : 0;
    beginInsertRows(QModelIndex(), r + 1, r + 1);
    m_rows.insert(m_rows.begin() + r, RowData{item, QString()});
    endInsertRows();
    changed();
    m_present = true;
    SetCurrent(Rows() - 1);
    return AddResult::Added;
}

WatchList::DeleteResult WatchList::Delete()
{
    const int n = Rows();
    if (n == 1)
        return DeleteResult::NoRow;
    int r = std::min(m_row, n - 1);
    if (r < 1)
        return DeleteResult::HeaderCurrent;
    // Row r goes once per row of the selection r..s, at least once.
    const int times = std::max(1, m_rowSel - r + 1);
    for (int k = 0; k < times && r < Rows(); ++k) {
        beginRemoveRows(QModelIndex(), r, r);
        m_rows.erase(m_rows.begin() + (r - 1));
        endRemoveRows();
    }
    changed();
    SetCurrent(std::min(r == 1 ? 1 : r - 1, Rows() - 1));
    return DeleteResult::Deleted;
}

std::vector<Item> WatchList::Items() const
{
    std::vector<Item> items;
    items.reserve(m_rows.size());
    for (const RowData &d : m_rows)
        items.push_back(d.item);
    return items;
}

bool WatchList::SetValues(const std::vector<int32_t> &values, quint64 revision)
{
    if (revision != m_revision || values.size() != m_rows.size())
        return false;
    for (size_t k = 0; k < values.size(); ++k)
        m_rows[k].value = ValueText(m_kind, values[k]);
    if (!m_rows.empty())
        emit dataChanged(index(1, 2), index(Rows() - 1, 2));
    return true;
}

bool WatchList::Load(const QString &path)
{
    const auto text = ItemFile::LoadText(path);
    if (!text)
        return false;
    ItemFile::Reader reader(*text);
    std::vector<RowData> rows;
    bool header = true;
    while (!reader.atEnd() && int(rows.size()) < kMaxItems) {
        const auto record = reader.readRecord();
        if (!record)
            break;
        if (header) {
            header = false;
            continue;
        }
        if (record->size() < 2)
            continue;
        if (const auto item = ParseRow(m_kind, record->at(0).text, record->at(1).text))
            rows.push_back(RowData{*item, QString()});
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
    changed();
    m_present = !m_rows.empty();
    SetCurrent(0);
    return true;
}

bool WatchList::Save(const QString &path) const
{
    ItemFile::Writer w;
    for (int r = 0; r < Rows(); ++r) {
        for (int c = 0; c < 3; ++c)
            w.text(Text(r, c));
        w.endRecord();
    }
    return ItemFile::SaveText(path, w.result());
}

int WatchList::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : Rows(); }
int WatchList::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : 3; }

QVariant WatchList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return Text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role == Qt::FontRole && index.row() == 0)
        return m_headerFonts[index.column()];
    return {};
}

bool WatchList::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::FontRole || !index.isValid() || index.row() != 0)
        return false;
    m_headerFonts[index.column()] = value;
    emit dataChanged(index, index, {role});
    return true;
}

} // namespace Watch
