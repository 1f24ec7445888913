// Settings files: the defaults written on a first run, files written by other
// programs, texts GBK cannot hold, the option groups' restore order, the store
// points of a write, and a disk that fails.
#include "file_store.h"
#include "page_settings.h"
#include "settings_keys.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

QByteArray hex(const char *digits) { return QByteArray::fromHex(digits); }  // blanks are skipped

// GBK (and so GB18030) bytes of texts, each with its CR LF.
const QByteArray kK1 = hex("C7E0 C9BD C2CC CBAE 0D0A");              // 青山绿水
const QByteArray kTwoLines = hex("B5DAD2BBD0D0 0D0A B5DAB6FED0D0 0D0A");  // 第一行, 第二行
const QString kDefaultK1 = QStringLiteral("青山绿水");

bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Files as "name=hex bytes" sorted by name, so that a difference names its file.
using Files = QMap<QString, QByteArray>;
QStringList Render(const Files &files)
{
    QStringList lines;
    for (auto it = files.begin(); it != files.end(); ++it)
        lines << it.key() + u'=' + QString::fromLatin1(it.value().toHex(' '));
    return lines;
}

// A settings directory of its own for one test, created as the main page's load does.
struct SettingsDir
{
    QTemporaryDir temp;
    FileStore store{temp.path() + QStringLiteral("/woclc1k")};

    SettingsDir() { store.ensureDirectory(); }
    QString path(const QString &key) const { return store.filePath(key); }
    Files files() const  // every entry, temporary files included
    {
        Files files;
        const QDir dir(store.directory());
        for (const QString &name : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            files[name] = ReadBytes(dir.filePath(name));
        return files;
    }
};

using StoreCall = std::function<void(Store &)>;  // one store point of a write

}  // namespace

class TestStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstRestoreWritesDefaults()
    {
        SettingsDir dir;
        const MainPageSettings page = RestoreMainPage(dir.store);
        QCOMPARE(dir.store.takeErrors(), QStringList());
        Files expected{
            {"Option1.cck", "True\r\n"}, {"Option2.cck", "False\r\n"}, {"Option3.cck", "False\r\n"},
            {"Option4.cck", "False\r\n"}, {"k1.cck", kK1}, {"g1.cck", hex("B0D7 D4C6 C9EE B4A6 0D0A")},
            {"k8.cck", hex("B4BA B7E7 BBAF D3EA 0D0A")}, {"g8.cck", hex("C3F7 D4C2 C7E5 C8AA 0D0A")},
            {"Check1.cck", "0\r\n"}, {"Option5.cck", "False\r\n"}, {"Option6.cck", "False\r\n"},
            {"Option7.cck", "True\r\n"},
            {"Text16.cck", hex("C4E3 B5C4 C6FB B3B5 B1BB C5F6 A3AC C7EB B2E9 BFB4 A3A1 0D0A")}};
        for (int k = 1; k <= 6; ++k)
            expected[QStringLiteral("tel%1.cck").arg(k)] = "\r\n";
        for (int n = 17; n <= 28; ++n)
            expected[QStringLiteral("Text%1.cck").arg(n)] = "\r\n";
        QCOMPARE(Render(dir.files()), Render(expected));
        QCOMPARE(expected.size(), 31);
        QCOMPARE(page.values.text[7], kDefaultK1);
        QCOMPARE(page.values.text[15], QStringLiteral("秋水长天"));  // the password has no file
        QCOMPARE(page.values.text[16], QStringLiteral("你的汽车被碰，请查看！"));
        QCOMPARE(page.values.check1, 0);
        QCOMPARE(page.values.alarmMode, AlarmMode::SmsAndCall);
        QCOMPARE(ComOptionAfterRestore(page.comOptions), 1);

        SettingsDir sensorDir;
        const SensorPageValues sensors = RestoreSensorPage(sensorDir.store);
        QCOMPARE(sensorDir.store.takeErrors(), QStringList());
        const QByteArray check = hex("A3AC C7EB B2E9 BFB4 A3A1 0D0A");  // ，请查看！
        Files sensorFiles{{"SMS1.cck", hex("C4E3B5C4C6FBB3B5 BAF3B1B8CFE4 B1BBC8CBC7CBBFAA") + check},
                          {"SMS2.cck", hex("B3B5C4DAD3D0C8CBBDF8C8EB") + check},
                          {"SMS3.cck", hex("C4E3B5C4C6FBB3B5 B3B5C3C5 B1BBC8CBC7CBBFAA") + check}};
        for (int n = 1; n <= 10; ++n) {
            if (n >= 4)  // "0n号无线传感器报警内容，请输入。"
                sensorFiles[QStringLiteral("SMS%1.cck").arg(n)] = QByteArray::number(n).rightJustified(2, '0')
                    + hex("BAC5 CEDE CFDF B4AB B8D0 C6F7 B1A8 BEAF C4DA C8DD A3AC C7EB CAE4 C8EB A1A3 0D0A");
            sensorFiles[QStringLiteral("Ttt%1.cck").arg(n)] = "\r\n";
        }
        QCOMPARE(Render(sensorDir.files()), Render(sensorFiles));
        QCOMPARE(sensors.text[1], QStringLiteral("你的汽车后备箱被人撬开，请查看！"));
        QCOMPARE(sensors.text[19], QStringLiteral("10号无线传感器报警内容，请输入。"));
        QCOMPARE(sensors.text[20], QString());
    }

    // Existing files are used unchanged; deleting one brings back only its default.
    void restoreUsesExistingFiles()
    {
        SettingsDir dir;
        QVERIFY(WriteBytes(dir.path("k1"), hex("BFAA C3C5 BCFB C9BD 0D0A")));  // 开门见山 from another program
        QVERIFY(WriteBytes(dir.path("tel3"), "13800138000\r\n"));
        QVERIFY(WriteBytes(dir.path("Check1"), " 1 \r\n"));  // as the main-page write stores it
        const Files before = dir.files();
        MainPageSettings page = RestoreMainPage(dir.store);
        QCOMPARE(dir.store.takeErrors(), QStringList());
        QCOMPARE(page.values.text[7], QStringLiteral("开门见山"));
        QCOMPARE(page.values.text[3], QStringLiteral("13800138000"));
        QCOMPARE(page.values.check1, 1);
        const Files after = dir.files();
        QCOMPARE(after.size(), 31);
        for (auto it = before.begin(); it != before.end(); ++it)
            QCOMPARE(after.value(it.key()), it.value());

        QVERIFY(QFile::remove(dir.path("k1")));
        page = RestoreMainPage(dir.store);
        QCOMPARE(page.values.text[7], kDefaultK1);
        QCOMPARE(page.values.text[3], QStringLiteral("13800138000"));
    }

    void fileContents_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // the file
        QTest::addColumn<QString>("text");      // the field
        QTest::addColumn<bool>("stored");       // the store writes text as these bytes
        QTest::newRow("GBK") << kK1 << kDefaultK1 << true;
        QTest::newRow("empty line") << QByteArray("\r\n") << "" << true;
        QTest::newRow("blanks kept") << QByteArray(" 12 34\t\r\n") << " 12 34\t" << true;
        QTest::newRow("two lines come back whole") << kTwoLines << "第一行\r\n第二行" << true;
        QTest::newRow("ends with a line break") << QByteArray("a\n\r\n") << "a\n" << true;
        QTest::newRow("emoji outside GBK") << hex("95308D37 0D0A") << "\U0001F697" << true;
        QTest::newRow("U+20000 outside GBK") << hex("95328236 0D0A") << "\U00020000" << true;
        QTest::newRow("mixed") << hex("B3B5 95308D37 2061 0D0A") << "车\U0001F697 a" << true;
        QTest::newRow("full-width forms") << hex("A3A8 303130 A3A9 A3AD 0D0A") << "（010）－" << true;
        QTest::newRow("no line end") << QByteArray("abc") << "abc" << false;
        QTest::newRow("LF only") << QByteArray("abc\n") << "abc" << false;
        QTest::newRow("CR only") << QByteArray("abc\r") << "abc" << false;
    }

    // Files of other programs are read, and the write's store points write
    // what the next load reads back, through the page functions.
    void fileContents()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, stored);
        SettingsDir dir;
        QVERIFY(WriteBytes(dir.path("Text16"), bytes));
        QVERIFY(WriteBytes(dir.path("SMS10"), bytes));
        QCOMPARE(RestoreMainPage(dir.store).values.text[16], text);
        QCOMPARE(RestoreSensorPage(dir.store).text[19], text);
        QCOMPARE(dir.store.takeErrors(), QStringList());
        if (!stored)
            return;
        MainPageValues main;
        main.text[16] = text;
        StoreAlarmSettings(dir.store, main);
        SensorPageValues sensors;
        sensors.text[19] = text;
        StoreSensorPage(dir.store, sensors);
        QCOMPARE(dir.store.takeErrors(), QStringList());
        QCOMPARE(ReadBytes(dir.path("Text16")).toHex(' '), bytes.toHex(' '));
        QCOMPARE(ReadBytes(dir.path("SMS10")).toHex(' '), bytes.toHex(' '));
    }

    void optionRestoreOrder_data()
    {
        QTest::addColumn<QStringList>("options");  // Option1.cck .. Option7.cck
        QTest::addColumn<int>("com");              // 0: none selected, COM1 stays open
        QTest::addColumn<AlarmMode>("mode");
        const QString T = "True", F = "False";
        QTest::newRow("defaults") << QStringList{T, F, F, F, F, F, T} << 1 << AlarmMode::SmsAndCall;
        QTest::newRow("all COM False") << QStringList{F, F, F, F, F, F, T} << 0 << AlarmMode::SmsAndCall;
        QTest::newRow("COM2") << QStringList{F, T, F, F, F, F, T} << 2 << AlarmMode::SmsAndCall;
        QTest::newRow("COM1, COM3: higher wins") << QStringList{T, F, T, F, F, F, T} << 3 << AlarmMode::SmsAndCall;
        QTest::newRow("COM2, COM4: higher wins") << QStringList{F, T, F, T, F, F, T} << 4 << AlarmMode::SmsAndCall;
        QTest::newRow("any case, numbers") << QStringList{"false", "TRUE", "0", "0", "0", "-1", "0"} << 2
                                           << AlarmMode::CallOnly;
        QTest::newRow("SMS only") << QStringList{T, F, F, F, T, F, F} << 1 << AlarmMode::SmsOnly;
        QTest::newRow("no alarm mode") << QStringList{T, F, F, F, F, F, F} << 1 << AlarmMode::None;
        QTest::newRow("Option5, Option7") << QStringList{T, F, F, F, T, F, T} << 1 << AlarmMode::SmsAndCall;
        QTest::newRow("Option5, Option6") << QStringList{T, F, F, F, T, T, F} << 1 << AlarmMode::CallOnly;
    }

    // Options are restored in order, each True selecting its option and
    // clearing the others of its group; COM1 is selected before the restore.
    void optionRestoreOrder()
    {
        QFETCH(QStringList, options);
        QFETCH(int, com);
        QFETCH(AlarmMode, mode);
        SettingsDir dir;
        for (int k = 0; k < 7; ++k)
            QVERIFY(WriteBytes(dir.path(QStringLiteral("Option%1").arg(k + 1)), options[k].toLatin1() + "\r\n"));
        const MainPageSettings page = RestoreMainPage(dir.store);
        QCOMPARE(dir.store.takeErrors(), QStringList());
        QCOMPARE(ComOptionAfterRestore(page.comOptions), com);
        QCOMPARE(page.values.alarmMode, mode);
    }

    void badFileFallsBackToDefault_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty Option1") << "Option1" << QByteArray();
        QTest::newRow("corrupted Option1") << "Option1" << QByteArray("yes\r\n");
        QTest::newRow("corrupted Option7") << "Option7" << QByteArray("Ture\r\n");
        QTest::newRow("empty Check1") << "Check1" << QByteArray();
        QTest::newRow("corrupted Check1") << "Check1" << QByteArray(" x \r\n");
        QTest::newRow("Check1 out of range") << "Check1" << QByteArray("7\r\n");
        QTest::newRow("empty k1") << "k1" << QByteArray();
        QTest::newRow("empty tel1") << "tel1" << QByteArray();
        QTest::newRow("k1 not GB18030") << "k1" << QByteArray("\x81\x20\r\n");
        QTest::newRow("k1 cut inside a character") << "k1" << hex("C7E0 C9");  // 青, half of 山
    }

    // The page shows the default; one error names the file, which stays as it
    // is for the user to see.
    void badFileFallsBackToDefault()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, bytes);
        SettingsDir defaults, dir;
        const MainPageSettings expected = RestoreMainPage(defaults.store);
        QVERIFY(WriteBytes(dir.path(key), bytes));
        const MainPageSettings page = RestoreMainPage(dir.store);
        QVERIFY(page.values == expected.values);
        QCOMPARE(page.comOptions, expected.comOptions);
        const QStringList errors = dir.store.takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(key + QLatin1String(".cck")), qPrintable(errors[0]));
        QCOMPARE(ReadBytes(dir.path(key)), bytes);
    }

    void storeGroups_data()
    {
        QTest::addColumn<StoreCall>("store");
        QTest::addColumn<Files>("expected");
        MainPageValues main;  // every text names its control; Text15 must never be stored
        for (int n = 1; n <= 28; ++n)
            main.text[n] = QStringLiteral("n%1").arg(n);
        main.alarmMode = AlarmMode::CallOnly;
        main.check1 = 1;
        SensorPageValues sensorPage;
        for (int n = 1; n <= 20; ++n)
            sensorPage.text[n] = QStringLiteral("s%1").arg(n);

        Files phrases{{"k1.cck", "n7\r\n"}, {"g1.cck", "n8\r\n"}, {"k8.cck", "n13\r\n"}, {"g8.cck", "n14\r\n"}};
        for (int k = 1; k <= 6; ++k)
            phrases[QStringLiteral("tel%1.cck").arg(k)] = "n" + QByteArray::number(k) + "\r\n";
        Files alarm{{"Option5.cck", "False\r\n"}, {"Option6.cck", "True\r\n"}, {"Option7.cck", "False\r\n"}};
        for (int n = 16; n <= 28; ++n)
            alarm[QStringLiteral("Text%1.cck").arg(n)] = "n" + QByteArray::number(n) + "\r\n";
        Files sensors;
        for (int n = 1; n <= 10; ++n) {
            sensors[QStringLiteral("SMS%1.cck").arg(n)] = "s" + QByteArray::number(2 * n - 1) + "\r\n";
            sensors[QStringLiteral("Ttt%1.cck").arg(n)] = "s" + QByteArray::number(2 * n) + "\r\n";
        }
        auto com = [](const char *a, const char *b, const char *c, const char *d) {
            return Files{{"Option1.cck", a}, {"Option2.cck", b}, {"Option3.cck", c}, {"Option4.cck", d}};
        };
        QTest::newRow("pass phrases and numbers")
            << StoreCall([=](Store &s) { StorePassPhrasesAndNumbers(s, main); }) << phrases;
        QTest::newRow("alarm settings") << StoreCall([=](Store &s) { StoreAlarmSettings(s, main); }) << alarm;
        QTest::newRow("ring tone") << StoreCall([=](Store &s) { StoreRingTone(s, main); })
                                   << Files{{"Check1.cck", " 1 \r\n"}};
        QTest::newRow("sensor page") << StoreCall([=](Store &s) { StoreSensorPage(s, sensorPage); }) << sensors;
        QTest::newRow("COM3") << StoreCall([](Store &s) { StoreComOptions(s, 3); })
                              << com("False\r\n", "False\r\n", "True\r\n", "False\r\n");
        QTest::newRow("no COM") << StoreCall([](Store &s) { StoreComOptions(s, 0); })
                                << com("False\r\n", "False\r\n", "False\r\n", "False\r\n");
    }

    // Each store point writes its own files, in the right values, and no other.
    void storeGroups()
    {
        QFETCH(StoreCall, store);
        QFETCH(Files, expected);
        SettingsDir dir;
        store(dir.store);
        QCOMPARE(dir.store.takeErrors(), QStringList());
        QCOMPARE(Render(dir.files()), Render(expected));
    }

    void unusableDirectory_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("below a regular file") << "below file";
        QTest::newRow("a regular file") << "file";
        QTest::newRow("read-only directory") << "read-only";
    }

    // Nothing can be created, read or written: the pages get their defaults
    // and every failure is reported, naming its file.
    void unusableDirectory()
    {
        QFETCH(QString, kind);
        QTemporaryDir temp;
        QString path = temp.filePath("woclc1k");
        if (kind == "below file") {
            QVERIFY(WriteBytes(temp.filePath("blocker"), "x"));
            path = temp.filePath("blocker/woclc1k");
        } else if (kind == "file") {
            QVERIFY(WriteBytes(path, "x"));
        } else {
#ifdef Q_OS_UNIX
            if (geteuid() == 0)
                QSKIP("file permissions do not bind root; the other rows fail for root too");
#endif
            QVERIFY(QDir().mkdir(path));
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
        }
        FileStore store(path);
        store.ensureDirectory();
        const MainPageSettings page = RestoreMainPage(store);
        QCOMPARE(page.values.text[7], kDefaultK1);
        QCOMPARE(page.values.alarmMode, AlarmMode::SmsAndCall);
        QCOMPARE(ComOptionAfterRestore(page.comOptions), 1);
        QCOMPARE(RestoreSensorPage(store).text[3], QStringLiteral("车内有人进入，请查看！"));
        const QString errors = store.takeErrors().join(u'\n');
        for (const char *file : {"Option1.cck", "k1.cck", "Option7.cck", "SMS1.cck", "Ttt10.cck"})
            QVERIFY2(errors.contains(QLatin1String(file)), qPrintable(errors));

        StorePassPhrasesAndNumbers(store, page.values);
        const QStringList writeErrors = store.takeErrors();
        QCOMPARE(writeErrors.size(), 10);
        QVERIFY(writeErrors.last().contains(QLatin1String("tel6.cck")));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A write that fails part way, as on a full disk, leaves the old file as
    // it was and no new or temporary file behind.
    void failedWriteKeepsOldFile()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs a file-size limit");
#else
        SettingsDir dir;
        QVERIFY(dir.store.write("Text16", "old"));
        // A file-size limit fails every write past 8 bytes, for root as well.
        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        rlimit small = previous;
        small.rlim_cur = 8;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const int limited = setrlimit(RLIMIT_FSIZE, &small);
        const bool replaced = dir.store.write("Text16", QString(100, u'新'));
        const bool created = dir.store.write("k1", QString(100, u'新'));
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(limited, 0);
        QVERIFY(!replaced);
        QVERIFY(!created);
        QCOMPARE(Render(dir.files()), Render(Files{{"Text16.cck", "old\r\n"}}));
        const QStringList errors = dir.store.takeErrors();
        QCOMPARE(errors.size(), 2);
        QVERIFY(errors[0].contains(QLatin1String("Text16.cck")));
        QVERIFY(errors[1].contains(QLatin1String("k1.cck")));
#endif
    }
};

QTEST_APPLESS_MAIN(TestStore)
#include "test_store.moc"
