#include "settings_lock.h"

#include <QDeadlineTimer>
#include <QThread>

#ifdef Q_OS_UNIX
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#else
#include <QLockFile>
#endif

namespace {

constexpr char kLockFileName[] = "alarmcfg.lock";
constexpr int kRetryMs = 20;

}  // namespace

QString SettingsLock::fileName()
{
    return QLatin1String(kLockFileName);
}

#ifdef Q_OS_UNIX

// flock(): held by the open file, released when it is closed or the process ends.
struct SettingsLock::Handle
{
    explicit Handle(int descriptor) : fd(descriptor) {}
    ~Handle() { ::close(fd); }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    const int fd;
};

SettingsLock::SettingsLock(const QString &directory, int waitMs)
{
    const QByteArray path = QFile::encodeName(directory + u'/' + fileName());
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    auto handle = std::make_unique<Handle>(fd);
    const QDeadlineTimer deadline(waitMs);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return;
        if (deadline.hasExpired()) {
            m_state = State::Busy;
            return;
        }
        QThread::msleep(kRetryMs);
    }
    m_handle = std::move(handle);
    m_state = State::Held;
}

#else

// A lock file that names its process: one left by a process that has ended is taken over.
struct SettingsLock::Handle
{
    explicit Handle(const QString &path) : file(path) {}
    QLockFile file;
};

SettingsLock::SettingsLock(const QString &directory, int waitMs)
{
    auto handle = std::make_unique<Handle>(directory + u'/' + fileName());
    if (handle->file.tryLock(waitMs)) {
        m_handle = std::move(handle);
        m_state = State::Held;
    } else if (handle->file.error() == QLockFile::LockFailedError) {
        m_state = State::Busy;
    }
}

#endif

SettingsLock::~SettingsLock() = default;
