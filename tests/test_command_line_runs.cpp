// `alarmcfg` itself on the command line, with its settings and its history
// in fresh directories and no display, against the simulated unit on a
// pseudo-terminal: writes, dry runs, profiles, the history, units written one
// after another, the exit status of a refused line, and the same blocks and
// files in every language. (The lines themselves are read in process, in
// test_command_line_parse.)
#include "block_layouts.h"
#include "exchange.h"
#include "exchange_shorthand.h"
#include "file_store.h"
#include "history_log.h"
#include "history_reading.h"
#include "language.h"
#include "logged_unit.h"
#include "page_settings.h"
#include "profile_transfer.h"
#include "serial_port.h"
#include "test_support.h"
#include "write_sequences.h"

#include <QtTest>
#include <csignal>
#include <unistd.h>

struct Run  // one run of alarmcfg
{
    int exitCode;
    QStringList out;
    QString err;
};

class TestCommandLineRuns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        m_state = std::make_unique<QTemporaryDir>();
    }

    void commandLineWrite_data()
    {
        QTest::addColumn<QStringList>("unitOptions");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("exchanges");  // each block's tag, then + answered or - not
        QTest::addColumn<int>("received");       // blocks the unit received
        QTest::newRow("main page") << QStringList() << "main" << "A2+ AB+ A3+ A7+ A5+ A4+" << 6;
        QTest::newRow("sensor page") << QStringList() << "sensor" << "A8+ AH+" << 2;
        QTest::newRow("silent unit") << QStringList{"--silent"} << "main" << "A2- A3- A7- A5- A4-" << 5;
        QTest::newRow("silent for COMSMSA4") << QStringList{"--silent-for", "COMSMSA4"} << "main"
                                             << "A2+ AB+ A3+ A7+ A5+ A4-" << 6;
        QTest::newRow("unplugged when COMSMSAB arrives") << QStringList{"--unplug-after", "2"} << "main"
                                                         << "A2+ AB-" << 2;
    }

    // `alarmcfg --write` prints one line per block and a message on standard
    // error for each failure, and exits 0 only when every block was answered;
    // the unit gets the blocks of the stored page.
    void commandLineWrite()
    {
        QFETCH(QStringList, unitOptions);
        QFETCH(QString, page);
        QFETCH(QString, exchanges);
        QFETCH(int, received);
        LoggedUnit unit(unitOptions);
        const Run run = alarmcfg({"--write", page, "--send-default-secrets", "--port", "COM1=" + unit.device()});
        QCOMPARE(run.out, Exchanges(exchanges));
        {
            const Translations english(Language::English);  // the language the run was in
            QCOMPARE(run.err.count(WriteFailureTitle()), unitOptions.contains("--unplug-after") ? 0 : exchanges.count(u'-'));
        }
        QCOMPARE(run.exitCode, exchanges.contains(u'-') ? 1 : 0);
        FileStore store = settings();
        const QList<QByteArray> blocks = page == "main" ? MainPageBlocks(RestoreMainPage(store).values)
                                                        : SensorPageBlocks(RestoreSensorPage(store));
        QCOMPARE(unit.bytes(), Named(blocks, exchanges).mid(0, received));

        const QList<WriteRecord> records = ReadHistory(historyPath()).records;
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].page, page);
        QCOMPARE(records[0].origin.com, 1);
        QCOMPARE(records[0].origin.device, unit.device());
        QStringList recorded;
        for (const BlockOutcome &block : records[0].blocks)
            recorded << QString::fromLatin1(block.tag) + (block.answered ? " answered" : " not answered");
        QCOMPARE(recorded, run.out);
    }

    void unwritableHistory_data()
    {
        QTest::addColumn<QStringList>("unitOptions");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("unit answers") << QStringList() << 0;
        QTest::newRow("silent unit") << QStringList{"--silent"} << 1;
    }

    // A history folder that cannot be made (a file has its name) stops no
    // write: every block goes out, the failure is told once on stderr for
    // both pages, and the exit status stays the unit's.
    void unwritableHistory()
    {
        QFETCH(QStringList, unitOptions);
        QFETCH(int, exitCode);
        QVERIFY(WriteBytes(QFileInfo(historyPath()).path(), {}));
        LoggedUnit unit(unitOptions);
        const Run run = alarmcfg({"--write", "all", "--send-default-secrets", "--port", "COM1=" + unit.device()});
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err.count(historyPath()), 1);
        QCOMPARE(unit.bytes().size(), exitCode == 0 ? 8 : 6);
    }

    void historyLines_data()
    {
        QTest::addColumn<int>("records");  // in the history file (-1: no file)
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("shown");    // the last ones printed
        QTest::newRow("no history") << -1 << QStringList{"--history"} << 0;
        QTest::newRow("an empty history") << 0 << QStringList{"--history", "5"} << 0;
        QTest::newRow("default") << 25 << QStringList{"--history"} << 20;
        QTest::newRow("fewer than asked") << 3 << QStringList{"--history", "5"} << 3;
        QTest::newRow("--history N") << 3 << QStringList{"--history", "2"} << 2;
        QTest::newRow("--history=N") << 3 << QStringList{"--history=1"} << 1;
    }

    // `alarmcfg --history [N]` prints the last N writes, oldest first, and
    // exits 0; without a history it prints nothing and creates nothing.
    void historyLines()
    {
        QFETCH(int, records);
        QFETCH(QStringList, arguments);
        QFETCH(int, shown);
        HistoryLog log(historyPath());
        QStringList expected;
        for (int k = 0; k < records; ++k) {
            WriteResult result;
            result.blocks = {{"COMSMSA8", true}, {"COMSMSAH", k % 2 == 0}};
            const QString device = QStringLiteral("/dev/ttyUSB%1").arg(k);
            WriteRecord record = SensorPageRecord(TypedSensorPage(), result, {1 + k % 4, device, WindowSource()});
            record.time = QDateTime(QDate(2026, 12, 7), QTime(10, k, 0));
            QCOMPARE(log.append(record), QString());
            const QString outcome = k % 2 == 0 ? QStringLiteral("written")
                                                : QStringLiteral("written: wireless sensors 1–5; not written: wireless sensors 6–10");
            expected << QStringLiteral("2026-12-07 10:%1:00  sensor  COM%2 %3  %4  window")
                            .arg(QString::number(k).rightJustified(2, u'0'), QString::number(1 + k % 4), device, outcome);
        }
        if (records == 0)
            QVERIFY(QDir().mkpath(QFileInfo(historyPath()).path()) && QFile(historyPath()).open(QIODevice::WriteOnly));
        const Run run = alarmcfg(arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out, expected.mid(records - shown));
        QCOMPARE(QDir(m_state->path()).isEmpty(), records < 0);
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
        QTest::newRow("stopped after a silent unit") << QStringList{"--silent"} << QStringList{" Q "}
                                                     << "0 succeeded, 1 failed." << 1;
    }

    // `--write ... --repeat` writes a unit, then waits for the next to be
    // connected (on a port opened again for it) until "q" or the end of the
    // input; it ends with the count of units that succeeded and failed and
    // exits 0 only when every one did. Every unit goes into the history.
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
        start(process, {"--write", "main", "--send-default-secrets", "--repeat", "--port", "COM1=" + link});
        QByteArray out;
        for (int k = 0; k < units.size(); ++k) {
            while (!out.contains(QStringLiteral("Unit %1:").arg(k + 1).toUtf8()) && process.waitForReadyRead(10000))
                out += process.readAllStandardOutput();
            unit.reset();
            if (k + 1 < units.size())
                unit = connect(k + 1);
            if (k < typed.size())
                process.write(typed[k].toUtf8() + '\n');
            else
                process.closeWriteChannel();
        }
        QVERIFY(process.waitForFinished(30000));
        out += process.readAllStandardOutput();
        QCOMPARE(process.exitCode(), exitCode);
        QCOMPARE(QString::fromUtf8(out).split(u'\n', Qt::SkipEmptyParts).constLast(), summary);
        const QList<WriteRecord> records = ReadHistory(historyPath()).records;
        QCOMPARE(records.size(), units.size());
        for (qsizetype k = 0; k < units.size(); ++k)
            QCOMPARE(records[k].succeeded(), units[k].isEmpty());
    }

    void comChoice_data()
    {
        QTest::addColumn<QStringList>("stored");     // key, value, key, value ...
        QTest::addColumn<QStringList>("arguments");  // UNIT: the unit's device
        QTest::addColumn<int>("com");                // the option written to
        QTest::addColumn<int>("received");           // blocks the unit received
        const QString missing = QStringLiteral("/dev/alarmcfg-no-such-device");
        const QStringList com2{"Option2", "True"};
        QTest::newRow("a single --port selects its option") << com2 << QStringList{"--port", "COM1=UNIT"} << 1 << 6;
        QTest::newRow("--com wins") << com2 << QStringList{"--com", "3", "--port", "COM3=UNIT", "--port", "COM1=" + missing}
                                    << 3 << 6;
    }

    // A write goes to the option --com or a single --port names, or else to
    // the stored one, and stores no COM choice.
    void comChoice()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, arguments);
        QFETCH(int, com);
        QFETCH(int, received);
        LoggedUnit unit;
        const FileStore store = settings(stored);
        const Run run = alarmcfg(QStringList{"--write", "main", "--send-default-secrets"}
                                 + arguments.replaceInStrings("UNIT", unit.device()));
        QCOMPARE(run.exitCode, received > 0 ? 0 : 1);
        QTRY_COMPARE(unit.bytes().size(), received);
        const QList<WriteRecord> records = ReadHistory(historyPath()).records;
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].origin.com, com);
        for (const QString option : {"Option1", "Option2", "Option3", "Option4"}) {
            const qsizetype k = stored.indexOf(option);
            QCOMPARE(ReadBytes(store.filePath(option)), k < 0 ? "<unreadable>" : stored[k + 1].toLatin1() + "\r\n");
        }
    }

    void listPorts_data()
    {
        QTest::addColumn<bool>("heldHere");
        QTest::addColumn<bool>("throughLink");  // COM1 names a link to the device
        QTest::newRow("held by the unit's own side") << false << false;
        QTest::newRow("locked by this test") << true << false;
        QTest::newRow("held by the unit, named through a link") << false << true;
    }

    // `--list-ports` needs no display and opens nothing; a pseudo-terminal
    // is held by the simulated unit, and by whoever locked it.
    void listPorts()
    {
        QFETCH(bool, heldHere);
        QFETCH(bool, throughLink);
        const QString link = m_state->filePath(QStringLiteral("usb-1a86_USB_Serial-if00-port0"));  // as in /dev/serial/by-id
        LoggedUnit unit(throughLink ? QStringList{"--link", link} : QStringList());
        const QString device = throughLink ? link : unit.device();
        SerialPort port;
        if (heldHere)
            QCOMPARE(port.open(device), QString());
        const Run run = alarmcfg({"--list-ports", "--port", "COM1=" + device, "--port",
                                  "COM3=/dev/alarmcfg-no-such-device"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.size() >= 4);
        const QString holder = heldHere ? QStringLiteral("(pid %1)").arg(getpid()) : QStringLiteral("alarmcfg-unit (pid");
        QVERIFY2(run.out[0].startsWith("COM1  " + device) && run.out[0].contains("read/write: yes")
                     && run.out[0].contains("in use: yes") && run.out[0].contains(holder),
                 qPrintable(run.out[0]));
        QVERIFY2(run.out[2].startsWith("COM3  /dev/alarmcfg-no-such-device") && run.out[2].contains("no such device"),
                 qPrintable(run.out[2]));
        if (heldHere)
            QVERIFY(port.isOpen());
        QCOMPARE(unit.bytes(), QList<QByteArray>());
    }

    void refusedWriteSendsNothing_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("stored");  // key, value, key, value ...
        const QStringList badMain{"tel1", "+8613800138000"};
        const QStringList badSensor{"Ttt1", "+8613900139000"};
        QTest::newRow("main page") << "main" << badMain;
        QTest::newRow("main page of both") << "all" << badMain;
        QTest::newRow("sensor page of both") << "all" << badSensor;
        QTest::newRow("both pages") << "all" << badMain + badSensor;
    }

    // A page that cannot be written as it stands refuses the whole write,
    // both pages of `--write all` included: one message names every problem.
    void refusedWriteSendsNothing()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, stored);
        LoggedUnit unit;
        settings(stored);
        const Run run = alarmcfg({"--write", page, "--port", "COM1=" + unit.device()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        for (int k = 1; k < stored.size(); k += 2)
            QVERIFY2(run.err.contains(stored[k]), qPrintable(run.err));
        QTest::qWait(200);
        QVERIFY(unit.bytes().isEmpty());
    }

    void unreadableSettingsRefuseTheWrite_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QByteArray>("bytes");  // each key's file (null: a folder in its place)
        QTest::newRow("not GB18030") << "main" << QStringList{"k1"} << QByteArray("\xff\xfe\r\n");
        QTest::newRow("a character cut off") << "all" << QStringList{"Ttt3"} << QByteArray("\xc7");
        QTest::newRow("empty") << "main" << QStringList{"tel2"} << QByteArray("");
        QTest::newRow("a folder") << "main" << QStringList{"g1"} << QByteArray();
        QTest::newRow("alarm mode option") << "main" << QStringList{"Option6"} << QByteArray("maybe\r\n");
        QTest::newRow("COM option") << "sensor" << QStringList{"Option2"} << QByteArray("maybe\r\n");
        QTest::newRow("ring-tone check box") << "main" << QStringList{"Check1"} << QByteArray(" 7 \r\n");
        QTest::newRow("two files") << "all" << QStringList{"k8", "SMS1"} << QByteArray("\xff\r\n");
    }

    // A stored setting that cannot be read would go out as its default (the
    // default pass phrases are no secret): a write or a dry run from the
    // store refuses before the first block, names every such file, and
    // leaves the settings folder as it was.
    void unreadableSettingsRefuseTheWrite()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, keys);
        QFETCH(QByteArray, bytes);
        const QDir folder(settings().directory());
        QVERIFY(folder.mkpath("."));
        for (const QString &key : keys)
            QVERIFY(bytes.isNull() ? folder.mkdir(key + ".cck") : WriteBytes(folder.filePath(key + ".cck"), bytes));
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        LoggedUnit unit;
        for (const QStringList &extra : {QStringList{"--dry-run"}, QStringList{"--port", "COM1=" + unit.device()}}) {
            const Run run = alarmcfg(QStringList{"--write", page} + extra);
            QCOMPARE(run.exitCode, 1);
            QVERIFY(run.out.isEmpty());
            for (const QString &key : keys)
                QVERIFY2(run.err.contains(key + ".cck"), qPrintable(run.err));
            QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
            for (const QString &key : keys)
                QVERIFY(bytes.isNull() || ReadBytes(folder.filePath(key + ".cck")) == bytes);
        }
        QVERIFY(unit.bytes().isEmpty());
        const QString profile = m_config->filePath(QStringLiteral("car.json"));
        QCOMPARE(alarmcfg({"--export", profile}).exitCode, 1);
        QVERIFY(!QFileInfo::exists(profile));
    }

    // A reader that closes its end of the pipe (`| head -1`) ends no write:
    // every block reaches the unit and the exit status is the unit's.
    void closedStandardOutput()
    {
        LoggedUnit unit;
        const Run run = alarmcfg({"--write", "all", "--send-default-secrets", "--port", "COM1=" + unit.device()}, [] {
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
        QTest::newRow("unknown option") << QStringList{"--writ", "main"} << "en_US.UTF-8" << false;
        QTest::newRow("--lang zh in an English locale") << QStringList{"--lang", "zh", "--write", "all", "--simulate"}
                                                        << "en_US.UTF-8" << true;
        QTest::newRow("--lang en in a Chinese locale")
            << QStringList{"--lang", "en", "--write", "main", "--dry-run", "--repeat"} << "zh_CN.UTF-8" << false;
        QTest::newRow("exported password not four Chinese characters")
            << QStringList{"--export", "car.json", "--include-password", "--password", "天下太"} << "en_US.UTF-8" << false;
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
        const Run run = alarmcfg(QStringList{"--port", "COM1=" + unit.device()} + arguments, {}, environment(locale));
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(!run.err.trimmed().isEmpty() && !run.err.trimmed().contains(u'\n'), qPrintable(run.err));
        const bool hasChinese = std::any_of(run.err.cbegin(), run.err.cend(), [](QChar c) { return c.script() == QChar::Script_Han; });
        QVERIFY2(hasChinese == chinese, qPrintable(run.err));
        QVERIFY(unit.bytes().isEmpty());
        QVERIFY(QDir(m_config->path()).isEmpty());
        QVERIFY(QDir(m_state->path()).isEmpty());
    }

    // A profile given as the only argument (a file manager's "open with")
    // opens the pages and asks first: while the question waits, the store
    // still holds what it held (the page has loaded: its defaults are there).
    void openWithProfile()
    {
        Profile profile{DefaultMainPage(), {}, false};
        profile.main.text[16] = QStringLiteral("车被碰了");
        const QString path = m_config->filePath(QStringLiteral("car.json"));
        QVERIFY(WriteProfileFile(path, ProfileToJson(profile, false)).isEmpty());
        LoggedUnit unit;
        QProcess pages;
        QProcessEnvironment environment = this->environment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        start(pages, {"--port", "COM1=" + unit.device(), path}, environment);
        FileStore store = settings();
        // Check1 is the last setting the page's load stores.
        QTRY_VERIFY_WITH_TIMEOUT(store.read(QStringLiteral("Check1")).has_value(), 20000);
        QCOMPARE(pages.state(), QProcess::Running);
        QVERIFY(store.read(QStringLiteral("Text16")) != profile.main.text[16]);
        QVERIFY(!QFile::exists(m_config->filePath(QStringLiteral("woclc1k/before-import.alarmcfg.json"))));
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
            {"zh_CN.UTF-8", {}}, {"en_US.UTF-8", {}}, {"C", {}}, {"", {}}, {"zh_CN.UTF-8", {"--lang", "en"}}};
        QList<QStringList> dryRuns;
        QList<QList<QByteArray>> sent;
        QList<QMap<QString, QByteArray>> files;
        QSet<QStringList> writeLines;
        for (const auto &[locale, option] : languages) {
            init();  // fresh settings and state folders
            const QProcessEnvironment environment = this->environment(locale);
            dryRuns << alarmcfg(QStringList{"--write", "main", "--dry-run"} + option, {}, environment).out;
            LoggedUnit unit;
            const Run write = alarmcfg(QStringList{"--write", "main", "--send-default-secrets", "--port", "COM1=" + unit.device()} + option, {},
                                       environment);
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
        const Run run = alarmcfg({"--write", "main", "--dry-run", "--password", "天下太平",
                                  "--port", "COM1=/nonexistent/device"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(QDir(m_config->path()).isEmpty());  // a dry run creates nothing, not even defaults
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
        const QString profile = m_config->filePath(QStringLiteral("car.json"));
        QCOMPARE(alarmcfg({"--export", profile}).exitCode, 0);
        QCOMPARE(QDir(m_config->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), {"car.json"});
        FileStore store = settings({"Text16", "车被碰了\r\nSecond line", "Ttt7", "0755-1234 5678", "Option6", "True",
                                    "Option7", "False", "Check1", " 1 "});
        QCOMPARE(alarmcfg({"--export", profile, "--include-password", "--password", "天下太平"}).exitCode, 0);
        QCOMPARE(QFile::permissions(profile) & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
                 QFile::Permissions());
        MainPageValues main = RestoreMainPage(store).values;
        const SensorPageValues sensors = RestoreSensorPage(store);
        QVERIFY(QDir(store.directory()).removeRecursively());
        QCOMPARE(alarmcfg({"--import", profile}).exitCode, 0);
        QVERIFY(!QFileInfo::exists(store.filePath("Option1")));
        QVERIFY(RestoreMainPage(store).values == main);
        QVERIFY(RestoreSensorPage(store) == sensors);

        QVERIFY(QDir(store.directory()).removeRecursively());
        LoggedUnit unit;
        QCOMPARE(alarmcfg({"--write", "all", "--send-default-secrets", "--profile", profile, "--port", "COM1=" + unit.device()}).exitCode, 0);
        main.text[15] = QStringLiteral("天下太平");
        QCOMPARE(unit.bytes(), MainPageBlocks(main) + SensorPageBlocks(sensors));
        QVERIFY(!QFileInfo::exists(store.directory()));

        const QString bad = m_config->filePath(QStringLiteral("bad.json"));
        QVERIFY(WriteProfileFile(bad, R"({"format": "alarmcfg profile", "version": 7})").isEmpty());
        const Run run = alarmcfg({"--import", bad});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(bad) && run.err.contains(QStringLiteral("version")), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(store.directory()));
    }

private:
    // The settings folder, with these keys and values stored first (key, value, key, value ...)
    // over the defaults of both pages: a folder that lacks a page's file is refused.
    FileStore settings(const QStringList &stored = {}) const
    {
        FileStore store(m_config->filePath(QStringLiteral("woclc1k")));
        if (!stored.isEmpty()) {
            store.ensureDirectory();
            MemoryStore none;
            QTest::qVerify(store.writeAll(BothPagesToStore(DefaultMainPage(), RestoreSensorPage(none))), "store.writeAll", "defaults", __FILE__, __LINE__);
        }
        for (int k = 0; k + 1 < stored.size(); k += 2)
            QTest::qVerify(store.write(stored[k], stored[k + 1]), "store.write", qPrintable(stored[k]), __FILE__, __LINE__);
        return store;
    }
    QString historyPath() const { return m_state->filePath(QStringLiteral("alarmcfg/history.jsonl")); }

    // Every run has its own settings folder, as working directory too, and
    // no display: only the pages need one. Its messages are in English, as
    // the history's lines these tests compare them with.
    QProcessEnvironment environment(const QString &locale = QStringLiteral("en_US.UTF-8")) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config->path());
        environment.insert(QStringLiteral("XDG_STATE_HOME"), m_state->path());
        for (const char *unset : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QString::fromLatin1(unset));
        environment.insert(QStringLiteral("LANG"), locale);
        return environment;
    }

    // Every settings file by its name, and the history's records without
    // their time and device (each unit gets whichever pseudo-terminal is free).
    QMap<QString, QByteArray> writtenFiles() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator settingsFiles(m_config->path(), QDir::Files, QDirIterator::Subdirectories);
        while (settingsFiles.hasNext()) {
            QFile file(settingsFiles.next());
            if (file.open(QIODevice::ReadOnly))
                files.insert(QDir(m_config->path()).relativeFilePath(file.fileName()), file.readAll());
        }
        for (const WriteRecord &record : ReadHistory(historyPath()).records) {
            QJsonObject json = RecordToJson(record);
            json.remove(QStringLiteral("time"));
            json.remove(QStringLiteral("device"));
            files[QStringLiteral("history")] += QJsonDocument(json).toJson(QJsonDocument::Compact);
        }
        return files;
    }

    void start(QProcess &process, const QStringList &arguments, const QProcessEnvironment &environment = {}) const
    {
        process.setProcessEnvironment(environment.isEmpty() ? this->environment() : environment);
        process.setWorkingDirectory(m_config->path());
        process.start(QStringLiteral(ALARMCFG), arguments);
    }

    // `beforeStart` runs in the child just before alarmcfg starts.
    Run alarmcfg(const QStringList &arguments, const std::function<void()> &beforeStart = {},
                 const QProcessEnvironment &environment = {}) const
    {
        QProcess process;
        if (beforeStart)
            process.setChildProcessModifier(beforeStart);
        start(process, arguments, environment);
        if (!process.waitForFinished(30000))
            return {-1, {}, QStringLiteral("alarmcfg did not finish")};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
                QString::fromUtf8(process.readAllStandardError())};
    }

    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QTemporaryDir> m_state;
};

QTEST_GUILESS_MAIN(TestCommandLineRuns)
#include "test_command_line_runs.moc"
