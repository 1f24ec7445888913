#pragma once

#include "write_record.h"

#include <QString>

// The history file: $XDG_STATE_HOME/alarmcfg/history.jsonl, by default
// ~/.local/state/alarmcfg/history.jsonl (the local application-data folder
// on Windows).
QString DefaultHistoryPath();

// Appends records to a history file, one JSON line each. A history that
// cannot be written never stops a write: each append says why it failed, and
// the log remembers whether its failure has been shown to the user.
class HistoryLog
{
public:
    explicit HistoryLog(QString path = DefaultHistoryPath());

    const QString &path() const { return m_path; }

    // Writes the record as one whole line with one write, creating the file
    // (owner read and write only) and its folder (owner only) when missing.
    // Only a regular file takes the line: a symbolic link is not followed.
    // Returns the reason it could not, empty on success.
    QString append(const WriteRecord &record);

private:
    friend QString RecordWrite(HistoryLog &log, const WriteRecord &record);

    QString m_path;
    bool m_failureShown = false;
};

// How every write, from the window or the command line, goes into the
// history. Returns the text to show the user: a message naming the file and
// the reason the first time the log cannot be written, empty otherwise
// (recorded, or the failure was shown before).
QString RecordWrite(HistoryLog &log, const WriteRecord &record);
