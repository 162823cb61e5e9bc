#include "core/ItemFile.h"
#include "core/Num.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace ItemFile {

static constexpr const char *kCodec = "windows-31j";

bool Item::isNumber() const
{
    return !quoted && !text.isEmpty() && Num::IsNumeric(text);
}

double Item::number() const { return Num::Val(text); }

Reader::Reader(QString text) : m_text(std::move(text)) {}

void Reader::skipBlanks()
{
    while (m_pos < m_text.size() && (m_text[m_pos] == QLatin1Char(' ') || m_text[m_pos] == QLatin1Char('\t')))
        ++m_pos;
}

bool Reader::atEnd() const
{
    qsizetype p = m_pos;
    while (p < m_text.size()) {
        const QChar c = m_text[p];
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\r') && c != QLatin1Char('\n')
            && c != QChar(0x1A))
            return false;
        ++p;
    }
    return true;
}

bool Reader::readField(Item &out)
{
    out = Item{};
    if (!m_midRecord) {
        // Between records: blank lines are passed over.
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos];
            if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
                ++m_pos;
                continue;
            }
            break;
        }
        if (m_pos >= m_text.size() || m_text[m_pos] == QChar(0x1A))
            return false;
    }
    skipBlanks();
    const qsizetype n = m_text.size();
    if (m_pos < n && m_text[m_pos] == QLatin1Char('"')) {
        out.quoted = true;
        const qsizetype start = ++m_pos;
        while (m_pos < n && m_text[m_pos] != QLatin1Char('"') && m_text[m_pos] != QLatin1Char('\n')
               && m_text[m_pos] != QLatin1Char('\r'))
            ++m_pos;
        out.text = m_text.mid(start, m_pos - start);
        if (m_pos < n && m_text[m_pos] == QLatin1Char('"'))
            ++m_pos;
        // Anything between the closing quote and the separator is dropped.
        while (m_pos < n && m_text[m_pos] != QLatin1Char(',') && m_text[m_pos] != QLatin1Char('\r')
               && m_text[m_pos] != QLatin1Char('\n'))
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < n && m_text[m_pos] != QLatin1Char(',') && m_text[m_pos] != QLatin1Char('\r')
               && m_text[m_pos] != QLatin1Char('\n'))
            ++m_pos;
        out.text = m_text.mid(start, m_pos - start).trimmed();
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
    // A line break inside a text would end the record early.
    clean.replace(QLatin1Char('\r'), QLatin1Char(' '));
    clean.replace(QLatin1Char('\n'), QLatin1Char(' '));
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
    m_out += QString::number(v, 'g', 15);
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

std::optional<QString> LoadText(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return Decode(bytes);
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
