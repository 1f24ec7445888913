#pragma once

#include "page_values.h"
#include "write_result.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

struct UnitPages;
enum class UnitPage;

// What started a write and where it went.
struct WriteOrigin
{
    int com = 0;     // the COM option, 1 to 4
    QString device;  // the device behind it ("/dev/ttyUSB0"); empty when there is none
    QString source;  // WindowSource(), CommandLineSource() or ProfileSource(file)
};

QString WindowSource();
QString CommandLineSource();
QString ProfileSource(const QString &file);

// One page written to one unit, as the history keeps it. The values hold no
// secret: the four pass phrases and the SMS-rewrite password are masked
// before they ever reach a record.
struct WriteRecord
{
    QDateTime time;  // when the write ended, with its offset from UTC
    QString page;    // "main" or "sensor"
    WriteOrigin origin;
    bool refused = false;
    QList<BlockOutcome> blocks;
    QJsonObject values;  // control name ("Text16", "Check1", "alarmMode") -> value as written
    QStringList defaultSecrets;  // the secrets sent at their published default ("Text7"), never their values

    bool succeeded() const;
    int blocksAnswered() const;
};

// The record of a page write that ended just now.
WriteRecord MainPageRecord(const MainPageValues &values, const WriteResult &result, const WriteOrigin &origin);
WriteRecord SensorPageRecord(const SensorPageValues &values, const WriteResult &result, const WriteOrigin &origin);
// The record of one of a unit's pages.
WriteRecord UnitPageRecord(const UnitPages &pages, UnitPage page, const WriteResult &result, const WriteOrigin &origin);

// A record as one JSON object and back; nothing when the object is no record.
QJsonObject RecordToJson(const WriteRecord &record);
std::optional<WriteRecord> RecordFromJson(const QJsonObject &object);
