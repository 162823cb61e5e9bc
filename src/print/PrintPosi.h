#pragma once
// The position printout: a range of positions exactly as the position grid
// shows them, two rows a position in positioner mode, one in program mode,
// under a frame with the actuator names, column titles and page number.
#include "platform/Printer.h"
#include "print/PrintFrame.h"

#include <QString>

namespace PrintPosi {
// Takes the grid's title row into row 0 of PosiDataRead and the grid rows of
// positions first..last into their rows; the printout prints only from it.
void TakePosiPrintSnapshot(int first, int last);
// The printer dialog, then positions first..last of PosiDataRead in the
// layout of the controller mode.
void PrintPosiPages(bool prgMode, int first, int last);
// The page frames, on the current page.
void PrintPosiFrameAtPosMode(Platform::Printer &printer);
void PrintPosiFrameAtPrgMode(Platform::Printer &printer);

// The pages, drawn on a printer just chosen; the caller ends the document.
Print::JobEnd DrawPosiData(Platform::Printer &printer, bool prgMode, int first, int last);
} // namespace PrintPosi
