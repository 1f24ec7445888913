// Both page writes through the real serial port to the simulated unit on a
// pseudo-terminal, with the cable pulled before, during and after each block,
// and with a unit that answers garbage, floods the line or answers too late:
// a block counts as answered only when the unit answered it, the write goes
// on and says what failed, and the page is stored all the same.
#include "fake_port.h"
#include "page_settings.h"
#include "serial_port.h"
#include "unit_process.h"
#include "write_sequences.h"

#include <QtTest>

namespace {

// One page: its blocks in sending order, its write, and whether a store holds it.
struct Page
{
    QList<QByteArray> blocks;
    std::function<WriteResult(Port &, Store &, MessageSink &, WriteView &)> write;
    std::function<bool(Store &)> holds;

    QStringList tags() const
    {
        QStringList tags;
        for (const QByteArray &block : blocks)
            tags << QString::fromLatin1(block.left(8));
        return tags;
    }
    // The blocks sent when the unit answers the first `answered` and then no
    // more: the second block goes only after an answer to the first.
    QList<QByteArray> sent(int answered) const
    {
        QList<QByteArray> sent = blocks;
        if (answered == 0)
            sent.removeAt(1);
        return sent;
    }
    QStringList exchanges(int answered) const
    {
        QStringList exchanges;
        for (const QByteArray &block : sent(answered))
            exchanges << QString::fromLatin1(block.left(8))
                    + (exchanges.size() < answered ? " answered" : " not answered");
        return exchanges;
    }
};

Page MainPage()
{
    MemoryStore empty;
    MainPageValues values = RestoreMainPage(empty).values;
    values.text[1] = QStringLiteral("138 0013-8000");
    values.text[16] = QStringLiteral("车被碰了\n快来");
    values.text[23] = QStringLiteral("（０１０）６２３４５６７８");
    return {MainPageBlocks(values),
            [values](Port &port, Store &store, MessageSink &messages, WriteView &view) {
                return WriteMainPage(values, port, store, messages, view);
            },
            [values](Store &store) { return RestoreMainPage(store).values == values; }};
}

Page SensorPage()
{
    SensorPageValues values;
    for (int n = 1; n <= 10; ++n)
        values.text[2 * n - 1] = QStringLiteral("%1号传感器 door").arg(n);
    values.text[20] = QStringLiteral("13800138000");
    return {SensorPageBlocks(values),
            [values](Port &port, Store &store, MessageSink &messages, WriteView &view) {
                return WriteSensorPage(values, port, store, messages, view);
            },
            [values](Store &store) { return RestoreSensorPage(store) == values; }};
}

}  // namespace

class TestLinkFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unplugged_data();
    void unplugged();
    void oddAnswers_data();
    void oddAnswers();
    void answersAfterThePollLimit_data();
    void answersAfterThePollLimit();
};

void TestLinkFaults::unplugged_data()
{
    QTest::addColumn<bool>("sensorPage");
    QTest::addColumn<int>("unitUnplugsAt");  // the unit pulls the cable when this block arrives (0: never)
    QTest::addColumn<int>("pulledAfter");    // pulled after this many exchanges (0: before the write, -1: never)
    QTest::addColumn<int>("answered");       // blocks answered before the cable went
    for (const bool sensorPage : {false, true}) {
        const char *page = sensorPage ? "sensor" : "main";
        QTest::addRow("%s: before the write", page) << sensorPage << 0 << 0 << 0;
        for (int k = 1; k <= (sensorPage ? 2 : 6); ++k) {
            QTest::addRow("%s: during block %d", page, k) << sensorPage << k << -1 << k - 1;
            QTest::addRow("%s: after block %d", page, k) << sensorPage << 0 << k << k;
        }
    }
}

void TestLinkFaults::unplugged()
{
    QFETCH(bool, sensorPage);
    QFETCH(int, unitUnplugsAt);
    QFETCH(int, pulledAfter);
    QFETCH(int, answered);
    const Page page = sensorPage ? SensorPage() : MainPage();
    UnitProcess unit(unitUnplugsAt ? QStringList{"--unplug-after", QString::number(unitUnplugsAt)} : QStringList());
    SerialPort port;
    QCOMPARE(port.open(unit.device()), QString());
    MemoryStore store;
    RecordingMessages messages;
    ExchangeView view;
    view.afterExchange = [&](int exchanged) {
        if (exchanged == pulledAfter)
            unit.unplug();
    };
    if (pulledAfter == 0)
        unit.unplug();

    const WriteResult result = page.write(port, store, messages, view);
    QCOMPARE(view.exchanges, page.exchanges(answered));
    QCOMPARE(result.blocksAnswered, answered);
    QCOMPARE(result.succeeded(), answered == page.blocks.size());
    QCOMPARE(messages.shown.size(), result.blocksSent - result.blocksAnswered);
    const int logged = answered + (unitUnplugsAt ? 1 : 0);
    QCOMPARE(unit.takeBytes(), page.sent(answered).mid(0, logged));
    QVERIFY(page.holds(store));

    // With the cable gone, the next write fails block by block and still stores.
    unit.unplug();
    view.exchanges.clear();
    MemoryStore next;
    const WriteResult again = page.write(port, next, messages, view);
    QCOMPARE(view.exchanges, page.exchanges(0));
    QVERIFY(!again.succeeded());
    QVERIFY(unit.takeBytes().isEmpty());
    QVERIFY(page.holds(next));
}

void TestLinkFaults::oddAnswers_data()
{
    QTest::addColumn<QStringList>("unitOptions");
    QTest::addColumn<int>("silentBlock");  // the one block left unanswered, 0 for none
    // Control characters a line might act on (CR, LF, XON, XOFF, ^C, ^D, DEL), 00, FF, and a tag.
    const QString garbage = QStringLiteral("000d0a111303047fff434f4d534d534132");
    QTest::newRow("garbage") << QStringList{"--answer-hex", garbage} << 0;
    QTest::newRow("garbage, then silence")
        << QStringList{"--answer-hex", garbage, "--silent-for", "COMSMSA3"} << 3;
    QTest::newRow("beyond the receive buffer, then silence")
        << QStringList{"--answer-bytes", "5000", "--silent-for", "COMSMSA3"} << 3;
    QTest::newRow("beyond the receive buffer, then silence for the last")
        << QStringList{"--answer-bytes", "5000", "--silent-for", "COMSMSA4"} << 6;
}

// Any bytes answer a block and are dropped with it: none of them, however
// many, answers the next block.
void TestLinkFaults::oddAnswers()
{
    QFETCH(QStringList, unitOptions);
    QFETCH(int, silentBlock);
    const Page page = MainPage();
    UnitProcess unit(unitOptions);
    SerialPort port;
    QCOMPARE(port.open(unit.device()), QString());
    MemoryStore store;
    RecordingMessages messages;
    ExchangeView view;
    page.write(port, store, messages, view);

    QStringList expected = page.exchanges(6);
    if (silentBlock)
        expected[silentBlock - 1].replace(QLatin1String(" answered"), QLatin1String(" not answered"));
    QCOMPARE(view.exchanges, expected);
    QCOMPARE(unit.takeBytes(), page.blocks);
}

void TestLinkFaults::answersAfterThePollLimit_data()
{
    QTest::addColumn<bool>("sensorPage");
    QTest::newRow("main") << false;
    QTest::newRow("sensor") << true;
}

// An answer that comes after the poll limit does not save the block it
// belongs to, and the write as a whole is reported failed. (Such an answer
// may arrive while the next block waits and count for that one: answers carry
// nothing that tells which block they belong to.)
void TestLinkFaults::answersAfterThePollLimit()
{
    QFETCH(bool, sensorPage);
    const Page page = sensorPage ? SensorPage() : MainPage();
    UnitProcess unit({"--delay", "1500"});
    SerialPort port;
    QCOMPARE(port.open(unit.device()), QString());
    MemoryStore store;
    RecordingMessages messages;
    ExchangeView view;
    const WriteResult result = page.write(port, store, messages, view);
    QCOMPARE(view.exchanges.size(), page.sent(0).size());
    QCOMPARE(view.exchanges.first(), page.exchanges(0).first());
    QVERIFY(!result.succeeded());
    QCOMPARE(unit.takeBytes(), page.sent(0));
    QVERIFY(page.holds(store));
}

QTEST_GUILESS_MAIN(TestLinkFaults)
#include "test_link_faults.moc"
