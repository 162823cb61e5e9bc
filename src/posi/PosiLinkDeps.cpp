#include "posi/PosiLinkDeps.h"

#include "app/AppState.h"
#include "app/frmMain.h"
#include "link/CommandProcs.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"


namespace PosiLink {
namespace {

int g_ctMask = -1;

std::optional<int> hexOf(const QString &digits)
{
    bool ok = false;
    const int v = digits.toInt(&ok, 16);
    return ok ? std::optional<int>(v) : std::nullopt;
}

std::optional<int> readMask()
{
    const auto reply = Module3Tusin::Exchange(QStringLiteral("0RD0"), 38, 2000, 1);
    if (!reply || reply->size() < 8)
        return std::nullopt;
    return hexOf(reply->mid(6, 2));
}

} // namespace

int ReadAxisConfigFromCt()
{
    const auto mask = readMask();
    if (!mask)
        return 1;
    Paradata().ParaSet.ParaSpAxis = static_cast<int16_t>(*mask);
    for (int a = 0; a < 4; ++a)
        App().AxisNotUsed[static_cast<size_t>(a)] = (*mask & (1 << a)) == 0;
    return 0;
}

int ReadMaxPulseFromCt()
{
    static const char *blocks[4] = {"0RD4", "0RD7", "0RDA", "0RDD"};
    for (int a = 0; a < 4; ++a) {
        if (App().AxisNotUsed[static_cast<size_t>(a)])
            continue;
        const auto reply = Module3Tusin::Exchange(QString::fromLatin1(blocks[a]), 38, 2000, 1);
        const auto v = reply && reply->size() >= 18 ? hexOf(reply->mid(12, 6)) : std::nullopt;
        if (!v) {
            Module3Tusin::TusinFlush();
            return 1;
        }
        Paradata().Ct.CtMaxPulse[static_cast<size_t>(a)] = *v;
    }
    return 0;
}

int CompareCtAxisAndDevice()
{
    const auto mask = readMask();
    if (!mask)
        return -1;
    g_ctMask = *mask;
    for (int a = 0; a < 4; ++a)
        if (App().AxisNotUsed[static_cast<size_t>(a)] != ((*mask & (1 << a)) == 0))
            return 1;
    return 0;
}

void ApplyCtAxisConfig()
{
    if (g_ctMask < 0)
        return;
    Paradata().ParaSet.ParaSpAxis = static_cast<int16_t>(g_ctMask);
    for (int a = 0; a < 4; ++a)
        App().AxisNotUsed[static_cast<size_t>(a)] = (g_ctMask & (1 << a)) == 0;
}

int ChangeToOnline()
{
    if (!App().OfflineFlag)
        return 0;
    frmMain *main = App().MainForm;
    return main ? main->fChangeToOnline() : 1;
}

} // namespace PosiLink
