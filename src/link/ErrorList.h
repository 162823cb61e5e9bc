#pragma once
// The controller's error replies ("0%%" + class + two characters) and the
// error list file that names them. Loaded once at start-up in the language
// of the run; decoded at every error reply into the status bar's first panel
// and the alarm image.
#include <QString>
#include <array>

namespace ErrorList {

struct ErrorListRow {
    QString code;
    QString text;
};

inline constexpr int kErrorListRows = 41; // rows 0 to 40

struct ErrorListState {
    QString ErrorListPath;
    std::array<ErrorListRow, kErrorListRows> ErrorListMain{};
    int ErrorListMainCount = -1; // last valid row
    std::array<ErrorListRow, kErrorListRows> ErrorListAxis{};
    int ErrorListAxisCount = -1;
    bool ErrorListMissing = false;

    // Decoding of the last error reply.
    QString CtErrorStr; // the reply, CR LF included
    QString CtErrorNo;  // the code character (position 6)
    QString CtErrorMsg;
    bool CtErrorFound = false;
};

ErrorListState &State();
void ResetErrorListState();

// Loads the list of the running language (string 120 names the file) from
// the application folder. On any failure: message (strings 30, 31) and
// ErrorListMissing set.
void ReadErrorList();

// Decodes CtErrorStr: alarm image shown, panel 1 = place + ":" + text.
void DispCtStatus();

} // namespace ErrorList
