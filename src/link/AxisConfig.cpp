#include "link/AxisConfig.h"

#include "core/AppState.h"
#include "platform/Wait.h"
#include "link/CommandProcs.h"
#include "link/Engine.h"
#include "link/ParaBlocks.h"
#include "link/Queues.h"
#include "paradata/ParadataState.h"

#include <QString>
#include <optional>

namespace Comm {

namespace {

// Opens the port, trying up to four times 100 ms apart, then switches the
// controller to communication mode.
bool openWithRetries(int (*open)())
{
    for (int attempt = 0; open() != 0; ++attempt) {
        if (attempt >= 3)
            return false;
        Platform::WaitMs(100);
    }
    return CommunicationModeOn(1) == 0;
}

bool openOnce() { return OpenCommPort() == 0 && CommunicationModeOn(1) == 0; }

// Reply characters from..to (1-based, as the layouts count them) as a
// hexadecimal number; data digit k is reply character k + 4.
uint32_t replyHex(const QString &data, int from, int to) { return data.mid(from - 5, to - from + 1).toUInt(nullptr, 16); }

void maskIntoAxes(int mask, PerAxis<bool> &notUsed)
{
    for (int a = 0; a < 4; ++a)
        notUsed[a] = (mask & (1 << a)) == 0;
}

// Size code of a controller actuator: a blank in front of the decimal size,
// two for a one-digit size (28 gives " 28", 5 "  5", 100 " 100").
QString ctSizeText(uint32_t size)
{
    QString t = QLatin1Char(' ') + QString::number(size);
    if (t.size() == 2)
        t.prepend(QLatin1Char(' '));
    return t;
}

} // namespace

int ReadAxisConfigFromCt()
{
    if (!openWithRetries(&OpenCommPort))
        return 1;
    const auto d = ReadParaBlock(0, 2000);
    if (!d)
        return 1;
    const int mask = int(replyHex(*d, 7, 8));
    Paradata().ParaSet.ParaSpAxis = int16_t(mask);
    maskIntoAxes(mask, App().AxisNotUsed);
    return 0;
}

int ReadAxisConfigFromCtIntoHold()
{
    if (!openWithRetries(&OpenCommPort))
        return 1;
    const auto d = ReadParaBlock(0, 2000);
    if (!d)
        return 1;
    auto &s = Paradata();
    s.CtAxisMaskHold = int16_t(replyHex(*d, 7, 8));
    maskIntoAxes(s.CtAxisMaskHold, s.AxisNotUsedHold);
    s.PrgModeFlagHold = replyHex(*d, 23, 24) == 1;
    return 0;
}

void ApplyCtAxisConfig()
{
    auto &s = Paradata();
    s.ParaSet.ParaSpAxis = s.CtAxisMaskHold;
    App().PrgModeFlag = s.PrgModeFlagHold;
    App().AxisNotUsed = s.AxisNotUsedHold;
}

int ReadAxisConfigFromCt_Apply()
{
    if (ReadAxisConfigFromCtIntoHold() != 0)
        return 1;
    ApplyCtAxisConfig();
    return 0;
}

int ReadAxesInUseFromCtWithRetries()
{
    for (int attempt = 0; OpenCommPort() != 0; ++attempt) {
        if (attempt >= 3)
            return 1;
        Platform::WaitMs(100);
    }
    if (CommunicationModeOn(1) != 0) {
        CloseCommPortIfFree();
        return 1;
    }
    std::optional<QString> d;
    for (int attempt = 0; !(d = ReadParaBlock(0, 2000)); ++attempt) {
        if (Queues().LinkFailed || attempt >= 3) {
            CloseCommPortIfFree();
            return 1;
        }
        Platform::WaitMs(100);
    }
    maskIntoAxes(int(replyHex(*d, 7, 8)), Paradata().AxisNotUsedHold);
    CloseCommPortIfFree();
    return 0;
}

int ReadBlock1FromCt()
{
    if (!openOnce())
        return 1;
    const auto d = ReadParaBlock(1, 2000);
    if (!d)
        return 1;
    for (int a = 0; a < 4; ++a)
        Paradata().CtBlock1Value[a] = int16_t(replyHex(*d, 13 + 2 * a, 14 + 2 * a));
    return 0;
}

int ReadMaxPulseFromCt()
{
    if (!openOnce())
        return 1;
    auto &ct = Paradata().Ct;
    for (int a = 0; a < 4; ++a) {
        if (App().AxisNotUsed[a]) {
            ct.CtMaxPulse[a] = 0;
            continue;
        }
        const auto d = ReadParaBlock(3 * a + 4, 2000);
        if (!d) {
            FlushQueue();
            return 1;
        }
        ct.CtMaxPulse[a] = int32_t(replyHex(*d, 13, 18));
    }
    return 0;
}

int ReadDeviceFromCt()
{
    if (!openWithRetries(&OpenCommPort))
        return 1;
    auto &ct = Paradata().Ct;
    for (int a = 0; a < 4; ++a) {
        if (App().AxisNotUsed[a]) {
            ct.CtDevType[a] = ct.CtLead[a] = 0;
            ct.CtPPR[a] = ct.CtMaxPulse[a] = ct.CtDevStroke[a] = 0;
            ct.CtDevSize[a].clear();
            ct.CtDevSpeed[a].clear();
            continue;
        }
        const auto d = ReadParaBlock(3 * a + 4, 1000);
        if (!d)
            return 1;
        ct.CtDevType[a] = int16_t(replyHex(*d, 5, 6));
        ct.CtLead[a] = int16_t(replyHex(*d, 7, 8));
        ct.CtPPR[a] = int32_t(replyHex(*d, 9, 12));
        ct.CtMaxPulse[a] = int32_t(replyHex(*d, 13, 18));
        ct.CtDevSpeed[a] = QString(QChar(char16_t(replyHex(*d, 23, 24))));
        if (ct.CtDevSpeed[a] == QLatin1String("E")) {
            ct.CtDevSpeed[a] = QStringLiteral("L");
            ct.CtDevSize[a] = QStringLiteral("E35");
        } else {
            ct.CtDevSize[a] = ctSizeText(replyHex(*d, 21, 22));
        }
        ct.CtDevStroke[a] = int32_t(replyHex(*d, 25, 28));
    }
    for (int a = 0; a < 4; ++a) {
        if (App().AxisNotUsed[a]) {
            ct.CtPgFlag[a] = 0;
            continue;
        }
        const auto d = ReadParaBlock(3 * a + 3, 3000);
        if (!d) {
            FlushQueue();
            return 1;
        }
        ct.CtPgFlag[a] = int16_t(replyHex(*d, 21, 22));
    }
    return 0;
}

int CompareCtDeviceToPcDevice()
{
    if (ReadDeviceFromCt() != 0)
        return -1;
    const auto &s = Paradata();
    const auto &ct = s.Ct;
    const auto &d = s.DevSetting;
    for (int a = 0; a < 4; ++a) {
        if (App().AxisNotUsed[a])
            continue;
        const bool pgDiffers = d.DevWithPG[a] ? ct.CtPgFlag[a] == 0 : (ct.CtPgFlag[a] == 1 || ct.CtPgFlag[a] == 2);
        if (pgDiffers || ct.CtLead[a] != d.DevLead[a] || ct.CtPPR[a] != d.DevPPR[a] || ct.CtMaxPulse[a] != s.MaxPulse[a]
            || ct.CtDevStroke[a] != d.DevStroke[a] || ct.CtDevSize[a] != d.DevSize[a] || ct.CtDevSpeed[a] != d.DevSpeed[a])
            return 1;
    }
    return 0;
}

} // namespace Comm
