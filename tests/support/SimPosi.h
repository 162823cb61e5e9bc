#pragma once
// Position commands of the simulated controller: "0RP", "0WP", "0WA" over
// 999 stored positions, plus what the position transfers ask around them
// ("0RA", "0RD" blocks 0 and the maximum pulses, "0CM" echoed whole).
#include <QByteArray>

class SimController;

namespace SimPosi {

void InstallPosiCommands(SimController &sim);

// The stored 60-digit block of position n (a default block until written).
QByteArray Block(SimController &sim, int posiNo);
void SetBlock(SimController &sim, int posiNo, const QByteArray &block);
QByteArray DefaultBlock();
// Maximum pulses the controller reports for axis a (default 0x3FFFF).
void SetMaxPulse(SimController &sim, int axis, int pulses);
// The axes are moving: "0RA" reports no axis at rest.
void SetMoving(SimController &sim, bool moving);

} // namespace SimPosi
