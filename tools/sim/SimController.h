#pragma once
#include <QStringList>
// A simulated RE-Z4 controller on a pseudo-terminal, for tests and
// benchmarks. The program under test opens the other end through its real
// serial port (Platform::CommPort): attach() points a port number at it.
// The simulator runs in the test's own thread (a socket notifier on the
// pty), so it answers while the program waits in its event loop.
//
// Every frame the program sends (the text before CR LF) is recorded in
// frames() and answered from a table: command code ("0" + two letters) ->
// handler. A handler reads and changes the model of the controller's state
// and returns the reply text without CR LF (the simulator adds it), or
// nothing to stay silent. A frame whose code has no handler gets
// unknownReply (an error reply, by default).
//
// HOW TO ADD A COMMAND
//   1. Write the handler in your own file, tools/sim/Sim<Area>.cpp:
//          static std::optional<QByteArray> readPosi(SimController &sim, const QByteArray &frame)
//          { ... return "0RP" + frame.mid(3, 3) + data; }
//   2. Register it with an install function in that file, declared in its
//      own header: void InstallPosiCommands(SimController &sim)
//          { sim.addCommand("0RP", readPosi); }
//      Tests call it after constructing the simulator, and SimFull.cpp
//      calls it, so the rez4sim tool serves it too. A command every test
//      needs goes into installBaseCommands() in SimController.cpp instead.
//      addCommand replaces a handler of the same code.
//   3. State the command reads or changes: add fields to SimModel below for
//      your area, or keep it in SimModel::store (free key -> bytes).
//
// FAULTS are switched on per test with addFault(code, fault, times): the
// next `times` frames of that code (any code when empty; -1 = every one)
// are answered wrongly; unsolicited lines and partial lines are sent with
// sendLine / sendRaw; closeLine() hangs the line up.
#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <optional>

class QSocketNotifier;

// What the simulated controller knows. Areas add their own fields.
struct SimModel {
    QByteArray commMode = "0";  // digit of the last "0CM" frame
    bool alarm = false;         // an alarm waits for "0AR"
    int axisMask = 0xF;         // axes present, bit i = axis i + 1
    QHash<QByteArray, QByteArray> store;

    // Identification and system parameter blocks (SimOnline.h); the
    // parameter blocks are SimParaBlocks'.
    QByteArray version = "100";
    QByteArray modelCode = "S4M";
    std::array<QByteArray, 4> axisVersion{"201", "202", "203", "204"};
    std::array<QByteArray, 4> axisUnitCode{"S4R", "S4R", "S4R", "S4R"};
    std::array<QByteArray, 7> sysBlocks{};
};

enum class SimFault {
    Silent,     // no answer at all
    Late,       // the right answer after delayMs
    WrongEcho,  // the answer's command code changed
    OneMore,    // one character too many before CR LF
    OneLess,    // one character too few
    Split,      // the answer in two pieces, delayMs apart
    MergeLines, // the answer and a second line (text, or the answer again) in one write
    ErrorReply, // text (default "0%%104") instead of the answer
    CloseLine,  // the line is hung up instead of answering
};

struct SimFaultRule {
    SimFault kind = SimFault::Silent;
    int delayMs = 20;
    QByteArray text{};
};

class SimController : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<std::optional<QByteArray>(SimController &, const QByteArray &frame)>;

    SimController();
    ~SimController() override;

    bool ok() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }
    // Points port number portNo of the program at this simulator.
    void attach(int portNo = 1) const;

    void addCommand(const QByteArray &code, Handler h);
    QByteArray unknownReply = "0%%001";

    SimModel &model() { return m_model; }

    void addFault(const QByteArray &code, SimFaultRule fault, int times = 1);
    void clearFaults() { m_faults.clear(); }

    // Unsolicited output: a whole line (CR LF added), or bytes as they are.
    void sendLine(const QByteArray &text);
    void sendRaw(const QByteArray &bytes);
    // Hangs the line up: the program's port sees the device vanish.
    void closeLine();

    // Paces every answer as a real line at this speed would (10 bits a
    // character, the frame and its answer both carried): the answer goes out
    // when the line would have carried both since the frame came in. 0 = at
    // once.
    void setLineBaud(int baud) { m_lineBaud = baud; }

    // What crossed the line and when (for timings): each frame as it came
    // in and each answer as it went out, characters counted with CR LF.
    struct LineEvent {
        qint64 ns = 0;        // since the simulator was made
        bool request = false; // from the program
        int chars = 0;
        QByteArray text;      // what was carried, a line's CR LF left off
    };
    const QList<LineEvent> &lineLog() const { return m_lineLog; }
    void clearLineLog() { m_lineLog.clear(); }
    // Told of each event as well, an answer's once it is written (so the
    // telling never delays it); the log in memory is then not kept.
    void setLineEventSink(std::function<void(const LineEvent &)> sink) { m_lineSink = std::move(sink); }

    const QList<QByteArray> &frames() const { return m_frames; }
    // The frames seen that begin with `code`, in order.
    QStringList framesOf(const char *code) const;
    void clearFrames() { m_frames.clear(); }

private:
    void onReadable();
    void handleFrame(const QByteArray &frame);
    void write(const QByteArray &bytes);
    void writeLater(int ms, const QByteArray &bytes);
    void installBaseCommands();

    int m_master = -1;
    int m_slaveHold = -1; // keeps the line up while the program's port is closed
    QString m_slavePath;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_in;
    QList<QByteArray> m_frames;
    std::map<QByteArray, Handler> m_commands;
    struct PendingFault {
        QByteArray code;
        SimFaultRule fault;
        int times;
    };
    QList<PendingFault> m_faults;
    SimModel m_model;
    int m_lineBaud = 0;
    QList<LineEvent> m_lineLog;
    std::function<void(const LineEvent &)> m_lineSink;
    void logLine(const LineEvent &e);
    QElapsedTimer m_clock;
};
