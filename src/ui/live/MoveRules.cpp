#include "ui/live/MoveRules.h"

#include "core/Num.h"

#include <cmath>

namespace MoveRules {
namespace {
bool isDigit(int key) { return key >= '0' && key <= '9'; }

// Whole value of a text's leading number, or nothing when it is too large
// for any field here.
std::optional<int> valueOf(const QString &text)
{
    const double v = Num::Val(text);
    if (!std::isfinite(v) || std::fabs(v) > 1e9)
        return std::nullopt;
    return static_cast<int>(std::trunc(v));
}

bool inPosiRange(const QString &text)
{
    const auto v = valueOf(text.trimmed());
    return v && *v >= 1 && *v <= kMaxPosiNo;
}
} // namespace

EditorStart EditorStartText(int key, const QString &cellText)
{
    if (key >= 0 && key <= 32)
        return {true, cellText};
    if (isDigit(key))
        return {true, QString(QChar(key))};
    return {};
}

bool ListEditorAccepts(int key, int length)
{
    if (key == kKeyBack)
        return true;
    return length < 3 && isDigit(key);
}

bool DwellAccepts(int key, int length)
{
    if (key == kKeyBack)
        return true;
    return length < 3 && (isDigit(key) || key == kKeyTab);
}

CellCommit CommitByFocus(const QString &editorText)
{
    return {inPosiRange(editorText) ? editorText : QString(), false};
}

CellCommit CommitByLeaving(const QString &editorText)
{
    if (inPosiRange(editorText))
        return {editorText.trimmed(), false};
    return {QString(), true};
}

DwellCommit CommitDwell(const QString &text)
{
    const auto v = valueOf(text);
    if (!v || *v < 0 || *v > kMaxDwell)
        return {QString(), true};
    return {QString::number(*v), false};
}

int DwellMs(bool timerTicked, const QString &text)
{
    if (!timerTicked)
        return 0;
    const auto v = valueOf(text);
    if (!v || *v <= 0)
        return 0;
    return std::min(*v, kMaxDwell) * 100;
}

int NumberOf(const QString &text)
{
    const auto v = valueOf(text);
    return v ? *v : 0;
}

Range StartMoved(Range r, int start, bool stepWay)
{
    r.start = start;
    if (stepWay || start > r.end)
        r.end = start;
    return r;
}

Range EndMoved(Range r, int end, bool stepWay)
{
    r.end = end;
    if (!stepWay && end < r.start)
        r.start = end;
    return r;
}

} // namespace MoveRules
