#pragma once
// The monitor's watch lists: flags, variables and position variables of the
// controller's program language. One list type with three kinds; a kind
// fixes the item's notation, its entry rules, its message, its headers, its
// file and how a value read is shown. The list is the grid's model: row 0
// the header, data rows 1..20, columns program / item / value. Items are
// kept as numbers and only shown as text, so no malformed item can reach
// the controller.
#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace Watch {

enum class Kind { Flag, Variable, PosVariable };

inline constexpr int kMaxItems = 20;
inline constexpr int kProgMax = 100;
inline constexpr int kGlobalMax = 100;  // F1..F100, R1..R100
inline constexpr int kLocalMax = 50;    // f1..f50, r1..r50 of a program
inline constexpr int kAxisMax = 4;

struct KindInfo {
    const char *globalPrefix;  // "F", "R"; nullptr: no global items
    const char *localPrefix;   // "f", "r", "Axis"
    int headers[3];            // string identifiers of the header row
    int invalidMessage;        // string shown for a refused entry
    const char *fileName;      // the list's file in the user's data folder
};
const KindInfo &Info(Kind kind);

// One item: program 0 = a global item; number = flag or variable number, or
// the axis of a position variable.
struct Item {
    int prgNo = 0;
    int number = 0;
    bool global() const { return prgNo == 0; }
    bool operator==(const Item &) const = default;
};

// The entry fields as typed: the kind choice (0 global, 1 of a program, -1
// none; position variables are always of a program), program and number.
struct Entry {
    int kindIndex = 0;
    QString prgText;
    QString numberText;
};

// The item an entry names, or nothing when the entry is refused (the
// caller shows Info(kind).invalidMessage).
std::optional<Item> CheckEntry(Kind kind, const Entry &entry);
// True when the item is one the list may hold.
bool IsValid(Kind kind, const Item &item);

// Cell texts: column 0 "(Global)" or the program number, column 1 "F3",
// "f7", "R12", "r1", "Axis4".
QString ProgText(const Item &item);
QString ItemText(Kind kind, const Item &item);
// The item of a row's two texts as the grid shows them; nothing when they
// are not the exact notation of a valid item.
std::optional<Item> ParseRow(Kind kind, const QString &prgText, const QString &itemText);
// The value column: a flag's digit as it is, a variable's value / 1000 in
// its shortest form (12345 "12.345", 2500 "2.5", -10 "-0.01").
QString ValueText(Kind kind, int32_t value);

class WatchList : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit WatchList(Kind kind, QObject *parent = nullptr);

    Kind kind() const { return m_kind; }

    // ---- the grid as the logic sees it ---------------------------------
    int Rows() const { return int(m_rows.size()) + 1; }
    int ItemCount() const { return int(m_rows.size()); }
    QString Text(int r, int c) const;
    // Current row and the other end of the selection (as a view reports it).
    int Row() const { return m_row; }
    int RowSel() const { return m_rowSel; }
    void SetCurrent(int row);
    void SyncSelection(int row, int rowSel);

    // Headers in the running language, values emptied.
    void InitGrid();
    void ValueClear();

    // The list has held an item since the window opened (a delete never
    // clears it; an empty list's poll reads nothing).
    bool Present() const { return m_present; }

    enum class AddResult { Added, Full };
    // Inserts the item below the current row (row 1 on an empty list or with
    // the header current); the last row becomes current. A full list takes
    // nothing.
    AddResult Add(const Item &item);

    enum class DeleteResult { Deleted, NoRow, HeaderCurrent };
    // Removes the current row, once per row of a selection reaching below
    // it; the row above becomes current.
    DeleteResult Delete();

    // The items of rows 1..n, and a number that changes whenever they do,
    // so values read for an earlier list are never shown for a later one.
    std::vector<Item> Items() const;
    quint64 Revision() const { return m_revision; }
    // Values of rows 1..n in order; ignored when the list changed since
    // `revision` or the count differs.
    bool SetValues(const std::vector<int32_t> &values, quint64 revision);

    // ---- the list file ------------------------------------------------------
    // Replaces the items by the file's: header record first, then one record
    // of three texts per row; at most 20 rows, each taken only when it names
    // a valid item. False (list as it was) when the file is missing or not
    // readable.
    bool Load(const QString &path);
    // Writes header and rows through a save file. False on failure.
    bool Save(const QString &path) const;

    // ---- QAbstractTableModel -------------------------------------------
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    // Only the header row's font (Qt::FontRole) is set: the window writes a
    // header smaller where its column cannot hold it.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    struct RowData {
        Item item;
        QString value;
    };
    void changed();

    Kind m_kind;
    std::vector<RowData> m_rows;
    QString m_headers[3];
    QVariant m_headerFonts[3];
    int m_row = 0;
    int m_rowSel = 0;
    bool m_present = false;
    quint64 m_revision = 0;
};

} // namespace Watch
