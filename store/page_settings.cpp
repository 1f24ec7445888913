#include "page_settings.h"

#include "excerpt.h"
#include "page_fields.h"

#include <QCoreApplication>

namespace {

QString FirstLine(const QString &text)
{
    for (qsizetype k = 0; k < text.size(); ++k)
        if (text[k] == u'\r' || text[k] == u'\n')
            return text.left(k);
    return text;
}

// The field's value in its stored text: an option or a check box takes the
// first line. A text comes back whole: a one-line field holding a line break
// is then refused by the write's validation, rather than shown as its first
// line while the store keeps another value.
std::optional<QString> ReadField(Store &store, const Field &field)
{
    const std::optional<QString> text = store.read(field.settingsKey());
    return text && !field.isText() ? FirstLine(*text) : text;
}

// The stored value of a field; a missing file is first written with the default.
QString RestoreRaw(Store &store, const Field &field)
{
    const QString key = field.settingsKey();
    const QString defaultValue = field.defaultText();
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

void ReportInvalid(Store &store, const Field &field, const QString &raw)
{
    store.addError(QCoreApplication::translate("PageSettings", "设置文件 %1.cck 的内容“%2”无效，已使用默认值")
                       .arg(field.settingsKey(), Excerpt(raw)));
}

// An option's stored text as a state; text that is none gives the default, reported.
bool OptionState(Store &store, const Field &field, const QString &raw)
{
    if (const std::optional<bool> value = ToBool(raw))
        return *value;
    ReportInvalid(store, field, raw);
    return *ToBool(field.defaultText());
}

bool RestoreBool(Store &store, const Field &field)
{
    return OptionState(store, field, RestoreRaw(store, field));
}

RingTone RestoreRingTone(Store &store, const Field &field)
{
    const QString raw = RestoreRaw(store, field);
    if (const std::optional<int> value = ToCheckState(raw))
        return RingTone(*value);
    ReportInvalid(store, field, raw);
    return RingTone(*ToCheckState(field.defaultText()));
}

QString OptionText(bool selected)
{
    return selected ? QStringLiteral("True") : QStringLiteral("False");
}

QString ValueToStore(const Field &field, const MainPageValues &values)
{
    switch (field.type) {
    case FieldType::CheckBox:
        return QStringLiteral(" %1 ").arg(int(values.ringTone));
    case FieldType::Option:
        return OptionText(AlarmModeOption(values.alarmMode) == field.number());
    default:
        return values.text[field.number()];
    }
}

QString ValueToStore(const Field &field, const SensorPageValues &values)
{
    return values.text[field.number()];
}

// The files of one store group with their values, in the table's order.
template<typename Values>
StoredValues Group(const FieldTable &table, StoreGroup group, const Values &values)
{
    StoredValues rows;
    for (const Field &field : table)
        if (field.group == group)
            rows.append({field.settingsKey(), ValueToStore(field, values)});
    return rows;
}

StoredValues PassPhrasesAndNumbers(const MainPageValues &values)
{
    return Group(MainPageFields(), StoreGroup::PassPhrasesAndNumbers, values);
}

StoredValues AlarmSettings(const MainPageValues &values)
{
    return Group(MainPageFields(), StoreGroup::AlarmSettings, values);
}

StoredValues RingToneSetting(const MainPageValues &values)
{
    return Group(MainPageFields(), StoreGroup::RingTone, values);
}

StoredValues SensorPage(const SensorPageValues &values)
{
    return Group(SensorPageFields(), StoreGroup::Sensors, values);
}

std::vector<const Field *> ComOptionFields()
{
    std::vector<const Field *> fields;
    for (const Field &field : MainPageFields())
        if (field.group == StoreGroup::ComChoice)
            fields.push_back(&field);
    return fields;
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
    for (const Field *field : ComOptionFields()) {
        const QString defaultValue = field->defaultText();
        const QString raw = store.contains(field->settingsKey()) ? ReadField(store, *field).value_or(defaultValue)
                                                                 : defaultValue;
        comOptions[field->number() - 1] = OptionState(store, *field, raw);
    }
    return ComOptionAfterRestore(comOptions);
}

MainPageSettings RestoreMainPage(Store &store)
{
    MainPageSettings page;
    int alarmOption = AlarmModeOption(AlarmMode::SmsAndCall);  // selected before the restore
    for (const Field &field : MainPageFields()) {
        const int number = field.number();
        if (field.isRewritePassword())
            page.values.text[number] = field.defaultText();  // every start begins with it
        else if (field.type == FieldType::CheckBox)
            page.values.ringTone = RestoreRingTone(store, field);
        else if (field.group == StoreGroup::ComChoice)
            page.comOptions[number - 1] = RestoreBool(store, field);
        else if (field.type == FieldType::Option)
            alarmOption = RestoreOption(alarmOption, number, RestoreBool(store, field));
        else
            page.values.text[number] = RestoreRaw(store, field);
    }
    page.values.alarmMode = AlarmModeOfOption(alarmOption);
    return page;
}

SensorPageValues RestoreSensorPage(Store &store)
{
    SensorPageValues values;
    for (const Field &field : SensorPageFields())
        values.text[field.number()] = RestoreRaw(store, field);
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
    StoreEach(store, RingToneSetting(values));
}

void StoreSensorPage(Store &store, const SensorPageValues &values)
{
    StoreEach(store, SensorPage(values));
}

StoredValues BothPagesToStore(const MainPageValues &main, const SensorPageValues &sensor)
{
    return PassPhrasesAndNumbers(main) + AlarmSettings(main) + RingToneSetting(main) + SensorPage(sensor);
}

void StoreComOptions(Store &store, int selectedCom)
{
    for (const Field *field : ComOptionFields())
        store.write(field->settingsKey(), OptionText(selectedCom == field->number()));
}
