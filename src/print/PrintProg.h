#pragma once
// The program printout: the rows of a program window's grid as displayed,
// page by page, under a header with the window's name and the page number.
#include "platform/Printer.h"
#include "print/PrintFrame.h"

#include <QString>
#include <array>
#include <vector>

namespace PrintProg {
// Row 0 the grid's column titles, rows 1.. its program lines.
using ProgTable = std::vector<std::array<QString, 7>>;

struct ProgName {
    QString name;
    bool isFile = false;   // printed after "File Name:" and a blank
};

// The header, column titles and footer of one page.
void PrintProgramHeader(Platform::Printer &printer, const ProgTable &table, const ProgName &name);
// The pages, drawn on a printer just chosen; the caller ends the document.
Print::JobEnd DrawProgram(Platform::Printer &printer, const ProgTable &table, const ProgName &name);
// The printer dialog, then the pages.
void PrintProgramPages(const ProgTable &table, const ProgName &name);
} // namespace PrintProg
