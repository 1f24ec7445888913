#include "file_replacement.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace {

constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr int kRandomLetters = 6;

// The file a path names once its symbolic links are followed, as QSaveFile does.
QString FollowedLinks(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

bool NameTaken(const QString &path)
{
    const QFileInfo entry(path);
    return entry.exists() || entry.isSymLink();
}

QString RandomSuffix()
{
    QString suffix(kRandomLetters, u'a');
    for (QChar &letter : suffix)
        letter = QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
    return u'.' + suffix;
}

// A new temporary file beside `target` holding `bytes`, or the reason it could not be made.
struct Staged
{
    QString temporary;
    QString error;
};

Staged Stage(const QString &target, const QByteArray &bytes, std::optional<QFileDevice::Permissions> permissions)
{
    QFile file;
    bool opened = false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        file.setFileName(target + RandomSuffix());
        // NewOnly: never opens a file that is already there, nor follows a link in its place.
        const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered;
        opened = permissions ? file.open(mode, *permissions) : file.open(mode);
        if (opened || !NameTaken(file.fileName()))
            break;  // made, or failed for a reason another name does not cure
    }
    if (!opened)
        return {{}, file.errorString()};
    QString error;
    // Set again once open: the creation's permissions lose what the umask masks.
    if (!file.setPermissions(permissions ? *permissions : QFileInfo(target).permissions())
        && (permissions || QFileInfo::exists(target)))
        error = file.errorString();
    // Unbuffered, so a short write (a full disk) shows in the count that write() returns.
    else if (const qint64 written = file.write(bytes); written != bytes.size())
        error = written < 0 ? file.errorString()
                            : QCoreApplication::translate("FileReplacement", "只写入了%1字节中的%2字节，磁盘可能已满").arg(bytes.size()).arg(written);
#ifdef Q_OS_UNIX
    else if (fsync(file.handle()) != 0)  // the content on the disk before the rename makes it the file
        error = qt_error_string(errno);
#endif
    file.close();
    if (!error.isEmpty()) {
        file.remove();
        return {{}, error};
    }
    return {file.fileName(), {}};
}

std::filesystem::path NativePath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

}  // namespace

std::optional<ReplacementFailure> ReplaceFiles(const QList<FileReplacement> &files,
                                               std::optional<QFileDevice::Permissions> permissions)
{
    QStringList targets;
    for (const FileReplacement &file : files) {
        targets << FollowedLinks(file.path);
        const QFileInfo target(targets.last());
        if (target.exists() && !target.isFile())
            return ReplacementFailure{file.path, QCoreApplication::translate("FileReplacement", "已存在且不是普通文件，不会替换它")};
    }
    QStringList temporaries;
    auto removeTemporaries = [&temporaries] {
        for (const QString &temporary : temporaries)
            QFile::remove(temporary);
    };
    for (qsizetype k = 0; k < files.size(); ++k) {
        const Staged staged = Stage(targets[k], files[k].bytes, permissions);
        if (!staged.error.isEmpty()) {
            removeTemporaries();
            return ReplacementFailure{files[k].path, staged.error};
        }
        temporaries << staged.temporary;
    }
    // A rename replaces the old file in one step: a reader sees the old or the new content.
    for (qsizetype k = 0; k < files.size(); ++k) {
        std::error_code error;
        std::filesystem::rename(NativePath(temporaries[k]), NativePath(targets[k]), error);
        if (error) {
            temporaries = temporaries.mid(k);
            removeTemporaries();
            return ReplacementFailure{files[k].path, QString::fromLocal8Bit(error.message())};
        }
    }
    return std::nullopt;
}

bool IsTemporaryName(const QString &fileName, const QString &suffix)
{
    const QRegularExpression pattern(QStringLiteral("^.+%1\\.[A-Za-z]{%2}$")
                                         .arg(QRegularExpression::escape(suffix))
                                         .arg(kRandomLetters));
    return pattern.match(fileName).hasMatch();
}
