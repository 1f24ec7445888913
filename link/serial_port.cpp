#include "serial_port.h"

namespace {

// Time a block may take to leave the transmit buffer: a 273-byte block needs
// about 0.3 s on the line.
constexpr int kWriteTimeoutMs = 2000;

// The line's receive buffer; what the device sends beyond it waits in the driver.
constexpr qint64 kReceiveBufferBytes = 1024;

}  // namespace

SerialPort::SerialPort()
{
    // Bytes that come through the event loop arrive while no exchange waits
    // for them: they are dropped at once, so that a device talking between
    // writes (a unit starting up, a wrong device) neither fills the buffer,
    // which would stop the port reading, nor holds up its own line.
    QObject::connect(&m_port, &QSerialPort::readyRead, &m_port, [this] {
        if (!m_exchangeWaits)
            m_port.readAll();
    });
}

QString SerialPort::open(const QString &device)
{
    close();
    m_device = device;
    m_port.setPortName(device);
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setReadBufferSize(kReceiveBufferBytes);
    if (!m_port.open(QIODevice::ReadWrite))
        return m_port.errorString();
    // A pseudo-terminal or an adapter without modem lines cannot raise DTR;
    // the line works all the same.
    m_port.setDataTerminalReady(true);
    forgetHarmlessError();
    return {};
}

void SerialPort::close()
{
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
}

bool SerialPort::isOpen() const
{
    return m_port.isOpen();
}

QString SerialPort::deviceName() const
{
    return m_device;
}

void SerialPort::discardInput()
{
    // Clearing drops the driver's bytes too, those held back behind a full
    // buffer among them; reading all restarts the reading a full buffer stopped.
    pullFromDriver(0);
    m_port.clear(QSerialPort::Input);
    m_port.readAll();
    forgetHarmlessError();
}

bool SerialPort::writeAll(const QByteArray &bytes)
{
    if (m_port.write(bytes) != bytes.size())
        return false;
    while (m_port.bytesToWrite() > 0) {
        if (!m_port.waitForBytesWritten(kWriteTimeoutMs))
            return false;
    }
    return !hasFailed();
}

qint64 SerialPort::bytesWaiting()
{
    pullFromDriver(0);
    return m_port.bytesAvailable();
}

void SerialPort::waitForBytes(int ms)
{
    pullFromDriver(ms);
}

bool SerialPort::hasFailed() const
{
    return m_port.error() != QSerialPort::NoError;
}

QString SerialPort::errorString() const
{
    return m_port.errorString();
}

void SerialPort::pullFromDriver(int ms)
{
    m_exchangeWaits = true;
    m_port.waitForReadyRead(ms);
    m_exchangeWaits = false;
    forgetHarmlessError();
}

void SerialPort::forgetHarmlessError()
{
    // A wait that ends without data, and DTR on a line without modem lines,
    // are not failures of the line.
    const QSerialPort::SerialPortError error = m_port.error();
    if (error == QSerialPort::TimeoutError || error == QSerialPort::UnsupportedOperationError)
        m_port.clearError();
}
