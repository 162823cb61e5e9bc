#pragma once
// Position commands of the simulated controller: "0RP" and "0WP" over 999
// stored positions. The commands around them ("0CM", "0RA", "0WA") come
// from InstallCommandSim, the blocks ("0RD") from the parameter blocks.
#include <QByteArray>

class SimController;

namespace SimPosi {

void InstallPosiCommands(SimController &sim);

// The stored 60-digit block of position n (a default block until written).
QByteArray Block(SimController &sim, int posiNo);
void SetBlock(SimController &sim, int posiNo, const QByteArray &block);
QByteArray DefaultBlock();
// Maximum pulses the controller reports for axis a in its block (default
// 0x3FFFF).
void SetMaxPulse(SimController &sim, int axis, int pulses);

} // namespace SimPosi
