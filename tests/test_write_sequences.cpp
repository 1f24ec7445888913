// The block exchange and the two page write sequences, against a scripted
// port: the poll limit, answers in pieces, stale bytes, port errors; the
// order of sends, stores and wait-window steps for each pattern of answers.
#include "block_layouts.h"
#include "exchange.h"
#include "test_support.h"
#include "write_sequences.h"

#include <QTest>
#include <numeric>

namespace {

const QString kFailure = QStringLiteral("message 写入设置失败！");

// Events written short: "A2" sends COMSMSA2, "fail" is the failure message,
// "phrases", "alarm" and "sensors" the store points' files in order.
EventLog Events(const QString &shorthand)
{
    const QMap<QString, QString> groups{
        {"phrases", "k1 g1 k8 g8 tel1 tel2 tel3 tel4 tel5 tel6"},
        {"alarm", "Text16 Text17 Text18 Text19 Text20 Text21 Text22 Text23 Text24 Text25 Text26 Text27 Text28 "
                  "Option5 Option6 Option7"},
        {"sensors", "SMS1 Ttt1 SMS2 Ttt2 SMS3 Ttt3 SMS4 Ttt4 SMS5 Ttt5 SMS6 Ttt6 SMS7 Ttt7 SMS8 Ttt8 SMS9 Ttt9 "
                    "SMS10 Ttt10"}};
    EventLog events;
    for (const QString &event : shorthand.split(QStringLiteral(", "))) {
        for (const QString &key : groups.value(event).split(u' ', Qt::SkipEmptyParts))
            events << "store " + key;
        if (!groups.contains(event))
            events << (event == "fail" ? kFailure : event.size() == 2 ? "send COMSMS" + event : event);
    }
    return events;
}

}  // namespace

class TestWriteSequences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exchange_data()
    {
        QTest::addColumn<QString>("fault");  // of the port: "closed", or "rejects" the write
        QTest::addColumn<int>("failAtRead");  // the port fails at this read (0: never)
        QTest::addColumn<QList<int>>("answerAtReads");
        QTest::addColumn<QByteArray>("answer");  // arriving at each of those reads; empty: none in time
        QTest::addColumn<int>("reads");
        QTest::addColumn<int>("waits");
        QTest::addColumn<QString>("reason");  // added to the failure message
        QList<int> everyRead(300);
        std::iota(everyRead.begin(), everyRead.end(), 1);
        QTest::newRow("one byte at once") << "" << 0 << QList<int>{1} << QByteArray("\x00", 1) << 2 << 1 << "";
        QTest::newRow("many bytes later") << "" << 0 << QList<int>{37} << QByteArray(600, 'x') << 38 << 37 << "";
        QTest::newRow("at the last read that counts") << "" << 0 << QList<int>{100} << QByteArray("A") << 101 << 100 << "";
        QTest::newRow("one read too late") << "" << 0 << QList<int>{101} << QByteArray() << 100 << 99 << "";
        QTest::newRow("silence") << "" << 0 << QList<int>() << QByteArray() << 100 << 99 << "";
        QTest::newRow("in pieces until quiet") << "" << 0 << QList<int>{2, 3, 4, 5} << QByteArray("x") << 6 << 5 << "";
        QTest::newRow("never quiet") << "" << 0 << everyRead << QByteArray("x") << 1 + kQuietWaitLimit
                                     << kQuietWaitLimit << "";
        QTest::newRow("not open") << "closed" << 0 << QList<int>{1} << QByteArray() << 0 << 0 << "串口未打开";
        QTest::newRow("write rejected") << "rejects" << 0 << QList<int>{1} << QByteArray() << 0 << 0 << "write rejected";
        QTest::newRow("unplugged while waiting") << "" << 3 << QList<int>() << QByteArray() << 3 << 2 << "device removed";
        QTest::newRow("unplugged after the answer") << "" << 2 << QList<int>{1} << QByteArray("A") << 2 << 1 << "";
    }

    // The receive count is read up to kPollLimit times, the first right after
    // sending; any byte answers. The answer is dropped with what follows it
    // until a read finds nothing new. Without an answer, or when the port
    // fails first, the write-failure message shows, with the port's reason if
    // it has one.
    void exchange()
    {
        QFETCH(QString, fault);
        QFETCH(int, failAtRead);
        QFETCH(QList<int>, answerAtReads);
        QFETCH(QByteArray, answer);
        QFETCH(int, reads);
        QFETCH(int, waits);
        QFETCH(QString, reason);
        FakePort port;
        port.open = fault != "closed";
        port.rejectWrite = fault == "rejects";
        port.failAtRead = failAtRead;
        port.replies = {{}};
        for (int read : answerAtReads)
            port.replies[0].insert(read, answer.isEmpty() ? "A" : answer);
        RecordingMessages messages;
        const QByteArray block("COMSMSA5" + QByteArray(16, '\0'));
        QCOMPARE(ExchangeBlock(port, block, messages), !answer.isEmpty());
        QCOMPARE(port.written, fault.isEmpty() ? QList<QByteArray>{block} : QList<QByteArray>());
        QCOMPARE(port.reads, reads);
        QCOMPARE(port.waits, waits);
        QCOMPARE(messages.titles, answer.isEmpty() ? QStringList{"写入设置失败！"} : QStringList());
        const QString text = messages.texts.join(u'\n');
        QCOMPARE(text.contains("/dev/fake"), !reason.isEmpty());
        QVERIFY2(text.contains(reason), qPrintable(text));
    }

    // Bytes of an answer that come after the line went quiet, and bytes
    // waiting before a block is sent, are dropped before it goes: neither
    // answers a block.
    void lateAndStaleBytesDoNotAnswer()
    {
        FakePort port;
        port.replies = {{{3, "ab"}, {6, "cde"}}};
        RecordingMessages messages;
        QVERIFY(ExchangeBlock(port, "COMSMSA3", messages));
        port.bytesWaiting();
        port.bytesWaiting();
        QCOMPARE(port.waiting, QByteArray("cde"));
        QVERIFY(!ExchangeBlock(port, "COMSMSA4", messages));
        port.waiting = "late";
        QVERIFY(!ExchangeBlock(port, "COMSMSA2", messages));
        QCOMPARE(port.reads, kPollLimit);
        QCOMPARE(messages.titles.size(), 2);
    }

    void events_data()
    {
        QTest::addColumn<bool>("sensorPage");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("events");
        QTest::newRow("main: unit answers all") << false << "yyyyyy"
            << "enable 0, A2, place, show, pause, AB, phrases, pause, A3, pause, A7, alarm, pause, A5, pause, A4, "
               "show, place, timer, store Check1, enable 1";
        QTest::newRow("main: unit absent") << false << ""
            << "enable 0, A2, fail, phrases, pause, A3, fail, pause, A7, fail, alarm, pause, A5, fail, pause, A4, fail, "
               "store Check1, enable 1";
        // A wait window left open with a still bar would look like a write in progress.
        QTest::newRow("main: first answered, last not") << false << "yyyyyn"
            << "enable 0, A2, place, show, pause, AB, phrases, pause, A3, pause, A7, alarm, pause, A5, pause, A4, fail, "
               "close, store Check1, enable 1";
        QTest::newRow("main: first not, last answered") << false << "nyyyy"
            << "enable 0, A2, fail, phrases, pause, A3, pause, A7, alarm, pause, A5, pause, A4, show, place, timer, "
               "store Check1, enable 1";
        QTest::newRow("sensor: unit answers both") << true << "yy"
            << "enable 0, A8, place, show, AH, show, place, timer, enable 1, sensors";
        QTest::newRow("sensor: unit absent") << true << "" << "enable 0, A8, fail, enable 1, sensors";
        QTest::newRow("sensor: second not answered") << true << "yn"
            << "enable 0, A8, place, show, AH, fail, close, enable 1, sensors";
        // The tail of the first answer is still arriving when the second block goes.
        QTest::newRow("sensor: first answered in pieces, second not") << true << "pn"
            << "enable 0, A8, place, show, AH, fail, close, enable 1, sensors";
    }

    // The order of everything a write does, for each pattern of answers.
    void events()
    {
        QFETCH(bool, sensorPage);
        QFETCH(QString, answers);
        QFETCH(QString, events);
        EventLog log;
        FakePort port(&log);
        port.answer(answers);
        LoggingStore store(&log);
        RecordingMessages messages(&log);
        RecordingView view(&log);
        const WriteResult result = sensorPage ? WriteSensorPage(TypedSensorPage(), port, store, messages, view)
                                              : WriteMainPage(TypedMainPage(), port, store, messages, view);
        QCOMPARE(log, Events(events));
        QCOMPARE(result.blocksSent(), int(port.written.size()));
        QCOMPARE(result.blocksAnswered(), int(answers.size() - answers.count(u'n')));
        QCOMPARE(result.succeeded(), !events.contains("fail"));
    }

    void refusedWritesSendAndStoreNothing_data()
    {
        QTest::addColumn<bool>("sensorPage");
        QTest::addColumn<bool>("portOpen");  // open: the page holds values the unit cannot hold
        QTest::addColumn<QStringList>("mentioned");
        QTest::newRow("main: invalid number and password") << false << true
                                                           << QStringList{"报警拨打电话号码1", "4个汉字"};
        QTest::newRow("main: port closed") << false << false << QStringList{"/dev/fake"};
        QTest::newRow("sensor: 17 digits") << true << true << QStringList{"02号"};
        QTest::newRow("sensor: port closed") << true << false << QStringList{"未打开"};
    }

    void refusedWritesSendAndStoreNothing()
    {
        QFETCH(bool, sensorPage);
        QFETCH(bool, portOpen);
        QFETCH(QStringList, mentioned);
        EventLog log;
        FakePort port(&log);
        port.open = portOpen;
        port.answer("yyyyyy");
        LoggingStore store(&log);
        RecordingMessages messages(&log);
        RecordingView view(&log);
        MainPageValues main = TypedMainPage();
        SensorPageValues sensors = TypedSensorPage();
        if (portOpen) {
            main.text[23] = QStringLiteral("+8613800138000");
            main.text[15] = QStringLiteral("abcd");
            sensors.text[4] = QStringLiteral("12345678901234567");
        }
        const WriteResult result = sensorPage ? WriteSensorPage(sensors, port, store, messages, view)
                                              : WriteMainPage(main, port, store, messages, view);
        QVERIFY(result.refused && !result.succeeded());
        QCOMPARE(log.size(), 1);  // one message; nothing sent, stored or shown
        QVERIFY(log[0].startsWith("message "));
        for (const QString &part : mentioned)
            QVERIFY2(messages.texts[0].contains(part), qPrintable(messages.texts[0]));
    }
};

QTEST_GUILESS_MAIN(TestWriteSequences)
#include "test_write_sequences.moc"
