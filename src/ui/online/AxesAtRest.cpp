#include "ui/online/AxesAtRest.h"

#include "core/AppState.h"
#include "link/CommandFrames.h"
#include "link/CommandProcs.h"

namespace Online {

int AxesAtRest()
{
    // Judged on the axes in use, whatever the parameter set's SP AXIS says.
    return Comm::CheckCtAxisStop(Comm::Frames::AxisInUseMask(App().AxisNotUsed));
}

} // namespace Online
