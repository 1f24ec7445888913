#pragma once

#include <QByteArray>
#include <QString>

// A file read whole, but only a regular file (symbolic links are followed) of
// at most `limit` bytes. A FIFO never blocks the open, and a device, an
// endless or a huge file never fills the memory: each is refused with a reason.
struct BoundedRead
{
    QByteArray bytes;
    QString error;  // why the file was not read; empty when it was
};
BoundedRead ReadRegularFile(const QString &path, qint64 limit);
