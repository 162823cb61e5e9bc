#pragma once
// The position data file (*.qzd): header "RE-Z4", the mode, the four
// actuator names, the four actuator types, then one line per position.
#include <QString>
#include <array>

namespace PosiFile {

enum ReadResult {
    ReadOk = 0,
    ReadError = 1,       // missing, unreadable, damaged or truncated, or a position given twice: callers retry
    NotPosiFile = 2,     // message already shown
    Refused = 3,         // no positions, or a position 0: message already shown
};

// Writes PosiNoStart..PosiNoEnd from PosiData (positions marked in
// PosiErrRow are left out) with the given actuator names of axes 1 to 4.
// 0 written (DataFileName and the current file path updated), 1 failed
// (message 422, or CheckWritable's, shown; an existing file is left as it
// was). The write is tried `tries` times at most, 100 ms apart.
int SaveFileAs(const QString &path, const std::array<QString, 4> &deviceNames, int tries = 1);

// True when every comment to be written (PosiNoStart..PosiNoEnd, less the
// positions marked in PosiErrRow) can be kept in the file's code page;
// otherwise a message names the first position and column that cannot.
bool CheckWritable();
// Writes the file without any message: true when written.
bool WritePosiFile(const QString &path, const std::array<QString, 4> &deviceNames);
// The actuator names of axes 1 to 4 as a file records them, from the PC's
// actuator setting (empty for an axis not in use).
std::array<QString, 4> DeviceNamesOfSetting();

// The file as text, without writing it.
QString FormatPosiFile(const std::array<QString, 4> &deviceNames);

// The file's title as shown in captions: the path less its extension.
QString TitleOf(const QString &path);
// Makes path the current data file (DataFileName and the save path).
void SetCurrentFile(const QString &path);

// Reads a position file into PosiDataRead and the file values. On any
// result but ReadOk nothing of the tables or file values is changed except
// FileReadError, which is set, and FileReadFault. A file cut inside a text
// or naming a position twice is refused (ReadError). Positions the file skips inside its range
// read as defaults and are marked as not held (PosiReadHeld).
int ReadPosiFile(const QString &path);
// The message for a file that could not be read (ReadError): the read
// message, and on a line of its own what made the last read refuse the
// file when that is known.
QString ReadErrorMessage();
// ReadPosiFile tried up to four times, 100 ms apart, while the file cannot
// be read (a file another program is still writing); other results at once.
int ReadPosiFileRetrying(const QString &path);
} // namespace PosiFile
