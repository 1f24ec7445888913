#pragma once

#include "write_record.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One line for people: "2026-12-07 10:31:02  main  COM1 /dev/ttyUSB0  written  command line",
// with the parts that did and did not reach the unit named in the page's
// words (see OutcomeSummary); the outcome in the chosen language, the rest
// as recorded.
// The time is the writer's local time.
QString FormatHistoryLine(const WriteRecord &record);

// The secrets a record says were sent at their published default ("Text7"),
// as the page labels them: "“切断汽车油路”密语, …".
QString DefaultSecretLabels(const QStringList &controls);

// The records as CSV for spreadsheets: a header line, then one row per
// record, every field quoted, the page values as one JSON field. UTF-8 with a
// byte-order mark, so that spreadsheet programs read the Chinese texts. The
// same in every language.
QByteArray HistoryToCsv(const QList<WriteRecord> &records);
