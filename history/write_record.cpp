#include "write_record.h"

#include "default_secrets.h"
#include "page_fields.h"
#include "unit_write.h"

#include <QJsonArray>

namespace {

// A pass phrase or the password: as many dots as it has characters.
QString Masked(const QString &secret)
{
    return QString(secret.size(), QChar(0x2022));
}

QString AlarmModeName(AlarmMode mode)
{
    const int option = AlarmModeOption(mode);
    return option == 0 ? QStringLiteral("none") : QStringLiteral("Option%1").arg(option);
}

WriteRecord Record(const QString &page, const WriteResult &result, const WriteOrigin &origin, QJsonObject values)
{
    const QDateTime now = QDateTime::currentDateTime();
    return {now.toOffsetFromUtc(now.offsetFromUtc()), page, origin, result.refused, result.blocks, std::move(values), {}};
}

}  // namespace

QString WindowSource()
{
    return QStringLiteral("window");
}

QString CommandLineSource()
{
    return QStringLiteral("command line");
}

QString ProfileSource(const QString &file)
{
    return QStringLiteral("profile ") + file;
}

bool WriteRecord::succeeded() const
{
    return !refused && blocksAnswered() == blocks.size();
}

int WriteRecord::blocksAnswered() const
{
    return CountAnswered(blocks);
}

WriteRecord MainPageRecord(const MainPageValues &values, const WriteResult &result, const WriteOrigin &origin)
{
    QJsonObject recorded;
    for (const Field &field : MainPageFields()) {
        if (!field.isText())
            continue;
        const QString &text = values.text[field.number()];
        recorded.insert(field.controlName(), field.isSecret() ? Masked(text) : text);
    }
    recorded.insert(QStringLiteral("alarmMode"), AlarmModeName(values.alarmMode));
    recorded.insert(QStringLiteral("Check1"), int(values.ringTone));
    WriteRecord record = Record(QStringLiteral("main"), result, origin, recorded);
    if (!result.blocks.isEmpty()) {
        for (const Field *secret : SecretsAtDefault(values))
            record.defaultSecrets << secret->controlName();
    }
    return record;
}

WriteRecord SensorPageRecord(const SensorPageValues &values, const WriteResult &result, const WriteOrigin &origin)
{
    QJsonObject recorded;
    for (const Field &field : SensorPageFields())
        recorded.insert(field.controlName(), values.text[field.number()]);
    return Record(QStringLiteral("sensor"), result, origin, recorded);
}

WriteRecord UnitPageRecord(const UnitPages &pages, UnitPage page, const WriteResult &result, const WriteOrigin &origin)
{
    return page == UnitPage::Main ? MainPageRecord(pages.main, result, origin)
                                  : SensorPageRecord(pages.sensor, result, origin);
}

QJsonObject RecordToJson(const WriteRecord &record)
{
    QJsonArray blocks;
    for (const BlockOutcome &block : record.blocks)
        blocks.append(QJsonObject{{QStringLiteral("tag"), QString::fromLatin1(block.tag)},
                                  {QStringLiteral("answered"), block.answered}});
    QJsonObject object{
        {QStringLiteral("time"), record.time.toString(Qt::ISODate)},
        {QStringLiteral("page"), record.page},
        {QStringLiteral("com"), record.origin.com},
        {QStringLiteral("device"), record.origin.device},
        {QStringLiteral("source"), record.origin.source},
        {QStringLiteral("refused"), record.refused},
        {QStringLiteral("blocks"), blocks},
        {QStringLiteral("values"), record.values},
    };
    if (!record.defaultSecrets.isEmpty())
        object.insert(QStringLiteral("defaultSecrets"), QJsonArray::fromStringList(record.defaultSecrets));
    return object;
}

std::optional<WriteRecord> RecordFromJson(const QJsonObject &object)
{
    const auto value = [&object](const char *key) { return object.value(QLatin1String(key)); };
    WriteRecord record;
    record.time = QDateTime::fromString(value("time").toString(), Qt::ISODate);
    record.page = value("page").toString();
    record.origin = {value("com").toInt(), value("device").toString(), value("source").toString()};
    record.refused = value("refused").toBool();
    record.values = value("values").toObject();
    for (const QJsonValue &secret : value("defaultSecrets").toArray())
        record.defaultSecrets << secret.toString();
    const bool wellFormed = record.time.isValid() && !record.page.isEmpty() && value("com").isDouble()
        && value("device").isString() && value("source").isString() && value("refused").isBool()
        && value("blocks").isArray() && value("values").isObject();
    if (!wellFormed)
        return std::nullopt;
    for (const QJsonValue &entry : value("blocks").toArray()) {
        const QJsonObject block = entry.toObject();
        const QJsonValue tag = block.value(QLatin1String("tag"));
        const QJsonValue answered = block.value(QLatin1String("answered"));
        if (!tag.isString() || !answered.isBool())
            return std::nullopt;
        record.blocks.append({tag.toString().toLatin1(), answered.toBool()});
    }
    return record;
}
