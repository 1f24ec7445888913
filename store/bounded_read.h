#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// A file read whole, but only a regular file (symbolic links are followed) of
// at most `limit` bytes. A FIFO never blocks the open, and a device, an
// endless or a huge file never fills the memory: each is refused with a reason.
struct BoundedRead
{
    QByteArray bytes;
    QString error;  // why the file was not read; empty when it was
};
BoundedRead ReadRegularFile(const QString &path, qint64 limit);

// Opens `file` read-only on `path` when it names a regular file, without
// waiting on a FIFO. Returns why it did not: `notRegular` for anything but a
// regular file, else the system's reason; empty when the file is open.
QString OpenRegularFile(QFile &file, const QString &path, const QString &notRegular);
