#pragma once
// The program file (*.prg): "RE-Z4", "Program", the number of lines, then
// six quoted texts a line (Command, Operation1, Operation2, Condition,
// Result, Comment) as typed, without surrounding spaces.
#include "prog/ProgLines.h"

#include <QString>
#include <optional>
#include <vector>

namespace ProgFile {

// The file as text. A double quote cannot be stored in a quoted text, so it
// is left out.
QString FormatProgFile(const std::vector<ProgData::ProgTexts> &lines);

// 0 written; 1 failed (message 422 shown, an existing file left as it was).
int SaveFileProgAs(const QString &path, const std::vector<ProgData::ProgTexts> &lines);

enum ReadResult {
    ReadOk = 0,
    NotProgFile = 1,  // message 132/20 shown
    ReadError = 2,    // missing, unreadable or damaged: message 484 shown
};
// Reads the lines into `lines` (element 0 unused, elements 1..n as stored);
// on any result but ReadOk `lines` is not touched. A file holding more or
// fewer lines than its count, or cut inside a text, is damaged (ReadError);
// for the last two the message says so on a line of its own.
int OpenProgFile(const QString &path, std::vector<ProgData::ProgTexts> &lines);

// The caption of a program window tied to a file: "Program [" + the path
// without its extension + "]".
QString CaptionOf(const QString &path);
// 0 when the caption has the form "Program [" + a name, else 1.
int Check_ProgCaptionName(const QString &caption);
// The name between the brackets of "Program [" + name + "]", or nothing.
std::optional<QString> GetProgFileNameFromCaption(const QString &caption);

} // namespace ProgFile
