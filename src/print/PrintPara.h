#pragma once
// The parameter printout: the parameter set of four axes on one page, from
// the print table (ParaFileTable), filled from the parameter window or from
// a parameter file.
#include "platform/Printer.h"
#include "print/PrintFrame.h"

#include <QString>

namespace PrintPara {
// Splits a 7-character actuator code into TypeCodeSize (3), TypeCodeSpeed
// (1) and TypeCodeStroke (3): 0; any other length: 1, the parts untouched.
int DivideTypeCode(const QString &code);
// PrintAxisOff from the window's AXIS mask (ParaSpAxis) / from the AXIS cell
// of a file read into the print table.
void PrintParaSelFromSet();
void PrintParaSelFromFile();
// The print table from the parameter set (all four axes); the actuator code
// of every axis is set again from the controller's device codes.
void PrintParaFromForm();
// The printer dialog, then the page.
void PrintParameters();

// Lines the page needs: the last parameter is on line 50, the footer after.
inline constexpr int kLinesNeeded = 52;
// The page, drawn on a printer just chosen; the caller ends the document.
Print::JobEnd DrawParameters(Platform::Printer &printer);
} // namespace PrintPara
