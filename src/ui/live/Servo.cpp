#include "ui/live/Servo.h"

#include <cstddef>

namespace Servo {

bool State::SarvoReqAdd(int mode, int mask)
{
    // A twelfth request cannot arise (each toggle waits for the send of
    // the request before it); it is refused rather than written past the
    // table.
    if (static_cast<int>(Queue.size()) >= kQueueRows)
        return false;
    Queue.push_back(Request{mode, mask});
    return true;
}

void State::SarvoReqPop()
{
    if (!Queue.empty())
        Queue.pop_front();
}

int Get_SarvoAxisBit(const std::array<bool, 4> &axisNotUsed, const std::array<bool, 4> &withPG)
{
    int m = 0;
    for (int k = 0; k < 4; ++k)
        if (!axisNotUsed[static_cast<std::size_t>(k)] && withPG[static_cast<std::size_t>(k)])
            m |= 1 << k;
    return m;
}

int SetSarvoOffAxis(State &s, int off, int axis, const std::array<bool, 4> &axisNotUsed,
                    const std::array<bool, 4> &withPG)
{
    if (axis >= 0 && axis < 4 && !axisNotUsed[static_cast<std::size_t>(axis)] && withPG[static_cast<std::size_t>(axis)])
        s.SarvoOff[static_cast<std::size_t>(axis)] = off != 0;
    int m = 0;
    for (int k = 0; k < 4; ++k)
        if (!axisNotUsed[static_cast<std::size_t>(k)] && withPG[static_cast<std::size_t>(k)] && s.SarvoOff[static_cast<std::size_t>(k)])
            m |= 1 << k;
    return m;
}

} // namespace Servo
