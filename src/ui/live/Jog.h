#pragma once
// Present position, jog and inching on the teaching tab of the position
// window. A press of a jog button starts a continuous jog ("0JR") or runs
// one inching step ("0MV"); the release of a jog stops it ("0SP"). Once a
// jog start has gone out, a stop always follows, whatever became of the
// start, and at once: a release that overtakes the start's answer stops
// waiting for it, so the stop goes out as soon as the line is free;
// timerJogStop sends a stop that could not go out yet (never giving up),
// and a stop the full queue refuses is queued again. The stop goes out even
// while the application is offline. The waits for rest after a stop, after
// an inching step and after teaching's home return offer Complete Teaching
// as their way out: a controller may report motion for ever.
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>

namespace Jog {

// What the jog reaches of the window.
class Face {
public:
    virtual ~Face() = default;
    // JogCommandsOn / JogCommandsOff.
    virtual void JogButtonsEnabled(bool on) = 0;
    // The focus to txtDummy, so no jog button keeps it.
    virtual void FocusSink() = 0;
    // optJOG: 0 jog, 1 / 2 / 3 inching of 1 / 10 / 100 pulses.
    virtual int Operation() = 0;
    // lblJogVEL (percent).
    virtual QString SpeedText() = 0;
    // lblPosi1..4.
    virtual void ShowPresentPos(int axis, const QString &text) = 0;
    // A link failure during a jog: cmdJOGend off and teaching ended
    // without a command.
    virtual void EndTeachingAfterFailure() = 0;
    // Complete Teaching pressed during a wait for rest, obeyed once the
    // flow that waited is over: cmdJOGend off and teaching ended as the
    // button ends it.
    virtual void CompleteTeaching() = 0;
    // cmdJOGend enabled for a wait for rest (true), then back as it was.
    virtual void OfferTeachingEnd(bool offered) = 0;
};

class JogControl : public QObject {
    Q_OBJECT
public:
    explicit JogControl(Face &face, QObject *parent = nullptr);

    // Reads the present position of the axes in use into PresentPos and the
    // labels: 0 done, 1 failed (labels unchanged).
    int ReadnDisp_PresentPos();

    // The left button's press and release on jog button `index`; a release
    // of another button only gives the buttons back.
    void MouseDown(int index);
    void MouseUp(int index, bool leftButton = true);

    // Teaching starts: presses are accepted; the inching limits.
    void Reset(const std::array<int32_t, 4> &limits);

    // The wait for rest of the jog's stop, of an inching step and of
    // teaching's home return, with Complete Teaching offered meanwhile: 1 at
    // rest, 0 ended by that button while an axis still moved (the user is
    // told by TellNotAtRest), -1 failed.
    int WaitForRest();
    // Complete Teaching pressed: true when a wait for rest takes it (it sets
    // TeachEndPressed); false when no wait runs.
    bool TakeTeachingEnd();
    // Message 570 when a wait ended with an axis still moving; called once
    // the flow's exchanges are over.
    void TellNotAtRest();

    std::array<int32_t, 4> PresentPos{};
    std::array<int32_t, 4> JogLimit{};
    bool JogReady = false;
    bool JogDownIgnored = false;
    bool JogActive = false;
    bool JogModeFlag = true; // the last press was a continuous jog
    bool JogRunning = false; // a jog start answered, its stop not yet
    QString InchingData;
    // The number of the last jog start's request (in flight while it is
    // queued or on the line; it has ended once its result is in, even while
    // the link's message about it is still up).
    int StartId = 0;
    // A jog start went out and no stop request has ended since.
    bool StopOwed = false;
    // The start failed: teaching ends once the stop has been sent.
    bool EndAfterStop = false;
    // Complete Teaching was pressed during a wait for rest; the wait ended on
    // it with an axis still moving.
    bool TeachEndPressed = false;
    bool StoppedMoving = false;

    QTimer *TimerDelay = nullptr;   // 500 ms guard between starts
    QTimer *timerJogStop = nullptr; // 50 ms deferred stop

    // The button pressed and not yet released (-1 = none).
    int Held() const { return m_held; }
    // The button has been released since the last accepted press.
    bool JogMouseUp() const { return m_held < 0; }

private:
    enum class StopResult { Done, Failed, Refused, Stopped };
    // The start's request is queued or on the line.
    bool startInFlight() const;
    StopResult sendStop(int timeoutMs);
    // The owed stop sent, the buttons given back; a refused stop is queued
    // again at the deferred stop's next tick.
    void finishStop(int timeoutMs);
    void timerJogStop_Timer();
    void buttonsBack();
    void endAfterFailure();
    // The end of a press's or a stop's flow: teaching ends after a failure
    // (without a command) or when Complete Teaching was pressed during the
    // wait for rest; then the user is told if the axes had not come to rest.
    void endOfFlow(bool failed);

    Face &m_face;
    int m_held = -1;
    bool m_inPress = false;
    bool m_waitingForRest = false;
};

} // namespace Jog
