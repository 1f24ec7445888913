#include "device_access.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#ifdef Q_OS_UNIX
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#endif

namespace {

#ifdef Q_OS_UNIX

// Where serial programs (QSerialPort among them) put their lock files.
const QStringList &LockDirectories()
{
    static const QStringList directories{
        QStringLiteral("/var/lock"),       QStringLiteral("/run/lock"),         QStringLiteral("/etc/locks"),
        QStringLiteral("/var/spool/locks"), QStringLiteral("/var/spool/uucp"),  QStringLiteral("/tmp"),
        QStringLiteral("/var/tmp"),        QStringLiteral("/var/lock/lockdev")};
    return directories;
}

// "LCK..ttyUSB0" for /dev/ttyUSB0, "LCK..pts_3" for /dev/pts/3.
QString LockFileName(const QString &device)
{
    QString name = device.startsWith(QLatin1String("/dev/")) ? device.mid(5) : device;
    return QLatin1String("LCK..") + name.replace(u'/', u'_');
}

bool ProcessLives(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

QString ProgramName(qint64 pid, const SystemTables &tables)
{
    QFile comm(QStringLiteral("%1/%2/comm").arg(tables.proc).arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

// A lock file holds the pid as text; QSerialPort's adds the program's name.
std::optional<PortHolder> LockHolder(const QString &device, const SystemTables &tables)
{
    for (const QString &directory : LockDirectories()) {
        QFile lock(directory + u'/' + LockFileName(device));
        if (!lock.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> lines = lock.read(4096).split('\n');
        bool number = false;
        const qint64 pid = lines.value(0).trimmed().toLongLong(&number);
        if (!number || !ProcessLives(pid))
            continue;
        QString program = ProgramName(pid, tables);
        if (program.isEmpty())
            program = QString::fromLocal8Bit(lines.value(1).trimmed());
        return PortHolder{pid, program};
    }
    return std::nullopt;
}

// The processes the process table lists.
QList<qint64> ProcessIds(const SystemTables &tables)
{
    QList<qint64> pids;
    const QStringList entries = QDir(tables.proc).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (number)
            pids.append(pid);
    }
    return pids;
}

std::optional<PortHolder> OpeningProcess(const QString &canonicalDevice, const SystemTables &tables)
{
    for (const qint64 pid : ProcessIds(tables)) {
        const QString fdDirectory = QStringLiteral("%1/%2/fd").arg(tables.proc).arg(pid);
        const QStringList fds = QDir(fdDirectory).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &fd : fds) {
            if (QFile::symLinkTarget(fdDirectory + u'/' + fd) == canonicalDevice)
                return PortHolder{pid, ProgramName(pid, tables)};
        }
    }
    return std::nullopt;
}

bool InGroup(gid_t group)
{
    if (getegid() == group)
        return true;
    const int count = getgroups(0, nullptr);
    std::vector<gid_t> groups(std::max(count, 0));
    if (count <= 0 || getgroups(count, groups.data()) != count)
        return false;
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}

#endif

}  // namespace

std::optional<PortHolder> FindPortHolder(const QString &device, const SystemTables &tables)
{
#ifdef Q_OS_UNIX
    // The device may be reached through a symbolic link: either name may carry the lock.
    const QString canonical = QFileInfo(device).canonicalFilePath();
    for (const QString &name : {device, canonical}) {
        if (!name.isEmpty())
            if (std::optional<PortHolder> holder = LockHolder(name, tables))
                return holder;
    }
    if (canonical.isEmpty())
        return std::nullopt;
    return OpeningProcess(canonical, tables);
#else
    Q_UNUSED(device);
    Q_UNUSED(tables);
    return std::nullopt;
#endif
}

ModemManagerFacts ProbeModemManager(const SystemTables &tables)
{
    ModemManagerFacts facts;
#ifdef Q_OS_UNIX
    const QList<qint64> pids = ProcessIds(tables);
    facts.runs = std::any_of(pids.cbegin(), pids.cend(),
                             [&](qint64 pid) { return ProgramName(pid, tables) == QLatin1String("ModemManager"); });
    facts.ruleInstalled = QFileInfo::exists(tables.udevRule);
#else
    Q_UNUSED(tables);
#endif
    return facts;
}

DeviceAccess ProbeDeviceAccess(const QString &device, const SystemTables &tables)
{
    DeviceAccess access;
#ifdef Q_OS_UNIX
    access.known = true;
    access.root = geteuid() == 0;
    access.modemManager = ProbeModemManager(tables);
    const QByteArray path = QFile::encodeName(device);
    struct stat status {};
    access.exists = ::stat(path.constData(), &status) == 0;
    if (!access.exists)
        return access;
    access.mayReadWrite = ::access(path.constData(), R_OK | W_OK) == 0;
    if (const group *owner = ::getgrgid(status.st_gid))
        access.group = QString::fromLocal8Bit(owner->gr_name);
    access.groupMayReadWrite = (status.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    access.inGroup = InGroup(status.st_gid);
    access.holder = FindPortHolder(device, tables);
#else
    Q_UNUSED(device);
    Q_UNUSED(tables);
#endif
    return access;
}
