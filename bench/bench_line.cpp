// Short exchanges at line speed: the group window's write and read and the
// position window's write and read of 999 positions, run through their own
// flows against the simulated controller as a user's controller is met: the
// rez4sim tool in a process of its own, behind a pseudo-terminal, paced at
// 38400 baud. Each figure is the time taken as a ratio to the line's own
// time for the exact frames exchanged (characters x 10 / baud, answers
// included), the median of 5 runs with the spread; beside it the turnaround
// from an answer's going out to the next request's coming in, and how late
// the simulator answered after its paced time (which counts against the
// program in the ratio), both as the simulator's line log tells them; and
// the ratio at the median turnaround, which a busy machine's occasional
// hold-ups do not move.
//
// bench_line [LOG]: LOG gets a copy of the simulator's line log (every
// frame and answer with its time), to compare what was sent between builds.
#include "BenchTiming.h"

#include "core/AppState.h"
#include "grpsm/GrpSmTables.h"
#include "link/Engine.h"
#include "link/ErrorList.h"
#include "link/Indicators.h"
#include "paradata/ParadataState.h"
#include "platform/Dialogs.h"
#include "posi/PosiTables.h"
#include "support/MainScope.h"
#include "support/TestEnv.h"
#include "ui/common/Forms.h"
#include "ui/grpsm/GroupWindow.h"
#include "ui/posi/PosiTransfer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kBaud = 38400;
constexpr int kRuns = 5;

double lineMs(qint64 chars) { return static_cast<double>(chars) * 10 * 1000 / kBaud; }

// The simulator's line log, read as it grows: one event a line,
// "<ns> <R|A> <chars> <text>".
class LineLog {
public:
    struct Event {
        qint64 ns = 0;
        bool request = false;
        int chars = 0;
    };

    bool open(const QString &path)
    {
        m_file.setFileName(path);
        return m_file.open(QIODevice::ReadOnly);
    }
    // The events logged since the last call, once every request among them
    // has its answer (the simulator logs an answer just after sending it).
    std::vector<Event> take()
    {
        std::vector<Event> out;
        int open = 0;
        const QDeadlineTimer limit(5000);
        for (;;) {
            while (m_file.canReadLine() || m_file.bytesAvailable() > 0) {
                m_pending += m_file.readLine();
                if (!m_pending.endsWith('\n'))
                    break;
                const QList<QByteArray> f = m_pending.trimmed().split(' ');
                m_pending.clear();
                if (f.size() < 3)
                    continue;
                const Event e{f[0].toLongLong(), f[1] == "R", f[2].toInt()};
                open += e.request ? 1 : -1;
                out.push_back(e);
            }
            if ((open <= 0 && !out.empty()) || limit.hasExpired())
                return out;
            QThread::msleep(1);
        }
    }

private:
    QFile m_file;
    QByteArray m_pending;
};

struct Run {
    double ms = 0;
    double lineMs = 0;
    double ratio() const { return ms / lineMs; }
};

struct Flow {
    const char *name;
    std::vector<Run> runs;
    std::vector<double> turnarounds; // ms, answer out to next request in
    std::vector<double> late;        // ms, answer after its paced time
};

// Times op; the line time, the turnarounds and the simulator's lateness
// come from the line log of what crossed the line meanwhile.
void timed(LineLog &log, Flow &flow, const std::function<void()> &op)
{
    QElapsedTimer t;
    t.start();
    op();
    Run r;
    r.ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    qint64 chars = 0;
    const LineLog::Event *previous = nullptr;
    const std::vector<LineLog::Event> events = log.take();
    for (const LineLog::Event &e : events) {
        chars += e.chars;
        if (previous && e.request && !previous->request)
            flow.turnarounds.push_back(static_cast<double>(e.ns - previous->ns) / 1e6);
        if (previous && !e.request && previous->request)
            flow.late.push_back(static_cast<double>(e.ns - previous->ns) / 1e6 - lineMs(previous->chars + e.chars));
        previous = &e;
    }
    r.lineMs = lineMs(chars);
    flow.runs.push_back(r);
}

void report(const Flow &f)
{
    std::vector<double> ms, line, ratios;
    for (const Run &r : f.runs) {
        ms.push_back(r.ms);
        line.push_back(r.lineMs);
        ratios.push_back(r.ratio());
    }
    const Bench::Spread ratio = Bench::SpreadOf(ratios);
    const double turnaround = Bench::SpreadOf(f.turnarounds).median;
    const double late = Bench::SpreadOf(f.late).median;
    // The ratio a run would have if every exchange took the median
    // turnaround and lateness: the program's own cost without the hold-ups
    // a busy machine adds now and then (the scheduler, the terminal driver).
    const double runs = static_cast<double>(f.runs.size());
    const double lineTime = Bench::SpreadOf(line).median;
    const double typical = 1 + (static_cast<double>(f.turnarounds.size()) / runs * turnaround
                                + static_cast<double>(f.late.size()) / runs * late) / lineTime;
    std::printf("%-24s %8.1f ms, line %8.1f ms, ratio %.3f (%.3f .. %.3f); turnaround %.3f ms (90th %.3f), "
                "simulator late %.3f ms; at the median turnaround %.3f\n",
                f.name, Bench::SpreadOf(ms).median, lineTime, ratio.median, ratio.lo, ratio.hi, turnaround,
                Bench::Percentile(f.turnarounds, 0.9), late, typical);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestEnv::Scope env;
    namespace Dlg = Platform::Dialogs;

    // The controller: rez4sim beside this program, paced, logging the line.
    const QString logPath = env.path(QStringLiteral("line.log"));
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QCoreApplication::applicationDirPath() + QStringLiteral("/rez4sim"),
              {QStringLiteral("--baud"), QString::number(kBaud), QStringLiteral("--line-log"), logPath});
    if (!sim.waitForStarted() || !sim.waitForReadyRead(10000) || !sim.canReadLine()) {
        std::fprintf(stderr, "rez4sim did not start (is it built beside bench_line?)\n");
        return 1;
    }
    const QByteArray pty = sim.readLine().trimmed();
    qputenv("REZ4_PORT1", pty);
    LineLog log;
    if (!log.open(logPath)) {
        std::fprintf(stderr, "no line log from rez4sim\n");
        return 1;
    }

    App().LangOffset = 10000;
    App().PortNo = 1;
    App().BaudIndex = 2;
    Paradata().ParaSet.ParaSpAxis = 0xF;
    ErrorList::ReadErrorList();
    Indicators::SetOnlineMode();
    Comm::StartLink();

    // The program's main window, shown: it draws the transfers' progress.
    MainScope main;
    main.main.show();
    QCoreApplication::processEvents();
    Flow grpWrite{"group write (99 x 0WG)", {}, {}, {}}, grpRead{"group read (99 x 0RG)", {}, {}, {}};
    Flow posiWrite{"999 positions, write", {}, {}, {}}, posiRead{"999 positions, read", {}, {}, {}};
    bool failed = false;
    for (int i = 0; i < kRuns; ++i) {
        // A fresh window each time, opened from the menu as a user does (it
        // starts from empty groups), given groups of its own to write: the
        // read brings them back.
        main.main.mnuViewGrp->trigger();
        QPointer<GroupWindow> w = qobject_cast<GroupWindow *>(Forms::Find(QStringLiteral("GroupWindow")));
        if (!w) {
            std::fprintf(stderr, "the group window did not open\n");
            return 1;
        }
        auto &t = GrpSm::Tables();
        for (int g = 1; g <= GrpSm::kGroupCount; ++g)
            t.GrpData[g] = {int16_t(g), int16_t(g + 100)};
        t.GrpDataBuf = {};
        Dlg::ClearScript();
        Dlg::QueueAnswer(Platform::MsgAnswer::Yes);
        timed(log, grpWrite, [&] { w->cmdWriteGrp->click(); });
        // Only the question was shown, each time.
        failed = failed || Dlg::ShownTexts().size() != 1;
        Dlg::ClearScript();
        Dlg::QueueAnswer(Platform::MsgAnswer::Ok);
        timed(log, grpRead, [&] { w->cmdReadGrp->click(); });
        failed = failed || Dlg::ShownTexts().size() != 1 || t.GrpDataBuf[99][1] != 199;
        w->cmdCloseGrpWindow->click();
        for (int k = 0; w && k < 500; ++k) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    App().PortOccupy = true;
    App().PosiNoStart = 1;
    App().PosiNoEnd = kPosiMax;
    for (int i = 0; i < kRuns; ++i) {
        int rd = 0, wr = 0;
        timed(log, posiRead, [&] { rd = PosiTransfer::ReadPosidataFromCt(); });
        timed(log, posiWrite, [&] { wr = PosiTransfer::WritePosidataToCt(); });
        failed = failed || rd != 0 || wr != 0;
    }
    Comm::StopLink();
    sim.kill();
    sim.waitForFinished();
    if (failed)
        std::printf("A TRANSFER FAILED: the figures below do not count\n");

    std::printf("rez4sim at %d baud, %d runs each (ratio: median (lowest .. highest)):\n", kBaud, kRuns);
    for (const Flow *f : {&grpWrite, &grpRead, &posiWrite, &posiRead})
        report(*f);
    if (argc > 1) {
        QFile::remove(QString::fromLocal8Bit(argv[1]));
        QFile::copy(logPath, QString::fromLocal8Bit(argv[1]));
    }
    return failed ? 1 : 0;
}
