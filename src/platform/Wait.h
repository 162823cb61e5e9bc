#pragma once
// Waiting without blocking the event loop: the caller's loop sleeps until an
// event arrives, then looks at its condition again. Waits nest (an exchange
// can run inside another one's wait); each keeps its own deadline.
#include <functional>

namespace Platform {

// Runs the event loop until cond() is true or timeoutMs has passed
// (timeoutMs < 0: no limit). Returns cond() at the end.
bool WaitUntil(const std::function<bool()> &cond, int timeoutMs = -1);

// Runs the event loop for ms milliseconds. ms <= 0 returns at once.
void WaitMs(int ms);

// Processes what is pending once, without sleeping.
void DoEvents();

} // namespace Platform
