#include "core/ItemFile.h"
#include "core/Num.h"
#include "platform/StringTable.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace ItemFile {

static constexpr const char *kCodec = "windows-31j";
constexpr int kEndsInsideText = 9460;

bool Item::isNumber() const
{
    return !quoted && !text.isEmpty() && Num::IsNumeric(text);
}

double Item::number() const { return Num::Val(text); }

Reader::Reader(QString text) : m_text(std::move(text)) {}

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
constexpr QChar kEndMark(0x1A);   // the end-of-file mark of old editors

// No field of any data file holds one: a NUL or the like in a field is
// damage, never data (" 1<NUL>0" must not read as 1).
bool isControl(QChar c) { return c.category() == QChar::Other_Control; }

// Nothing but blanks, line ends and end marks from p on.
bool onlyTrailerFrom(const QString &t, qsizetype p)
{
    for (; p < t.size(); ++p)
        if (!isBlank(t[p]) && !isLineEnd(t[p]) && t[p] != kEndMark)
            return false;
    return true;
}

// True when t[from, to) holds a control character, blanks at either end
// aside (they part fields, and an end mark may close the text).
bool holdsControl(const QString &t, qsizetype from, qsizetype to)
{
    while (from < to && isBlank(t[from]))
        ++from;
    while (to > from && isBlank(t[to - 1]))
        --to;
    for (qsizetype p = from; p < to; ++p)
        if (isControl(t[p]) && !(t[p] == kEndMark && onlyTrailerFrom(t, p)))
            return true;
    return false;
}

} // namespace

int Reader::lineAt(qsizetype pos) const
{
    int line = 1;
    for (qsizetype p = 0; p < pos; ++p)
        if (m_text[p] == QLatin1Char('\n')
            || (m_text[p] == QLatin1Char('\r') && (p + 1 >= m_text.size() || m_text[p + 1] != QLatin1Char('\n'))))
            ++line;
    return line;
}

void Reader::skipBlanks()
{
    while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
        ++m_pos;
}

bool Reader::atEnd() const
{
    return !m_damaged && onlyTrailerFrom(m_text, m_pos);
}

bool Reader::readField(Item &out)
{
    out = Item{};
    if (m_damaged)
        return false;
    if (!m_midRecord) {
        // Between records: blank lines are passed over.
        while (m_pos < m_text.size() && (isBlank(m_text[m_pos]) || isLineEnd(m_text[m_pos])))
            ++m_pos;
        if (m_pos >= m_text.size() || m_text[m_pos] == kEndMark)
            return false;
    }
    skipBlanks();
    const qsizetype n = m_text.size();
    auto toSeparator = [&] {
        while (m_pos < n && m_text[m_pos] != QLatin1Char(',') && !isLineEnd(m_text[m_pos]))
            ++m_pos;
    };
    if (m_pos < n && m_text[m_pos] == QLatin1Char('"')) {
        out.quoted = true;
        const qsizetype start = ++m_pos;
        while (m_pos < n && m_text[m_pos] != QLatin1Char('"') && !isLineEnd(m_text[m_pos]))
            ++m_pos;
        const bool closed = m_pos < n && m_text[m_pos] == QLatin1Char('"');
        // No file is written with a text left open: the file was cut short
        // inside it, and the text read is only a part of the one written.
        if (!closed && onlyTrailerFrom(m_text, m_pos)) {
            m_endsInsideLine = lineAt(start);
            m_damaged = true;
            out = Item{};
            return false;
        }
        out.text = m_text.mid(start, m_pos - start);
        m_damaged = std::any_of(out.text.cbegin(), out.text.cend(), isControl);
        if (closed)
            ++m_pos;
        // Anything between the closing quote and the separator is dropped.
        const qsizetype tail = m_pos;
        toSeparator();
        m_damaged = m_damaged || holdsControl(m_text, tail, m_pos);
    } else {
        const qsizetype start = m_pos;
        toSeparator();
        m_damaged = holdsControl(m_text, start, m_pos);
        out.text = m_text.mid(start, m_pos - start).trimmed();
        // An end mark right after the last field closes the text.
        if (const qsizetype mark = out.text.indexOf(kEndMark); mark >= 0 && !m_damaged)
            out.text = out.text.left(mark).trimmed();
    }
    if (m_damaged) {
        out = Item{};
        return false;
    }
    if (m_pos < n && m_text[m_pos] == QLatin1Char(',')) {
        ++m_pos;
        m_midRecord = true;
    } else {
        // End of the record.
        if (m_pos < n && m_text[m_pos] == QLatin1Char('\r'))
            ++m_pos;
        if (m_pos < n && m_text[m_pos] == QLatin1Char('\n'))
            ++m_pos;
        m_midRecord = false;
    }
    return true;
}

std::optional<QList<Item>> Reader::readRecord()
{
    QList<Item> rec;
    Item it;
    if (!readField(it))
        return std::nullopt;
    rec << it;
    while (m_midRecord && readField(it))
        rec << it;
    return rec;
}

void Writer::sep()
{
    if (!m_first)
        m_out += QLatin1Char(',');
    m_first = false;
}

Writer &Writer::text(const QString &t)
{
    sep();
    QString clean = t;
    // A quote inside a text would end the field early when read back.
    clean.replace(QLatin1Char('"'), QLatin1Char('\''));
    // A line break inside a text would end the record early, and any other
    // control character (a pasted tab) would make the reader refuse the file.
    for (QChar &c : clean)
        if (isControl(c))
            c = QLatin1Char(' ');
    m_out += QLatin1Char('"') + clean + QLatin1Char('"');
    return *this;
}

Writer &Writer::number(qint64 v)
{
    sep();
    m_out += QString::number(v);
    return *this;
}

Writer &Writer::number(double v)
{
    sep();
    // 15 digits or an exponent would change or hide large hand-typed values.
    m_out += Num::Plain(v);
    return *this;
}

Writer &Writer::empty()
{
    sep();
    return *this;
}

void Writer::endRecord()
{
    m_out += QLatin1String("\r\n");
    m_first = true;
}

QByteArray Encode(const QString &text, bool *ok)
{
    QStringEncoder enc(kCodec);
    QByteArray b = enc.encode(text);
    if (ok)
        *ok = enc.isValid() && !enc.hasError();
    return b;
}

std::optional<QString> Decode(const QByteArray &bytes)
{
    QStringDecoder dec(kCodec);
    QString s = dec.decode(bytes);
    if (!dec.isValid() || dec.hasError())
        return std::nullopt;
    return s;
}

bool CanEncode(const QString &text)
{
    bool ok = false;
    Encode(text, &ok);
    return ok;
}

QString ReadMessage(int messageId, const QString &fault)
{
    const QString message = Platform::ResText(messageId);
    return fault.isEmpty() ? message : message + QStringLiteral("\r\n") + fault;
}

std::optional<QString> LoadText(const QString &path, QString *fault)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    std::optional<QString> text = Decode(bytes);
    if (!text)
        return std::nullopt;
    // A damaged field makes the whole file unreadable, whatever its kind, so
    // no reader takes in part of it.
    Reader scan(*text);
    Item it;
    while (scan.readField(it)) {
    }
    if (scan.damaged()) {
        if (fault && scan.endsInsideLine() > 0)
            *fault = Platform::ResText(kEndsInsideText).arg(scan.endsInsideLine());
        return std::nullopt;
    }
    return text;
}

bool SaveText(const QString &path, const QString &text)
{
    bool ok = false;
    const QByteArray bytes = Encode(text, &ok);
    if (!ok)
        return false;
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

} // namespace ItemFile
