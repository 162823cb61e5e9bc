#include "core/ClipText.h"

namespace ClipText {

std::optional<Table> Split(const QString &text)
{
    Table t;
    if (text.isEmpty())
        return t;
    QStringList row;
    QString cell;
    const qsizetype n = text.size();
    bool openRow = true;   // characters after the last row end belong to a row
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('\t')) {
            row << cell;
            cell.clear();
            openRow = true;
        } else if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
            const bool crlf = ch == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n');
            if (crlf)
                ++i;
            row << cell;
            cell.clear();
            t.rows.push_back(row);
            row.clear();
            // Only a lone CR at the very end opens one more (empty) row.
            openRow = ch == QLatin1Char('\r') && !crlf;
        } else {
            cell += ch;
            openRow = true;
        }
    }
    if (openRow) {
        row << cell;
        t.rows.push_back(row);
    }
    t.cols = static_cast<int>(t.rows.front().size());
    for (QStringList &r : t.rows) {
        if (r.size() > t.cols)
            return std::nullopt;
        while (r.size() < t.cols)
            r << QString();
    }
    return t;
}

int FirstRowTabs(const QString &text)
{
    int tabs = 0;
    for (QChar ch : text) {
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n'))
            break;
        if (ch == QLatin1Char('\t'))
            ++tabs;
    }
    return tabs;
}

QString Join(const std::vector<QStringList> &rows)
{
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(rows.size()));
    for (const QStringList &r : rows)
        lines << r.join(QLatin1Char('\t'));
    return lines.join(QLatin1Char('\r'));
}

} // namespace ClipText
