#include "history_reading.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString NotRegular()
{
    return QCoreApplication::translate("History", "not a regular file");
}

// Opens `file` on `path` when it names a regular file; the reason otherwise.
QString OpenRegular(QFile &file, const QString &path)
{
#ifdef Q_OS_UNIX
    // Without O_NONBLOCK the open of a FIFO waits for a writer that never comes.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    struct stat status{};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return NotRegular();
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
#else
    file.setFileName(path);
    if (!QFileInfo(path).isFile())
        return NotRegular();
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
#endif
    return {};
}

// The whole lines of the file's last kHistoryReadLimit bytes.
QString ReadTail(QFile &file, QByteArray &tail)
{
    const qint64 start = std::max<qint64>(0, file.size() - kHistoryReadLimit);
    if (!file.seek(start))
        return file.errorString();
    tail = file.read(kHistoryReadLimit);
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    // Reading began inside a line: the rest of it is no record.
    if (start > 0)
        tail.remove(0, tail.indexOf('\n') + 1);
    return {};
}

}  // namespace

HistoryRead ReadHistory(const QString &path)
{
    HistoryRead history;
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
        return history;
    QFile file;
    QByteArray tail;
    if (QString problem = OpenRegular(file, path); !problem.isEmpty()) {
        history.error = std::move(problem);
        return history;
    }
    if (QString problem = ReadTail(file, tail); !problem.isEmpty()) {
        history.error = std::move(problem);
        return history;
    }
    for (const QByteArray &line : tail.split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        const QJsonDocument document = QJsonDocument::fromJson(line);
        const std::optional<WriteRecord> record = RecordFromJson(document.object());
        if (document.isObject() && record)
            history.records.append(*record);
        else
            ++history.skipped;
    }
    return history;
}
