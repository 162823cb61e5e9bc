#include "prog/ProgEdit.h"

#include "core/ItemFile.h"
#include "prog/CommandList.h"
#include "prog/ProgLines.h"

#include <cstdlib>

namespace ProgEdit {
namespace {

bool isDigit(int k) { return k >= '0' && k <= '9'; }

// The operand columns: digits and the reference letters; i, o and p are
// typed for I, O and P, while f and r stay lower case (other kinds than F
// and R).
int operandKey(int key, const char *extra)
{
    if (isDigit(key))
        return key;
    switch (key) {
    case 'F': case 'I': case 'O': case 'P': case 'R': case 'f': case 'r': return key;
    case 'i': case 'o': case 'p': return key - 'a' + 'A';
    default: break;
    }
    for (const char *e = extra; *e; ++e)
        if (key == *e)
            return key;
    return 0;
}

} // namespace

int FilterKey(int col, int key)
{
    if (key == 8 || key == 9)
        return key;
    switch (col) {
    case 1:
        if (key >= 'A' && key <= 'Z')
            return key;
        if (key >= 'a' && key <= 'z')
            return key - 'a' + 'A';
        if (key >= '1' && key <= '4')
            return key;
        switch (key) {
        case '!': case '%': case '*': case '+': case '-': case '/': case '<': case '=': case '>': return key;
        default: return 0;
        }
    case 2: return operandKey(key, ".");
    case 3: return operandKey(key, ".-");
    case 4: return operandKey(key, "-/");
    case 5: return operandKey(key, "");
    case 6: return key >= 32 && !QChar::isSurrogate(char32_t(key)) && ItemFile::CanEncode(QString(QChar(key))) ? key : 0;
    default: return 0;
    }
}

QString FilterText(int col, const QString &typed)
{
    if (typed.size() == 1) {
        const int k = FilterKey(col, typed.at(0).unicode());
        return k ? QString(QChar(k)) : QString();
    }
    return col == 6 && ItemFile::CanEncode(typed) ? typed : QString();
}

int MaxLength(int col)
{
    switch (col) {
    case 1: case 4: case 5: return 6;
    case 2: case 3: return 7;
    case 6: return 40;
    default: return 0;
    }
}

Commit SetDataForProgramGrid(ProgData::ProgDoc &doc, int row, int col, const QString &editText, const QString &oldText)
{
    Commit c;
    c.text = editText.trimmed();
    if (col == 1 && CommandList::GetCmdCode(c.text) < 0) {
        c.result = 1;
        c.text = oldText;
        c.beep = true;
    }
    doc.flgdProg->SetText(row, col, c.text);
    if (c.result == 0)
        doc.ProgChangeFlag = true;
    return c;
}

bool AppendLineAfter(ProgData::ProgDoc &doc, int r)
{
    if (r < 1 || r > Programs::GetProgStepMax(doc.ProgNo) - 1)
        return false;
    ProgData::ProgLineInsert(*doc.flgdProg, r + 1, r + 1);
    return true;
}

Move AfterEdit(ProgData::ProgDoc &doc, int key)
{
    const ProgGridModel &g = *doc.flgdProg;
    const int r = g.Row(), c = g.Col(), last = g.Rows() - 1;
    switch (key) {
    case 13:
        if (c >= 1 && c <= 5)
            return {true, r, c + 1};
        if (c == 6)
            return {true, r < last || AppendLineAfter(doc, r) ? r + 1 : r, 1};
        return {};
    case 40:
        return {true, r < last || AppendLineAfter(doc, r) ? r + 1 : r, 1};
    case 38:
        return {true, std::max(r - 1, 1), c};
    default:
        return {};
    }
}

Move TabStep(ProgData::ProgDoc &doc, bool backward)
{
    const ProgGridModel &g = *doc.flgdProg;
    const int r = g.Row(), c = g.Col();
    if (r < 1 || c < 1)
        return g.Lines() >= 1 ? Move{true, 1, 1} : Move{};
    if (backward) {
        if (c > 1)
            return {true, r, c - 1};
        return r > 1 ? Move{true, r - 1, ProgGridModel::ColComment} : Move{};
    }
    return c < ProgGridModel::ColComment ? Move{true, r, c + 1} : AfterEdit(doc, 13);
}

Move DownOnLastLine(ProgData::ProgDoc &doc)
{
    const int r = doc.flgdProg->Row();
    if (r != doc.flgdProg->Rows() - 1 || !AppendLineAfter(doc, r))
        return {};
    return {true, r + 1, 1};
}

void DeleteCell(ProgData::ProgDoc &doc)
{
    ProgGridModel &g = *doc.flgdProg;
    const int r = g.Row(), c = g.Col();
    if (r < 1 || c < 1 || g.Text(r, c).isEmpty())
        return;
    g.SetText(r, c, QString());
    doc.ProgChangeFlag = true;
}

bool WholeLines(const ProgData::ProgDoc &doc)
{
    const ProgGridModel &g = *doc.flgdProg;
    return g.Row() >= 1 && std::abs(g.ColSel() - g.Col()) + 1 == 6;
}

LeftClick LeftClickState(const ProgData::ProgDoc &doc, bool clipHasText, bool clipCopyFlag)
{
    LeftClick s;
    if (WholeLines(doc)) {
        s.lineCommands = true;
        return s;
    }
    s.setsPaste = true;
    s.paste = clipHasText && clipCopyFlag && doc.flgdProg->Col() == 1;
    return s;
}

RightClick RightClickState(const ProgData::ProgDoc &doc, bool clipHasText, bool clipCopyFlag)
{
    RightClick s;
    if (!WholeLines(doc))
        return s;
    s.popup = s.copy = s.insert = true;
    s.paste = clipHasText && clipCopyFlag;
    s.remove = doc.flgdProg->Rows() >= 2;
    return s;
}

} // namespace ProgEdit
