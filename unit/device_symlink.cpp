#include "device_symlink.h"

#include <QFile>
#include <QFileInfo>

DeviceSymlink::~DeviceSymlink()
{
    if (!m_linkPath.isEmpty())
        QFile::remove(m_linkPath);
}

bool DeviceSymlink::create(const QString &linkPath, const QString &target, QString *error)
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
    m_linkPath = linkPath;
    return true;
}
