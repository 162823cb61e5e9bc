#include "support/SimOnlineFixture.h"

#include "core/AppState.h"
#include "link/Engine.h"
#include "link/SysParaBlocks.h"
#include "link/Versions.h"
#include "paradata/DevSetting.h"
#include "paradata/ParadataState.h"
#include "ui/online/GoOnline.h"

namespace SimOnline {

Fixture::Fixture(bool pcMatches)
{
    App().LangOffset = 10000;
    Comm::ResetVersionState();
    Comm::ResetSysParaState();
    ResetParadataState();
    ResetDevSettingFlags();
    Online::ResetOnlineState();
    InstallOnlineCommands(sim);
    sim.attach(1);
    App().PortNo = 1;
    App().PortOccupy = false;
    if (pcMatches) {
        const Actuator a;
        auto &d = Paradata().DevSetting;
        for (size_t i = 0; i < 4; ++i) {
            d.DevSize[i] = QStringLiteral(" ") + QString::number(a.sizeNo);
            d.DevSpeed[i] = QString(QLatin1Char(a.speed));
            d.DevStroke[i] = a.stroke;
            d.DevLead[i] = int16_t(a.lead);
            d.DevPPR[i] = a.ppr;
            Paradata().MaxPulse[i] = a.maxPulse;
        }
    }
    Comm::StartLink();
}

} // namespace SimOnline
