// Any bytes in a settings file. The reader returns exactly the file without
// its final line end, never more, or nothing with a reason; every field of
// both pages restored from such files (text, option and check-box keys alike)
// takes the value (its first line, unless the field has many) or its
// default; a page stored and restored comes back equal.
#include "fuzz_check.h"
#include "page_settings.h"
#include "settings_file.h"
#include "page_fields.h"

#include <QMap>
#include <algorithm>

namespace {

// Settings files as bytes in memory, read and written as the file store does.
class BytesStore : public Store
{
public:
    QMap<QString, QByteArray> files;

    void ensureDirectory() override {}
    bool contains(const QString &key) override { return files.contains(key); }
    std::optional<QString> read(const QString &key) override
    {
        SettingsFileProblem problem;
        std::optional<QString> value = ParseSettingsFile(files.value(key), &problem);
        if (!value)
            addError(key);
        return value;
    }
    bool write(const QString &key, const QString &value) override
    {
        const std::optional<QByteArray> bytes = FormatSettingsFile(value);
        if (bytes)
            files[key] = *bytes;
        else
            addError(key);
        return bytes.has_value();
    }
};

// CR and LF never occur inside a GB18030 character, so the line end can be cut off as bytes.
QByteArray WithoutFinalLineEnd(QByteArray bytes)
{
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    else if (bytes.endsWith('\r') || bytes.endsWith('\n'))
        bytes.chop(1);
    return bytes;
}

template<typename Values>
void CheckTexts(const Values &restored, const FieldTable &table, const std::optional<QString> &value)
{
    for (const Field &field : table)
        if (field.isText() && field.key)
            FUZZ_CHECK(restored.text[field.number()] == value.value_or(field.defaultText()));
}

// The number of files a page's fields are stored in.
int StoredFields(const FieldTable &table)
{
    return int(std::count_if(table.begin(), table.end(), [](const Field &field) { return field.key != nullptr; }));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    SettingsFileProblem problem;
    const std::optional<QString> value = ParseSettingsFile(bytes, &problem);
    FUZZ_CHECK(value.has_value() == (problem == SettingsFileProblem::None));
    FUZZ_CHECK((problem == SettingsFileProblem::Empty) == bytes.isEmpty());
    if (value) {
        const std::optional<QByteArray> stored = FormatSettingsFile(*value);
        FUZZ_CHECK(stored && *stored == WithoutFinalLineEnd(bytes) + "\r\n");
    }

    // Every file of both pages holds these bytes.
    BytesStore store;
    for (const FieldTable *table : {&MainPageFields(), &SensorPageFields()})
        for (const Field &field : *table)
            if (field.key)
                store.files[field.settingsKey()] = bytes;
    const QMap<QString, QByteArray> before = store.files;
    const MainPageSettings main = RestoreMainPage(store);
    const SensorPageValues sensors = RestoreSensorPage(store);
    FUZZ_CHECK(store.files == before);  // a file that exists is never rewritten by a restore
    if (!value)  // every field reports its unreadable file once
        FUZZ_CHECK(store.takeErrors().size() == StoredFields(MainPageFields()) + StoredFields(SensorPageFields()));
    CheckTexts(main.values, MainPageFields(), value);
    CheckTexts(sensors, SensorPageFields(), value);
    FUZZ_CHECK(int(main.values.ringTone) >= 0 && int(main.values.ringTone) <= 2);
    FUZZ_CHECK(main.values.text[15] == RewritePasswordField().defaultText());

    // What the write and the exit buttons store, the next load restores.
    BytesStore again;
    StorePassPhrasesAndNumbers(again, main.values);
    StoreAlarmSettings(again, main.values);
    StoreRingTone(again, main.values);
    StoreComOptions(again, ComOptionAfterRestore(main.comOptions));
    StoreSensorPage(again, sensors);
    if (again.hasErrors())
        return 0;  // a text GB18030 cannot hold, reported by the store
    const MainPageSettings mainAgain = RestoreMainPage(again);
    FUZZ_CHECK(!again.hasErrors());
    FUZZ_CHECK(mainAgain.values == main.values);
    FUZZ_CHECK(ComOptionAfterRestore(mainAgain.comOptions) == ComOptionAfterRestore(main.comOptions));
    FUZZ_CHECK(RestoreSensorPage(again) == sensors);
    return 0;
}
