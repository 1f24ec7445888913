#pragma once

#include "in_process_devices.h"
#include "port.h"

#include <QByteArray>
#include <QString>

// The real serial line on Windows, on the Win32 serial API ("\\.\COM7"):
// 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control, DTR raised
// while open. Reads never block: the exchange polls for bytes. A device added
// with AddInProcessDevice is answered inside the program instead.
class SerialPort : public Port
{
public:
    SerialPort() = default;
    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;
    ~SerialPort() override;

    // Opens the device by its name ("COM7"). Returns an empty string on
    // success, otherwise the reason and what to do about it.
    QString open(const QString &device);
    void close();
    // What messages call the port while no device is opened for it.
    void setDeviceName(const QString &name) { m_device = name; }
    // The last open was refused: another program holds the port.
    bool openRefused() const { return m_refused; }

    bool isOpen() const override;
    QString deviceName() const override;
    void discardInput() override;
    bool writeAll(const QByteArray &bytes) override;
    qint64 bytesWaiting() override;
    void waitForBytes(int ms) override;
    bool hasFailed() const override;
    QString errorString() const override;

private:
    // Moves what the driver holds into m_received; false when the driver failed.
    bool pullFromDriver();
    void fail(unsigned long systemError);

    void *m_handle = nullptr;  // INVALID_HANDLE_VALUE-free: null while closed
    DeviceResponder m_inProcess;
    QString m_device;
    QByteArray m_received;
    QString m_error;
    bool m_refused = false;
};
