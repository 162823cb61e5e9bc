#include "platform/CommPort.h"

#include <QSerialPort>
#include <QSerialPortInfo>
#include <QStringList>

namespace Platform {

CommPort::CommPort(QObject *parent) : QObject(parent), m_port(new QSerialPort(this))
{
    connect(m_port, &QSerialPort::readyRead, this, &CommPort::readyRead);
    connect(m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        // A vanished device (cable pulled, pseudo-terminal closed) keeps
        // reporting errors while open: close at once so nothing spins.
        if (e == QSerialPort::ResourceError || e == QSerialPort::ReadError || e == QSerialPort::WriteError) {
            if (m_port->isOpen()) {
                m_port->close();
                emit failed();
            }
        }
    });
}

CommPort::~CommPort() = default;

QString CommPort::DeviceFor(int portNo)
{
    const QByteArray over = qgetenv(QByteArray("REZ4_PORT") + QByteArray::number(portNo));
    if (!over.isEmpty())
        return QString::fromLocal8Bit(over);
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    if (portNo >= 1 && portNo <= ports.size())
        return ports.at(portNo - 1).systemLocation();
    return QString();
}

bool CommPort::open(QString *why)
{
    if (m_port->isOpen())
        return true;
    const QString dev = DeviceFor(m_portNo);
    if (dev.isEmpty()) {
        if (why)
            *why = QStringLiteral("no serial device for port %1").arg(m_portNo);
        return false;
    }
    m_port->setPortName(dev);
    if (!m_port->open(QIODevice::ReadWrite)) {
        if (why)
            *why = m_port->errorString();
        m_port->clearError();
        return false;
    }
    if (!applySettings() || !setHandshaking(m_handshake)) {
        if (why)
            *why = m_port->errorString();
        m_port->close();
        return false;
    }
    return true;
}

void CommPort::close()
{
    if (m_port->isOpen())
        m_port->close();
    m_port->clearError();
}

bool CommPort::isOpen() const { return m_port->isOpen(); }

bool CommPort::setSettings(const QString &settings)
{
    const QStringList f = settings.split(QLatin1Char(','));
    bool ok = f.size() == 4;
    int baud = ok ? f[0].trimmed().toInt(&ok) : 0;
    if (!ok || baud <= 0)
        return false;
    const QString parity = f[1].trimmed().toUpper();
    const int bits = f[2].trimmed().toInt();
    const QString stop = f[3].trimmed();
    if (!QStringList{QStringLiteral("N"), QStringLiteral("E"), QStringLiteral("O")}.contains(parity)
        || bits < 5 || bits > 8 || (stop != QLatin1String("1") && stop != QLatin1String("2")))
        return false;
    m_settings = settings;
    return !m_port->isOpen() || applySettings();
}

bool CommPort::applySettings()
{
    const QStringList f = m_settings.split(QLatin1Char(','));
    const QString parity = f[1].trimmed().toUpper();
    return m_port->setBaudRate(f[0].trimmed().toInt())
        && m_port->setDataBits(static_cast<QSerialPort::DataBits>(f[2].trimmed().toInt()))
        && m_port->setParity(parity == QLatin1String("E")   ? QSerialPort::EvenParity
                             : parity == QLatin1String("O") ? QSerialPort::OddParity
                                                            : QSerialPort::NoParity)
        && m_port->setStopBits(f[3].trimmed() == QLatin1String("2") ? QSerialPort::TwoStop : QSerialPort::OneStop);
}

bool CommPort::setHandshaking(Handshake h)
{
    m_handshake = h;
    if (!m_port->isOpen())
        return true;
    return m_port->setFlowControl(h == Handshake::RtsCts    ? QSerialPort::HardwareControl
                                  : h == Handshake::XonXoff ? QSerialPort::SoftwareControl
                                                            : QSerialPort::NoFlowControl);
}

bool CommPort::output(const QByteArray &bytes)
{
    if (!m_port->isOpen())
        return false;
    if (m_port->write(bytes) != bytes.size())
        return false;
    // Out to the device now, not at the event loop's next pass: the request
    // is on the line when this returns.
    m_port->flush();
    return true;
}

qint64 CommPort::inBufferCount() const { return m_port->isOpen() ? m_port->bytesAvailable() : 0; }

QByteArray CommPort::input()
{
    if (!m_port->isOpen())
        return {};
    return m_inputLen > 0 ? m_port->read(m_inputLen) : m_port->readAll();
}

} // namespace Platform
