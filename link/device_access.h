#pragma once

#include <QString>
#include <optional>

// A program that holds a serial device: by its lock file or an open file.
struct PortHolder
{
    qint64 pid = 0;
    QString program;  // empty when the system does not tell
};

// Whether ModemManager runs, which probes new serial devices with AT
// commands, and whether this program's udev rule keeps it away.
struct ModemManagerFacts
{
    bool runs = false;
    bool ruleInstalled = false;
};

// What the system tells about a serial device and the current user, taken
// without opening the device. On systems without these notions (Windows)
// `known` stays false and nothing else is filled.
struct DeviceAccess
{
    bool known = false;
    bool exists = false;
    bool mayReadWrite = false;       // read and write access for this user
    bool root = false;
    QString group;                   // the device's group
    bool groupMayReadWrite = false;  // its mode gives the group read and write
    bool inGroup = false;            // the user is in that group now
    std::optional<PortHolder> holder;
    ModemManagerFacts modemManager;
};

// Where the system keeps what the facts come from; tests point them elsewhere.
struct SystemTables
{
    QString proc = QStringLiteral("/proc");
    QString udevRule = QStringLiteral("/usr/lib/udev/rules.d/70-alarmcfg.rules");
};

DeviceAccess ProbeDeviceAccess(const QString &device, const SystemTables &tables = {});

// The program holding `device`: the live process named in its lock file
// (where serial programs put them, LCK..ttyUSB0), otherwise a process this
// user may look at that has it open.
std::optional<PortHolder> FindPortHolder(const QString &device, const SystemTables &tables = {});

ModemManagerFacts ProbeModemManager(const SystemTables &tables = {});
