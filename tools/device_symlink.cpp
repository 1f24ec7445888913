#include "device_symlink.h"

#include <QFile>
#include <QFileInfo>

DeviceSymlink::~DeviceSymlink()
{
    if (!linkPath_.isEmpty())
        QFile::remove(linkPath_);
}

bool DeviceSymlink::Create(const QString &linkPath, const QString &target, QString *error)
{
    const QFileInfo existing(linkPath);
    if (existing.isSymLink()) {
        QFile::remove(linkPath);
    } else if (existing.exists()) {
        *error = QStringLiteral("%1 exists and is no symbolic link").arg(linkPath);
        return false;
    }
    QFile device(target);
    if (!device.link(linkPath)) {
        *error = QStringLiteral("cannot create %1: %2").arg(linkPath, device.errorString());
        return false;
    }
    linkPath_ = linkPath;
    return true;
}
