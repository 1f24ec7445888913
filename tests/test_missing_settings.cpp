// A write without a window from a settings folder that lost some of its files
// (someone deleted k8.cck) sends no default in their place: it refuses before
// the first block and names each one. A page none of whose files exist was
// never stored and goes out with its defaults, as on a first run. A settings
// folder that cannot be made is found before the first block too.
#include "command_line_process.h"
#include "logged_unit.h"
#include "test_support.h"

#include <QtTest>

class TestMissingSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lostFiles_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("stored");   // the pages stored first
        QTest::addColumn<QStringList>("deleted");  // their files deleted then
        QTest::addColumn<int>("received");         // blocks the unit received; 0: refused, naming each file
        QTest::newRow("a pass phrase") << "main" << QStringList{"main", "sensor"} << QStringList{"k8"} << 0;
        QTest::newRow("an alarm mode option") << "main" << QStringList{"main"} << QStringList{"Option6"} << 0;
        QTest::newRow("a sensor text, both pages") << "all" << QStringList{"main", "sensor"} << QStringList{"Ttt3", "SMS1"} << 0;
        QTest::newRow("a pass phrase, sensor page only") << "sensor" << QStringList{"main", "sensor"} << QStringList{"k8"} << 2;
        QTest::newRow("the sensor page never stored") << "all" << QStringList{"main"} << QStringList{} << 8;
        QTest::newRow("the COM choice") << "main" << QStringList{"main", "sensor"} << QStringList{"Option1", "Option2"} << 6;
    }

    void lostFiles()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, deleted);
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
        for (const QString &key : deleted)
            QVERIFY(QFile::remove(store.filePath(key)));
        LoggedUnit unit;
        for (const QStringList &extra : {QStringList{"--dry-run"}, QStringList{"--port", "COM1=" + unit.device()}}) {
            const CommandLineRun run = alarmcfg.run(QStringList{"--write", page, "--send-default-secrets"} + extra);
            QCOMPARE(run.exitCode, received == 0 ? 1 : 0);
            for (const QString &key : deleted)
                QCOMPARE(run.err.contains(store.filePath(key)), received == 0);
        }
        QCOMPARE(unit.bytes().size(), received);
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
