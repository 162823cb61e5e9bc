#pragma once
// The group file (*.grp) and the sequence-macro file (*.smd), both in the
// quoted item format:
//   "RE-Z4","GRP"  /  99,3  /  "n",start,end for groups 1..99
//   "RE-Z4","SM"   /  16,2,20  /  "m" then 16 lines code,data, for macros 1..20
// A read starts from an empty table (groups 0 / 0, macros all END) and takes
// over the buffer only when the whole file was read, so a file never mixes
// with an earlier read and a damaged one leaves the buffer as it was. A file
// holding fewer records than the count of its line 2, naming a group or a
// macro twice, or cut inside a text is damaged.
#include "grpsm/GrpSmTables.h"

#include <QString>

namespace GrpSm {

enum FileRead {
    FileReadOk = 0,
    FileReadError = 1,   // missing, unreadable or damaged: callers retry
    FileNotOurs = 2,     // wrong model or kind; the message has been shown
};

// The files as text, without writing them.
QString FormatGrpFile(const GroupTable &t);
QString FormatSqMcrFile(const MacroTable &t);

// The files' text into a table that starts empty; FileNotOurs shows nothing.
// For a damaged file whose fault can be named, `fault` receives the line the
// read message adds.
FileRead ParseGrpFile(const QString &text, GroupTable &out, QString *fault = nullptr);
FileRead ParseSqMcrFile(const QString &text, MacroTable &out, QString *fault = nullptr);

// Reads a macro file into SmDataBuf: a FileRead value. A wrong header shows
// its two-line message; a damaged file sets FileReadFault.
int OpenSMFile(const QString &path);

// Groups 1..99 of GrpData: 0 written, 1 failed (no message; an existing
// file is left as it was).
int WriteGrpFile(const QString &path);
// Reads a group file into GrpDataBuf and, on success, sets GrpPrintDataName
// to fileTitle (the file's name without folder): a GrpSm::FileRead value. A
// wrong header shows its two-line message; a damaged file sets FileReadFault.
int ReadGrpFile(const QString &path, const QString &fileTitle);
// The 20 macros of SmData: 0 written, 1 failed (no message).
int WriteSqMcrFile(const QString &path);
} // namespace GrpSm
