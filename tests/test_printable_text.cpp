// Text from outside as the command line prints it: no control character
// reaches the terminal, no text makes a line of its own, and what is not a
// control character stays as it was. Then the names alarmcfg prints: a
// history line's profile and device, a port's device and the program that
// holds it, file names in messages, a value quoted by a refusal.
#include "command_line_process.h"
#include "history_format.h"
#include "logged_unit.h"
#include "printable_text.h"
#include "serial_port.h"

#include <QTest>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// Whether a text holds a control character other than the line ends between lines.
bool HasControl(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c != u'\n' && (c.category() == QChar::Other_Control || c == QChar(0x2028) || c == QChar(0x2029));
    });
}

const QString kHostile = QStringLiteral("\x1b[31m%1");
const QString kShown = QStringLiteral("\\e[31m%1");

}  // namespace

class TestPrintableText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hostileNames_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("printed");
        QTest::newRow("plain") << "/dev/ttyUSB0" << "/dev/ttyUSB0";
        QTest::newRow("Chinese and emoji") << "车被碰了🚗" << "车被碰了🚗";
        QTest::newRow("line break") << "car.json\n2026-12-07 10:31:02  main  COM1"
                                    << "car.json\\n2026-12-07 10:31:02  main  COM1";
        QTest::newRow("carriage return") << "a\rb" << "a\\rb";
        QTest::newRow("tab") << "a\tb" << "a\\tb";
        QTest::newRow("colour escape") << "\x1b[31mred\x1b[0m" << "\\e[31mred\\e[0m";
        QTest::newRow("title escape with BEL") << "\x1b]0;owned\x07" << "\\e]0;owned\\x07";
        QTest::newRow("NUL and DEL") << QStringLiteral("a\u0000b\u007f") << "a\\x00b\\x7f";
        QTest::newRow("C1 CSI and NEL") << QStringLiteral("\u009b31m\u0085") << "\\x9b31m\\x85";
        QTest::newRow("line and paragraph separators") << QStringLiteral("a\u2028b\u2029") << "a\\u2028b\\u2029";
        QTest::newRow("placeholders stay") << "minicom %1 %2" << "minicom %1 %2";
        QTest::newRow("backslashes stay") << "C:\\woclc1k\\k8.cck" << "C:\\woclc1k\\k8.cck";
        QTest::newRow("latin-1 letters stay") << "Zoë ÿ" << "Zoë ÿ";
    }

    void hostileNames()
    {
        QFETCH(QString, text);
        QFETCH(QString, printed);
        QCOMPARE(Printable(text), printed);
    }

    // One record is one line, whatever its profile's name and its device.
    void historyLine()
    {
        WriteResult result;
        result.blocks = {{"COMSMSA8", true}, {"COMSMSAH", true}};
        const WriteRecord record = SensorPageRecord(
            {}, result, {2, "/dev/" + kHostile, "profile /tmp/car\n2026-12-07 10:31:02  main  COM1  6/6 answered"});
        const QString line = FormatHistoryLine(record);
        QVERIFY2(!HasControl(line) && !line.contains(u'\n'), qPrintable(line));
        QVERIFY2(line.contains("COM2 /dev/" + kShown) && line.endsWith("car\\n2026-12-07 10:31:02  main  COM1  6/6 answered"),
                 qPrintable(line));
    }

    void printedNames_data()
    {
        QTest::addColumn<QStringList>("arguments");  // HOSTILE: a name with an escape sequence and a %1
        QTest::addColumn<QString>("shown");          // printed, on either stream
        QTest::newRow("a device to list") << QStringList{"--list-ports", "--port", "COM2=/dev/HOSTILE"}
                                          << "COM2  /dev/" + kShown + "  ";
        QTest::newRow("a profile that is not there") << QStringList{"--write", "main", "--profile", "HOSTILE.json"}
                                                     << kShown + ".json";
        QTest::newRow("a value refused") << QStringList{"--write", "HOSTILE"} << kShown;
        QTest::newRow("a profile to open") << QStringList{"HOSTILE\n.json"} << kShown + "\\n.json";
    }

    void printedNames()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, shown);
        const CommandLineProcess alarmcfg;
        const CommandLineRun run = alarmcfg.run(arguments.replaceInStrings("HOSTILE", kHostile));
        const QString printed = run.out.join(u'\n') + u'\n' + run.err;
        QVERIFY2(!HasControl(printed) && printed.contains(shown), qPrintable(printed));
    }

    // The program that holds a port is named as it calls itself.
    void holderName()
    {
        LoggedUnit unit;
        char ownName[16] = {};
        QCOMPARE(::prctl(PR_GET_NAME, ownName), 0);
        QCOMPARE(::prctl(PR_SET_NAME, kHostile.toUtf8().constData()), 0);
        SerialPort port;
        const QString opened = port.open(unit.device());
        const CommandLineRun run = CommandLineProcess().run({"--list-ports", "--port", "COM1=" + unit.device()});
        ::prctl(PR_SET_NAME, ownName);
        QCOMPARE(opened, QString());
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(!run.out.isEmpty() && run.out[0].endsWith(QStringLiteral("in use: yes, %1 (pid %2)").arg(kShown, QString::number(getpid()))),
                 qPrintable(run.out.value(0)));
    }
};

QTEST_GUILESS_MAIN(TestPrintableText)
#include "test_printable_text.moc"
