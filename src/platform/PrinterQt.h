#pragma once
// The printer on Qt: a printer chosen in the printer dialog, or a PDF file.
// A PDF is written through a save file, so a job that fails or is thrown
// away leaves no file (and an older file of the name as it was).
#include "platform/Printer.h"

#include <memory>

class QPrinter;

namespace Platform {

// Draws on the printer as it is set up (page, margins, output). A printer
// set to print to a PDF file writes that file as MakePdfPrinter does.
std::shared_ptr<Printer> MakeQtPrinter(QPrinter &printer);

// A PDF file on A4 portrait with 5 mm margins.
std::shared_ptr<Printer> MakePdfPrinter(const QString &path);

// The printer the page setup and the printer dialog share for the run.
QPrinter &SharedQPrinter();

} // namespace Platform
