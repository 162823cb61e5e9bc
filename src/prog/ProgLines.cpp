#include "prog/ProgLines.h"

#include "platform/Dialogs.h"
#include "platform/StringTable.h"
#include "prog/CommandList.h"
#include "prog/OperandCode.h"

namespace ProgData {

using Platform::ResLines;
using Platform::ResText;
namespace Dlg = Platform::Dialogs;

int Check_flgdProgLineNo(const ProgDoc &doc)
{
    if (doc.flgdProg->Rows() < 2) {
        Dlg::MsgBox(ResLines({433, 434}));
        return 1;
    }
    return 0;
}

void ProgLineDelete(ProgGridModel &grid, int first, int last) { grid.RemoveRows(first, last); }

void ProgLineInsert(ProgGridModel &grid, int first, int last) { grid.InsertEmptyRows(first, last - first + 1); }

int Check_NullLineAndDelete(ProgDoc &doc)
{
    ProgGridModel &g = *doc.flgdProg;
    // Line 1 stays, so a program always keeps a line. All go in one pass: a
    // file may say thousands of lines and hold a few.
    g.RemoveRowsWhere([&g](int r) {
        if (r < 2)
            return false;
        for (int c = ProgGridModel::ColCommand; c <= ProgGridModel::ColComment; ++c)
            if (!g.Text(r, c).isEmpty())
                return false;
        return true;
    });
    doc.ProgDA.assign(static_cast<size_t>(g.Rows()), ProgStep{});
    g.SetCurrent(g.Rows() - 1, ProgGridModel::ColCommand);
    return 0;
}

int TakeInProgramGrid(ProgDoc &doc)
{
    const ProgGridModel &g = *doc.flgdProg;
    const int n = g.Rows() - 1;
    doc.ProgDA.assign(static_cast<size_t>(n + 1), ProgStep{});
    doc.ProgLineCount = n;
    for (int r = 1; r <= n; ++r) {
        ProgStep &s = doc.ProgDA[static_cast<size_t>(r)];
        // The column that cannot be coded, or 0.
        int failed = 0;
        s.code = CommandList::GetCmdCode(g.Text(r, ProgGridModel::ColCommand).trimmed());
        if (s.code < 0)
            failed = ProgGridModel::ColCommand;
        int32_t *fields[] = {&s.op1, &s.op2, &s.cond, &s.res};
        for (int c = ProgCode::kColOp1; !failed && c <= ProgCode::kColResult; ++c) {
            const QString t = g.Text(r, c).trimmed();
            const auto code = ProgCode::seekInputData(s.code, c, t.isEmpty() ? QStringLiteral("0") : t);
            if (code)
                *fields[c - ProgCode::kColOp1] = *code;
            else
                failed = c;
        }
        if (failed) {
            s = ProgStep{};
            // The line and the column, so that the user finds what to mend.
            const QString where = ResText(9451).arg(r).arg(ResText(725 + failed), g.Text(r, failed).trimmed());
            Dlg::MsgBox(ResText(1030) + QStringLiteral("\r\n") + where + QStringLiteral("\r\n") + ResText(1031));
            return 1;
        }
        s.comment = g.Text(r, ProgGridModel::ColComment).trimmed();
    }
    doc.flgdProg->SetCurrent(0, 0);
    return 0;
}

int TakeOver(ProgDoc &doc)
{
    if (CommandList::ReadCommandList() != 0 || Check_flgdProgLineNo(doc) != 0 || Check_NullLineAndDelete(doc) != 0
        || TakeInProgramGrid(doc) != 0)
        return 1;
    return 0;
}

std::vector<ProgTexts> GridTexts(const ProgGridModel &grid)
{
    std::vector<ProgTexts> lines;
    for (int r = 1; r < grid.Rows(); ++r) {
        ProgTexts t;
        for (int c = 0; c < 6; ++c)
            t[static_cast<size_t>(c)] = grid.Text(r, c + 1).trimmed();
        lines.push_back(t);
    }
    return lines;
}

void FillGrid(ProgGridModel &grid, const std::vector<ProgTexts> &lines)
{
    grid.BeginBulk();
    grid.SetRows(int(lines.size()) + 1);
    grid.ReNumber();
    for (int r = 1; r <= int(lines.size()); ++r) {
        for (int c = 0; c < 6; ++c)
            grid.SetText(r, c + 1, lines[static_cast<size_t>(r - 1)][static_cast<size_t>(c)]);
    }
    grid.SetCurrent(0, 0);
    grid.EndBulk();
}

std::vector<ProgTexts> DecodedTexts(const std::vector<ProgStep> &steps)
{
    std::vector<ProgTexts> lines;
    for (size_t i = 1; i < steps.size(); ++i) {
        const ProgStep &s = steps[i];
        ProgTexts t;
        t[0] = CommandList::CommandNameOf(s.code);
        t[1] = ProgCode::DecodeOperand(s.code, ProgCode::kColOp1, s.op1).text();
        t[2] = ProgCode::DecodeOperand(s.code, ProgCode::kColOp2, s.op2).text();
        t[3] = ProgCode::DecodeCondition(s.cond).text();
        t[4] = ProgCode::DecodeResult(s.res).text();
        lines.push_back(t);
    }
    return lines;
}

std::vector<ProgTexts> FileTexts(const std::vector<ProgTexts> &stored)
{
    std::vector<ProgTexts> lines;
    for (size_t i = 1; i < stored.size(); ++i) {
        ProgTexts t;
        for (size_t c = 0; c < 6; ++c)
            t[c] = stored[i][c].trimmed();
        if (CommandList::GetCmdCode(t[0]) < 0)
            t[0].clear();
        lines.push_back(t);
    }
    return lines;
}

int CheckProgramStepCount(const ProgDoc &doc, int progNo)
{
    return doc.ProgLineCount <= Programs::GetProgStepMax(progNo) ? 0 : 1;
}

} // namespace ProgData
