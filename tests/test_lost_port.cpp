// The port lost in the middle of a write (the adapter pulled): no block goes
// after it, one message says so and names the parts that reached the unit,
// and only the groups whose block went are stored. A unit that is merely
// silent on a sound port still costs the write-failure message per block.
#include "block_layouts.h"
#include "exchange.h"
#include "test_support.h"
#include "unit_write.h"
#include "write_sequences.h"

#include <QTest>

class TestLostPort : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lostPort_data()
    {
        QTest::addColumn<bool>("sensorPage");
        QTest::addColumn<QString>("answers");  // per block: y answered, n silent (see FakePort::answer)
        QTest::addColumn<int>("failAtRead");   // the port breaks at this read of a silent block (0: never)
        QTest::addColumn<QString>("sent");     // the tags that went, by their last two letters
        QTest::addColumn<QString>("reached");  // the parts the message names, or "" for the silent unit
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("notStored");
        const QStringList phrases{"k1", "tel1"}, alarm{"Text16"}, ring{"Check1"};
        QTest::newRow("main: lost at COMSMSA2") << false << "n" << 3 << "A2" << "报警器没有收到任何设置"
                                                << phrases << alarm + ring;
        QTest::newRow("main: lost at COMSMSA3") << false << "yyn" << 3 << "A2 AB A3"
                                                << "油路控制密语、设防解防密语和授权手机号码（第1份）" << phrases << alarm + ring;
        QTest::newRow("main: lost at COMSMSA5") << false << "yyyyn" << 3 << "A2 AB A3 A7 A5"
                                                << "授权手机号码（第2份）、报警短信内容和号码、报警方式、安全密语" << phrases + alarm << ring;
        QTest::newRow("main: lost at COMSMSA4") << false << "yyyyyn" << 3 << "A2 AB A3 A7 A5 A4" << "固定数据"
                                                << phrases + alarm + ring << QStringList();
        QTest::newRow("sensor: lost at COMSMSAH") << true << "yn" << 3 << "A8 AH" << "无线传感器1–5"
                                                  << QStringList{"SMS1"} << QStringList();
        QTest::newRow("main: silent unit, sound port") << false << "nnnnn" << 0 << "A2 A3 A7 A5 A4" << ""
                                                       << phrases + alarm + ring << QStringList();
    }

    void lostPort()
    {
        QFETCH(bool, sensorPage);
        QFETCH(QString, answers);
        QFETCH(int, failAtRead);
        QFETCH(QString, sent);
        QFETCH(QString, reached);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, notStored);
        FakePort port;
        port.answer(answers);
        port.failAtRead = failAtRead;
        MemoryStore store;
        RecordingMessages messages;
        RecordingView view;
        const WriteResult result = sensorPage ? WriteSensorPage(TypedSensorPage(), port, store, messages, view)
                                              : WriteMainPage(TypedMainPage(), port, store, messages, view);
        QStringList tags;
        for (const QByteArray &block : std::as_const(port.written))
            tags << QString::fromLatin1(block.mid(6, 2));
        QCOMPARE(tags.join(u' '), sent);
        QCOMPARE(result.portLost, failAtRead > 0);
        if (failAtRead > 0) {
            QCOMPARE(messages.titles, QStringList{"串口已断开"});
            QVERIFY2(messages.texts[0].contains(reached) && messages.texts[0].contains("/dev/fake"),
                     qPrintable(messages.texts[0]));
        } else {
            QCOMPARE(messages.titles, QStringList(answers.size(), WriteFailureTitle()));
            QCOMPARE(messages.texts, QStringList(answers.size(), WriteFailurePrompt()));
        }
        for (const QString &key : stored)
            QVERIFY2(store.contains(key), qPrintable(key));
        for (const QString &key : notStored)
            QVERIFY2(!store.contains(key), qPrintable(key));
    }

    // Both pages of a unit: the port lost in the main page's write sends
    // nothing of the sensor page and tells it once.
    void unitAfterLostPort()
    {
        FakePort port;
        port.answer("yyn");
        port.failAtRead = 3;
        MemoryStore store;
        RecordingMessages messages;
        RecordingView view;
        QStringList pages;
        const UnitWrite written = WriteUnit({TypedMainPage(), TypedSensorPage()}, port, store, messages, view,
                                            [&pages](UnitPage page, const WriteResult &) { pages << (page == UnitPage::Main ? "main" : "sensor"); });
        QCOMPARE(port.written.size(), 3);
        QCOMPARE(messages.titles.size(), 1);
        QCOMPARE(pages, QStringList({"main", "sensor"}));
        QVERIFY(written.sensor->refused && written.sensor->blocks.isEmpty());
        QVERIFY(!written.succeeded());
    }
};

QTEST_GUILESS_MAIN(TestLostPort)
#include "test_lost_port.moc"
