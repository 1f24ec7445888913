#include "device_access.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#ifdef Q_OS_UNIX
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#endif

namespace {

#ifdef Q_OS_UNIX

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
    QFile comm(QStringLiteral("%1/%2/comm").arg(tables.proc, QString::number(pid)));
    if (!comm.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

QString OwnerName(uid_t uid)
{
    if (const passwd *user = ::getpwuid(uid))
        return QString::fromLocal8Bit(user->pw_name);
    return QString::number(uid);
}

// What the lock files of a device tell: the live program named in one, or
// else one that keeps the device from opening.
struct LockFiles
{
    std::optional<PortHolder> holder;
    std::optional<BlockingLock> blocking;
};

// A lock file holds the pid as text; QSerialPort's adds the program's name.
// It is read only when it is a regular file, without following a link and
// without waiting, and only its first bytes: anyone may put a FIFO there.
LockFiles ReadLockFile(const QString &path, const SystemTables &tables)
{
    constexpr qsizetype kLockBytes = 4096;
    LockFiles lock;
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0)
        return lock;
    const BlockingLock blocking{path, OwnerName(status.st_uid), S_ISREG(status.st_mode)};
    if (!blocking.regularFile) {
        lock.blocking = blocking;
        return lock;
    }
    QByteArray text(kLockBytes, '\0');
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return lock;
    const ssize_t size = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) ? ::read(fd, text.data(), kLockBytes) : -1;
    ::close(fd);
    text.truncate(std::max<qsizetype>(size, 0));
    const QList<QByteArray> lines = text.split('\n');
    bool number = false;
    const qint64 pid = lines.value(0).trimmed().toLongLong(&number);
    if (number && ProcessLives(pid)) {
        QString program = ProgramName(pid, tables);
        if (program.isEmpty())
            program = QString::fromLocal8Bit(lines.value(1).trimmed());
        lock.holder = PortHolder{pid, program};
    } else if (status.st_uid != ::geteuid()) {
        lock.blocking = blocking;
    }
    return lock;
}

// The device may be reached through a symbolic link: either name may carry the lock.
LockFiles ScanLockFiles(const QString &device, const SystemTables &tables)
{
    LockFiles found;
    const QString canonical = QFileInfo(device).canonicalFilePath();
    for (const QString &name : {device, canonical}) {
        if (name.isEmpty())
            continue;
        for (const QString &directory : tables.lockDirectories) {
            LockFiles lock = ReadLockFile(directory + u'/' + LockFileName(name), tables);
            if (lock.holder)
                return lock;
            if (!found.blocking)
                found.blocking = lock.blocking;
        }
    }
    return found;
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
        const QString fdDirectory = QStringLiteral("%1/%2/fd").arg(tables.proc, QString::number(pid));
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
    if (std::optional<PortHolder> holder = ScanLockFiles(device, tables).holder)
        return holder;
    const QString canonical = QFileInfo(device).canonicalFilePath();
    if (canonical.isEmpty())
        return std::nullopt;
    return OpeningProcess(canonical, tables);
#else
    Q_UNUSED(device);
    Q_UNUSED(tables);
    return std::nullopt;
#endif
}

std::optional<BlockingLock> FindBlockingLock(const QString &device, const SystemTables &tables)
{
#ifdef Q_OS_UNIX
    const LockFiles locks = ScanLockFiles(device, tables);
    return locks.holder ? std::nullopt : locks.blocking;
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
    if (!access.holder)
        access.blockingLock = FindBlockingLock(device, tables);
#else
    Q_UNUSED(device);
    Q_UNUSED(tables);
#endif
    return access;
}
