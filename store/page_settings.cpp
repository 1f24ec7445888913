#include "page_settings.h"

#include "excerpt.h"
#include "settings_keys.h"

#include <QRegularExpression>

namespace {

int ControlNumber(const char *control)
{
    return QString::fromLatin1(control).remove(QRegularExpression(QStringLiteral("^\\D+"))).toInt();
}

QString FirstLine(const QString &text)
{
    for (qsizetype k = 0; k < text.size(); ++k)
        if (text[k] == u'\r' || text[k] == u'\n')
            return text.left(k);
    return text;
}

// The field's value in its stored text: the first line only, unless the field has many.
std::optional<QString> ReadField(Store &store, const SettingsKey &field)
{
    const std::optional<QString> text = store.read(QString::fromLatin1(field.key));
    return text && field.lines == Lines::One ? FirstLine(*text) : text;
}

// The stored value of a field; a missing file is first written with the default.
QString RestoreRaw(Store &store, const SettingsKey &field)
{
    const QString key = QString::fromLatin1(field.key);
    const QString defaultValue = QString::fromUtf8(field.defaultValue);
    if (!store.contains(key)) {
        store.write(key, defaultValue);
        return defaultValue;
    }
    return ReadField(store, field).value_or(defaultValue);
}

std::optional<bool> ToBool(const QString &text)
{
    const QString value = text.trimmed();
    if (value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (value.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    return isNumber ? std::optional<bool>(number != 0) : std::nullopt;
}

std::optional<int> ToCheckState(const QString &text)
{
    bool isNumber = false;
    const int state = text.trimmed().toInt(&isNumber);
    return isNumber && state >= 0 && state <= 2 ? std::optional<int>(state) : std::nullopt;
}

void ReportInvalid(Store &store, const SettingsKey &field, const QString &raw)
{
    store.addError(QStringLiteral("设置文件 %1.cck 的内容“%2”无效，已使用默认值")
                       .arg(QString::fromLatin1(field.key), Excerpt(raw)));
}

bool RestoreBool(Store &store, const SettingsKey &field)
{
    const QString raw = RestoreRaw(store, field);
    if (const std::optional<bool> value = ToBool(raw))
        return *value;
    ReportInvalid(store, field, raw);
    return *ToBool(QString::fromUtf8(field.defaultValue));
}

int RestoreCheckState(Store &store, const SettingsKey &field)
{
    const QString raw = RestoreRaw(store, field);
    if (const std::optional<int> value = ToCheckState(raw))
        return *value;
    ReportInvalid(store, field, raw);
    return *ToCheckState(QString::fromUtf8(field.defaultValue));
}

QString OptionText(bool selected)
{
    return selected ? QStringLiteral("True") : QStringLiteral("False");
}

QString ValueToStore(const SettingsKey &field, const MainPageValues &values)
{
    const int number = ControlNumber(field.control);
    switch (field.kind) {
    case ValueKind::Text:
        return values.text[number];
    case ValueKind::CheckBox:
        return QStringLiteral(" %1 ").arg(values.check1);
    case ValueKind::Option:
        break;
    }
    return OptionText(AlarmModeOption(values.alarmMode) == number);
}

// Rows of the main page's key table that one store point writes, with their values.
StoredValues MainPageRows(const MainPageValues &values, int first, int last)
{
    StoredValues rows;
    for (int row = first; row <= last; ++row) {
        const SettingsKey &field = kMainPageKeys[row];
        rows.append({QString::fromLatin1(field.key), ValueToStore(field, values)});
    }
    return rows;
}

StoredValues PassPhrasesAndNumbers(const MainPageValues &values)
{
    return MainPageRows(values, 4, 13);  // k1, g1, k8, g8, tel1 .. tel6
}

StoredValues AlarmSettings(const MainPageValues &values)
{
    return MainPageRows(values, 15, 30);  // Text16 .. Text28, Option5 .. Option7
}

StoredValues RingTone(const MainPageValues &values)
{
    return MainPageRows(values, 14, 14);  // Check1
}

StoredValues SensorPage(const SensorPageValues &values)
{
    StoredValues rows;
    for (const SettingsKey &field : kSensorPageKeys)
        rows.append({QString::fromLatin1(field.key), values.text[ControlNumber(field.control)]});
    return rows;
}

// A store point stores each file on its own: one that cannot be stored keeps no other from it.
void StoreEach(Store &store, const StoredValues &values)
{
    for (const auto &[key, value] : values)
        store.write(key, value);
}

}  // namespace

int RestoreOption(int selected, int option, bool value)
{
    if (value)
        return option;
    return selected == option ? 0 : selected;
}

int ComOptionAfterRestore(const std::array<bool, 4> &comOptions)
{
    int selected = 1;
    for (int k = 0; k < 4; ++k)
        selected = RestoreOption(selected, k + 1, comOptions[k]);
    return selected;
}

int StoredComChoice(Store &store)
{
    std::array<bool, 4> comOptions{};
    for (int k = 0; k < 4; ++k) {
        const SettingsKey &field = kMainPageKeys[k];
        const QString key = QString::fromLatin1(field.key);
        const QString defaultValue = QString::fromUtf8(field.defaultValue);
        const QString raw = store.contains(key) ? ReadField(store, field).value_or(defaultValue) : defaultValue;
        const std::optional<bool> value = ToBool(raw);
        if (!value)
            ReportInvalid(store, field, raw);
        comOptions[k] = value.value_or(*ToBool(defaultValue));
    }
    return ComOptionAfterRestore(comOptions);
}

MainPageSettings RestoreMainPage(Store &store)
{
    MainPageSettings page;
    page.values.text[MainPageControls::kRewritePassword] = QString::fromUtf8(kDefaultRewritePassword);
    int alarmOption = AlarmModeOption(AlarmMode::SmsAndCall);  // selected before the restore
    for (const SettingsKey &field : kMainPageKeys) {
        const int number = ControlNumber(field.control);
        switch (field.kind) {
        case ValueKind::Text:
            page.values.text[number] = RestoreRaw(store, field);
            break;
        case ValueKind::CheckBox:
            page.values.check1 = RestoreCheckState(store, field);
            break;
        case ValueKind::Option:
            if (number <= 4)
                page.comOptions[number - 1] = RestoreBool(store, field);
            else
                alarmOption = RestoreOption(alarmOption, number, RestoreBool(store, field));
            break;
        }
    }
    page.values.alarmMode = AlarmModeOfOption(alarmOption);
    return page;
}

SensorPageValues RestoreSensorPage(Store &store)
{
    SensorPageValues values;
    for (const SettingsKey &field : kSensorPageKeys)
        values.text[ControlNumber(field.control)] = RestoreRaw(store, field);
    return values;
}

void StorePassPhrasesAndNumbers(Store &store, const MainPageValues &values)
{
    StoreEach(store, PassPhrasesAndNumbers(values));
}

void StoreAlarmSettings(Store &store, const MainPageValues &values)
{
    StoreEach(store, AlarmSettings(values));
}

void StoreRingTone(Store &store, const MainPageValues &values)
{
    StoreEach(store, RingTone(values));
}

void StoreSensorPage(Store &store, const SensorPageValues &values)
{
    StoreEach(store, SensorPage(values));
}

StoredValues BothPagesToStore(const MainPageValues &main, const SensorPageValues &sensor)
{
    return PassPhrasesAndNumbers(main) + AlarmSettings(main) + RingTone(main) + SensorPage(sensor);
}

void StoreComOptions(Store &store, int selectedCom)
{
    for (int k = 1; k <= 4; ++k)
        store.write(QStringLiteral("Option%1").arg(k), OptionText(selectedCom == k));
}
