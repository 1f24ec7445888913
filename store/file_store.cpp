#include "file_store.h"

#include "settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

constexpr char kDirectoryName[] = "woclc1k";

}  // namespace

FileStore::FileStore(QString directory) : m_directory(std::move(directory)) {}

QString FileStore::defaultDirectory()
{
#ifdef Q_OS_WIN
    // A path without a drive: the root of the drive of the working directory.
    const QString drive = QDir::current().absolutePath().section(u'/', 0, 0);
    return drive + u'/' + QLatin1String(kDirectoryName);
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/'
        + QLatin1String(kDirectoryName);
#endif
}

QString FileStore::filePath(const QString &key) const
{
    return m_directory + u'/' + key + QLatin1String(".cck");
}

void FileStore::ensureDirectory()
{
    const QFileInfo entry(m_directory);
    if (entry.exists() && !entry.isDir())
        addError(QStringLiteral("设置目录 %1 被一个同名文件占用")
                     .arg(QDir::toNativeSeparators(m_directory)));
    if (entry.exists())
        return;
    if (!QDir().mkpath(m_directory))
        addError(QStringLiteral("无法创建设置目录 %1").arg(QDir::toNativeSeparators(m_directory)));
}

bool FileStore::contains(const QString &key)
{
    return QFileInfo::exists(filePath(key));
}

std::optional<QString> FileStore::read(const QString &key)
{
    const QString path = filePath(key);
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        addError(QStringLiteral("无法读取设置文件 %1：%2")
                     .arg(QDir::toNativeSeparators(path), file.errorString()));
        return std::nullopt;
    }
    SettingsFileProblem problem;
    std::optional<QString> value = ParseSettingsFile(bytes, &problem);
    if (problem == SettingsFileProblem::Empty)
        addError(QStringLiteral("设置文件 %1 是空的").arg(QDir::toNativeSeparators(path)));
    else if (problem == SettingsFileProblem::NotGb18030)
        addError(QStringLiteral("设置文件 %1 含有无法识别的字符").arg(QDir::toNativeSeparators(path)));
    return value;
}

bool FileStore::write(const QString &key, const QString &value)
{
    const QString path = filePath(key);
    const std::optional<QByteArray> formatted = FormatSettingsFile(value);
    if (!formatted) {
        addError(QStringLiteral("无法保存设置文件 %1：内容含有无法保存的字符")
                     .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    const QByteArray &bytes = *formatted;
    // Unbuffered, so that a short write (a full disk) shows in the count that
    // write() returns: a buffered QSaveFile flushes inside commit(), and Qt 6.4
    // then ignores a failed flush and renames the cut file over the old one.
    // Without commit() the temporary file is discarded and the old one stays.
    QSaveFile file(path);
    QString reason;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = file.errorString();
    } else if (const qint64 written = file.write(bytes); written != bytes.size()) {
        reason = written < 0 ? file.errorString()
                             : QStringLiteral("只写入了%1字节中的%2字节，磁盘可能已满")
                                   .arg(bytes.size())
                                   .arg(written);
    } else if (!file.commit()) {
        reason = file.errorString();
    }
    if (!reason.isEmpty()) {
        addError(QStringLiteral("无法保存设置文件 %1：%2").arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    return true;
}
