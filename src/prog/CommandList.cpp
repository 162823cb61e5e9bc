#include "prog/CommandList.h"

#include "core/ItemFile.h"
#include "core/Num.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

namespace CommandList {
namespace {

CommandListState g_list;

// The list as read from the text, or nothing when it is not a whole list.
std::optional<QStringList> parseList(const QString &text)
{
    ItemFile::Reader r(text);
    ItemFile::Item it;
    if (!r.readField(it) || !it.isNumber())
        return std::nullopt;
    const auto count = Num::CInt(it.number());
    if (!count || *count < 0)
        return std::nullopt;
    QStringList names;
    names.reserve(*count + 1);
    for (int k = 0; k < *count; ++k) {
        if (!r.readField(it))
            return std::nullopt;
        names << it.text;
    }
    names << QString();
    return names;
}

} // namespace

CommandListState &State() { return g_list; }
void ResetCommandList() { g_list = CommandListState{}; }

int ReadCommandList()
{
    const auto text = ItemFile::LoadText(Platform::AppFile(QStringLiteral("Command.lst")));
    const auto names = text ? parseList(*text) : std::nullopt;
    if (!names) {
        // No half-read list stays behind to give wrong codes.
        ResetCommandList();
        Platform::Dialogs::MsgBox(Platform::ResLines({15, 16}));
        return 1;
    }
    g_list.CommandName = *names;
    g_list.CommandCount = int(names->size()) - 1;
    return 0;
}

int GetCmdCode(const QString &name)
{
    for (int k = 0; k < g_list.CommandCount; ++k)
        if (g_list.CommandName[k] == name)
            return k;
    return -1;
}

QString CommandNameOf(int code)
{
    return (code >= 0 && code < g_list.CommandCount) ? g_list.CommandName[code] : QString();
}

} // namespace CommandList

namespace Programs {

int GetProgStepMax(int progNo)
{
    if (progNo >= 1 && progNo <= 7)
        return 100;
    if (progNo >= 8 && progNo <= 20)
        return 50;
    if (progNo >= 21 && progNo <= kProgramCount)
        return 20;
    return 0;
}

} // namespace Programs
