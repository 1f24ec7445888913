// What validation lets through comes back from the settings files unchanged,
// and a settings file in UTF-8 is refused, never read as other Chinese text
// (the load reports it: see the store's test).
#include "file_store.h"
#include "memory_store.h"
#include "page_fields.h"
#include "page_settings.h"
#include "profile.h"
#include "settings_file.h"
#include "test_support.h"
#include "validation.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

SensorPageValues DefaultSensorPage()
{
    MemoryStore empty;
    return RestoreSensorPage(empty);
}

// A profile that holds `value` in `field` and every other field's default.
Profile ProfileWith(Page page, const Field &field, const QString &value)
{
    Profile profile{DefaultMainPage(), DefaultSensorPage(), true};
    if (page == Page::Main)
        profile.main.text[field.number()] = value;
    else
        profile.sensor.text[field.number()] = value;
    return profile;
}

QString Restored(Page page, Store &store, const Field &field)
{
    return page == Page::Main ? RestoreMainPage(store).values.text[field.number()]
                              : RestoreSensorPage(store).text[field.number()];
}

}  // namespace

class TestStoreRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void acceptedValuesComeBack_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("oneLine");    // a pass phrase takes it
        QTest::addColumn<bool>("multiLine");  // an SMS text takes it
        auto row = [](const char *name, const QString &value, bool oneLine, bool multiLine) {
            QTest::newRow(name) << value << oneLine << multiLine;
        };
        row("NUL inside", QStringLiteral("开门") + QChar(0) + QStringLiteral("见山"), false, false);
        row("NUL alone", QString(QChar(0)), false, false);
        row("锘开: EF BB BF AA, no UTF-8", QStringLiteral("锘开"), true, true);
        row("锘緻: EF BB BF 40, UTF-8 with its byte-order mark", QStringLiteral("锘緻"), false, false);
        row("青山绿水 in UTF-8 read as GB18030", QStringLiteral("闈掑北缁挎按"), false, false);
        row("Chinese and punctuation", QStringLiteral("停车，请出示证件！"), true, true);
        row("outside the BMP", QStringLiteral("车\U0001F697"), true, true);
        row("Latin with accents", QStringLiteral("café"), true, true);
        row("two lines", QStringLiteral("第一行\r\n第二行"), false, true);
        row("ends with a line break", QStringLiteral("开门\r\n"), false, true);
        row("LF at the end, as pasted", QStringLiteral("芝麻开门\n"), false, true);
        row("CR inside", QStringLiteral("芝麻\r开门"), false, true);
    }

    // Every stored text field of both pages, with its neighbours at their
    // defaults: validated, refused alike in a profile, stored, read back by
    // the next load. A one-line field never carries a line break, so what is
    // sent, stored and shown again is one and the same line.
    void acceptedValuesComeBack()
    {
        QFETCH(QString, value);
        QFETCH(bool, oneLine);
        QFETCH(bool, multiLine);
        QTemporaryDir temp;
        FileStore store(temp.path() + QStringLiteral("/woclc1k"));
        store.ensureDirectory();
        RestoreMainPage(store);
        RestoreSensorPage(store);
        for (const Page page : {Page::Main, Page::Sensor}) {
            for (const Field &field : page == Page::Main ? MainPageFields() : SensorPageFields()) {
                if (!field.isText() || field.isRewritePassword())
                    continue;
                const Profile profile = ProfileWith(page, field, value);
                const QList<ValidationProblem> problems =
                    page == Page::Main ? ValidateMainPage(profile.main) : ValidateSensorPage(profile.sensor);
                QCOMPARE(bool(ParseProfile(ProfileToJson(profile, true)).profile), problems.isEmpty());
                const QString where = QStringLiteral("%1 %2").arg(int(page)).arg(field.controlName());
                if (field.type != FieldType::PhoneNumber)
                    QVERIFY2(problems.isEmpty() == (field.type == FieldType::OneLineText ? oneLine : multiLine),
                             qPrintable(where + QStringLiteral(": ") + DescribeProblems(problems)));
                if (!problems.isEmpty())
                    continue;
                QVERIFY2(store.write(field.settingsKey(), value), qPrintable(where));
                QCOMPARE(Restored(page, store, field), value);
                QCOMPARE(store.takeErrors(), QStringList());
            }
        }
    }

    void utf8Files_data()
    {
        QTest::addColumn<QString>("value");
        for (const FieldTable *table : {&MainPageFields(), &SensorPageFields()})
            for (const Field &field : *table)
                if (field.isText() && !field.defaultText().isEmpty())
                    QTest::newRow(field.key ? field.key : field.control) << field.defaultText();
        for (const char *typed : {"停车", "熄火", "设防", "撤防", "您好", "开门见山", "芝麻开门", "新的短信", "张三的车",
                                  "粤B·12345", "你好，世界！", "车被碰了\r\n快来", "车🚗"})
            QTest::newRow(typed) << QString::fromUtf8(typed);
    }

    // The same text in both encodings: GB18030, as this program writes it,
    // comes back; UTF-8, as another editor may save it, is refused.
    void utf8Files()
    {
        QFETCH(QString, value);
        SettingsFileProblem problem;
        const std::optional<QByteArray> gb18030 = FormatSettingsFile(value);
        QVERIFY(gb18030);
        QCOMPARE(ParseSettingsFile(*gb18030, &problem), value);
        QCOMPARE(ParseSettingsFile(value.toUtf8() + "\r\n", &problem), std::nullopt);
        QCOMPARE(problem, SettingsFileProblem::NotGb18030);
    }
};

QTEST_GUILESS_MAIN(TestStoreRoundTrip)
#include "test_store_roundtrip.moc"
