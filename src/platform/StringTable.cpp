#include "platform/StringTable.h"

#include <QDir>
#include <QFile>
#include <QHash>

// The resource lives in a static library: nothing would pull its object file
// into the program unless it is initialised by name.
static void initStringResource() { Q_INIT_RESOURCE(rez4); }

namespace Platform {
namespace {
// strings/*.tsv: one "identifier<TAB>text" a line, UTF-8; "\n" in a text is a
// line break, "\t" a tab, "\\" a backslash. Lines starting with '#' are notes.
QHash<int, QString> load()
{
    initStringResource();
    QHash<int, QString> table;
    QByteArray all;
    const QStringList files = QDir(QStringLiteral(":/strings")).entryList(QDir::Files, QDir::Name);
    for (const QString &name : files) {
        QFile f(QStringLiteral(":/strings/") + name);
        if (f.open(QIODevice::ReadOnly))
            all += f.readAll() + '\n';
    }
    const QList<QByteArray> lines = all.split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const int tab = line.indexOf('\t');
        if (tab <= 0)
            continue;
        bool ok = false;
        const int id = line.left(tab).trimmed().toInt(&ok);
        if (!ok)
            continue;
        const QString raw = QString::fromUtf8(line.mid(tab + 1));
        QString text;
        text.reserve(raw.size());
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] == QLatin1Char('\\') && i + 1 < raw.size()) {
                const QChar n = raw[i + 1];
                if (n == QLatin1Char('n')) { text += QLatin1Char('\n'); ++i; continue; }
                if (n == QLatin1Char('r')) { text += QLatin1Char('\r'); ++i; continue; }
                if (n == QLatin1Char('t')) { text += QLatin1Char('\t'); ++i; continue; }
                if (n == QLatin1Char('\\')) { text += QLatin1Char('\\'); ++i; continue; }
            }
            text += raw[i];
        }
        table.insert(id, text);
    }
    return table;
}

const QHash<int, QString> &table()
{
    static const QHash<int, QString> t = load();
    return t;
}
} // namespace

std::optional<QString> LoadResString(int id)
{
    const auto &t = table();
    auto it = t.constFind(id);
    if (it == t.constEnd())
        return std::nullopt;
    return *it;
}

namespace {
const int *g_langOffset = nullptr;
} // namespace

void SetLanguageOffsetSource(const int *offset) { g_langOffset = offset; }

QString ResText(int id)
{
    const int offset = g_langOffset ? *g_langOffset : 0;
    return LoadResString(id + offset).value_or(QString());
}

QString ResLines(std::initializer_list<int> ids, bool spaced)
{
    const QString sep = spaced ? QStringLiteral("\r\n\r\n") : QStringLiteral("\r\n");
    QString out;
    bool first = true;
    for (int id : ids) {
        if (!first)
            out += sep;
        out += ResText(id);
        first = false;
    }
    return out;
}

} // namespace Platform
