// The command line read in process: what each line asks for, every malformed
// line refused with one line naming the problem, and the COM option a write
// goes to: only one the user named, with one device at most. (What only the
// program shows, the exit status and that nothing is opened, is in
// test_command_line_runs.)
#include "command_line.h"
#include "test_support.h"

#include <QTemporaryDir>
#include <QTest>

using Mode = CommandLine::Mode;

namespace {

// What a parsed line asks for beyond its mode, as the rows write it.
QString Details(const CommandLine &options)
{
    switch (options.mode) {
    case Mode::Write:
        return QStringList{options.writePage, options.dryRun ? "dry run" : "", options.repeat ? "repeat" : "",
                           options.profile, options.com ? QStringLiteral("COM%1").arg(options.com) : "",
                           options.portOverrides.join(u' ')}
            .join(u' ').simplified();
    case Mode::Export:
        return options.exportFile + (options.includePassword ? " with " + options.password : QString());
    case Mode::Import:
        return options.importFile;
    case Mode::History:
        return QString::number(options.historyCount);
    case Mode::Window:
        return (options.openProfile + (options.simulate ? " simulated" : "")).trimmed();
    default:
        return {};
    }
}

}  // namespace

class TestCommandLineParse : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The working folder holds car.json, a profile to open.
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_folder.path()));
        QVERIFY(WriteBytes(QStringLiteral("car.json"), "{}"));
    }

    void lines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("details");
        const auto row = [](const char *name, const QStringList &arguments, Mode mode, const QString &details = {}) {
            QTest::newRow(name) << arguments << mode << details;
        };
        const auto refused = [&row](const char *name, const QStringList &arguments) { row(name, arguments, Mode::Refused); };
        row("the pages", {}, Mode::Window);
        row("a profile to open", {"car.json"}, Mode::Window, "car.json");
        row("--simulate", {"--simulate"}, Mode::Window, "simulated");
        row("--write main", {"--write", "main"}, Mode::Write, "main");
        row("--dry-run", {"--write=sensor", "--dry-run"}, Mode::Write, "sensor dry run");
        row("--profile, --repeat", {"--write", "all", "--profile", "car.json", "--repeat"}, Mode::Write,
            "all repeat car.json");
        row("--com, --port", {"--write", "main", "--com", "2", "--port", "COM2=/dev/ttyUSB0"}, Mode::Write,
            "main COM2 COM2=/dev/ttyUSB0");
        row("--lang with --write", {"--lang", "en", "--write", "main"}, Mode::Write, "main");
        row("--export", {"--export", "out.json"}, Mode::Export, "out.json");
        row("--export with the password", {"--export", "out.json", "--include-password", "--password", "天下太平"},
            Mode::Export, "out.json with 天下太平");
        row("--import", {"--import", "car.json"}, Mode::Import, "car.json");
        row("--history", {"--history"}, Mode::History, "20");
        row("--history N", {"--history", "5"}, Mode::History, "5");
        row("--history=N", {"--history=3"}, Mode::History, "3");
        row("--dry-run with several --port", {"--write", "main", "--dry-run", "--port", "COM1=/dev/a", "--port", "COM2=/dev/b"},
            Mode::Write, "main dry run COM1=/dev/a COM2=/dev/b");
        row("--list-ports", {"--list-ports", "--port", "COM1=/dev/ttyUSB0"}, Mode::ListPorts);
        row("--help", {"--help"}, Mode::Help);
        row("-v", {"-v"}, Mode::Version);

        refused("--export \"\"", {"--export", ""});
        refused("--export=", {"--export="});
        refused("--import \"\"", {"--import", ""});
        refused("--profile \"\"", {"--write", "main", "--profile", ""});
        refused("-- --write", {"--", "--write", "main"});
        refused("-- -hello", {"--", "-hello"});
        refused("--password -v", {"--password", "-v"});
        refused("--dry-run alone", {"--dry-run"});
        refused("--profile alone", {"--profile", "car.json"});
        refused("--write twice", {"--write", "main", "--write", "sensor"});
        refused("unknown option", {"--writ", "main"});
        refused("--write of no page", {"--write", "everything"});
        refused("argument after --write", {"--write", "main", "sensor"});
        refused("an existing file after --write", {"--write", "main", "car.json"});
        refused("two profiles to open", {"car.json", "car.json"});
        refused("no such profile to open", {"none.json"});
        refused("a folder to open", {"."});
        refused("--simulate with --write", {"--write", "all", "--simulate"});
        refused("--history not a number", {"--history", "abc"});
        refused("--history=x", {"--history=x"});
        refused("--history 0", {"--history", "0"});
        refused("--history beyond any number", {"--history", "99999999999"});
        refused("--history -1", {"--history", "-1"});
        refused("--history=-1", {"--history=-1"});
        refused("--history -0", {"--history", "-0"});
        refused("--history twice", {"--history", "--history", "2"});
        refused("--history with --write", {"--write", "main", "--history", "3"});
        refused("--lang fr", {"--lang", "fr"});
        refused("--lang twice", {"--lang", "en", "--lang", "zh"});
        refused("--repeat alone", {"--repeat"});
        refused("--repeat with --export", {"--export", "car.json", "--repeat"});
        refused("--repeat with --dry-run", {"--write", "main", "--dry-run", "--repeat"});
        refused("--password without --include-password", {"--export", "car.json", "--password", "天下太平"});
        refused("--include-password with --write", {"--write", "main", "--include-password"});
        refused("exported password not four Chinese characters",
                {"--export", "car.json", "--include-password", "--password", "天下太"});
        refused("--com 5", {"--write", "main", "--com", "5"});
        refused("--com not a number", {"--write", "main", "--com", "one"});
        refused("--com without --write", {"--com", "2"});
        refused("--port COM5", {"--write", "main", "--port", "COM5=/dev/ttyUSB0"});
        refused("--dry-run, one option twice", {"--write", "main", "--dry-run", "--port", "COM1=/dev/a", "--port", "COM1=/dev/b"});
        refused("--list-ports with --write", {"--list-ports", "--write", "main"});
    }

    // A refusal is one line that names the problem.
    void lines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Mode, mode);
        QFETCH(QString, details);
        const CommandLine options = ParseCommandLine(QStringList{"alarmcfg"} + arguments);
        QVERIFY2(options.mode == mode, qPrintable(options.refusal));
        QCOMPARE(Details(options), details);
        QCOMPARE(options.refusal.isEmpty(), mode != Mode::Refused);
        QVERIFY(!options.refusal.contains(u'\n'));
    }

    void comOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("stored");  // the stored choice, 0 when no option is selected
        QTest::addColumn<int>("com");     // 0: refused
        QTest::addColumn<QString>("refusal");  // part of it
        const QStringList two{"--port", "COM1=/dev/ttyUSB0", "--port", "COM3=/dev/ttyUSB1"};
        const QStringList twice{"--port", "COM2=/dev/ttyUSB0", "--port", "COM2=/dev/ttyUSB1"};
        QTest::newRow("the stored choice") << QStringList() << 3 << 3 << "";
        QTest::newRow("none stored: COM1") << QStringList() << 0 << 1 << "";
        QTest::newRow("--com") << QStringList{"--com", "4"} << 2 << 4 << "";
        QTest::newRow("a single --port") << QStringList{"--port", "COM4=/dev/ttyUSB0"} << 2 << 4 << "";
        QTest::newRow("--com before --port") << QStringList{"--com", "1", "--port", "COM4=/dev/ttyUSB0"} << 2 << 1 << "";
        QTest::newRow("several --port and --com naming one") << two + QStringList{"--com", "3"} << 2 << 3 << "";
        QTest::newRow("several --port without --com") << two << 2 << 0 << "--com";
        QTest::newRow("several --port, --com naming none") << two + QStringList{"--com", "2"} << 2 << 0 << "--com";
        QTest::newRow("one option twice") << twice << 2 << 0 << "COM2";
        QTest::newRow("one option twice, with --com") << twice + QStringList{"--com", "2"} << 2 << 0 << "COM2";
    }

    // The option a write goes to, or the refusal naming what is wrong.
    void comOption()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, stored);
        QFETCH(int, com);
        QFETCH(QString, refusal);
        const CommandLine options = ParseCommandLine(QStringList{"alarmcfg", "--write", "main"} + arguments);
        QCOMPARE(options.mode == Mode::Refused, com == 0);
        if (com == 0)
            QVERIFY2(options.refusal.contains(refusal), qPrintable(options.refusal));
        else
            QCOMPARE(WriteComOption(options, stored), com);
    }

private:
    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(TestCommandLineParse)
#include "test_command_line_parse.moc"
