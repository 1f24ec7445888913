#pragma once

#include "write_record.h"

#include <QList>
#include <QString>

// What a history file holds.
struct HistoryRead
{
    QList<WriteRecord> records;  // oldest first
    int skipped = 0;             // lines that were no record
    QString error;               // why the file was not read; empty when it was, or does not exist
};

// Only the last kHistoryReadLimit bytes of a longer file are read, from its
// first whole line on.
constexpr qint64 kHistoryReadLimit = 4 * 1024 * 1024;

// Reads the records of a history file. A missing file is an empty history;
// anything but a regular file (a FIFO, a device, a folder) is refused without
// waiting on it.
HistoryRead ReadHistory(const QString &path);
