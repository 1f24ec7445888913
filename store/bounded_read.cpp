#include "bounded_read.h"

#include <QCoreApplication>
#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace {

QString TooLarge(qint64 limit) { return QCoreApplication::translate("BoundedRead", "文件超过%1字节，不会读取").arg(limit); }

}  // namespace

QString OpenRegularFile(QFile &file, const QString &path, const QString &notRegular)
{
#ifdef Q_OS_UNIX
    // Without O_NONBLOCK the open of a FIFO waits for a writer that never comes.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    struct stat status{};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return notRegular;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
#else
    file.setFileName(path);
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile())
        return notRegular;
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
#endif
    return {};
}

BoundedRead ReadRegularFile(const QString &path, qint64 limit)
{
    QFile file;
    if (const QString refused = OpenRegularFile(file, path, QCoreApplication::translate("BoundedRead", "不是普通文件")); !refused.isEmpty())
        return {{}, refused};
    if (file.size() > limit)
        return {{}, TooLarge(limit)};
    // One byte more than allowed tells a file that grew, or lies about its size, from a full one.
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    if (bytes.size() > limit)
        return {{}, TooLarge(limit)};
    return {bytes, {}};
}
