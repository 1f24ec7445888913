#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QList>
#include <QString>
#include <optional>

// New contents for files that are replaced together, or not at all.
struct FileReplacement
{
    QString path;  // a symbolic link is followed: the file it names is replaced
    QByteArray bytes;
};

struct ReplacementFailure
{
    QString path;
    QString reason;
};

// Refuses the lot when a target exists and is no regular file (a folder, a
// device, a FIFO): none of them is ever replaced by a regular file. Otherwise
// writes each new content in full to a temporary file beside its target,
// named "<target>.XXXXXX" (six letters, as QSaveFile names its own), and only
// when all are written renames them over their targets. On a failure before
// the renames every temporary file is removed and every target is left as it
// was. `permissions` are set at the creation of the temporary files, so no
// file is ever readable by others for a moment; without them a file keeps the
// permissions of the one it replaces, and a new one gets the usual defaults.
std::optional<ReplacementFailure> ReplaceFiles(const QList<FileReplacement> &files,
                                               std::optional<QFileDevice::Permissions> permissions);

// Owner read and write only, for files that hold pass phrases or the password.
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Whether `fileName` is the name of a temporary file that ReplaceFiles or
// QSaveFile gives a file named "*<suffix>": "k1.cck.AbCdEf" for ".cck". Such a
// file outlives its write only when the program was ended in the middle.
bool IsTemporaryName(const QString &fileName, const QString &suffix);
