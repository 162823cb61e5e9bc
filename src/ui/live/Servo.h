#pragma once
// The servo requests of direct teaching: each toggle of a PG axis's servo
// queues a mode command ("0CM0" + one digit per axis, "2" = servo off),
// and the direct-teaching cycle sends the oldest one per tick.
#include <array>
#include <deque>

namespace Servo {

inline constexpr int kQueueRows = 11;

struct Request {
    int mode = 0; // 2 = some servo off, 0 = every servo on
    int mask = 0; // axes whose servo is off (bit k = axis k + 1)
};

struct State {
    std::array<bool, 4> ServoOff{};
    std::deque<Request> Queue;
    // Direct teaching was switched off: the next cycle restores the servos.
    bool DirectTeachEndReq = false;

    bool HasServoRequest() const { return !Queue.empty(); }
    // False (nothing queued) when the table is full.
    bool AddServoRequest(int mode, int mask);
    void PopServoRequest();
    void ClearServoOff() { ServoOff = {}; }
};

// Axes in use whose actuator has a PG (bit k = axis k + 1).
int GetServoAxisMask(const std::array<bool, 4> &axisNotUsed, const std::array<bool, 4> &withPG);
// Marks the servo of `axis` off (off != 0) or on when it is one of
// `pgAxes` (GetServoAxisMask), and returns the mask of those whose servo is
// off.
int SetServoOffAxis(State &s, int off, int axis, int pgAxes);

} // namespace Servo
