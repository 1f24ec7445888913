#pragma once

#include "write_record.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One line for people: "2026-12-07 10:31:02  main  COM1 /dev/ttyUSB0  6/6 answered  command line",
// with the unanswered blocks named ("5/6 answered, COMSMSA4 not answered"),
// or "refused"; the outcome in the chosen language, the rest as recorded.
// The time is the writer's local time.
QString FormatHistoryLine(const WriteRecord &record);

// The records as CSV for spreadsheets: a header line, then one row per
// record, every field quoted, the page values as one JSON field. UTF-8 with a
// byte-order mark, so that spreadsheet programs read the Chinese texts. The
// same in every language.
QByteArray HistoryToCsv(const QList<WriteRecord> &records);
