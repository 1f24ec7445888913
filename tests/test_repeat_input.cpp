// The answers `--write ... --repeat` reads between units: only Enter writes
// the next unit, "q" and the end of the input stop, anything else asks again;
// no answer is read beyond a few dozen bytes. Then alarmcfg itself: with
// standard input closed (a launcher may start it so) it refuses before the
// first unit. (Units written one after another: test_command_line_runs.)
#include "command_line_process.h"
#include "repeat_write.h"

#include <QBuffer>
#include <QTest>
#include <unistd.h>

Q_DECLARE_METATYPE(QList<RepeatAnswer>)

class TestRepeatInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answers_data()
    {
        using A = RepeatAnswer;
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QList<RepeatAnswer>>("answers");  // read one after another, up to the first Stop
        QTest::newRow("Enter") << QByteArray("\n") << QList<A>{A::NextUnit, A::Stop};
        QTest::newRow("Enter from a CR LF terminal") << QByteArray("\r\n\r\n") << QList<A>{A::NextUnit, A::NextUnit, A::Stop};
        QTest::newRow("q") << QByteArray("q\n\n") << QList<A>{A::Stop};
        QTest::newRow("Q among blanks") << QByteArray(" Q \n") << QList<A>{A::Stop};
        QTest::newRow("q at the very end") << QByteArray("q") << QList<A>{A::Stop};
        QTest::newRow("no input") << QByteArray() << QList<A>{A::Stop};
        QTest::newRow("quit") << QByteArray("quit\n\n") << QList<A>{A::AskAgain, A::NextUnit, A::Stop};
        QTest::newRow("n, exit") << QByteArray("n\nexit\nq\n") << QList<A>{A::AskAgain, A::AskAgain, A::Stop};
        QTest::newRow("full-width q") << QByteArray("ｑ\n") << QList<A>{A::AskAgain, A::Stop};
        QTest::newRow("a long line ends the input") << QByteArray(1 << 20, 'x') + "\n\n" << QList<A>{A::Stop};
        QTest::newRow("zeros without end") << QByteArray(1 << 20, '\0') << QList<A>{A::Stop};
    }

    void answers()
    {
        QFETCH(QByteArray, input);
        QFETCH(QList<RepeatAnswer>, answers);
        QBuffer buffer(&input);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QList<RepeatAnswer> read;
        do
            read << ReadRepeatAnswer(buffer);
        while (read.constLast() != RepeatAnswer::Stop && read.size() <= answers.size());
        QCOMPARE(read, answers);
        QVERIFY(buffer.pos() < 100);  // a long line is not read whole
    }

    void closedInput_data()
    {
        QTest::addColumn<bool>("closed");    // descriptor 0 closed, or open for writing only
        QTest::newRow("closed") << true;
        QTest::newRow("open for writing only") << false;
    }

    // With no standard input to answer from, --repeat is refused with one
    // line before the first unit (status 2: the port, which is not there, was
    // not tried) and nothing is recorded.
    void closedInput()
    {
        QFETCH(bool, closed);
        const CommandLineProcess alarmcfg;
        const CommandLineRun run = alarmcfg.run({"--write", "main", "--repeat", "--send-default-secrets", "--port", "COM1=/dev/alarmcfg-no-such-device"}, {},
                                                [closed] {
                                                    ::close(STDIN_FILENO);
                                                    if (!closed)
                                                        ::dup(STDOUT_FILENO);  // takes descriptor 0
                                                });
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.trimmed().contains("standard input") && !run.err.trimmed().contains(u'\n'), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(alarmcfg.historyPath()));
    }
};

QTEST_GUILESS_MAIN(TestRepeatInput)
#include "test_repeat_input.moc"
