#include "ui/live/Servo.h"

#include "link/CommandFrames.h"

#include <cstddef>

namespace Servo {

bool State::AddServoRequest(int mode, int mask)
{
    // A twelfth request cannot arise (each toggle waits for the send of
    // the request before it); it is refused rather than written past the
    // table.
    if (static_cast<int>(Queue.size()) >= kQueueRows)
        return false;
    Queue.push_back(Request{mode, mask});
    return true;
}

void State::PopServoRequest()
{
    if (!Queue.empty())
        Queue.pop_front();
}

int GetServoAxisMask(const std::array<bool, 4> &axisNotUsed, const std::array<bool, 4> &withPG)
{
    int pg = 0;
    for (int k = 0; k < 4; ++k)
        pg |= withPG[static_cast<std::size_t>(k)] ? 1 << k : 0;
    return Comm::Frames::AxisInUseMask(axisNotUsed) & pg;
}

int SetServoOffAxis(State &s, int off, int axis, int pgAxes)
{
    if (axis >= 0 && axis < 4 && (pgAxes >> axis & 1))
        s.ServoOff[static_cast<std::size_t>(axis)] = off != 0;
    int m = 0;
    for (int k = 0; k < 4; ++k)
        m |= s.ServoOff[static_cast<std::size_t>(k)] ? 1 << k : 0;
    return m & pgAxes;
}

} // namespace Servo
