#pragma once
// The system beep. Every beep of the program goes through here, so tests
// can count them.
namespace Platform {

void Beep();
// Beeps since the start of the run.
int BeepCount();

} // namespace Platform
