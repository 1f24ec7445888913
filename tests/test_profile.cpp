#include "memory_store.h"
#include "page_settings.h"
#include "profile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

// A page with every kind of value: multi-line, Chinese and Latin texts,
// numbers typed with separators, a non-default alarm mode and ring tone.
Profile RichProfile()
{
    MemoryStore store;
    Profile profile = ProfileFromStore(store);
    profile.main.text[1] = QStringLiteral("138 0013 8000");
    profile.main.text[6] = QStringLiteral("(020)1234-5678");
    profile.main.text[7] = QStringLiteral("Cut fuel");
    profile.main.text[16] = QStringLiteral("车被碰了\r\nCar hit!");
    profile.main.text[28] = QStringLiteral("ABCDEF0123456789");
    profile.main.alarmMode = AlarmMode::CallOnly;
    profile.main.check1 = 1;
    profile.sensor.text[19] = QStringLiteral("后门\r\n打开");
    profile.sensor.text[20] = QStringLiteral("１３８００１３８０００");
    return profile;
}

QByteArray Edited(const QByteArray &json, const std::function<void(QJsonObject &)> &edit)
{
    QJsonObject root = QJsonDocument::fromJson(json).object();
    edit(root);
    return QJsonDocument(root).toJson();
}

QJsonObject Main(const QJsonObject &root)
{
    return root.value("main").toObject();
}

}  // namespace

class TestProfile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storeToProfileToStoreIsLossless_data();
    void storeToProfileToStoreIsLossless();
    void passwordOnlyWhenAskedFor();
    void badProfilesAreRefusedWhole_data();
    void badProfilesAreRefusedWhole();
};

void TestProfile::storeToProfileToStoreIsLossless_data()
{
    QTest::addColumn<int>("alarmMode");
    for (AlarmMode mode : {AlarmMode::None, AlarmMode::SmsOnly, AlarmMode::CallOnly, AlarmMode::SmsAndCall})
        QTest::addRow("alarm mode %d", int(mode)) << int(mode);
}

void TestProfile::storeToProfileToStoreIsLossless()
{
    QFETCH(int, alarmMode);
    MemoryStore original;
    Profile rich = RichProfile();
    rich.main.alarmMode = AlarmMode(alarmMode);
    StoreProfile(original, rich);
    StoreComOptions(original, 3);

    const ProfileParse parse = ParseProfile(ProfileToJson(ProfileFromStore(original), false));
    QVERIFY2(parse.profile, qPrintable(parse.problems.join('\n')));
    MemoryStore copy;
    StoreComOptions(copy, 3);
    StoreProfile(copy, *parse.profile);
    QCOMPARE(copy.values, original.values);
    QCOMPARE(copy.values.size(), 4 + 27 + 20);
}

void TestProfile::passwordOnlyWhenAskedFor()
{
    Profile profile = RichProfile();
    profile.main.text[15] = QStringLiteral("天下太平");
    QVERIFY(!ProfileToJson(profile, false).contains("rewritePassword"));
    const ProfileParse without = ParseProfile(ProfileToJson(profile, false));
    QVERIFY(without.profile && !without.profile->hasPassword);
    const ProfileParse with = ParseProfile(ProfileToJson(profile, true));
    QVERIFY(with.profile && with.profile->hasPassword);
    QCOMPARE(with.profile->main.text[15], QStringLiteral("天下太平"));
}

void TestProfile::badProfilesAreRefusedWhole_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("named");

    const QByteArray good = ProfileToJson(RichProfile(), false);
    QTest::newRow("not JSON") << good.left(good.size() / 2) << QStringLiteral("JSON");
    QTest::newRow("not a profile") << QByteArray("{\"a\": 1}") << QStringLiteral("format");
    QTest::newRow("unknown version")
        << Edited(good, [](QJsonObject &root) { root["version"] = 2; }) << QStringLiteral("version");
    QTest::newRow("missing field") << Edited(good, [](QJsonObject &root) {
        QJsonObject main = Main(root);
        main.remove("passPhrases");
        root["main"] = main;
    }) << QStringLiteral("main.passPhrases.arm");
    QTest::newRow("short array") << Edited(good, [](QJsonObject &root) {
        QJsonObject main = Main(root);
        main["authorisedNumbers"] = QJsonArray{"1", "2"};
        root["main"] = main;
    }) << QStringLiteral("main.authorisedNumbers[5]");
    QTest::newRow("number as a JSON number") << Edited(good, [](QJsonObject &root) {
        QJsonArray sensors = root["sensors"].toArray();
        QJsonObject sensor = sensors[3].toObject();
        sensor["number"] = 13800138000.0;
        sensors[3] = sensor;
        root["sensors"] = sensors;
    }) << QStringLiteral("sensors[3].number");
    QTest::newRow("unknown alarm mode") << Edited(good, [](QJsonObject &root) {
        QJsonObject main = Main(root);
        main["alarmMode"] = "loud";
        root["main"] = main;
    }) << QStringLiteral("main.alarmMode");
    QTest::newRow("ring tone as text") << Edited(good, [](QJsonObject &root) {
        QJsonObject main = Main(root);
        main["switchOffRingTone"] = "yes";
        root["main"] = main;
    }) << QStringLiteral("main.switchOffRingTone");
    QTest::newRow("number the unit cannot hold") << Edited(good, [](QJsonObject &root) {
        QJsonArray sensors = root["sensors"].toArray();
        QJsonObject sensor = sensors[9].toObject();
        sensor["number"] = "+8613800138000";
        sensors[9] = sensor;
        root["sensors"] = sensors;
    }) << QStringLiteral("sensors[9].number");
    QTest::newRow("pass phrase too long") << Edited(good, [](QJsonObject &root) {
        QJsonObject main = Main(root);
        QJsonObject phrases = main["passPhrases"].toObject();
        phrases["disarm"] = "twelve chars";
        main["passPhrases"] = phrases;
        root["main"] = main;
    }) << QStringLiteral("main.passPhrases.disarm");
    QTest::newRow("password not four Chinese characters") << Edited(good, [](QJsonObject &root) {
        QJsonObject main = Main(root);
        main["rewritePassword"] = "1234";
        root["main"] = main;
    }) << QStringLiteral("main.rewritePassword");
}

void TestProfile::badProfilesAreRefusedWhole()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, named);
    const ProfileParse parse = ParseProfile(json);
    QVERIFY(!parse.profile);
    QVERIFY(!parse.problems.isEmpty());
    QVERIFY2(parse.problems.join('\n').contains(named), qPrintable(parse.problems.join('\n')));
}

QTEST_GUILESS_MAIN(TestProfile)
#include "test_profile.moc"
