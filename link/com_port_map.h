#pragma once

#include <QString>
#include <array>

// Which serial device each of the options COM1 to COM4 stands for.
// On Windows COMk is the device "COMk". Elsewhere COMk is the k-th serial
// device the system lists: USB adapters (ttyUSB*, ttyACM*, or any port with a
// USB vendor id) first, then the others, each group in natural name order
// (ttyUSB2 before ttyUSB10). An override (--port COMk=DEVICE) wins.
class ComPortMap
{
public:
    // Looks the system's ports up once.
    static ComPortMap fromSystem();

    void setOverride(int com, const QString &device);
    // Parses "COMk=DEVICE"; false when it is not of that form.
    bool setOverride(const QString &assignment);

    // Device path for option com (1..4); empty when there is none.
    QString device(int com) const;
    // "COM1 → /dev/ttyUSB0 (FT232R USB UART)", for the page and the log.
    QString describe(int com) const;

private:
    struct Entry
    {
        QString device;
        QString description;
    };
    std::array<Entry, 4> m_entries;
};
