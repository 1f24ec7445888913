#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// A program that holds a serial device: by its lock file or an open file.
struct PortHolder
{
    qint64 pid = 0;
    QString program;  // empty when the system does not tell
};

// A lock file that keeps the device from opening though no live program
// holds it: one that is not a regular file (reading a FIFO would stall
// whoever checks it), or a stale one (its process is gone) that another
// user owns, which only that user or root may remove.
struct BlockingLock
{
    QString path;
    QString owner;  // the file's owner, a user name or a number
    bool regularFile = true;
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
    std::optional<BlockingLock> blockingLock;
    ModemManagerFacts modemManager;
};

// Where the system keeps what the facts come from; tests point them elsewhere.
struct SystemTables
{
    QString proc = QStringLiteral("/proc");
    QString udevRule = QStringLiteral("/usr/lib/udev/rules.d/70-alarmcfg.rules");
    // Where serial programs (QSerialPort among them) put their lock files.
    QStringList lockDirectories{
        QStringLiteral("/var/lock"),        QStringLiteral("/run/lock"),        QStringLiteral("/etc/locks"),
        QStringLiteral("/var/spool/locks"), QStringLiteral("/var/spool/uucp"),  QStringLiteral("/tmp"),
        QStringLiteral("/var/tmp"),         QStringLiteral("/var/lock/lockdev")};
};

DeviceAccess ProbeDeviceAccess(const QString &device, const SystemTables &tables = {});

// The program holding `device`: the live process named in its lock file
// (where serial programs put them, LCK..ttyUSB0), otherwise a process this
// user may look at that has it open.
std::optional<PortHolder> FindPortHolder(const QString &device, const SystemTables &tables = {});

// The lock file of `device` that keeps it from opening, if there is one.
std::optional<BlockingLock> FindBlockingLock(const QString &device, const SystemTables &tables = {});

ModemManagerFacts ProbeModemManager(const SystemTables &tables = {});
