#pragma once

#include <QByteArray>
#include <QString>

// The serial line as the block exchange sees it. The real one sits on
// QSerialPort; tests use a scripted fake.
class Port
{
public:
    virtual ~Port() = default;

    virtual bool isOpen() const = 0;
    // Device the port is open on (or was last asked to open), for messages.
    virtual QString deviceName() const = 0;
    // Drops whatever is waiting in the receive buffer.
    virtual void discardInput() = 0;
    // Writes the whole block and returns once it has left the buffer;
    // false when the driver rejected it.
    virtual bool writeAll(const QByteArray &bytes) = 0;
    // Number of received bytes waiting.
    virtual qint64 bytesWaiting() = 0;
    // Blocks for up to `ms` milliseconds, returning early when bytes arrive.
    virtual void waitForBytes(int ms) = 0;
    // True once the port has hit an error (device removed, I/O failure).
    virtual bool hasFailed() const = 0;
    // The port's own description of its last error.
    virtual QString errorString() const = 0;
};
