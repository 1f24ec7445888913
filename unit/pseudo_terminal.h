#pragma once

#include <QString>

// A pseudo-terminal: the unit holds the master side, the tool opens the
// device of the slave side as its serial port. The unit keeps its own slave
// descriptor open as well, so that the device stays usable while the tool
// closes and reopens its port.
class PseudoTerminal
{
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    // Opens a new pseudo-terminal with its slave side raw (no echo, no line
    // editing, no character translation) and its master side non-blocking.
    // Returns false with the system's reason in `error`.
    bool open(QString *error);

    // Closes both sides: the tool's port sees a hang-up, as when the cable is pulled.
    void close();

    // What the tool's port set on the line that the unit cannot talk over:
    // anything but 9600 baud, 8 data bits, no parity, one stop bit and no
    // flow control. Empty when the line is right. On Linux the master side
    // reports the settings the slave side was given, except that a
    // pseudo-terminal always keeps 8 data bits without parity.
    QString lineSettingsProblem() const;

    int masterFd() const { return m_master; }
    const QString &devicePath() const { return m_devicePath; }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_devicePath;
};
