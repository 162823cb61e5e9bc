#pragma once
// The serial port of the controller link, with the few properties the link
// uses: port number, open state, settings string ("9600,N,8,1"), carrier-
// detect time-out, handshaking, output, "read all waiting characters" and the
// count of characters waiting.
//
// Port number n (1 to 9) stands for the n-th serial device the platform
// lists, unless the environment variable REZ4_PORT<n> names a device path
// (e.g. REZ4_PORT1=/dev/ttyUSB0, or a pseudo-terminal /dev/pts/4).
#include <QByteArray>
#include <QObject>
#include <QString>

class QSerialPort;

namespace Platform {

class CommPort : public QObject {
    Q_OBJECT
public:
    enum class Handshake { None, XonXoff, RtsCts };

    explicit CommPort(QObject *parent = nullptr);
    ~CommPort() override;

    // Device path port number n stands for; empty when there is none.
    static QString DeviceFor(int portNo);

    void setCommPort(int n) { m_portNo = n; }

    // Opens the device of the port number; false (with a reason) when it
    // does not exist, is in use or refuses the settings.
    bool open(QString *why = nullptr);
    void close();
    bool isOpen() const;

    // "speed,parity,data bits,stop bits"; false when the text is not
    // understood or the open port refuses it.
    bool setSettings(const QString &settings);
    QString settings() const { return m_settings; }
    bool setHandshaking(Handshake h);

    // Writes the bytes out to the device at once; false when the port is
    // closed or refuses them.
    bool output(const QByteArray &bytes);
    // Characters received and not yet read.
    qint64 inBufferCount() const;
    // Read length: 0 = a read delivers every waiting character.
    void setInputLen(int n) { m_inputLen = n; }
    QByteArray input();

signals:
    void readyRead();
    // The device went away or refused an operation; the port is closed.
    void failed();

private:
    bool applySettings();
    QSerialPort *m_port;
    int m_portNo = 1;
    QString m_settings = QStringLiteral("9600,N,8,1");
    int m_inputLen = 0;
    Handshake m_handshake = Handshake::None;
};

} // namespace Platform
