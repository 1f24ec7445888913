#pragma once

#include "port.h"

#include <QSerialPort>

// The real serial line: 9600 baud, 8 data bits, no parity, 1 stop bit, no
// flow control, DTR raised while open, a receive buffer of 1024 bytes. An
// exchange is synchronous, since a write runs without an event loop; what
// arrives through the event loop, while no exchange waits, is dropped.
class SerialPort : public Port
{
public:
    SerialPort();

    // Opens the device by its path (a pseudo-terminal works too). Returns an
    // empty string on success, otherwise the system's reason.
    QString open(const QString &device);
    void close();
    // What messages call the port while no device is opened for it.
    void setDeviceName(const QString &name) { m_device = name; }

    bool isOpen() const override;
    QString deviceName() const override;
    void discardInput() override;
    bool writeAll(const QByteArray &bytes) override;
    qint64 bytesWaiting() override;
    void waitForBytes(int ms) override;
    bool hasFailed() const override;
    QString errorString() const override;
    QSerialPort::SerialPortError error() const { return m_port.error(); }
    // Bytes in the port's receive buffer now, without asking the driver.
    qint64 bufferedBytes() const { return m_port.bytesAvailable(); }

private:
    // Moves what the driver holds into the port's buffer, waiting up to `ms`
    // for the first byte; these bytes are kept for the exchange.
    void pullFromDriver(int ms);
    void forgetHarmlessError();

    QSerialPort m_port;
    QString m_device;
    bool m_exchangeWaits = false;
};
