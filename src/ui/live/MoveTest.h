#pragma once
// The move test of the position window: list, range and group moves through
// stored positions with dwell, repetition, step mode, stop and pause, and
// the home return. The workers talk to the controller through the link's
// command procedures and wait by running the event loop, so the stop and
// pause buttons (in no disable set) are served during a run. They reach the
// window only through MoveTest::Face.
#include <QString>
#include <array>

namespace MoveTest {

// What the move test keeps between runs.
struct State {
    // 0: the next column of the move list (1..15); 1: the position of the
    // current list step; 3: the next position of the range move; 2 unused.
    std::array<int, 4> MoveWork{1, 0, 0, 1};
    // Requests of the stop and pause buttons, tested after each move and
    // during the dwell.
    bool ListMovePause = false;
    bool ListMoveStop = false;
    bool RangeMovePause = false;
    bool RangeMoveStop = false;
    // The dwell after a move is over.
    bool DwellDoneFlag = true;
    // A stop button was pressed during a run of the tab (a move or the home
    // button: each run starts with it clear); a wait for rest ended on that
    // stop with an axis still moving. The controller may never report rest,
    // so only such a stop ends a wait for rest; the user is told afterwards.
    bool StopPressed = false;
    bool StoppedMoving = false;
    // A move's or the home return's start found an axis still moving and sent
    // nothing; the user is told afterwards.
    bool FoundMoving = false;
};

struct DwellBox {
    bool timerTicked = false;
    QString text;
};

// What the workers read from and show on the move-test tab.
class Face {
public:
    virtual ~Face() = default;
    virtual State &Move() = 0;
    // No list or range move has completed yet.
    virtual bool &MoveFirst() = 0;

    // List move (panel 0).
    virtual QString ListCell(int col) = 0;   // row 1, columns 1..15
    virtual bool ListStepMode() = 0;          // optSelectMode "Step"
    virtual bool ListRepeat() = 0;
    virtual bool ListSkipSm() = 0;            // chkNoSqMcr1
    virtual DwellBox ListDwell() = 0;
    // Start of a list run: the move list off. End: the list, its Timer box
    // and (ticked) its dwell box on.
    virtual void ListRunning(bool running) = 0;

    // Range move (panel 1).
    virtual QString StartText() = 0;          // lblStartPosiNo
    virtual QString EndText() = 0;            // lblEndPosiNo
    virtual bool RangeStepWay() = 0;          // optMoveWay "Step"
    virtual bool RangeRepeat() = 0;
    virtual bool RangeSkipSm() = 0;           // chkNoSqMcr2
    virtual DwellBox RangeDwell() = 0;
    // Start of a range run: its Timer and dwell boxes off.
    virtual void RangeStarting() = 0;

    // Group move (panel 2).
    virtual QString GroupText() = 0;          // lblGrpNo

    // Results: lblReachedNo and imgHomeGreen.
    virtual void ShowReached(const QString &text) = 0;
    virtual void ShowHomeGreen(bool shown) = 0;
    // timerMove armed with this interval and enabled; 0 = disabled.
    virtual void ArmDwellTimer(int ms) = 0;
    // Tabs 0 (data) and 2 (teaching) of the command tabs.
    virtual void DataTeachTabsEnabled(bool enabled) = 0;
    // cmdHome, cmdSelectMove and cmdMove.
    virtual void MoveButtonsEnabled(bool enabled) = 0;
};

enum class Method { List, Range, Group };

// The three start buttons: tabs 0 and 2 and every window's commands off,
// BusyFlag set while the worker runs, then everything on again by the link
// state and the controller mode. A group move in program mode shows message
// 1039 and sends nothing.
void StartMove(Face &f, Method m);

// The workers.
void PrgListMove(Face &f);
void SelectMoveProc(Face &f);
void GrpMoveProc(Face &f);

// The tick of timerMove: the dwell is over (the window disables the timer).
inline void TimerMoveTick(State &s) { s.DwellDoneFlag = true; }

// Every stop button of the tab: during a run it ends the wait for rest
// (the method's own stop request is the window's to set).
inline void StopButton(State &s) { s.StopPressed = true; }

// The home button: locks the tab and the windows around ReturnHomeByButton.
// It has no stop button of its own: the stop button of the shown panel
// ends its wait for rest.
void HomeButton(Face &f);
// The home return of the button ("0MS000" + axis mask), with the
// home-sensor message for an error reply "0%%134" to the rest query.
void ReturnHomeByButton(Face &f);
// The home return of the move tests ("0MP000" + axis mask): 0 done
// (HomeDoneFlag set), -1 failed or stopped while the axes moved
// (s.StoppedMoving tells which).
int ReturnHome(State &s);

} // namespace MoveTest
