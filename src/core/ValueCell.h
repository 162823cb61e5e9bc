#pragma once
// A value cell of the parameter tables: nothing, a number or a text. The
// parameter file keeps the two apart (texts quoted, numbers bare), so the
// cell does too.
#include <QString>
#include <cstdint>
#include <optional>

namespace ItemFile {
struct Item;
class Reader;
} // namespace ItemFile

class ValueCell {
public:
    enum class Kind { Empty, Number, Text };

    ValueCell() = default;
    ValueCell(double v) : m_kind(Kind::Number), m_num(v) {}             // NOLINT: implicit on purpose
    ValueCell(int v) : m_kind(Kind::Number), m_num(v) {}                // NOLINT
    ValueCell(const QString &t) : m_kind(Kind::Text), m_text(t) {}      // NOLINT
    ValueCell(const char *t) : m_kind(Kind::Text), m_text(QString::fromUtf8(t)) {} // NOLINT

    // A field of the item format as the files hold it: a quoted field is a
    // text, an empty bare field nothing, a bare number a number.
    static ValueCell FromItem(const ItemFile::Item &it);
    // The reader's next field as a cell; false (out untouched) when the text
    // ends first.
    static bool Read(ItemFile::Reader &r, ValueCell &out);
    // The cell as a count: a number that rounds (halves to even) to a whole
    // number 0..limit; nothing otherwise.
    std::optional<int> asCount(int limit) const;

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }
    bool isNumber() const { return m_kind == Kind::Number; }
    bool isText() const { return m_kind == Kind::Text; }
    double number() const { return m_num; }
    const QString &text() const { return m_text; }

    // The value as a number: a number as it is, nothing as 0, a text when the
    // whole text is a number; otherwise nothing (a text such as "" or "abc"
    // has no number value).
    std::optional<double> toDouble() const;
    // Rounded half to even into 16 / 32 bits; nothing when there is no
    // number or it does not fit.
    std::optional<int16_t> toInt16() const;
    std::optional<int32_t> toInt32() const;
    // The cell as it shows: a number in its shortest decimal form, a text as
    // it is, nothing as "".
    QString toString() const;

    bool operator==(const ValueCell &o) const;

private:
    Kind m_kind = Kind::Empty;
    double m_num = 0;
    QString m_text;
};
