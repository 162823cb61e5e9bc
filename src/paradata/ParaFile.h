#pragma once
// The parameter set and table: clearing, copying the table into the set, and
// the parameter file (*.pmt) with its writer, reader and dialogues.
#include "paradata/ParadataState.h"

#include <QString>
#include <functional>
#include <optional>

namespace ParaFile {

// ---- rows of the parameter file
// True for the rows that hold one controller-wide value (column 0).
bool IsScalarParaRow(int row);
// The set's value of row 1..34 for an axis (scalars ignore the axis).
ValueCell ParaSetCell(const ParaSetData &set, int row, int axis);
// Stores a table cell into the set's member of row 1..34 (a 16-bit or 32-bit
// member takes the cell's whole-number value); false when the cell has no
// such value, and then nothing is stored.
bool SetParaSetCell(ParaSetData &set, int row, int axis, const ValueCell &cell);

void ClearParaData();
void ClearParaFileTable();

// The table into the set for the axes in use (TYPE 3 becomes 1, actuator
// flags follow). 0 done, 1 a cell could not be converted (the copy ends
// there; what was copied stays).
int LetParaFileToPara();
// The table into the set for all four axes, the controller actuator codes
// split from the Actuator text. 0 / 1 as above.
int LetParaRecToValue();

// ---- the file
// The 41 records of a parameter file for a set.
QString ParaFileText(const ParaSetData &set);
enum class ParaFileFault { None, Header, Damaged };
// Rows 1..40 of a parameter file's text (row 0 is left empty; rows 1..39
// not in the file are empty texts); the fault when the text is not a
// parameter file or is damaged. lastRow receives the last row the file
// filled.
std::optional<ParaTable> ParseParaFileText(const QString &text, ParaFileFault *fault = nullptr,
                                           int *lastRow = nullptr);

// Writes the set to a file; a failure sets PmtWriteError (the old file, if
// any, stays as it was).
void WriteParaFile(const QString &path);
// Reads a file into ParaFileTable: 0 read; 1 refused or failed, with
// PmtReadError set and the table left as it was. Only a wrong header shows
// a message here.
int ReadParaFile(const QString &path);

// Save dialogue (the parameter window's fields through the shell): 0 ran to its end (the message says how the write went),
// 1 refused or failed, -1 the user cancelled.
int SaveParaFileDlg();
// Open dialogue for the actuator setting: 0 read and copied, 1 failed or no
// file, -1 the user cancelled.
int ReadParaFileForDevice();

} // namespace ParaFile
