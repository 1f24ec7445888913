#include "profile.h"

#include "bounded_read.h"
#include "excerpt.h"
#include "file_replacement.h"
#include "page_fields.h"
#include "validation.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <vector>

namespace {

constexpr char kFormat[] = "alarmcfg profile";
// Far more than any profile holds (a few kB); a larger file is refused unread.
constexpr qint64 kProfileLimit = 4 * 1024 * 1024;
constexpr char kNoAlarmMode[] = "none";

QString Key(const char *name)
{
    return QString::fromLatin1(name);
}

// The field's place as messages name it: "main.passPhrases.arm", "sensors[3].text".
QString PathOf(Page page, const ProfileName &name)
{
    if (page == Page::Sensor)
        return QStringLiteral("sensors[%1].%2").arg(name.index).arg(Key(name.name));
    QString path = QStringLiteral("main.");
    if (name.group)
        path += Key(name.group) + u'.';
    path += Key(name.name);
    if (name.index >= 0)
        path += QStringLiteral("[%1]").arg(name.index);
    return path;
}

QJsonValue ValueAt(const QJsonObject &root, Page page, const ProfileName &name)
{
    if (page == Page::Sensor)
        return root.value(QStringLiteral("sensors")).toArray().at(name.index).toObject().value(Key(name.name));
    QJsonObject holder = root.value(QStringLiteral("main")).toObject();
    if (name.group)
        holder = holder.value(Key(name.group)).toObject();
    const QJsonValue value = holder.value(Key(name.name));
    return name.index >= 0 ? value.toArray().at(name.index) : value;
}

QJsonArray WithElement(QJsonArray array, int index, const QJsonValue &value)
{
    while (array.size() <= index)
        array.append(QJsonValue::Null);
    array[index] = value;
    return array;
}

void SetAt(QJsonObject &root, Page page, const ProfileName &name, const QJsonValue &value)
{
    if (page == Page::Sensor) {
        const QJsonArray sensors = root.value(QStringLiteral("sensors")).toArray();
        QJsonObject sensor = sensors.at(name.index).toObject();
        sensor[Key(name.name)] = value;
        root[QStringLiteral("sensors")] = WithElement(sensors, name.index, sensor);
        return;
    }
    QJsonObject main = root.value(QStringLiteral("main")).toObject();
    QJsonObject holder = name.group ? main.value(Key(name.group)).toObject() : main;
    holder[Key(name.name)] =
        name.index >= 0 ? WithElement(holder.value(Key(name.name)).toArray(), name.index, value) : value;
    if (name.group)
        main[Key(name.group)] = holder;
    else
        main = holder;
    root[QStringLiteral("main")] = main;
}

bool InProfile(const Field &field)
{
    return field.profile.name != nullptr;
}

// The alarm-mode options, whose group is one value in a profile.
std::vector<const Field *> AlarmModeOptions()
{
    std::vector<const Field *> options;
    for (const Field &field : MainPageFields())
        if (field.type == FieldType::Option && InProfile(field))
            options.push_back(&field);
    return options;
}

QString AlarmModeName(AlarmMode mode)
{
    for (const Field *option : AlarmModeOptions())
        if (option->number() == AlarmModeOption(mode))
            return Key(option->profile.optionValue);
    return Key(kNoAlarmMode);
}

class FieldReader
{
public:
    FieldReader(const QJsonObject &root, QStringList &problems) : m_root(root), m_problems(problems) {}

    void problem(Page page, const Field &field, const QString &what)
    {
        m_problems.append(QStringLiteral("%1: %2").arg(PathOf(page, field.profile), what));
    }

    template<typename Values>
    void readTexts(Page page, const FieldTable &table, Values &values)
    {
        for (const Field &field : table) {
            if (!field.isText() || !InProfile(field) || field.isRewritePassword())
                continue;
            const QJsonValue value = ValueAt(m_root, page, field.profile);
            if (value.isUndefined() || value.isNull())
                problem(page, field, QCoreApplication::translate("Profile", "缺少此项"));
            else if (!value.isString())
                problem(page, field, QCoreApplication::translate("Profile", "应为文字"));
            else
                values.text[field.number()] = value.toString();
        }
    }

    // Missing is allowed: a profile carries the password only when asked to.
    bool readPassword(MainPageValues &values)
    {
        const Field &field = RewritePasswordField();
        const QJsonValue password = ValueAt(m_root, Page::Main, field.profile);
        if (!password.isUndefined() && !password.isString())
            problem(Page::Main, field, QCoreApplication::translate("Profile", "应为文字"));
        values.text[field.number()] = password.toString();
        return !password.isUndefined();
    }

    void readAlarmMode(MainPageValues &values)
    {
        const std::vector<const Field *> options = AlarmModeOptions();
        const QString mode = ValueAt(m_root, Page::Main, options.front()->profile).toString();
        QStringList names;
        for (const Field *option : options) {
            names << Key(option->profile.optionValue);
            if (mode == names.last())
                values.alarmMode = AlarmModeOfOption(option->number());
        }
        if (mode == QLatin1String(kNoAlarmMode))
            values.alarmMode = AlarmMode::None;
        else if (!names.contains(mode))
            problem(Page::Main, *options.front(),
                    QCoreApplication::translate("Profile", "应为 %1 或 %2 之一").arg(names.join(QCoreApplication::translate("Profile", "、", "between names")), Key(kNoAlarmMode)));
    }

    void readRingTone(MainPageValues &values)
    {
        for (const Field &field : MainPageFields()) {
            if (field.type != FieldType::CheckBox)
                continue;
            const QJsonValue ringTone = ValueAt(m_root, Page::Main, field.profile);
            if (!ringTone.isBool())
                problem(Page::Main, field, QCoreApplication::translate("Profile", "应为 true 或 false"));
            values.ringTone = ringTone.toBool() ? RingTone::SwitchedOff : RingTone::On;
        }
    }

private:
    const QJsonObject &m_root;
    QStringList &m_problems;
};

void ReadFields(const QJsonObject &root, Profile &profile, QStringList &problems)
{
    FieldReader reader(root, problems);
    reader.readTexts(Page::Main, MainPageFields(), profile.main);
    reader.readTexts(Page::Sensor, SensorPageFields(), profile.sensor);
    profile.hasPassword = reader.readPassword(profile.main);
    reader.readAlarmMode(profile.main);
    reader.readRingTone(profile.main);
}

void Validate(const Profile &profile, QStringList &problems)
{
    for (const ValidationProblem &found : ValidateMainPage(profile.main)) {
        const Field &field = FieldOf(MainPageFields(), found.control);
        if (!field.isRewritePassword() || profile.hasPassword)
            problems.append(QStringLiteral("%1: %2").arg(PathOf(Page::Main, field.profile), found.message));
    }
    for (const ValidationProblem &found : ValidateSensorPage(profile.sensor))
        problems.append(QStringLiteral("%1: %2").arg(
            PathOf(Page::Sensor, FieldOf(SensorPageFields(), found.control).profile), found.message));
}

template<typename Values>
void WriteTexts(QJsonObject &root, Page page, const FieldTable &table, const Values &values, bool includePassword)
{
    for (const Field &field : table)
        if (field.isText() && InProfile(field) && (!field.isRewritePassword() || includePassword))
            SetAt(root, page, field.profile, values.text[field.number()]);
}

}  // namespace

QByteArray ProfileToJson(const Profile &profile, bool includePassword)
{
    QJsonObject root;
    root[QStringLiteral("format")] = QLatin1String(kFormat);
    root[QStringLiteral("version")] = kProfileVersion;
    WriteTexts(root, Page::Main, MainPageFields(), profile.main, includePassword);
    WriteTexts(root, Page::Sensor, SensorPageFields(), profile.sensor, false);
    SetAt(root, Page::Main, AlarmModeOptions().front()->profile, AlarmModeName(profile.main.alarmMode));
    for (const Field &field : MainPageFields())
        if (field.type == FieldType::CheckBox)
            SetAt(root, Page::Main, field.profile, profile.main.ringTone == RingTone::SwitchedOff);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ProfileParse ParseProfile(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, {QCoreApplication::translate("Profile", "不是有效的JSON（第%1个字节：%2）").arg(error.offset).arg(error.errorString())}};
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(kFormat))
        return {std::nullopt, {QCoreApplication::translate("Profile", "format: 不是 alarmcfg 配置文件")}};
    if (root.value(QStringLiteral("version")).toInt(-1) != kProfileVersion)
        return {std::nullopt, {QCoreApplication::translate("Profile", "version: 不支持的版本 %1（支持 %2）")
                                   .arg(Excerpt(root.value(QStringLiteral("version")).toVariant().toString()))
                                   .arg(kProfileVersion)}};

    ProfileParse parse;
    Profile profile;
    ReadFields(root, profile, parse.problems);
    if (parse.problems.isEmpty())
        Validate(profile, parse.problems);
    if (parse.problems.isEmpty())
        parse.profile = profile;
    return parse;
}

ProfileParse ReadProfileFile(const QString &path)
{
    const BoundedRead file = ReadRegularFile(path, kProfileLimit);
    if (!file.error.isEmpty())
        return {std::nullopt, {QCoreApplication::translate("Profile", "%1: 无法读取：%2").arg(path, file.error)}};
    ProfileParse parse = ParseProfile(file.bytes);
    for (QString &problem : parse.problems)
        problem = path + QStringLiteral(": ") + problem;
    return parse;
}

QString WriteProfileFile(const QString &path, const QByteArray &json)
{
    const std::optional<ReplacementFailure> failure = ReplaceFiles({{path, json}}, kOwnerOnly);
    return failure ? failure->reason : QString();
}
