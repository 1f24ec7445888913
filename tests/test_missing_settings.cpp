// A write without a window from a settings folder that lost some of its files
// (someone deleted k8.cck), or holds one that cannot be read, sends no default
// in their place (the default pass phrases are no secret): a write and a dry
// run refuse before the first block, name each file and leave the folder as
// it was, and an export is refused too. A page none of whose files exist was
// never stored and goes out with its defaults, as on a first run. A settings
// folder that cannot be made is found before the first block too.
#include "command_line_process.h"
#include "logged_unit.h"
#include "test_support.h"

#include <QTest>

class TestMissingSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unusableFiles_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("stored");   // the pages stored first
        QTest::addColumn<QStringList>("keys");     // their files then deleted
        QTest::addColumn<QString>("kind");         // and, unless "deleted", made again as a "file" or "folder"
        QTest::addColumn<QByteArray>("bytes");     // of these bytes
        QTest::addColumn<int>("received");         // blocks the unit received; 0: refused, naming each file
        const QStringList both{"main", "sensor"};
        QTest::newRow("a pass phrase lost") << "main" << both << QStringList{"k8"} << "deleted" << QByteArray() << 0;
        QTest::newRow("two files lost, both pages") << "all" << both << QStringList{"Ttt3", "SMS1"} << "deleted"
                                                    << QByteArray() << 0;
        QTest::newRow("a pass phrase lost, sensor page only") << "sensor" << both << QStringList{"k8"} << "deleted"
                                                              << QByteArray() << 2;
        QTest::newRow("the sensor page never stored") << "all" << QStringList{"main"} << QStringList{} << "deleted"
                                                      << QByteArray() << 8;
        QTest::newRow("the COM choice lost") << "main" << both << QStringList{"Option1", "Option2"} << "deleted"
                                             << QByteArray() << 6;
        QTest::newRow("not GB18030") << "main" << both << QStringList{"k1"} << "file" << QByteArray("\xff\xfe\r\n") << 0;
        QTest::newRow("a character cut off") << "all" << both << QStringList{"Ttt3"} << "file" << QByteArray("\xc7") << 0;
        QTest::newRow("empty") << "main" << both << QStringList{"tel2"} << "file" << QByteArray("") << 0;
        QTest::newRow("a folder") << "main" << both << QStringList{"g1"} << "folder" << QByteArray() << 0;
        QTest::newRow("alarm mode option") << "main" << both << QStringList{"Option6"} << "file" << QByteArray("maybe\r\n") << 0;
        QTest::newRow("COM option") << "sensor" << both << QStringList{"Option2"} << "file" << QByteArray("maybe\r\n") << 0;
        QTest::newRow("ring-tone check box") << "main" << both << QStringList{"Check1"} << "file" << QByteArray(" 7 \r\n") << 0;
    }

    void unusableFiles()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, keys);
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(int, received);
        const CommandLineProcess alarmcfg;
        FileStore store = alarmcfg.settings();
        store.ensureDirectory();
        StoreComOptions(store, 1);
        if (stored.contains("main")) {
            StorePassPhrasesAndNumbers(store, TypedMainPage());
            StoreAlarmSettings(store, TypedMainPage());
            StoreRingTone(store, TypedMainPage());
        }
        if (stored.contains("sensor"))
            StoreSensorPage(store, TypedSensorPage());
        for (const QString &key : keys)
            QVERIFY(QFile::remove(store.filePath(key)) && (kind == "deleted" || MakeEntry(kind, store.filePath(key), bytes)));
        const QDir folder(store.directory());
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        LoggedUnit unit;
        for (const QStringList &extra : {QStringList{"--dry-run"}, QStringList{"--port", "COM1=" + unit.device()}}) {
            const CommandLineRun run = alarmcfg.run(QStringList{"--write", page, "--send-default-secrets"} + extra);
            QCOMPARE(run.exitCode, received == 0 ? 1 : 0);
            for (const QString &key : keys)
                QVERIFY2(run.err.contains(key + ".cck") == (received == 0), qPrintable(run.err));
        }
        QCOMPARE(unit.bytes().size(), received);
        if (received > 0)
            return;
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        for (const QString &key : keys)
            QVERIFY(kind != "file" || ReadBytes(store.filePath(key)) == bytes);
        const QString profile = alarmcfg.configPath(QStringLiteral("car.json"));
        QCOMPARE(alarmcfg.run({"--export", profile}).exitCode, 1);
        QVERIFY(!QFileInfo::exists(profile));
    }

    // A dangling link where the settings folder belongs: nothing is sent.
    void folderCannotBeMade()
    {
        const CommandLineProcess alarmcfg;
        const QString folder = alarmcfg.settings().directory();
        QVERIFY(QFile::link(alarmcfg.configPath("gone"), folder));
        LoggedUnit unit;
        const CommandLineRun run = alarmcfg.run({"--write", "main", "--send-default-secrets", "--port", "COM1=" + unit.device()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(folder), qPrintable(run.err));
        QVERIFY(unit.bytes().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMissingSettings)
#include "test_missing_settings.moc"
