#include "sim/SimController.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

SimController::SimController()
{
    m_clock.start();
    int master = -1, slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0)
        return;
    // Raw line both ways: no echo, no CR/LF translation.
    termios t{};
    ::tcgetattr(slave, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(slave, TCSANOW, &t);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    m_master = master;
    m_slaveHold = slave;
    m_slavePath = QString::fromLocal8Bit(name);
    m_notifier = new QSocketNotifier(master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { onReadable(); });
    installBaseCommands();
}

SimController::~SimController()
{
    closeLine();
}

void SimController::attach(int portNo) const
{
    qputenv(QByteArray("REZ4_PORT") + QByteArray::number(portNo), m_slavePath.toLocal8Bit());
}

QStringList SimController::framesOf(const char *code) const
{
    QStringList out;
    for (const QByteArray &f : m_frames)
        if (f.startsWith(code))
            out << QString::fromLatin1(f);
    return out;
}

void SimController::addCommand(const QByteArray &code, Handler h) { m_commands[code] = std::move(h); }

void SimController::addFault(const QByteArray &code, SimFaultRule fault, int times)
{
    m_faults.append(PendingFault{code, fault, times});
}

void SimController::installBaseCommands()
{
    // Communication mode; "0CM0" is also the link's resynchronisation.
    // The whole frame is echoed: "0CM1", or "0CM" + mode + four axis digits.
    addCommand("0CM", [](SimController &sim, const QByteArray &frame) -> std::optional<QByteArray> {
        sim.model().commMode = frame.mid(3, 1);
        return frame;
    });
    // Alarm reset.
    addCommand("0AR", [](SimController &sim, const QByteArray &) -> std::optional<QByteArray> {
        sim.model().alarm = false;
        return QByteArray("0AR");
    });
}

void SimController::sendLine(const QByteArray &text) { write(text + "\r\n"); }
void SimController::sendRaw(const QByteArray &bytes) { write(bytes); }

void SimController::closeLine()
{
    if (m_notifier) {
        m_notifier->setEnabled(false);
        delete m_notifier;
        m_notifier = nullptr;
    }
    if (m_slaveHold >= 0)
        ::close(m_slaveHold);
    if (m_master >= 0)
        ::close(m_master);
    m_slaveHold = m_master = -1;
}

void SimController::write(const QByteArray &bytes)
{
    if (m_master < 0)
        return;
    const LineEvent sent{m_clock.nsecsElapsed(), false, int(bytes.size()),
                         bytes.endsWith("\r\n") ? bytes.chopped(2) : bytes};
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
    }
    logLine(sent);
}

void SimController::logLine(const LineEvent &e)
{
    if (m_lineSink)
        m_lineSink(e);
    else
        m_lineLog.append(e);
}

void SimController::writeLater(int ms, const QByteArray &bytes)
{
    QTimer::singleShot(ms, Qt::PreciseTimer, this, [this, bytes] { write(bytes); });
}

void SimController::onReadable()
{
    char buf[512];
    for (;;) {
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n > 0) {
            m_in.append(buf, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    for (qsizetype end; (end = m_in.indexOf('\n')) >= 0;) {
        QByteArray frame = m_in.left(end);
        m_in.remove(0, end + 1);
        if (frame.endsWith('\r'))
            frame.chop(1);
        handleFrame(frame);
        if (m_master < 0)
            return;
    }
}

void SimController::handleFrame(const QByteArray &frame)
{
    m_frames.append(frame);
    const LineEvent arrived{m_clock.nsecsElapsed(), true, int(frame.size() + 2), frame};
    logLine(arrived);
    const QByteArray code = frame.left(3);
    std::optional<QByteArray> reply;
    const auto it = m_commands.find(code);
    if (it != m_commands.end())
        reply = it->second(*this, frame);
    else
        reply = unknownReply;

    std::optional<SimFaultRule> fault;
    for (qsizetype i = 0; i < m_faults.size(); ++i) {
        PendingFault &f = m_faults[i];
        if (!f.code.isEmpty() && f.code != code)
            continue;
        fault = f.fault;
        if (f.times > 0 && --f.times == 0)
            m_faults.removeAt(i);
        break;
    }
    if (!fault) {
        if (reply && m_lineBaud > 0) {
            // Timed to the microsecond from the frame's arrival: a timer to
            // the last whole millisecond, then the rest waited out, so short
            // frames are not rounded.
            const qint64 chars = frame.size() + 2 + reply->size() + 2;
            const qint64 due = arrived.ns + chars * 10 * 1000000000LL / m_lineBaud;
            const int ms = int(std::max<qint64>(due - m_clock.nsecsElapsed(), 0) / 1000000);
            QTimer::singleShot(ms, Qt::PreciseTimer, this, [this, due, r = *reply] {
                while (m_clock.nsecsElapsed() < due) {
                }
                write(r + "\r\n");
            });
        } else if (reply) {
            write(*reply + "\r\n");
        }
        return;
    }
    const QByteArray r = reply.value_or(QByteArray());
    switch (fault->kind) {
    case SimFault::Silent:
        return;
    case SimFault::Late:
        writeLater(fault->delayMs, r + "\r\n");
        return;
    case SimFault::WrongEcho: {
        QByteArray w = r.isEmpty() ? QByteArray("0ZZ") : r;
        if (w.size() > 1)
            w[1] = w[1] == 'Z' ? 'Y' : 'Z';
        write(w + "\r\n");
        return;
    }
    case SimFault::OneMore:
        write(r + "0\r\n");
        return;
    case SimFault::OneLess:
        write(r.left(r.size() - 1) + "\r\n");
        return;
    case SimFault::Split: {
        const QByteArray all = r + "\r\n";
        const qsizetype half = all.size() / 2;
        write(all.left(half));
        writeLater(fault->delayMs, all.mid(half));
        return;
    }
    case SimFault::MergeLines:
        write(r + "\r\n" + (fault->text.isEmpty() ? r : fault->text) + "\r\n");
        return;
    case SimFault::ErrorReply:
        write((fault->text.isEmpty() ? QByteArray("0%%104") : fault->text) + "\r\n");
        return;
    case SimFault::CloseLine:
        closeLine();
        return;
    }
}
