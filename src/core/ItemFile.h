#pragma once
// The comma-separated quoted item format every data and list file of the
// program uses: one record a line ended by CR LF, fields separated by
// commas, texts in double quotes, numbers as plain decimals, an empty field
// for nothing. Files are Shift-JIS (windows-31j) text.
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace ItemFile {

struct Item {
    QString text;        // the field as written, quotes removed
    bool quoted = false; // a text field
    bool isEmpty() const { return !quoted && text.isEmpty(); }
    bool isNumber() const;       // a bare field that reads as a number
    double number() const;       // leading number of the field (0 when none)
};

// Reads fields one after another across records (a field never spans a
// line), or whole records. A field holding a control character (a NUL, a
// tab inside quotes, ...) is damage, and so is a quoted text that the text
// ends inside (a file cut short): the reader stops there and says so.
class Reader {
public:
    explicit Reader(QString text);
    // Next field; false at the end of the text or at a damaged field.
    bool readField(Item &out);
    // Rest of the current record; nothing at the end of the text.
    std::optional<QList<Item>> readRecord();
    bool atEnd() const;
    // True once a damaged field was met.
    bool damaged() const { return m_damaged; }
    // The line (from 1) of the quoted text the text ends inside; 0 when the
    // reader met none.
    int endsInsideLine() const { return m_endsInsideLine; }

private:
    void skipBlanks();
    int lineAt(qsizetype pos) const;
    QString m_text;
    qsizetype m_pos = 0;
    bool m_midRecord = false;
    bool m_damaged = false;
    int m_endsInsideLine = 0;
};

// Builds records in the file's form.
class Writer {
public:
    Writer &text(const QString &t);   // quoted
    Writer &number(qint64 v);
    Writer &number(double v);         // shortest round-trip plain decimal, no exponent
    Writer &empty();
    void endRecord();                 // CR LF
    const QString &result() const { return m_out; }

private:
    void sep();
    QString m_out;
    bool m_first = true;
};

// Text of the file decoded from Shift-JIS; nothing when it cannot be read,
// is not valid Shift-JIS, holds a field with a control character or ends
// inside a quoted text. For the last, `fault` receives the line the read
// messages add to say so ("The file ends inside a text on its line 5.").
std::optional<QString> LoadText(const QString &path, QString *fault = nullptr);
// A kind's read message (a string identifier) with what is wrong with the
// file, when that is known, on a line of its own.
QString ReadMessage(int messageId, const QString &fault);
// Writes the text encoded as Shift-JIS through a save file, so a failed
// save leaves the old file as it was. False on any failure, including a
// character Shift-JIS cannot hold.
bool SaveText(const QString &path, const QString &text);

QByteArray Encode(const QString &text, bool *ok = nullptr);
std::optional<QString> Decode(const QByteArray &bytes);
// True when every character of the text can be stored in a data file.
bool CanEncode(const QString &text);

} // namespace ItemFile
