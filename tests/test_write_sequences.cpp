#include "block_layouts.h"
#include "exchange.h"
#include "fake_port.h"
#include "page_settings.h"
#include "write_sequences.h"

#include <QtTest>

namespace {

// The page of a first run, with one number typed the way people type them.
MainPageValues DefaultMainPage()
{
    MemoryStore empty;
    MainPageValues values = RestoreMainPage(empty).values;
    values.text[1] = QStringLiteral("138 0013-8000");
    return values;
}

SensorPageValues SensorPage()
{
    SensorPageValues values;
    for (int n = 1; n <= 10; ++n)
        values.text[2 * n - 1] = QStringLiteral("%1号传感器").arg(n);
    values.text[20] = QStringLiteral("13800138000");
    return values;
}

QStringList Stores(const QStringList &keys)
{
    QStringList events;
    for (const QString &key : keys)
        events << QStringLiteral("store ") + key;
    return events;
}

const QStringList kFirstGroup = Stores({"k1", "g1", "k8", "g8", "tel1", "tel2", "tel3", "tel4", "tel5", "tel6"});
const QStringList kSecondGroup =
    Stores({"Text16", "Text17", "Text18", "Text19", "Text20", "Text21", "Text22", "Text23",
            "Text24", "Text25", "Text26", "Text27", "Text28", "Option5", "Option6", "Option7"});
const QStringList kSensorFiles =
    Stores({"SMS1", "Ttt1", "SMS2", "Ttt2", "SMS3", "Ttt3", "SMS4", "Ttt4", "SMS5", "Ttt5",
            "SMS6", "Ttt6", "SMS7", "Ttt7", "SMS8", "Ttt8", "SMS9", "Ttt9", "SMS10", "Ttt10"});
const QString kFailure = QStringLiteral("message 写入设置失败！");

}  // namespace

class TestWriteSequences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mainPageEvents_data();
    void mainPageEvents();
    void mainPageSendsTheBuiltBlocksAndStoresTheTypedValues();
    void sensorPageEvents_data();
    void sensorPageEvents();
    void refusedWritesSendAndStoreNothing_data();
    void refusedWritesSendAndStoreNothing();
};

void TestWriteSequences::mainPageEvents_data()
{
    QTest::addColumn<std::vector<FakePort::Reply>>("replies");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("answered");

    const FakePort::Reply yes{{1, "O"}}, no;
    QTest::newRow("unit answers all")
        << std::vector<FakePort::Reply>(6, yes)
        << (QStringList{"enable 0", "send COMSMSA2", "place", "show", "send COMSMSAB"} + kFirstGroup
            + QStringList{"send COMSMSA3", "send COMSMSA7"} + kSecondGroup
            + QStringList{"send COMSMSA5", "send COMSMSA4", "show", "place", "timer", "store Check1",
                          "enable 1"})
        << 6;
    QTest::newRow("unit absent")
        << std::vector<FakePort::Reply>{}
        << (QStringList{"enable 0", "send COMSMSA2", kFailure} + kFirstGroup
            + QStringList{"send COMSMSA3", kFailure, "send COMSMSA7", kFailure} + kSecondGroup
            + QStringList{"send COMSMSA5", kFailure, "send COMSMSA4", kFailure, "store Check1",
                          "enable 1"})
        << 0;
    // A wait window left open with a still bar would look like a write in progress.
    QTest::newRow("first answered, last not")
        << std::vector<FakePort::Reply>{yes, yes, yes, yes, yes, no}
        << (QStringList{"enable 0", "send COMSMSA2", "place", "show", "send COMSMSAB"} + kFirstGroup
            + QStringList{"send COMSMSA3", "send COMSMSA7"} + kSecondGroup
            + QStringList{"send COMSMSA5", "send COMSMSA4", kFailure, "close", "store Check1",
                          "enable 1"})
        << 5;
    QTest::newRow("first not, last answered")
        << std::vector<FakePort::Reply>{no, yes, yes, yes, yes}
        << (QStringList{"enable 0", "send COMSMSA2", kFailure} + kFirstGroup
            + QStringList{"send COMSMSA3", "send COMSMSA7"} + kSecondGroup
            + QStringList{"send COMSMSA5", "send COMSMSA4", "show", "place", "timer", "store Check1",
                          "enable 1"})
        << 4;
}

void TestWriteSequences::mainPageEvents()
{
    QFETCH(std::vector<FakePort::Reply>, replies);
    QFETCH(QStringList, events);
    QFETCH(int, answered);

    EventLog log;
    FakePort port(&log);
    port.replies = replies;
    LoggingStore store(&log);
    RecordingMessages messages(&log);
    RecordingView view(&log);

    const WriteResult result = WriteMainPage(DefaultMainPage(), port, store, messages, view);
    QCOMPARE(log, events);
    QCOMPARE(result.blocksAnswered, answered);
    QCOMPARE(result.succeeded(), answered == 6);
    QCOMPARE(store.values.size(), 27);
}

void TestWriteSequences::mainPageSendsTheBuiltBlocksAndStoresTheTypedValues()
{
    FakePort port;
    port.answerAll(6);
    MemoryStore store;
    RecordingMessages messages;
    EventLog log;
    RecordingView view(&log);
    MainPageValues values = DefaultMainPage();
    values.text[15] = QStringLiteral("天下太平");
    values.check1 = 1;
    values.alarmMode = AlarmMode::CallOnly;
    values.text[17] = QStringLiteral("（０２０）１２３４");

    QVERIFY(WriteMainPage(values, port, store, messages, view).succeeded());
    QCOMPARE(port.written, MainPageBlocks(values));
    // Numbers go to the unit cleaned, and to the store as typed.
    QCOMPARE(port.written[3].mid(168, 8), QByteArray::fromHex("0201234FFFFFFFFF"));
    QCOMPARE(store.values["Text17"], values.text[17]);
    QCOMPARE(store.values["tel1"], QStringLiteral("138 0013-8000"));
    QCOMPARE(store.values["Check1"], QStringLiteral(" 1 "));
    QCOMPARE(store.values["Option6"], QStringLiteral("True"));
    QCOMPARE(store.values["Option7"], QStringLiteral("False"));
    // The password travels but is never stored.
    QCOMPARE(port.written[3].mid(265, 8), QByteArray::fromHex("59294E0B592A5E73"));
    QVERIFY(!store.values.contains("Text15"));
}

void TestWriteSequences::sensorPageEvents_data()
{
    QTest::addColumn<std::vector<FakePort::Reply>>("replies");
    QTest::addColumn<QStringList>("events");

    const FakePort::Reply yes{{1, "O"}}, no;
    QTest::newRow("unit answers both")
        << std::vector<FakePort::Reply>{yes, yes}
        << (QStringList{"enable 0", "send COMSMSA8", "place", "show", "send COMSMSAH", "show", "place",
                        "timer", "enable 1"}
            + kSensorFiles);
    QTest::newRow("unit absent")
        << std::vector<FakePort::Reply>{}
        << (QStringList{"enable 0", "send COMSMSA8", kFailure, "enable 1"} + kSensorFiles);
    QTest::newRow("second not answered")
        << std::vector<FakePort::Reply>{yes, no}
        << (QStringList{"enable 0", "send COMSMSA8", "place", "show", "send COMSMSAH", kFailure,
                        "close", "enable 1"}
            + kSensorFiles);
}

void TestWriteSequences::sensorPageEvents()
{
    QFETCH(std::vector<FakePort::Reply>, replies);
    QFETCH(QStringList, events);

    EventLog log;
    FakePort port(&log);
    port.replies = replies;
    LoggingStore store(&log);
    RecordingMessages messages(&log);
    RecordingView view(&log);

    const SensorPageValues values = SensorPage();
    WriteSensorPage(values, port, store, messages, view);
    QCOMPARE(log, events);
    QCOMPARE(port.written.first(), BuildComsmsA8(values));
    QCOMPARE(store.values["Ttt10"], QStringLiteral("13800138000"));
}

void TestWriteSequences::refusedWritesSendAndStoreNothing_data()
{
    QTest::addColumn<bool>("mainPage");
    QTest::addColumn<bool>("portOpen");
    QTest::addColumn<int>("badControl");
    QTest::addColumn<QString>("badValue");
    QTest::addColumn<QStringList>("mentioned");

    QTest::newRow("main: invalid numbers and password")
        << true << true << 23 << QStringLiteral("+8613800138000")
        << QStringList{QStringLiteral("报警拨打电话号码1"), QStringLiteral("4个汉字")};
    QTest::newRow("main: port closed") << true << false << 0 << QString()
                                       << QStringList{QStringLiteral("/dev/fake")};
    QTest::newRow("sensor: 17 digits") << false << true << 4 << QStringLiteral("12345678901234567")
                                       << QStringList{QStringLiteral("02号")};
    QTest::newRow("sensor: port closed") << false << false << 0 << QString()
                                         << QStringList{QStringLiteral("未打开")};
}

void TestWriteSequences::refusedWritesSendAndStoreNothing()
{
    QFETCH(bool, mainPage);
    QFETCH(bool, portOpen);
    QFETCH(int, badControl);
    QFETCH(QString, badValue);
    QFETCH(QStringList, mentioned);

    EventLog log;
    FakePort port(&log);
    port.open = portOpen;
    port.answerAll(6);
    LoggingStore store(&log);
    RecordingMessages messages(&log);
    RecordingView view(&log);

    WriteResult result;
    if (mainPage) {
        MainPageValues values = DefaultMainPage();
        if (badControl) {
            values.text[badControl] = badValue;
            values.text[15] = QStringLiteral("abcd");
        }
        result = WriteMainPage(values, port, store, messages, view);
    } else {
        SensorPageValues values = SensorPage();
        if (badControl)
            values.text[badControl] = badValue;
        result = WriteSensorPage(values, port, store, messages, view);
    }
    QVERIFY(result.refused);
    QVERIFY(!result.succeeded());
    QCOMPARE(log.size(), 1);  // one message, nothing sent, stored or shown
    QVERIFY(log[0].startsWith("message "));
    for (const QString &part : mentioned)
        QVERIFY2(messages.shown[0].second.contains(part), qPrintable(messages.shown[0].second));
}

QTEST_GUILESS_MAIN(TestWriteSequences)
#include "test_write_sequences.moc"
