#include "exchange.h"
#include "fake_port.h"

#include <QtTest>

class TestExchange : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void failureMessageIsExact();
    void answerWithinPollLimit_data();
    void answerWithinPollLimit();
    void answerInPiecesReadsOnlyTheCountSeen();
    void staleBytesDoNotCountAsAnswer();
    void portErrorsCountAsNoAnswer_data();
    void portErrorsCountAsNoAnswer();
};

void TestExchange::failureMessageIsExact()
{
    QCOMPARE(WriteFailureTitle(), QStringLiteral("写入设置失败！"));
    QCOMPARE(WriteFailurePrompt(),
             QStringLiteral("设置写入失败。你可能存在以下之一的错误：\n\r"
                            "1：TQ18/TQ18G未起动成功（LED0不亮）。\n\r"
                            "2：TQ18/TQ18G与计算机的串口电缆未连接好。\n\r"
                            "3：串口设置错误，请在“版本查询”中重新设置COM口。"));
}

void TestExchange::answerWithinPollLimit_data()
{
    QTest::addColumn<int>("answerAtRead");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<int>("waits");

    QTest::newRow("one byte at once") << 1 << QByteArray("\x00", 1) << true << 0;
    QTest::newRow("many bytes later") << 37 << QByteArray(600, 'x') << true << 36;
    QTest::newRow("at the last read that counts") << 100 << QByteArray("A") << true << 99;
    QTest::newRow("one read too late") << 101 << QByteArray("A") << false << 99;
    QTest::newRow("silence") << 0 << QByteArray() << false << 99;
}

void TestExchange::answerWithinPollLimit()
{
    QFETCH(int, answerAtRead);
    QFETCH(QByteArray, answer);
    QFETCH(bool, answered);
    QFETCH(int, waits);

    FakePort port;
    port.replies = {{{answerAtRead, answer}}};
    RecordingMessages messages;
    const QByteArray block("COMSMSA5" + QByteArray(16, '\0'));

    QCOMPARE(ExchangeBlock(port, block, messages), answered);
    QCOMPARE(port.written, QList<QByteArray>{block});
    QCOMPARE(port.waits, waits);
    QCOMPARE(port.reads, qMin(answerAtRead ? answerAtRead : kPollLimit, kPollLimit));
    if (answered) {
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(port.waiting.isEmpty());
    } else {
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].first, WriteFailureTitle());
        QCOMPARE(messages.shown[0].second, WriteFailurePrompt());
    }
}

void TestExchange::answerInPiecesReadsOnlyTheCountSeen()
{
    FakePort port;
    port.replies = {{{3, "ab"}, {5, "cde"}}, {}};
    RecordingMessages messages;
    QVERIFY(ExchangeBlock(port, "COMSMSA3", messages));
    port.bytesWaiting();
    port.bytesWaiting();
    QCOMPARE(port.waiting, QByteArray("cde"));  // the rest of the answer arrived late

    // The late bytes belong to the earlier block and are dropped before the next one.
    QVERIFY(!ExchangeBlock(port, "COMSMSA4", messages));
    QCOMPARE(messages.shown.size(), 1);
}

void TestExchange::staleBytesDoNotCountAsAnswer()
{
    FakePort port;
    port.waiting = "late";
    RecordingMessages messages;
    QVERIFY(!ExchangeBlock(port, "COMSMSA2", messages));
    QCOMPARE(port.reads, kPollLimit);
}

void TestExchange::portErrorsCountAsNoAnswer_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("rejectWrite");
    QTest::addColumn<int>("failAtRead");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("blocksWritten");

    QTest::newRow("not open") << false << false << 0 << QStringLiteral("串口未打开") << 0;
    QTest::newRow("write rejected") << true << true << 0 << QStringLiteral("write rejected") << 0;
    QTest::newRow("unplugged while waiting") << true << false << 3 << QStringLiteral("device removed") << 1;
}

void TestExchange::portErrorsCountAsNoAnswer()
{
    QFETCH(bool, open);
    QFETCH(bool, rejectWrite);
    QFETCH(int, failAtRead);
    QFETCH(QString, reason);
    QFETCH(int, blocksWritten);

    FakePort port;
    port.open = open;
    port.rejectWrite = rejectWrite;
    port.failAtRead = failAtRead;
    RecordingMessages messages;

    QVERIFY(!ExchangeBlock(port, "COMSMSA8", messages));
    QCOMPARE(port.written.size(), blocksWritten);
    QVERIFY(port.reads <= qMax(failAtRead, 0) + 1);  // gives up at once, not after a second
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.shown[0].second.startsWith(WriteFailurePrompt()));
    QVERIFY2(messages.shown[0].second.contains(reason), qPrintable(messages.shown[0].second));
}

QTEST_GUILESS_MAIN(TestExchange)
#include "test_exchange.moc"
