#pragma once
// The controller's versions: the main unit's version with the model code
// ("0RV"), and each axis unit's version ("0RV1" .. "0RV4"). The main query
// identifies the controller when the application goes online; the
// Controller menu's version command shows them all.
#include <QString>
#include <array>

namespace Comm {

struct VersionState {
    QString CtVersion;   // main unit, 3 characters
    QString CtModelCode; // "S1M" .. "S4M" on the accepted models
    int CtAxisCount = 0;    // the model code's axis digit
    std::array<QString, 4> CtAxisVersion{};
};
VersionState &Versions();
void ResetVersionState();

// True only for "S1M", "S2M", "S3M" and "S4M", exactly.
bool IsAcceptedModel(const QString &modelCode);

// Port, communication mode, then "0RV": 0 = CtVersion, CtModelCode and
// CtAxisCount stored, 1 = failed. The port is left open.
int ReadVersionFromCt();
// The same query: the model code's axis digit, or -1; stores nothing.
int ReadAxisCountFromCt();
// "0RV" + axis number for every axis in use below n (at most four): 0 =
// CtAxisVersion stored, 1 = failed (an axis answering with another unit code
// than "S4R" fails the query; asked for more than four axes, the four are
// queried and the result is 1).
int ReadAxisVersionFromCt(int &n);

// The main query; panel 1 of the status bar shows the version (0) or "No
// version information" (1).
int DispCtVersion();

// The main query, then the axis units': 0 = done (panel 1 shows the
// version), 1 = failed.
int GetVersionNoWithAxes();
// Text of the version box: the main unit, then every axis that was queried
// (axis index below the controller's axis count, at most four, and in use).
QString VersionBoxText(const Comm::VersionState &v, const std::array<bool, 4> &axisNotUsed);
} // namespace Comm
