// What the command line makes of the values of --port, --com and --history:
// a write goes only to a COM option the user named, a COM option is given
// one device at most, and a refusal says what is wrong with the value.
#include "command_line.h"

#include <QtTest>

class TestOptionValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writeComOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("com");  // the option written to with COM2 stored; 0: refused
        QTest::addColumn<QString>("refusal");  // part of it
        QTest::newRow("the stored choice") << QStringList{} << 2 << "";
        QTest::newRow("--com") << QStringList{"--com", "4"} << 4 << "";
        QTest::newRow("a single --port") << QStringList{"--port", "COM3=/dev/ttyUSB0"} << 3 << "";
        QTest::newRow("several --port and --com naming one")
            << QStringList{"--port", "COM1=/dev/ttyUSB0", "--port", "COM3=/dev/ttyUSB1", "--com", "3"} << 3 << "";
        QTest::newRow("several --port without --com")
            << QStringList{"--port", "COM1=/dev/ttyUSB0", "--port", "COM3=/dev/ttyUSB1"} << 0 << "--com";
        QTest::newRow("several --port, --com naming none")
            << QStringList{"--port", "COM1=/dev/ttyUSB0", "--port", "COM3=/dev/ttyUSB1", "--com", "2"} << 0 << "--com";
        QTest::newRow("one option twice")
            << QStringList{"--port", "COM2=/dev/ttyUSB0", "--port", "COM2=/dev/ttyUSB1"} << 0 << "COM2";
        QTest::newRow("one option twice, with --com")
            << QStringList{"--port", "COM2=/dev/ttyUSB0", "--port", "COM2=/dev/ttyUSB1", "--com", "2"} << 0 << "COM2";
    }

    void writeComOption()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, com);
        QFETCH(QString, refusal);
        const CommandLine options = ParseCommandLine(QStringList{"alarmcfg", "--write", "main"} + arguments);
        QCOMPARE(options.mode == CommandLine::Mode::Refused, com == 0);
        if (com == 0)
            QVERIFY2(options.refusal.contains(refusal), qPrintable(options.refusal));
        else
            QCOMPARE(WriteComOption(options, 2), com);
    }

    // A dry run sends nothing: several devices need no choice among them,
    // but one option is still given one device only.
    void dryRunWithSeveralPorts()
    {
        const QStringList line{"alarmcfg", "--write", "main", "--dry-run", "--port", "COM1=/dev/a", "--port"};
        QCOMPARE(ParseCommandLine(line + QStringList{"COM2=/dev/b"}).mode, CommandLine::Mode::Write);
        QCOMPARE(ParseCommandLine(line + QStringList{"COM1=/dev/b"}).mode, CommandLine::Mode::Refused);
    }

    void historyCount_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("count");  // 0: refused, naming --history and the value
        QTest::newRow("--history 3") << QStringList{"--history", "3"} << 3;
        QTest::newRow("--history -1") << QStringList{"--history", "-1"} << 0;
        QTest::newRow("--history=-1") << QStringList{"--history=-1"} << 0;
        QTest::newRow("--history -0") << QStringList{"--history", "-0"} << 0;
    }

    void historyCount()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, count);
        const CommandLine options = ParseCommandLine(QStringList{"alarmcfg"} + arguments);
        if (count > 0) {
            QCOMPARE(options.mode, CommandLine::Mode::History);
            QCOMPARE(options.historyCount, count);
            return;
        }
        QCOMPARE(options.mode, CommandLine::Mode::Refused);
        QVERIFY2(options.refusal.startsWith("--history") && options.refusal.contains(arguments.constLast().section(u'=', -1)),
                 qPrintable(options.refusal));
    }
};

QTEST_GUILESS_MAIN(TestOptionValues)
#include "test_option_values.moc"
