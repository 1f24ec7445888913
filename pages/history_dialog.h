#pragma once

#include "write_record.h"

#include <QDialog>
#include <QList>

class MessageSink;
class QLabel;
class QTableWidget;

// 文件 → 写入记录…: the history of writes as a table, newest first (time,
// page, COM and device, source, outcome), with a button that exports it as
// CSV for a spreadsheet.
class HistoryDialog : public QDialog
{
    Q_OBJECT

public:
    // Reads the history file at `path`; problems reading it are told above the table.
    HistoryDialog(const QString &path, MessageSink &messages, QWidget *parent = nullptr);

    // Saves the records shown as CSV at `path`, readable by its owner alone as the
    // history itself. Tells the user and returns false when it cannot.
    bool exportCsv(const QString &path);

private:
    void chooseExport();

    QList<WriteRecord> m_records;  // oldest first
    MessageSink &m_messages;
    QTableWidget *m_table;
};
