#include "ui/online/AxesAtRest.h"

#include "core/AppState.h"
#include "link/CommandFrames.h"
#include "link/CommandProcs.h"
#include "paradata/ParadataState.h"

namespace Online {

int AxesAtRest()
{
    // The link judges the reply against the SP AXIS, so that is the axes in
    // use for the one question.
    int16_t &sp = Paradata().ParaSet.ParaSpAxis;
    const int16_t kept = sp;
    sp = int16_t(Comm::Frames::AxisInUseMask(App().AxisNotUsed));
    const int r = Comm::CheckCtAxisStop();
    sp = kept;
    return r;
}

} // namespace Online
