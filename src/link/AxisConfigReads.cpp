#include "link/AxisConfigReads.h"

#include "app/AppState.h"
#include "link/CommandProcs.h"
#include "link/Engine.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"
#include "platform/Wait.h"

#include <optional>

namespace Module3Tusin {
namespace {

constexpr int kBlockReplyLen = 38;

// The reply's data digits as one unsigned number: characters first..last
// (1-based) of the reply; nothing when they are not hexadecimal.
std::optional<int32_t> field(const QString &reply, int first, int last)
{
    bool ok = false;
    const int32_t v = reply.mid(first - 1, last - first + 1).toInt(&ok, 16);
    return ok ? std::optional<int32_t>(v) : std::nullopt;
}

// Opens the port, up to four attempts 100 ms apart, then the communication
// mode: true when both succeeded.
bool openWithRetries()
{
    LinkState &s = Link();
    s.RetryCount = 0;
    while (OpenCommPort() == 1) {
        s.RetryCount += 1;
        if (s.RetryCount > 3)
            return false;
        Platform::WaitMs(100);
    }
    return TusinModeOn(1) == 0;
}

bool openOnce() { return OpenCommPort() == 0 && TusinModeOn(1) == 0; }

// One "0RD" request; the reply when it came with its block's echo.
std::optional<QString> readBlock(int block, int timeoutMs, bool flushOnFailure = false)
{
    const QString frame = QStringLiteral("0RD") + QString::number(block, 16).toUpper();
    const auto r = Exchange(frame, kBlockReplyLen, timeoutMs);
    if (r && r->startsWith(frame))
        return r;
    if (flushOnFailure && !Queues().TusinErrorFlag)
        TusinFlush();
    return std::nullopt;
}

int secondBlockOf(int axis) { return 4 + 3 * axis; }
int firstBlockOf(int axis) { return 3 + 3 * axis; }

std::optional<int> maskOf(const QString &reply)
{
    const auto m = field(reply, 7, 8);
    if (!m)
        return std::nullopt;
    return int(*m);
}

void axesFromMask(int mask, PerAxis<bool> &notUsed)
{
    for (int a = 0; a < 4; ++a)
        notUsed[size_t(a)] = (mask & (1 << a)) == 0;
}

} // namespace

int ReadAxisConfigFromCt()
{
    if (!openWithRetries())
        return 1;
    const auto r = readBlock(0, 2000);
    const auto mask = r ? maskOf(*r) : std::nullopt;
    if (!mask)
        return 1;
    Paradata().ParaSet.ParaSpAxis = int16_t(*mask);
    axesFromMask(*mask, App().AxisNotUsed);
    return 0;
}

int ReadAxisConfigFromCt2()
{
    if (!openWithRetries())
        return 1;
    const auto r = readBlock(0, 2000);
    const auto mask = r ? maskOf(*r) : std::nullopt;
    const auto mode = r ? field(*r, 23, 24) : std::nullopt;
    if (!mask || !mode)
        return 1;
    ParadataState &p = Paradata();
    p.CtAxisMaskHold = int16_t(*mask);
    axesFromMask(*mask, p.AxisNotUsedHold);
    p.PrgModeFlagHold = *mode == 1;
    return 0;
}

void ApplyCtAxisConfig()
{
    ParadataState &p = Paradata();
    p.ParaSet.ParaSpAxis = p.CtAxisMaskHold;
    App().PrgModeFlag = p.PrgModeFlagHold;
    App().AxisNotUsed = p.AxisNotUsedHold;
}

int ReadAxisConfigFromCt_Apply()
{
    if (ReadAxisConfigFromCt2() != 0)
        return 1;
    ApplyCtAxisConfig();
    return 0;
}

int ReadAxisConfigFromCt3()
{
    LinkState &s = Link();
    s.RetryCount = 0;
    while (OpenCommPort2() == 1) {
        s.RetryCount += 1;
        if (s.RetryCount > 3)
            return 1;
        Platform::WaitMs(100);
    }
    if (TusinModeOn(1) != 0) {
        CloseCommPortIfFree();
        return 1;
    }
    s.RetryCount = 0;
    for (;;) {
        Queues().TusinErrorFlag = false;
        const auto r = readBlock(0, 2000);
        const auto mask = r ? maskOf(*r) : std::nullopt;
        if (mask) {
            axesFromMask(*mask, Paradata().AxisNotUsedHold);
            CloseCommPortIfFree();
            return 0;
        }
        s.RetryCount += 1;
        if (s.RetryCount > 3) {
            CloseCommPortIfFree();
            return 1;
        }
        Platform::WaitMs(100);
    }
}

int ReadBlock1FromCt()
{
    if (!openOnce())
        return 1;
    const auto r = readBlock(1, 2000);
    if (!r)
        return 1;
    PerAxis<int16_t> v{};
    for (int a = 0; a < 4; ++a) {
        const auto f = field(*r, 13 + 2 * a, 14 + 2 * a);
        if (!f)
            return 1;
        v[size_t(a)] = int16_t(*f);
    }
    Paradata().CtBlock1Value = v;
    return 0;
}

int ReadMaxPulseFromCt()
{
    if (!openOnce())
        return 1;
    CtAxisData &ct = Paradata().Ct;
    for (int a = 0; a < 4; ++a) {
        if (App().AxisNotUsed[size_t(a)]) {
            ct.CtMaxPulse[size_t(a)] = 0;
            continue;
        }
        const auto r = readBlock(secondBlockOf(a), 2000, true);
        const auto v = r ? field(*r, 13, 18) : std::nullopt;
        if (!v) {
            if (r)
                TusinFlush();
            return 1;
        }
        ct.CtMaxPulse[size_t(a)] = *v;
    }
    return 0;
}

int ReadDeviceFromCt()
{
    if (!openWithRetries())
        return 1;
    CtAxisData &ct = Paradata().Ct;
    for (int a = 0; a < 4; ++a) {
        const size_t i = size_t(a);
        if (App().AxisNotUsed[i]) {
            ct.CtDevType[i] = ct.CtLead[i] = 0;
            ct.CtPPR[i] = ct.CtMaxPulse[i] = ct.CtDevStroke[i] = 0;
            ct.CtDevSize[i].clear();
            ct.CtDevSpeed[i].clear();
            continue;
        }
        const auto r = readBlock(secondBlockOf(a), 1000);
        if (!r)
            return 1;
        const auto type = field(*r, 5, 6), lead = field(*r, 7, 8), ppr = field(*r, 9, 12),
                   maxPulse = field(*r, 13, 18), size = field(*r, 21, 22), speed = field(*r, 23, 24),
                   stroke = field(*r, 25, 28);
        if (!type || !lead || !ppr || !maxPulse || !size || !speed || !stroke)
            return 1;
        ct.CtDevType[i] = int16_t(*type);
        ct.CtLead[i] = int16_t(*lead);
        ct.CtPPR[i] = *ppr;
        ct.CtMaxPulse[i] = *maxPulse;
        ct.CtDevSpeed[i] = QString(QChar(char16_t(*speed)));
        if (ct.CtDevSpeed[i] != QLatin1String("E")) {
            QString s = QLatin1Char(' ') + QString::number(*size);
            if (s.size() == 2)
                s.prepend(QLatin1Char(' '));
            ct.CtDevSize[i] = s;
        } else {
            ct.CtDevSpeed[i] = QStringLiteral("L");
            ct.CtDevSize[i] = QStringLiteral("E35");
        }
        ct.CtDevStroke[i] = *stroke;
    }
    for (int a = 0; a < 4; ++a) {
        const size_t i = size_t(a);
        if (App().AxisNotUsed[i]) {
            ct.CtPgFlag[i] = 0;
            continue;
        }
        const auto r = readBlock(firstBlockOf(a), 3000, true);
        const auto pg = r ? field(*r, 21, 22) : std::nullopt;
        if (!pg) {
            if (r)
                TusinFlush();
            return 1;
        }
        ct.CtPgFlag[i] = int16_t(*pg);
    }
    return 0;
}

int CompareCtDevice2PcDevice()
{
    if (ReadDeviceFromCt() != 0)
        return -1;
    const ParadataState &p = Paradata();
    const CtAxisData &ct = p.Ct;
    const DevSettingData &d = p.DevSetting;
    for (int a = 0; a < 4; ++a) {
        const size_t i = size_t(a);
        if (App().AxisNotUsed[i])
            continue;
        const bool pgDiffers = d.DevWithPG[i] ? ct.CtPgFlag[i] == 0 : (ct.CtPgFlag[i] == 1 || ct.CtPgFlag[i] == 2);
        if (pgDiffers || ct.CtLead[i] != d.DevLead[i] || ct.CtPPR[i] != d.DevPPR[i]
            || ct.CtMaxPulse[i] != p.MaxPulse[i] || ct.CtDevStroke[i] != d.DevStroke[i]
            || ct.CtDevSize[i] != d.DevSize[i] || ct.CtDevSpeed[i] != d.DevSpeed[i])
            return 1;
    }
    return 0;
}

} // namespace Module3Tusin
