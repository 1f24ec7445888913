#include "profile.h"

#include "bounded_read.h"
#include "excerpt.h"
#include "file_replacement.h"
#include "page_settings.h"
#include "validation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <vector>

namespace {

constexpr char kFormat[] = "alarmcfg profile";
// Far more than any profile holds (a few kB); a larger file is refused unread.
constexpr qint64 kProfileLimit = 4 * 1024 * 1024;

enum class Page { Main, Sensor };

// Where each text field sits in the JSON document.
struct TextPath
{
    QString path;
    Page page;
    int control;
};

std::vector<TextPath> TextPaths()
{
    using namespace MainPageControls;
    std::vector<TextPath> paths{
        {QStringLiteral("main.passPhrases.cutFuel"), Page::Main, kFuelCutPhrase},
        {QStringLiteral("main.passPhrases.restoreFuel"), Page::Main, kFuelRestorePhrase},
        {QStringLiteral("main.passPhrases.arm"), Page::Main, kArmPhrase},
        {QStringLiteral("main.passPhrases.disarm"), Page::Main, kDisarmPhrase},
        {QStringLiteral("main.vibrationAlarm.text"), Page::Main, kVibrationAlarmText},
    };
    for (int k = 0; k < 6; ++k) {
        paths.push_back({QStringLiteral("main.authorisedNumbers[%1]").arg(k), Page::Main, kAuthorisedNumbers[k]});
        paths.push_back({QStringLiteral("main.vibrationAlarm.smsRecipients[%1]").arg(k), Page::Main,
                         kAlarmSmsRecipients[k]});
        paths.push_back({QStringLiteral("main.vibrationAlarm.callNumbers[%1]").arg(k), Page::Main,
                         kAlarmCallNumbers[k]});
    }
    for (int k = 0; k < 10; ++k) {
        paths.push_back({QStringLiteral("sensors[%1].text").arg(k), Page::Sensor, 2 * k + 1});
        paths.push_back({QStringLiteral("sensors[%1].number").arg(k), Page::Sensor, 2 * k + 2});
    }
    return paths;
}

const QString kPasswordPath = QStringLiteral("main.rewritePassword");
const QString kAlarmModePath = QStringLiteral("main.alarmMode");
const QString kRingTonePath = QStringLiteral("main.switchOffRingTone");

const std::pair<AlarmMode, const char *> kAlarmModeNames[] = {
    {AlarmMode::SmsOnly, "smsOnly"},
    {AlarmMode::CallOnly, "callOnly"},
    {AlarmMode::SmsAndCall, "smsAndCall"},
    {AlarmMode::None, "none"},
};

// A path such as "sensors[3].text" as keys and array indexes.
struct Step
{
    QString key;
    int index = -1;
};

std::vector<Step> Steps(const QString &path)
{
    static const QRegularExpression step(QStringLiteral("^(\\w+)(?:\\[(\\d+)\\])?$"));
    std::vector<Step> steps;
    for (const QString &part : path.split(u'.')) {
        const QRegularExpressionMatch match = step.match(part);
        steps.push_back({match.captured(1), match.captured(2).isEmpty() ? -1 : match.captured(2).toInt()});
    }
    return steps;
}

QJsonValue ValueAt(const QJsonObject &root, const QString &path)
{
    QJsonValue value = root;
    for (const Step &step : Steps(path)) {
        value = value.toObject().value(step.key);
        if (step.index >= 0)
            value = value.toArray().at(step.index);
    }
    return value;
}

QJsonValue WithValueAt(const QJsonValue &node, const std::vector<Step> &steps, size_t at,
                       const QJsonValue &value);

QJsonValue WithIndexedValue(const QJsonValue &node, int index, const std::vector<Step> &steps,
                            size_t at, const QJsonValue &value)
{
    QJsonArray array = node.toArray();
    while (array.size() <= index)
        array.append(QJsonValue::Null);
    array[index] = WithValueAt(array.at(index), steps, at + 1, value);
    return array;
}

// `node` with `value` put at steps[at..]; objects and arrays are made as needed.
QJsonValue WithValueAt(const QJsonValue &node, const std::vector<Step> &steps, size_t at,
                       const QJsonValue &value)
{
    if (at == steps.size())
        return value;
    QJsonObject object = node.toObject();
    const Step &step = steps[at];
    object[step.key] = step.index < 0 ? WithValueAt(object.value(step.key), steps, at + 1, value)
                                      : WithIndexedValue(object.value(step.key), step.index, steps, at, value);
    return object;
}

void SetAt(QJsonObject &root, const QString &path, const QJsonValue &value)
{
    root = WithValueAt(root, Steps(path), 0, value).toObject();
}

template<typename P>  // Profile or const Profile
auto &TextOf(P &profile, const TextPath &field)
{
    return field.page == Page::Main ? profile.main.text[field.control] : profile.sensor.text[field.control];
}

QString PathOfControl(Page page, const QString &control)
{
    const int number = QString(control).remove(QStringLiteral("Text")).toInt();
    if (page == Page::Main && number == MainPageControls::kRewritePassword)
        return kPasswordPath;
    for (const TextPath &field : TextPaths())
        if (field.page == page && field.control == number)
            return field.path;
    return control;
}

void ReadFields(const QJsonObject &root, Profile &profile, QStringList &problems)
{
    auto problem = [&problems](const QString &path, const QString &what) {
        problems.append(QStringLiteral("%1: %2").arg(path, what));
    };
    for (const TextPath &field : TextPaths()) {
        const QJsonValue value = ValueAt(root, field.path);
        if (value.isUndefined() || value.isNull())
            problem(field.path, QStringLiteral("缺少此项"));
        else if (!value.isString())
            problem(field.path, QStringLiteral("应为文字"));
        else
            TextOf(profile, field) = value.toString();
    }

    const QJsonValue password = ValueAt(root, kPasswordPath);
    profile.hasPassword = !password.isUndefined();
    if (profile.hasPassword && !password.isString())
        problem(kPasswordPath, QStringLiteral("应为文字"));
    profile.main.text[MainPageControls::kRewritePassword] = password.toString();

    const QJsonValue mode = ValueAt(root, kAlarmModePath);
    bool modeKnown = false;
    for (const auto &[alarmMode, name] : kAlarmModeNames)
        if (mode.toString() == QLatin1String(name)) {
            profile.main.alarmMode = alarmMode;
            modeKnown = true;
        }
    if (!modeKnown)
        problem(kAlarmModePath, QStringLiteral("应为 smsOnly、callOnly、smsAndCall 或 none 之一"));

    const QJsonValue ringTone = ValueAt(root, kRingTonePath);
    if (!ringTone.isBool())
        problem(kRingTonePath, QStringLiteral("应为 true 或 false"));
    profile.main.check1 = ringTone.toBool() ? 1 : 0;
}

void Validate(const Profile &profile, QStringList &problems)
{
    for (const ValidationProblem &found : ValidateMainPage(profile.main)) {
        const QString path = PathOfControl(Page::Main, found.control);
        if (path != kPasswordPath || profile.hasPassword)
            problems.append(QStringLiteral("%1: %2").arg(path, found.message));
    }
    for (const ValidationProblem &found : ValidateSensorPage(profile.sensor))
        problems.append(QStringLiteral("%1: %2").arg(PathOfControl(Page::Sensor, found.control), found.message));
}

}  // namespace

QByteArray ProfileToJson(const Profile &profile, bool includePassword)
{
    QJsonObject root;
    root[QStringLiteral("format")] = QLatin1String(kFormat);
    root[QStringLiteral("version")] = kProfileVersion;
    for (const TextPath &field : TextPaths())
        SetAt(root, field.path, TextOf(profile, field));
    if (includePassword)
        SetAt(root, kPasswordPath, profile.main.text[MainPageControls::kRewritePassword]);
    for (const auto &[alarmMode, name] : kAlarmModeNames)
        if (profile.main.alarmMode == alarmMode)
            SetAt(root, kAlarmModePath, QLatin1String(name));
    SetAt(root, kRingTonePath, profile.main.check1 == 1);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ProfileParse ParseProfile(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, {QStringLiteral("不是有效的JSON（第%1个字节：%2）").arg(error.offset).arg(error.errorString())}};
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(kFormat))
        return {std::nullopt, {QStringLiteral("format: 不是 alarmcfg 配置文件")}};
    if (root.value(QStringLiteral("version")).toInt(-1) != kProfileVersion)
        return {std::nullopt, {QStringLiteral("version: 不支持的版本 %1（支持 %2）")
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
        return {std::nullopt, {QStringLiteral("%1: 无法读取：%2").arg(path, file.error)}};
    ProfileParse parse = ParseProfile(file.bytes);
    for (QString &problem : parse.problems)
        problem = path + QStringLiteral(": ") + problem;
    return parse;
}

QString WriteProfileFile(const QString &path, const QByteArray &json, bool secret)
{
    const std::optional<ReplacementFailure> failure =
        ReplaceFiles({{path, json}}, secret ? std::optional(kOwnerOnly) : std::nullopt);
    return failure ? failure->reason : QString();
}

Profile ProfileFromStore(Store &store)
{
    return {RestoreMainPage(store).values, RestoreSensorPage(store), false};
}

void StoreProfile(Store &store, const Profile &profile)
{
    store.writeAll(BothPagesToStore(profile.main, profile.sensor));
}
