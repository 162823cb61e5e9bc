#pragma once
// Application-wide state shared by every window and module: language,
// online/offline, controller mode, busy flags, the dialogs' shared results.
// One instance for the run; tests reset it with ResetAppState().
#include <QString>
#include <array>
#include <cstdint>

struct AppState {
    // Settings read at start-up.
    int Language = 1;        // 1 = Japanese, anything else English
    int LangOffset = 0;      // 0 or 10000
    int PortNo = 1;
    bool PortOccupy = true;
    bool MmRoundUp = true;
    bool DispMmUnit = true;
    int BaudIndex = 0;       // 0 = 9600, 1 = 19200, 2 = 38400
    bool LanguageChange = false;

    // Link and controller.
    bool OfflineFlag = true;
    bool PrgModeFlag = false;   // true = program mode, false = positioner mode
    int AxisCount = 4;
    int AxisBitMask = 0;
    std::array<bool, 4> AxisNotUsed{false, false, false, false};
    bool HomeDoneFlag = false;

    // Busy discipline.
    bool BusyFlag = false;
    bool FileBusy = false;
    // True while the main window unloads every window at shut-down: a
    // close then comes from the program, not from a window's close box.
    bool UnloadingAll = false;
    bool ComCancelFlag = false;
    bool TeachModeFlag = false;
    // The running transfer offers the cancel button with its progress bar.
    bool ProgressBarOn = false;

    // Start-up.
    bool SplashDone = false;

    // Results of the shared dialogs.
    int PosiNoStart = 1;
    int PosiNoEnd = 999;
    int DispNoStart = 1;
    int DispNoEnd = 999;
    bool SelectCancelFlag = false;
    int SelProgNo = 1;
    bool ProgNoCancel = false;
    QString DataFileName;

    // The in-cell editors of the position and program grids: the cell's
    // text when an edit started (put back on Esc or a refused value) and the
    // last key pressed in the editor (0 once the edit has ended).
    QString GridEditOldText;
    int GridEditKey = 0;
    // The last copy of the position or program window put rows of its own
    // kind on the clipboard; the program window offers paste only then.
    bool ClipCopyFlag = false;

    // Inching settings of the move test, one copy per step (100, 10, 1 pulses).
    std::array<int, 3> VelOf100Pls{20, 20, 20};
    std::array<int, 3> AccOf100Pls{3, 3, 3};
    std::array<int, 3> AccOf100Pls2{3, 3, 3};

    // Window open flags of the modeless windows.
    bool ParaWinOpen = false;
    bool GrpWinOpen = false;
    bool SmWinOpen = false;
    bool ShowParaWinReq = false;
};

AppState &App();
void ResetAppState();
