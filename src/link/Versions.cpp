#include "link/Versions.h"

#include "core/AppState.h"
#include "core/Num.h"
#include "link/CommandProcs.h"
#include "link/Engine.h"
#include "link/Indicators.h"
#include "link/Queues.h"
#include "platform/Dialogs.h"
#include "platform/StringTable.h"

namespace Comm {
namespace {

VersionState g_v;

constexpr int kMainReplyLen = 11;
constexpr int kMainTimeout = 5000;
constexpr int kAxisReplyLen = 12;
constexpr int kAxisTimeout = 1000;
const QString kAxisUnitCode = QStringLiteral("S4R");

// Port and communication mode, then the main query: its reply or nothing.
std::optional<QString> queryMain()
{
    if (OpenCommPort() == 1)
        return std::nullopt;
    if (CommunicationModeOn(1) != 0)
        return std::nullopt;
    return Exchange(QStringLiteral("0RV"), kMainReplyLen, kMainTimeout);
}

int axisDigit(const QString &reply) { return int(Num::Val(reply.mid(7, 1))); }

} // namespace

VersionState &Versions() { return g_v; }
void ResetVersionState() { g_v = VersionState{}; }

bool IsAcceptedModel(const QString &modelCode)
{
    static const QStringList accepted{QStringLiteral("S1M"), QStringLiteral("S2M"), QStringLiteral("S3M"),
                                      QStringLiteral("S4M")};
    return accepted.contains(modelCode, Qt::CaseSensitive);
}

int ReadVersionFromCt()
{
    const auto r = queryMain();
    if (!r)
        return 1;
    g_v.CtAxisCount = axisDigit(*r);
    g_v.CtVersion = r->mid(3, 3);
    g_v.CtModelCode = r->mid(6, 3);
    return 0;
}

int ReadAxisCountFromCt()
{
    const auto r = queryMain();
    return r ? axisDigit(*r) : -1;
}

int ReadAxisVersionFromCt(int &n)
{
    const int last = std::min(n, int(g_v.CtAxisVersion.size()));
    for (int i = 0; i < last; ++i) {
        if (App().AxisNotUsed[size_t(i)])
            continue;
        const auto r = Exchange(QStringLiteral("0RV") + QString::number(i + 1), kAxisReplyLen, kAxisTimeout);
        if (!r)
            return 1;
        if (r->mid(7, 3) != kAxisUnitCode) {
            FlushQueue();
            return 1;
        }
        g_v.CtAxisVersion[size_t(i)] = r->mid(4, 3);
    }
    // The table has room for four axes: more asked for cannot be answered.
    return n > last ? 1 : 0;
}

int DispCtVersion()
{
    if (Comm::ReadVersionFromCt() == 1) {
        Indicators::SetStatusPanel1(Platform::ResText(415));
        return 1;
    }
    Indicators::SetStatusPanel1(Platform::ResText(416) + Comm::Versions().CtVersion);
    return 0;
}

int GetVersionNoWithAxes()
{
    if (Comm::ReadVersionFromCt() == 1) {
        Indicators::SetStatusPanel1(Platform::ResText(415));
        return 1;
    }
    int n = Versions().CtAxisCount;
    if (Comm::ReadAxisVersionFromCt(n) != 0)
        return 1;
    Indicators::SetStatusPanel1(Platform::ResText(416) + Versions().CtVersion);
    return 0;
}

QString VersionBoxText(const Comm::VersionState &v, const std::array<bool, 4> &axisNotUsed)
{
    const QString gap = QStringLiteral("\r\n\r\n");
    QString text = Platform::ResText(426) + gap + QLatin1Char('<') + Platform::ResText(427) + QStringLiteral(">  ")
                   + v.CtVersion;
    const int queried = std::clamp(v.CtAxisCount, 0, int(v.CtAxisVersion.size()));
    for (int i = 0; i < queried; ++i) {
        if (axisNotUsed[size_t(i)])
            continue;
        text += gap + QLatin1Char('<') + Platform::ResText(1405 + i) + QStringLiteral(">  ") + v.CtAxisVersion[size_t(i)];
    }
    return text;
}

} // namespace Comm
