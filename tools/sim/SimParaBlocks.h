#pragma once
// Parameter blocks of the simulated controller: "0RD" reads a block of the
// block memory, "0WD" writes one, "0WE" / "0WE2" store what was written.
// A test presets blocks with SetBlock and reads them back with Block.
// Blocks never set read as zeros, with the model's axis mask in block 0
// byte 1 and the stroke limit of SimPosi in each axis's second block, so the
// position commands' view of the controller stays the same.
#include <QByteArray>

class SimController;

namespace SimParaBlocks {

// Replaces the "0RD" of the position commands with the whole block memory.
void InstallParaBlockCommands(SimController &sim);

// The 32 data digits of block b (0..15).
QByteArray Block(SimController &sim, int block);
void SetBlock(SimController &sim, int block, const QByteArray &digits);
// How many store commands ("0WE", "0WE2") arrived.
int StoreCount(SimController &sim);
// Counts one store command (the handler of a combined store command calls
// it for the parameter blocks' frames).
void CountStore(SimController &sim);

} // namespace SimParaBlocks
