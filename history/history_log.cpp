#include "history_log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr char kFolderName[] = "alarmcfg";
constexpr char kFileName[] = "history.jsonl";

QString StateFolder()
{
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
    // XDG base directories: a relative XDG_STATE_HOME is to be ignored.
    const QString configured = qEnvironmentVariable("XDG_STATE_HOME");
    if (QDir::isAbsolutePath(configured))
        return configured;
    return QDir::homePath() + QLatin1String("/.local/state");
#endif
}

// Creates `folder` and every missing folder above it for the owner alone,
// whatever the umask.
QString MakeOwnerOnlyPath(const QString &folder)
{
    const QFileInfo entry(folder);
    if (entry.isDir())
        return {};
    if (entry.exists())
        return QCoreApplication::translate("History", "%1 is not a folder").arg(QDir::toNativeSeparators(folder));
    const QString parent = entry.absolutePath();
    if (parent != entry.absoluteFilePath()) {
        if (const QString problem = MakeOwnerOnlyPath(parent); !problem.isEmpty())
            return problem;
    }
    if (!QDir().mkdir(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)
        && !QFileInfo(folder).isDir())
        return QCoreApplication::translate("History", "cannot create the folder %1").arg(QDir::toNativeSeparators(folder));
    return {};
}

// Appends `line` with one write. Only a regular file is written: a FIFO or a
// device in its place neither blocks the open nor takes the line, and a
// symbolic link is not followed to the file it names.
QString AppendLine(const QString &path, const QByteArray &line)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0)
        return errno == ELOOP ? QCoreApplication::translate("History", "a symbolic link, not a regular file") : qt_error_string(errno);
    struct stat status{};
    QString problem;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        problem = QCoreApplication::translate("History", "not a regular file");
    else if (const ssize_t written = ::write(fd, line.constData(), size_t(line.size())); written != line.size())
        problem = written < 0 ? qt_error_string(errno) : QCoreApplication::translate("History", "the disk took only part of the line");
    if (::close(fd) != 0 && problem.isEmpty())
        problem = qt_error_string(errno);
    return problem;
#else
    QFile file(path);
    if (QFileInfo(path).isSymLink())
        return QCoreApplication::translate("History", "a symbolic link, not a regular file");
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile())
        return QCoreApplication::translate("History", "not a regular file");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return file.errorString();
    if (file.write(line) != line.size())
        return file.errorString();
    return {};
#endif
}

}  // namespace

QString DefaultHistoryPath()
{
    return StateFolder() + u'/' + QLatin1String(kFolderName) + u'/' + QLatin1String(kFileName);
}

HistoryLog::HistoryLog(QString path) : m_path(std::move(path)) {}

QString HistoryLog::append(const WriteRecord &record)
{
    if (const QString problem = MakeOwnerOnlyPath(QFileInfo(m_path).absolutePath()); !problem.isEmpty())
        return problem;
    return AppendLine(m_path, QJsonDocument(RecordToJson(record)).toJson(QJsonDocument::Compact) + '\n');
}

QString RecordWrite(HistoryLog &log, const WriteRecord &record)
{
    const QString problem = log.append(record);
    if (problem.isEmpty() || log.m_failureShown)
        return {};
    log.m_failureShown = true;
    return QCoreApplication::translate("History", "The write history %1 could not be written (%2); the writes go on without it.")
        .arg(QDir::toNativeSeparators(log.path()), problem);
}
