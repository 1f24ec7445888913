// `alarmcfg` itself on the command line, with its settings and its history
// in fresh directories and no display, against the simulated unit on a
// pseudo-terminal: what only the program shows of writes, dry runs, profiles,
// the history and units written one after another (exit status, no port
// opened, nothing written, its output), and the same blocks and files in every
// language. (The lines themselves are read in process, in
// test_command_line_parse.)
#include "block_layouts.h"
#include "command_line_process.h"
#include "exchange.h"
#include "exchange_shorthand.h"
#include "file_store.h"
#include "history_format.h"
#include "history_log.h"
#include "history_reading.h"
#include "language.h"
#include "logged_unit.h"
#include "page_settings.h"
#include "profile_transfer.h"
#include "test_support.h"
#include "write_sequences.h"

#include <QDirIterator>
#include <QTest>
#include <csignal>
#include <unistd.h>

class TestCommandLineRuns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_alarmcfg = std::make_unique<CommandLineProcess>();
    }

    void commandLineWrite_data()
    {
        QTest::addColumn<QStringList>("unitOptions");
        QTest::addColumn<QString>("exchanges");  // each block's tag, then + answered or - not
        QTest::addColumn<int>("received");       // blocks the unit received
        QTest::newRow("every block answered") << QStringList() << "A2+ AB+ A3+ A7+ A5+ A4+" << 6;
        QTest::newRow("silent for COMSMSA4") << QStringList{"--silent-for", "COMSMSA4"} << "A2+ AB+ A3+ A7+ A5+ A4-" << 6;
        QTest::newRow("unplugged when COMSMSAB arrives") << QStringList{"--unplug-after", "2"} << "A2+ AB-" << 2;
    }

    // `alarmcfg --write` prints one line per block and a message on standard
    // error for each failure, and exits 0 only when every block was answered;
    // the unit gets the blocks of the stored page. A single --port chooses the
    // COM option, over the stored choice, which it leaves as it was.
    void commandLineWrite()
    {
        QFETCH(QStringList, unitOptions);
        QFETCH(QString, exchanges);
        QFETCH(int, received);
        const FileStore store = settings({"Option2", "True"});
        LoggedUnit unit(unitOptions);
        const CommandLineRun run = m_alarmcfg->run({"--write", "main", "--send-default-secrets", "--port", "COM1=" + unit.device()});
        QCOMPARE(run.out, Exchanges(exchanges));
        {
            const Translations english(Language::English);  // the language the run was in
            QCOMPARE(run.err.count(WriteFailureTitle()), unitOptions.contains("--unplug-after") ? 0 : exchanges.count(u'-'));
        }
        QCOMPARE(run.exitCode, exchanges.contains(u'-') ? 1 : 0);
        QCOMPARE(unit.bytes(), Named(MainPageBlocks(DefaultMainPage()), exchanges).mid(0, received));
        for (const QString option : {"Option1", "Option2", "Option3", "Option4"})
            QCOMPARE(ReadBytes(store.filePath(option)), option == "Option2" ? "True\r\n" : "<unreadable>");

        const QList<WriteRecord> records = ReadHistory(m_alarmcfg->historyPath()).records;
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].page, "main");
        QCOMPARE(records[0].origin.com, 1);
        QCOMPARE(records[0].origin.device, unit.device());
        QStringList recorded;
        for (const BlockOutcome &block : records[0].blocks)
            recorded << QString::fromLatin1(block.tag) + (block.answered ? " answered" : " not answered");
        QCOMPARE(recorded, run.out);
    }

    // A history folder that cannot be made (a file has its name) stops no
    // write: every block goes out, the failure is told once on stderr for
    // both pages, and the exit status stays the unit's.
    void unwritableHistory()
    {
        QVERIFY(WriteBytes(QFileInfo(m_alarmcfg->historyPath()).path(), {}));
        LoggedUnit unit;
        const CommandLineRun run = m_alarmcfg->run({"--write", "all", "--send-default-secrets", "--port", "COM1=" + unit.device()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err.count(m_alarmcfg->historyPath()), 1);
        QCOMPARE(unit.bytes().size(), 8);
    }

    void historyLines_data()
    {
        QTest::addColumn<int>("records");  // in the history file (-1: no file)
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("shown");    // the last ones printed
        QTest::newRow("no history") << -1 << QStringList{"--history"} << 0;
        QTest::newRow("default") << 25 << QStringList{"--history"} << 20;
        QTest::newRow("fewer than asked") << 3 << QStringList{"--history", "5"} << 3;
    }

    // `alarmcfg --history [N]` prints the last N writes, oldest first, and
    // exits 0; without a history it prints nothing and creates nothing.
    void historyLines()
    {
        QFETCH(int, records);
        QFETCH(QStringList, arguments);
        QFETCH(int, shown);
        HistoryLog log(m_alarmcfg->historyPath());
        const Translations english(Language::English);  // the language of the run
        QStringList expected;  // in UTF-8 on the way, as "–" shows
        for (int k = 0; k < records; ++k) {
            WriteResult result;
            result.blocks = {{"COMSMSA8", true}, {"COMSMSAH", k % 2 == 0}};
            const WriteRecord record = SensorPageRecord(TypedSensorPage(), result, {1, QStringLiteral("/dev/ttyUSB%1").arg(k), WindowSource()});
            QCOMPARE(log.append(record), QString());
            expected << FormatHistoryLine(record);
        }
        const CommandLineRun run = m_alarmcfg->run(arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out, expected.mid(records - shown));
        QCOMPARE(QDir(m_alarmcfg->statePath()).isEmpty(), records < 0);
    }

    void repeat_data()
    {
        QTest::addColumn<QStringList>("units");  // each unit's options, in the order they are connected
        QTest::addColumn<QStringList>("typed");  // a line typed after each unit; then the input ends
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("the second unit silent") << QStringList{"", "--silent"} << QStringList{"", "q"}
                                                << "1 succeeded, 1 failed." << 1;
        QTest::newRow("two units, then the input ends") << QStringList{"", ""} << QStringList{""}
                                                        << "2 succeeded, 0 failed." << 0;
        QTest::newRow("words other than q write no unit") << QStringList{""} << QStringList{"quit\nn\nexit\nｑ"}
                                                          << "1 succeeded, 0 failed." << 0;
    }

    // `--write ... --repeat` writes a unit, then waits for the next to be
    // connected (on a port opened again for it) until "q" or the end of the
    // input (anything else asks again); it ends with the count of units that
    // succeeded and failed and exits 0 only when every one did. Every unit
    // goes into the history.
    void repeat()
    {
        QFETCH(QStringList, units);
        QFETCH(QStringList, typed);
        QFETCH(QString, summary);
        QFETCH(int, exitCode);
        const QTemporaryDir cable;
        const QString link = cable.filePath(QStringLiteral("tty"));
        const auto connect = [&](int k) {
            return std::make_unique<LoggedUnit>(QStringList{"--link", link} + units[k].split(u' ', Qt::SkipEmptyParts));
        };
        std::unique_ptr<LoggedUnit> unit = connect(0);
        QProcess process;
        m_alarmcfg->start(process, {"--write", "main", "--send-default-secrets", "--repeat", "--port", "COM1=" + link});
        QByteArray out;
        for (int k = 0; k < units.size(); ++k) {
            while (!out.contains(QStringLiteral("Unit %1:").arg(k + 1).toUtf8()) && process.waitForReadyRead(10000))
                out += process.readAllStandardOutput();
            unit.reset();
            if (k + 1 < units.size())
                unit = connect(k + 1);
            if (k < typed.size())
                process.write(typed[k].toUtf8() + '\n');
        }
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(30000));
        out += process.readAllStandardOutput();
        QCOMPARE(process.exitCode(), exitCode);
        QCOMPARE(QString::fromUtf8(out).split(u'\n', Qt::SkipEmptyParts).constLast(), summary);
        const QList<WriteRecord> records = ReadHistory(m_alarmcfg->historyPath()).records;
        QCOMPARE(records.size(), units.size());
        for (qsizetype k = 0; k < units.size(); ++k)
            QCOMPARE(records[k].succeeded(), units[k].isEmpty());
    }

    // `--list-ports` needs no display and opens nothing; a pseudo-terminal
    // named through a link is held by the simulated unit. (A port this test
    // holds: test_printable_text.)
    void listPorts()
    {
        const QString link = m_alarmcfg->configPath(QStringLiteral("usb-1a86_USB_Serial-if00-port0"));  // as in /dev/serial/by-id
        LoggedUnit unit({"--link", link});
        const CommandLineRun run = m_alarmcfg->run({"--list-ports", "--port", "COM1=" + link, "--port", "COM3=/dev/alarmcfg-no-such-device"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.size() >= 4);
        QVERIFY2(run.out[0].startsWith("COM1  " + link) && run.out[0].contains("read/write: yes")
                     && run.out[0].contains("in use: yes, alarmcfg-unit (pid"),
                 qPrintable(run.out[0]));
        QVERIFY2(run.out[2].startsWith("COM3  /dev/alarmcfg-no-such-device") && run.out[2].contains("no such device"),
                 qPrintable(run.out[2]));
        QCOMPARE(unit.bytes(), QList<QByteArray>());
    }

    void refusedWriteSendsNothing_data()
    {
        QTest::addColumn<QStringList>("stored");  // key, value, key, value ...
        const QStringList badSensor{"Ttt1", "+8613900139000"};
        QTest::newRow("the sensor page") << badSensor;
        QTest::newRow("both pages") << QStringList{"tel1", "+8613800138000"} + badSensor;
    }

    // A page that cannot be written as it stands refuses the whole write,
    // both pages of `--write all` included: one message names every problem.
    void refusedWriteSendsNothing()
    {
        QFETCH(QStringList, stored);
        LoggedUnit unit;
        settings(stored);
        const CommandLineRun run = m_alarmcfg->run({"--write", "all", "--port", "COM1=" + unit.device()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        for (int k = 1; k < stored.size(); k += 2)
            QVERIFY2(run.err.contains(stored[k]), qPrintable(run.err));
        QTest::qWait(200);
        QVERIFY(unit.bytes().isEmpty());
    }

    // A reader that closes its end of the pipe (`| head -1`) ends no write:
    // every block reaches the unit and the exit status is the unit's.
    void closedStandardOutput()
    {
        LoggedUnit unit;
        const CommandLineRun run = m_alarmcfg->run({"--write", "all", "--send-default-secrets", "--port", "COM1=" + unit.device()}, {}, [] {
            int ends[2];
            if (::pipe(ends) == 0) {
                ::close(ends[0]);
                ::dup2(ends[1], STDOUT_FILENO);
                ::close(ends[1]);
            }
            std::signal(SIGPIPE, SIG_DFL);
        });
        QCOMPARE(run.exitCode, 0);
        FileStore store = settings();
        QCOMPARE(unit.bytes(), MainPageBlocks(RestoreMainPage(store).values) + SensorPageBlocks(RestoreSensorPage(store)));
    }

    void malformedCommandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("chinese");  // the refusal's language
        QTest::newRow("--lang zh in an English locale") << QStringList{"--lang", "zh", "--write", "all", "--simulate"}
                                                        << "en_US.UTF-8" << true;
        QTest::newRow("--lang en in a Chinese locale")
            << QStringList{"--lang", "en", "--write", "main", "--dry-run", "--repeat"} << "zh_CN.UTF-8" << false;
    }

    // A malformed line is refused with one line on stderr, in the language
    // --lang chooses, and status 2, before any port or file is opened, and
    // without a display.
    void malformedCommandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(bool, chinese);
        LoggedUnit unit;
        const CommandLineRun run =
            m_alarmcfg->run(QStringList{"--port", "COM1=" + unit.device()} + arguments, {}, {}, m_alarmcfg->environment(locale));
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(!run.err.trimmed().isEmpty() && !run.err.trimmed().contains(u'\n'), qPrintable(run.err));
        QVERIFY2(HasChinese(run.err) == chinese, qPrintable(run.err));
        QVERIFY(unit.bytes().isEmpty());
        QVERIFY(QDir(m_alarmcfg->configPath()).isEmpty());
        QVERIFY(QDir(m_alarmcfg->statePath()).isEmpty());
    }

    // A profile given as the only argument (a file manager's "open with")
    // opens the pages and asks first: while the question waits, the store
    // still holds what it held (the page has loaded: its defaults are there).
    void openWithProfile()
    {
        Profile profile{DefaultMainPage(), {}, false};
        profile.main.text[16] = QStringLiteral("车被碰了");
        const QString path = m_alarmcfg->configPath(QStringLiteral("car.json"));
        QVERIFY(WriteProfileFile(path, ProfileToJson(profile, false)).isEmpty());
        LoggedUnit unit;
        QProcess pages;
        QProcessEnvironment environment = m_alarmcfg->environment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_alarmcfg->start(pages, {"--port", "COM1=" + unit.device(), path}, {}, environment);
        FileStore store = settings();
        // Check1 is the last setting the page's load stores.
        QTRY_VERIFY_WITH_TIMEOUT(store.read(QStringLiteral("Check1")).has_value(), 20000);
        QCOMPARE(pages.state(), QProcess::Running);
        QVERIFY(store.read(QStringLiteral("Text16")) != profile.main.text[16]);
        QVERIFY(!QFile::exists(m_alarmcfg->configPath(QStringLiteral("woclc1k/before-import.alarmcfg.json"))));
        pages.terminate();
        QVERIFY(pages.waitForFinished());
    }

    // Nothing that reaches the unit or the disk depends on the language: a
    // dry run prints the same blocks, a write sends the same bytes and leaves
    // the same settings files and history records under every locale and
    // --lang; only the lines for people differ.
    void sameBlocksAndFilesInEveryLanguage()
    {
        const QList<std::pair<QString, QStringList>> languages{
            {"zh_CN.UTF-8", {}}, {"C", {}}, {"zh_CN.UTF-8", {"--lang", "en"}}};
        QList<QStringList> dryRuns;
        QList<QList<QByteArray>> sent;
        QList<QMap<QString, QByteArray>> files;
        QSet<QStringList> writeLines;
        for (const auto &[locale, option] : languages) {
            init();  // fresh settings and state folders
            const QProcessEnvironment environment = m_alarmcfg->environment(locale);
            dryRuns << m_alarmcfg->run(QStringList{"--write", "main", "--dry-run"} + option, {}, {}, environment).out;
            LoggedUnit unit;
            const CommandLineRun write = m_alarmcfg->run(
                QStringList{"--write", "main", "--send-default-secrets", "--port", "COM1=" + unit.device()} + option, {}, {}, environment);
            QCOMPARE(write.exitCode, 0);
            writeLines << write.out;
            sent << unit.bytes();
            files << writtenFiles();
        }
        QCOMPARE(writeLines.size(), 2);  // Chinese and English
        for (qsizetype k = 1; k < languages.size(); ++k) {
            QCOMPARE(dryRuns[k], dryRuns[0]);
            QCOMPARE(sent[k], sent[0]);
            QCOMPARE(files[k], files[0]);
        }
        QVERIFY(files[0].contains(QStringLiteral("history")) && files[0].size() > 1);
    }

    // A dry run prints each block as its tag and its bytes in upper-case hex: here
    // a first run's defaults (no numbers: FF digits; SMS and call: 00) and the password.
    void dryRunOpensNoPort()
    {
        const CommandLineRun run = m_alarmcfg->run({"--write", "main", "--dry-run", "--password", "天下太平",
                                  "--port", "COM1=/nonexistent/device"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(QDir(m_alarmcfg->configPath()).isEmpty());  // a dry run creates nothing, not even defaults
        QCOMPARE(run.out.size(), 6);
        QVERIFY2(run.out[0].startsWith("COMSMSA2 434F4D534D534132") && run.out[0].size() == 9 + 2 * 248, qPrintable(run.out[0]));
        QVERIFY2(run.out[1].startsWith("COMSMSAB 434F4D534D534142") && run.out[1].size() == 9 + 2 * 249, qPrintable(run.out[1]));
        QCOMPARE(run.out[2], "COMSMSA3 434F4D534D534133" + QString(98, u'F'));
        QVERIFY2(run.out[3].startsWith("COMSMSA7 434F4D534D534137") && run.out[3].contains("59294E0B592A5E73"),
                 qPrintable(run.out[3]));  // 天下太平 in UTF-16
        QCOMPARE(run.out[4], "COMSMSA5 434F4D534D534135" + QString(32, u'0'));
        QCOMPARE(run.out[5], "COMSMSA4 434F4D534D534134" + QString(100, u'F') + "00");
        QVERIFY(run.err.isEmpty());
    }

    // A profile exported from the store, with the password asked for,
    // imports into an empty settings directory as every field but the COM
    // choice, and writes both pages from itself without storing anything. A
    // profile of another version imports nothing.
    void profiles()
    {
        const QString profile = m_alarmcfg->configPath(QStringLiteral("car.json"));
        QCOMPARE(m_alarmcfg->run({"--export", profile}).exitCode, 0);
        QCOMPARE(QDir(m_alarmcfg->configPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), {"car.json"});
        FileStore store = settings({"Text16", "车被碰了\r\nSecond line", "Ttt7", "0755-1234 5678", "Option6", "True",
                                    "Option7", "False", "Check1", " 1 "});
        QCOMPARE(m_alarmcfg->run({"--export", profile, "--include-password", "--password", "天下太平"}).exitCode, 0);
        MainPageValues main = RestoreMainPage(store).values;
        const SensorPageValues sensors = RestoreSensorPage(store);
        QVERIFY(QDir(store.directory()).removeRecursively());
        QCOMPARE(m_alarmcfg->run({"--import", profile}).exitCode, 0);
        QVERIFY(!QFileInfo::exists(store.filePath("Option1")));
        QVERIFY(RestoreMainPage(store).values == main);
        QVERIFY(RestoreSensorPage(store) == sensors);

        QVERIFY(QDir(store.directory()).removeRecursively());
        LoggedUnit unit;
        QCOMPARE(m_alarmcfg->run({"--write", "all", "--send-default-secrets", "--profile", profile, "--port", "COM1=" + unit.device()}).exitCode, 0);
        main.text[15] = QStringLiteral("天下太平");
        QCOMPARE(unit.bytes(), MainPageBlocks(main) + SensorPageBlocks(sensors));
        QVERIFY(!QFileInfo::exists(store.directory()));

        const QString bad = m_alarmcfg->configPath(QStringLiteral("bad.json"));
        QVERIFY(WriteProfileFile(bad, R"({"format": "alarmcfg profile", "version": 7})").isEmpty());
        const CommandLineRun run = m_alarmcfg->run({"--import", bad});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(bad) && run.err.contains(QStringLiteral("version")), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(store.directory()));
    }

private:
    // The settings folder, with these keys and values stored first (key, value, key, value ...)
    // over the defaults of both pages: a folder that lacks a page's file is refused.
    FileStore settings(const QStringList &stored = {}) const
    {
        FileStore store = m_alarmcfg->settings();
        if (!stored.isEmpty()) {
            store.ensureDirectory();
            MemoryStore none;
            QTest::qVerify(store.writeAll(BothPagesToStore(DefaultMainPage(), RestoreSensorPage(none))), "store.writeAll", "defaults", __FILE__, __LINE__);
        }
        for (int k = 0; k + 1 < stored.size(); k += 2)
            QTest::qVerify(store.write(stored[k], stored[k + 1]), "store.write", qPrintable(stored[k]), __FILE__, __LINE__);
        return store;
    }
    // Every settings file by its name, and the history's records without
    // their time and device (each unit gets whichever pseudo-terminal is free).
    QMap<QString, QByteArray> writtenFiles() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator settingsFiles(m_alarmcfg->configPath(), QDir::Files, QDirIterator::Subdirectories);
        while (settingsFiles.hasNext()) {
            QFile file(settingsFiles.next());
            if (file.open(QIODevice::ReadOnly))
                files.insert(QDir(m_alarmcfg->configPath()).relativeFilePath(file.fileName()), file.readAll());
        }
        for (const WriteRecord &record : ReadHistory(m_alarmcfg->historyPath()).records) {
            QJsonObject json = RecordToJson(record);
            json.remove(QStringLiteral("time"));
            json.remove(QStringLiteral("device"));
            files[QStringLiteral("history")] += QJsonDocument(json).toJson(QJsonDocument::Compact);
        }
        return files;
    }

    std::unique_ptr<CommandLineProcess> m_alarmcfg;
};

QTEST_GUILESS_MAIN(TestCommandLineRuns)
#include "test_command_line_runs.moc"
