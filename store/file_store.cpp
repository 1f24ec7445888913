#include "file_store.h"

#include "bounded_read.h"
#include "file_replacement.h"
#include "private_folder.h"
#include "settings_file.h"
#include "settings_lock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr char kDirectoryName[] = "woclc1k";
constexpr char kExtension[] = ".cck";
// Long enough for any write of another instance, short enough to wait out.
constexpr int kLockWaitMs = 2000;

QString Native(const QString &path) { return QDir::toNativeSeparators(path); }

#ifdef Q_OS_WIN
// A path without a drive: the root of the drive of the working directory.
QString DriveRootDirectory()
{
    const QString drive = QDir::current().absolutePath().section(u'/', 0, 0);
    return drive + u'/' + QLatin1String(kDirectoryName);
}

// Whether the folder is there or could be made; a folder made to find out is
// removed again, so that reading alone leaves nothing behind.
bool UsableDirectory(const QString &path)
{
    if (QFileInfo(path).isDir())
        return true;
    if (!QDir().mkdir(path))
        return false;
    QDir().rmdir(path);
    return true;
}
#endif

}  // namespace

FileStore::FileStore(QString directory) : m_directory(std::move(directory)) {}

FileStore::FileStore(FileStore &&) noexcept = default;
FileStore::~FileStore() = default;

QString FileStore::defaultDirectory()
{
#ifdef Q_OS_WIN
    if (const QString root = DriveRootDirectory(); UsableDirectory(root))
        return root;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'/'
        + QLatin1String(kDirectoryName);
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/'
        + QLatin1String(kDirectoryName);
#endif
}

QString FileStore::directoryNote()
{
#ifdef Q_OS_WIN
    const QString root = DriveRootDirectory();
    if (const QString directory = defaultDirectory(); directory != root)
        return QCoreApplication::translate("FileStore", "无法在 %1 创建设置目录，设置保存在 %2").arg(Native(root), Native(directory));
#endif
    return {};
}

QString FileStore::filePath(const QString &key) const
{
    return m_directory + u'/' + key + QLatin1String(kExtension);
}

void FileStore::ensureDirectory()
{
    const QFileInfo entry(m_directory);
    if (entry.exists() && !entry.isDir()) {
        addError(QCoreApplication::translate("FileStore", "设置目录 %1 被一个同名文件占用").arg(Native(m_directory)));
        return;
    }
    if (!entry.exists()) {
        if (!QDir().mkpath(entry.absolutePath()) || !MakePrivateFolder(m_directory))
            addError(QCoreApplication::translate("FileStore", "无法创建设置目录 %1").arg(Native(m_directory)));
        return;
    }
    // Another instance may be staging its files right now.
    const HeldStore held(*this);
    if (!held.held())
        return;
    const QDir directory(m_directory);
    // Regular files only: a link or a folder of that name is nothing a write left.
    for (const QString &name : directory.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks))
        if (IsTemporaryName(name, QLatin1String(kExtension)))
            QFile::remove(directory.filePath(name));
}

bool FileStore::contains(const QString &key)
{
    return QFileInfo::exists(filePath(key));
}

std::optional<QString> FileStore::read(const QString &key)
{
    const QString path = filePath(key);
    const BoundedRead file = ReadRegularFile(path, kSettingsFileLimit);
    if (!file.error.isEmpty()) {
        addError(QCoreApplication::translate("FileStore", "无法读取设置文件 %1：%2").arg(Native(path), file.error));
        return std::nullopt;
    }
    SettingsFileProblem problem;
    std::optional<QString> value = ParseSettingsFile(file.bytes, &problem);
    if (problem == SettingsFileProblem::Empty)
        addError(QCoreApplication::translate("FileStore", "设置文件 %1 是空的").arg(Native(path)));
    else if (problem == SettingsFileProblem::NotGb18030)
        addError(QCoreApplication::translate("FileStore", "设置文件 %1 含有无法识别的字符").arg(Native(path)));
    return value;
}

bool FileStore::write(const QString &key, const QString &value)
{
    return writeAll({{key, value}});
}

bool FileStore::writeAll(const StoredValues &values)
{
    auto report = [this, &values](const QString &path, const QString &reason) {
        addError(QCoreApplication::translate("FileStore", "无法保存设置文件 %1：%2").arg(Native(path), reason));
        if (values.size() > 1)
            addError(QCoreApplication::translate("FileStore", "这%1个设置文件都没有保存，原有的设置保持不变").arg(values.size()));
        return false;
    };
    const HeldStore held(*this);
    if (!held.held())
        return false;  // hold() said why; nothing was stored
    QList<FileReplacement> files;
    for (const auto &[key, value] : values) {
        const std::optional<QByteArray> bytes = FormatSettingsFile(value);
        if (!bytes)
            return report(filePath(key), QCoreApplication::translate("FileStore", "内容含有无法保存的字符"));
        files.append({filePath(key), *bytes});
    }
    if (const std::optional<ReplacementFailure> failure = ReplaceFiles(files, kOwnerOnly))
        return report(failure->path, failure->reason);
    return true;
}

bool FileStore::hold()
{
    if (m_holds == 0) {
        auto lock = std::make_unique<SettingsLock>(m_directory, kLockWaitMs);
        if (lock->state() == SettingsLock::State::Busy) {
            addError(QCoreApplication::translate("FileStore", "设置正由另一个 alarmcfg 窗口或命令使用，请稍后再试"));
            return false;
        }
        m_lock = std::move(lock);
    }
    ++m_holds;
    return true;
}

void FileStore::release()
{
    if (--m_holds == 0)
        m_lock.reset();
}
