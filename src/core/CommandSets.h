#pragma once
// Switching the commands of every open window off around a long operation
// and on again afterwards. A window that has command sets registers itself
// here while it exists (in the order the windows were opened, the main
// window first); the walk calls each one's procedures, so no window can be
// missed by a misspelt name.
namespace CommandSets {

class CommandSet {
public:
    virtual ~CommandSet() = default;
    // The window's disable and enable procedures.
    virtual void CommandsOff() = 0;
    virtual void CommandsOn() = 0;
    // The program windows' buttons, switched off by the position read too.
    virtual void ProgCommandsOff() {}
};

void Register(CommandSet *set);
void Unregister(CommandSet *set);

// Every registered window's disable / enable procedure(s); one window's
// failure does not stop the walk.
void AllOff();
void AllOn();
void ProgOff();

// The names the program's modules call them by.
inline void DisableCommandsOfAllWindows() { CommandSets::AllOff(); }
inline void EnableCommandsOfAllWindows() { CommandSets::AllOn(); }
inline void DisableCommandsOfProgramWindows() { CommandSets::ProgOff(); }

// Tabs 1 and 2 of the position window's command tabs: off when offline is
// true.
void SetPosiTabEnabled(bool offline);

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

} // namespace CommandSets
