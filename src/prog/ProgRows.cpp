#include "prog/ProgRows.h"

#include "core/AppState.h"
#include "core/ClipText.h"
#include "platform/Clipboard.h"
#include "prog/CommandList.h"
#include "prog/ProgEdit.h"
#include "prog/ProgLines.h"

#include <QStringList>
#include <algorithm>

namespace ProgRows {

void CopyProgLinesToClip(const ProgData::ProgDoc &doc)
{
    const ProgGridModel &g = *doc.flgdProg;
    const ProgRows::Span s = ProgRows::SelectedLines(doc);
    std::vector<QStringList> rows;
    for (int r = s.first; r <= s.last && r >= 1; ++r) {
        QStringList cells;
        for (int c = ProgGridModel::ColCommand; c <= ProgGridModel::ColComment; ++c)
            cells << g.Text(r, c);
        rows.push_back(cells);
    }
    Platform::SetClipboardText(ClipText::Join(rows));
}

int CheckClipProgData()
{
    const QString text = Platform::ClipboardHasText() ? Platform::ClipboardText() : QString();
    if (text.isEmpty())
        return 0;
    return ClipText::FirstRowTabs(text) == 5 ? 1 : 2;
}

bool PasteProgLinesFromClip(ProgData::ProgDoc &doc)
{
    if (!Platform::ClipboardHasText())
        return false;
    // Sized from the first line: a later, longer line is no table of lines,
    // and nothing of it is written.
    const auto table = ClipText::Split(Platform::ClipboardText());
    if (!table || table->rows.empty())
        return false;
    ProgGridModel &g = *doc.flgdProg;
    const int startRow = g.Row(), startCol = g.Col();
    g.BeginBulk();
    int r = startRow;
    for (const QStringList &cells : table->rows) {
        for (int i = 0; i < cells.size() && startCol + i <= ProgGridModel::ColComment; ++i)
            g.SetText(r, startCol + i, cells[i]);
        if (r >= g.Rows() - 1)
            break;
        ++r;
    }
    g.SetCurrent(startRow, startCol);
    g.EndBulk();
    return true;
}

Span SelectedLines(const ProgData::ProgDoc &doc)
{
    const ProgGridModel &g = *doc.flgdProg;
    const int lines = g.Rows() - 1;
    Span s;
    if (lines < 1 || g.Row() < 1)
        return s;
    s.first = std::clamp(std::min(g.Row(), std::max(g.RowSel(), 1)), 1, lines);
    s.last = std::clamp(std::max(g.Row(), g.RowSel()), 1, lines);
    return s;
}

Result InsertLines(ProgData::ProgDoc &doc)
{
    ProgGridModel &g = *doc.flgdProg;
    const Span s = SelectedLines(doc);
    if (s.first < 1)
        return Result::NoLine;
    const int limit = Programs::GetProgStepMax(doc.ProgNo);
    const int col = g.Col(), colSel = g.ColSel();
    // At the step limit the last line makes room.
    if (g.Rows() == limit + 1)
        g.RemoveRows(g.Rows() - 1, g.Rows() - 1);
    const int first = std::min(s.first, g.Rows());
    ProgData::ProgLineInsert(g, first, first + s.last - s.first);
    g.SetSelection(first, col, first + s.last - s.first, colSel);
    doc.ProgChangeFlag = true;
    return Result::Done;
}

Result DeleteLines(ProgData::ProgDoc &doc)
{
    ProgGridModel &g = *doc.flgdProg;
    const Span s = SelectedLines(doc);
    if (s.first < 1)
        return Result::NoLine;
    const int col = std::max(g.Col(), 1);
    if (s.first == 1 && s.last == g.Rows() - 1) {
        // The only line, or every line: one empty line 1 stays.
        if (g.Rows() > 2)
            ProgData::ProgLineDelete(g, 2, g.Rows() - 1);
        for (int c = ProgGridModel::ColCommand; c <= ProgGridModel::ColComment; ++c)
            g.SetText(1, c, QString());
    } else {
        ProgData::ProgLineDelete(g, s.first, s.last);
    }
    g.SetCurrent(std::min(s.first, g.Rows() - 1), col);
    doc.ProgChangeFlag = true;
    return Result::Done;
}

Result CopyLines(ProgData::ProgDoc &doc)
{
    if (!ProgEdit::WholeLines(doc))
        return Result::NotWholeLines;
    ProgRows::CopyProgLinesToClip(doc);
    switch (ProgRows::CheckClipProgData()) {
    case 1: App().ClipCopyFlag = true; break;
    case 0: App().ClipCopyFlag = false; break;
    default: break;
    }
    return Result::Done;
}

Result PasteLines(ProgData::ProgDoc &doc)
{
    const ProgGridModel &g = *doc.flgdProg;
    if (g.Col() != 1 || g.Row() < 1)
        return Result::NotColumn1;
    if (!ProgRows::PasteProgLinesFromClip(doc))
        return Result::NothingPasted;
    doc.ProgChangeFlag = true;
    return Result::Done;
}

} // namespace ProgRows
