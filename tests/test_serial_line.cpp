// Writes through a pseudo-terminal to the simulated unit: both pages with the
// cable pulled before, during and after each block, and with a unit that answers
// garbage, floods the line or answers too late. A block counts as answered only
// when the unit answered it; the write goes on, says what failed and stores the page.
#include "block_layouts.h"
#include "exchange.h"
#include "exchange_shorthand.h"
#include "logged_unit.h"
#include "serial_link.h"
#include "serial_port.h"
#include "test_support.h"
#include "write_sequences.h"

#include <QTest>

namespace {

// One page: its blocks in sending order, its write, and whether a store holds it.
struct PageWrite
{
    QList<QByteArray> blocks;
    std::function<WriteResult(Port &, Store &, MessageSink &, WriteView &)> write;
    std::function<bool(Store &)> holds;
};

PageWrite MainPageWrite()
{
    const MainPageValues values = TypedMainPage();
    return {MainPageBlocks(values),
            [values](Port &p, Store &s, MessageSink &m, WriteView &v) { return WriteMainPage(values, p, s, m, v); },
            [values](Store &store) { return RestoreMainPage(store).values == values; }};
}

PageWrite SensorPageWrite()
{
    const SensorPageValues values = TypedSensorPage();
    return {SensorPageBlocks(values),
            [values](Port &p, Store &s, MessageSink &m, WriteView &v) { return WriteSensorPage(values, p, s, m, v); },
            [values](Store &store) { return RestoreSensorPage(store) == values; }};
}

// The exchanges when the unit answers the first `answered` blocks and then
// no more: the second block goes only after an answer to the first.
QString AnsweredFirst(const QList<QByteArray> &blocks, int answered)
{
    QStringList exchanges;
    for (int k = 0; k < blocks.size(); ++k)
        if (k != 1 || answered > 0)
            exchanges << QString::fromLatin1(blocks[k].mid(6, 2)) + (k < answered ? u'+' : u'-');
    return exchanges.join(u' ');
}

}  // namespace

class TestSerialLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineFaults_data()
    {
        QTest::addColumn<bool>("sensorPage");
        QTest::addColumn<QStringList>("unitOptions");
        QTest::addColumn<int>("pulledAfter");  // the cable is pulled after this many exchanges (0: before the write)
        QTest::addColumn<QString>("exchanges");
        QTest::addColumn<int>("received");  // blocks the unit received (-1: each one exchanged)
        // With the cable gone nothing goes after the block that found it gone.
        const auto lost = [](const QString &exchanges) {
            const qsizetype end = exchanges.indexOf(u'-');
            return end < 0 ? exchanges : exchanges.left(end + 1);
        };
        for (const bool sensorPage : {false, true}) {
            const QList<QByteArray> blocks = (sensorPage ? SensorPageWrite() : MainPageWrite()).blocks;
            const char *page = sensorPage ? "sensor" : "main";
            QTest::addRow("%s: unplugged before the write", page) << sensorPage << QStringList() << 0
                                                                  << lost(AnsweredFirst(blocks, 0)) << 0;
            for (int k = 1; k <= blocks.size(); ++k) {
                QTest::addRow("%s: the unit unplugs at block %d", page, k)
                    << sensorPage << QStringList{"--unplug-after", QString::number(k)} << -1 << lost(AnsweredFirst(blocks, k - 1)) << k;
                QTest::addRow("%s: unplugged after block %d", page, k) << sensorPage << QStringList() << k
                                                                        << lost(AnsweredFirst(blocks, k)) << k;
            }
        }
        // Control characters a line might act on (CR, LF, XON, XOFF, ^C, ^D, DEL), 00, FF, and a tag.
        const QString garbage = QStringLiteral("000d0a111303047fff434f4d534d534132");
        QTest::newRow("garbage, then silence") << false << QStringList{"--answer-hex", garbage, "--silent-for", "COMSMSA3"}
                                               << -1 << "A2+ AB+ A3- A7+ A5+ A4+" << -1;
        QTest::newRow("beyond the receive buffer, then silence")
            << false << QStringList{"--answer-bytes", "5000", "--silent-for", "COMSMSA3"} << -1 << "A2+ AB+ A3- A7+ A5+ A4+"
            << -1;
        QTest::newRow("beyond the receive buffer, then silence for the last")
            << false << QStringList{"--answer-bytes", "5000", "--silent-for", "COMSMSA4"} << -1 << "A2+ AB+ A3+ A7+ A5+ A4-"
            << -1;
        // "OK" CR LF at line speed: its tail is still arriving when COMSMSAH goes.
        QTest::newRow("four-byte answers at line speed, then silence")
            << true << QStringList{"--pace", "--answer-hex", "4f4b0d0a", "--silent-for", "COMSMSAH"} << -1 << "A8+ AH-"
            << -1;
        // An answer after the poll limit does not save its block. (It may arrive
        // while the next block waits and count for that one: answers carry
        // nothing that tells which block they belong to.)
        QTest::newRow("late answers: main") << false << QStringList{"--delay", "1500"} << -1 << "A2- A3? A7? A5? A4?" << -1;
    }

    // Any bytes answer a block and are dropped with it: none of them, however
    // many, answers the next block. Without an answer a block fails with one
    // message and the write goes on; the write is reported failed, and the
    // page is stored all the same. With the cable gone, one message, and the
    // next write stops at its first block.
    void lineFaults()
    {
        QFETCH(bool, sensorPage);
        QFETCH(QStringList, unitOptions);
        QFETCH(int, pulledAfter);
        QFETCH(QString, exchanges);
        QFETCH(int, received);
        const PageWrite page = sensorPage ? SensorPageWrite() : MainPageWrite();
        LoggedUnit unit(unitOptions);
        SerialPort port;
        QCOMPARE(port.open(unit.device()), QString());
        MemoryStore store;
        RecordingMessages messages;
        RecordingView view;
        view.afterExchange = [&](int exchanged) {
            if (exchanged == pulledAfter)
                unit.unplug();
        };
        if (pulledAfter == 0)
            unit.unplug();
        const WriteResult written = page.write(port, store, messages, view);
        QCOMPARE(written.succeeded(), !exchanges.contains(u'-'));
        QCOMPARE(view.exchanges, Exchanges(exchanges, view.exchanges));
        QCOMPARE(messages.texts.size(), view.exchanges.filter(QStringLiteral(" not answered")).size());
        const QList<QByteArray> named = Named(page.blocks, exchanges);
        QCOMPARE(unit.takeBytes(), named.mid(0, received < 0 ? named.size() : received));
        QVERIFY(page.holds(store) || written.portLost);

        unit.unplug();
        view.exchanges.clear();
        MemoryStore next;
        QVERIFY(page.write(port, next, messages, view).portLost);
        QCOMPARE(view.exchanges, Exchanges(QString::fromLatin1(page.blocks[0].mid(6, 2)) + u'-'));
        QVERIFY(unit.takeBytes().isEmpty());
    }

    void idleChatter_data()
    {
        QTest::addColumn<int>("chatterBytes");
        QTest::addColumn<bool>("eventLoop");
        QTest::newRow("10 MB while the event loop runs") << 10'000'000 << true;
        QTest::newRow("three buffers' worth while none runs") << 3000 << false;
    }

    // A device that talks while no write runs: through the event loop its
    // bytes are dropped as they come; without one they wait in the driver.
    // The receive buffer never holds more than 1024 of them, and the next
    // blocks count only their own answers.
    void idleChatter()
    {
        QFETCH(int, chatterBytes);
        QFETCH(bool, eventLoop);
        LoggedUnit unit({"--chatter", QString::number(chatterBytes), "--silent-for", "COMSMSA3"});
        SerialPort port;
        QCOMPARE(port.open(unit.device()), QString());
        qint64 mostBuffered = 0;
        if (eventLoop) {
            QTimer watch;
            connect(&watch, &QTimer::timeout, [&] { mostBuffered = qMax(mostBuffered, port.bufferedBytes()); });
            watch.start(0);
            QTRY_VERIFY_WITH_TIMEOUT(unit.chatterSent(), 30000);
        } else {
            for (QDeadlineTimer deadline(30000); !unit.chatterSent() && !deadline.hasExpired();)
                QTest::qSleep(10);
            mostBuffered = port.bytesWaiting();  // fills the buffer from the driver
        }
        QVERIFY2(mostBuffered <= 1024, qPrintable(QString::number(mostBuffered)));
        const MainPageValues values = TypedMainPage();
        const QList<QByteArray> blocks = {BuildBlock(BlockLayoutOf("COMSMSA3"), values), BuildBlock(BlockLayoutOf("COMSMSA5"), MainPageValues{})};
        RecordingMessages messages;
        QVERIFY(!ExchangeBlock(port, blocks[0], messages));
        QVERIFY(ExchangeBlock(port, blocks[1], messages));
        QCOMPARE(unit.takeBytes(), blocks);
    }

    void refusalNamesTheSelectedOption_data()
    {
        QTest::addColumn<int>("com");
        QTest::addColumn<QString>("named");
        QTest::newRow("a device that does not open") << 2 << "/nonexistent/ttyS9";
        QTest::newRow("an option without a device") << 3 << "COM3";
    }

    // With COM1 open, another option is selected and its port does not open:
    // the refusal of the next write names that option's device, or the option.
    void refusalNamesTheSelectedOption()
    {
        QFETCH(int, com);
        QFETCH(QString, named);
        LoggedUnit unit;
        ComPortMap map;
        map.setOverride(1, unit.device());
        map.setOverride(2, QStringLiteral("/nonexistent/ttyS9"));
        SerialLink link(map, [] { return QList<SerialPortFacts>(); });  // COM3: no device, whatever the machine has
        QCOMPARE(link.select(1), QString());
        QVERIFY(!link.select(com).isEmpty());
        MemoryStore store;
        RecordingMessages messages;
        RecordingView view;
        QVERIFY(WriteSensorPage(TypedSensorPage(), link.port(), store, messages, view).refused);
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts[0].contains("（" + named + "）"), qPrintable(messages.texts[0]));
    }
};

QTEST_GUILESS_MAIN(TestSerialLine)
#include "test_serial_line.moc"
