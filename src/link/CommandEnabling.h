#pragma once
// Switching the commands of every open window off around a long operation
// and on again afterwards. Each window has its own disable / enable
// procedures; the walk reaches them by the window's name and the procedure's
// name, so it needs no window's type.
namespace Module1 {

// Every loaded window's disable / enable procedure(s). A window without the
// procedure its name calls for is passed over; the walk always finishes.
void AllForm_CMDBTN_Muko();
void AllForm_CMDBTN_Yuko();
// ProgCMDBTN_Muko of every program window.
void ProgForm_CMDBTN_Muko();

// Tabs 1 and 2 of the position window's command tabs: off when offline is
// true. The position window is created when it does not exist yet.
void SetPosiTabEnabled(bool offline);

// Asks before going offline (string 432): 0 = go on, 1 = declined. No
// question while already offline.
int fChangeToOffline();

// What a busy bracket switches besides every window's commands.
struct BusyParts {
    bool busyFlag = true;   // BusyFlag set for the bracket's time
    bool progForms = false; // the program windows' buttons off too (the position read)
    bool posiTabs = true;   // the position tabs by the link state, at both ends
    bool menus = true;      // the main window's menus by the mode, at the end
};
// Every window's commands off and on again, nothing else: the short commands
// of the main window.
inline constexpr BusyParts kCommandsOnly{false, false, false, false};

// The busy bracket of a long operation: BusyFlag set, every window's
// commands off, the position tabs by the link state; on every way out (a
// return, a failure, an exception) the commands on again, tabs and menus by
// the state the operation left, BusyFlag cleared. BusyParts leaves out what
// an operation does not switch.
class BusyScope {
public:
    // progFormsToo: the program windows' buttons too (the position read).
    explicit BusyScope(bool progFormsToo = false);
    explicit BusyScope(const BusyParts &parts);
    ~BusyScope();
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    BusyParts m_parts;
};

} // namespace Module1
