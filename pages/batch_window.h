#pragma once

#include "unit_write.h"

#include <QDialog>
#include <optional>

class HistoryLog;
class MessageSink;
class QLabel;
class QListWidget;
class QPushButton;
class SerialLink;
class WriteView;

// Both pages of the profile at `path`, ready for one unit after another.
// Without a password of its own the profile takes `password`, the one the
// main page holds. A profile that cannot be read, or with a page the unit
// cannot hold, is refused with one message: nothing. So is a run the user
// declines to start with pass phrases or a password at their published
// defaults (asked once for the whole run).
std::optional<UnitPages> BatchPages(const QString &path, const QString &password, MessageSink &messages);

// 文件 → 批量写入…: writes both pages of one profile to one unit after
// another, as `alarmcfg --write all --profile FILE --repeat` does. Each press
// of 写入下一台 opens the port again (the next unit may sit behind a freshly
// plugged adapter) and writes the unit connected now; the window counts the
// units that succeeded and failed and lists each unit's outcome. Every page
// written goes into the history; nothing goes into the settings store.
class BatchWindow : public QDialog
{
    Q_OBJECT

public:
    // `profile` names the profile's file in the history.
    BatchWindow(const UnitPages &pages, const QString &profile, SerialLink &link, MessageSink &messages,
                WriteView &view, HistoryLog &history, QWidget *parent = nullptr);

    int succeeded() const { return m_succeeded; }
    int failed() const { return m_failed; }

    // 写入下一台.
    void writeNextUnit();

protected:
    // Not during a unit's write: its message boxes let a close request through.
    void closeEvent(QCloseEvent *event) override;

private:
    void showCounts();

    UnitPages m_pages;
    QString m_profile;
    SerialLink &m_link;
    MessageSink &m_messages;
    WriteView &m_view;
    HistoryLog &m_history;
    int m_succeeded = 0;
    int m_failed = 0;
    bool m_writing = false;
    QLabel *m_counts;
    QListWidget *m_units;
    QPushButton *m_next;
    QPushButton *m_close;
};
