// The history of writes: what a record keeps of a write (never a pass phrase
// or the password), a history file that cannot be written or read, its
// modes whatever the umask, and the lines and CSV made of it.
#include "history_format.h"
#include "history_log.h"
#include "history_reading.h"
#include "outcome_words.h"
#include "test_support.h"
#include "write_sequences.h"

#include <QJsonDocument>
#include <QTest>
#include <unistd.h>

namespace {

// A main page with pass phrases and a password found nowhere else on it.
MainPageValues PageWithSecrets()
{
    MainPageValues values = TypedMainPage();
    values.text[7] = QStringLiteral("断油暗号");
    values.text[8] = QStringLiteral("复油暗号");
    values.text[13] = QStringLiteral("设防暗号");
    values.text[14] = QStringLiteral("撤防暗号");
    values.text[15] = QStringLiteral("改写暗号");
    return values;
}

// A written page's record, from a write through a line that answers as
// `answers` says ("yyn": the first two blocks); a closed port refuses it.
WriteRecord Written(bool sensorPage, const QString &answers, bool portOpen = true)
{
    FakePort port;
    port.open = portOpen;
    port.answer(answers);
    MemoryStore store;
    RecordingMessages messages;
    RecordingView view;
    const WriteOrigin origin{2, QStringLiteral("/dev/ttyUSB1"), ProfileSource(QStringLiteral("/home/a/车 \"1\".json"))};
    if (sensorPage)
        return SensorPageRecord(TypedSensorPage(), WriteSensorPage(TypedSensorPage(), port, store, messages, view), origin);
    const MainPageValues values = PageWithSecrets();
    return MainPageRecord(values, WriteMainPage(values, port, store, messages, view), origin);
}

QByteArray JsonLine(const WriteRecord &record)
{
    return QJsonDocument(RecordToJson(record)).toJson(QJsonDocument::Compact) + '\n';
}

}  // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void records_data()
    {
        QTest::addColumn<bool>("sensorPage");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<bool>("portOpen");
        QTest::newRow("main, all answered") << false << "yyyyyy" << true;
        QTest::newRow("main, first silent") << false << "nyyyy" << true;
        QTest::newRow("main, refused") << false << "" << false;
        QTest::newRow("sensor, second silent") << true << "yn" << true;
    }

    // A record keeps the page, the COM option and its device, the source,
    // each block's outcome and the values; read back from its file it is the
    // same. The pass phrases and the password never reach the file.
    void records()
    {
        QFETCH(bool, sensorPage);
        QFETCH(QString, answers);
        QFETCH(bool, portOpen);
        const WriteRecord written = Written(sensorPage, answers, portOpen);
        HistoryLog log(m_dir->filePath(QStringLiteral("state/alarmcfg/history.jsonl")));
        QCOMPARE(RecordWrite(log, written), QString());
        QCOMPARE(RecordWrite(log, written), QString());

        const HistoryRead history = ReadHistory(log.path());
        QCOMPARE(history.error, QString());
        QCOMPARE(history.skipped, 0);
        QCOMPARE(history.records.size(), 2);
        const WriteRecord &read = history.records.constLast();
        QCOMPARE(RecordToJson(read), RecordToJson(written));
        QCOMPARE(read.page, sensorPage ? QStringLiteral("sensor") : QStringLiteral("main"));
        QCOMPARE(read.refused, !portOpen);
        QCOMPARE(read.blocks.size(), qsizetype(portOpen ? answers.size() : 0));
        for (qsizetype k = 0; k < read.blocks.size(); ++k)
            QCOMPARE(read.blocks[k].answered, answers[k] == u'y');
        QCOMPARE(FormatHistoryLine(read).split(QStringLiteral("  ")).mid(2),  // the outcome's words: test_outcome_words
                 QStringList({"COM2 /dev/ttyUSB1", OutcomeSummary(read.refused, read.blocks), read.origin.source}));

        const QByteArray file = ReadBytes(log.path());
        QCOMPARE(file.count('\n'), 2);
        const MainPageValues secrets = PageWithSecrets();
        for (const int control : {7, 8, 13, 14, 15}) {
            QVERIFY(!file.contains(secrets.text[control].toUtf8()));
            if (!sensorPage)
                QCOMPARE(read.values.value(QStringLiteral("Text%1").arg(control)).toString().size(), 4);
        }
        const QString typed = sensorPage ? TypedSensorPage().text[1] : secrets.text[1];
        QVERIFY(file.contains(typed.toUtf8()));
    }

#ifdef Q_OS_UNIX  // FIFOs, umask and permission bits
    void unwritable_data()
    {
        QTest::addColumn<QString>("blocking");  // what stands in the way, under the temporary folder
        QTest::addColumn<QString>("kind");      // and what it is: "file", "folder" or "fifo"
        QTest::addColumn<QString>("path");      // the history file
        QTest::newRow("its folder is a file") << "state" << "file" << "state/alarmcfg/history.jsonl";
        QTest::newRow("the file is a folder") << "history.jsonl" << "folder" << "history.jsonl";
        QTest::newRow("the file is a FIFO") << "history.jsonl" << "fifo" << "history.jsonl";
    }

    // A history that cannot be written says why at every append, and asks
    // to be shown to the user once; a FIFO in its place does not hang it.
    void unwritable()
    {
        QFETCH(QString, blocking);
        QFETCH(QString, kind);
        QFETCH(QString, path);
        QVERIFY(MakeEntry(kind, m_dir->filePath(blocking), "not a folder"));
        HistoryLog log(m_dir->filePath(path));
        const WriteRecord record = Written(false, "yyyyyy");
        const QString shown = RecordWrite(log, record);
        QVERIFY2(shown.contains(log.path()), qPrintable(shown));
        QCOMPARE(RecordWrite(log, record), QString());
        QVERIFY(!log.append(record).isEmpty());
        QVERIFY(ReadHistory(log.path()).records.isEmpty());
    }

    // Created for the owner alone even when the umask takes nothing away:
    // every folder made for it 0700, the file 0600.
    void ownerOnlyUnderUmaskZero()
    {
        const mode_t before = ::umask(0);
        HistoryLog log(m_dir->filePath(QStringLiteral("state/alarmcfg/history.jsonl")));
        const QString problem = log.append(Written(true, "yy"));
        ::umask(before);
        QCOMPARE(problem, QString());
        QCOMPARE(FileMode(log.path()), mode_t(0600));
        QCOMPARE(FileMode(m_dir->filePath(QStringLiteral("state/alarmcfg"))), mode_t(0700));
        QCOMPARE(FileMode(m_dir->filePath(QStringLiteral("state"))), mode_t(0700));
    }
#endif

    void reading_data()
    {
        QTest::addColumn<QByteArray>("before");  // put before two records
        QTest::addColumn<QByteArray>("between");
        QTest::addColumn<int>("skipped");
        const QByteArray partial = JsonLine(Written(false, "yyyyyy")).left(100) + '\n';
        QTest::newRow("clean") << QByteArray() << QByteArray() << 0;
        QTest::newRow("blank lines") << QByteArray("\n\r\n") << QByteArray("\n") << 0;
        QTest::newRow("malformed lines") << QByteArray("{\"time\": 5}\n[]\nnot json\n") << partial << 4;
        QTest::newRow("a record without blocks")
            << QByteArray(JsonLine(Written(true, "yy")).replace("\"blocks\":", "\"blocs\":")) << QByteArray() << 1;
        // More than the read limit: the cut line and everything before it are not read.
        QTest::newRow("a huge file") << QByteArray(kHistoryReadLimit, 'x') + '\n' << QByteArray() << 0;
    }

    // The records of a file come back oldest first; lines that are no record
    // are counted and left out; of a huge file only the end is read.
    void reading()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, between);
        QFETCH(int, skipped);
        const WriteRecord first = Written(false, "nyyyy");
        const WriteRecord second = Written(true, "yy");
        const QString path = m_dir->filePath(QStringLiteral("history.jsonl"));
        QVERIFY(WriteBytes(path, before + JsonLine(first) + between + JsonLine(second)));
        const HistoryRead history = ReadHistory(path);
        QCOMPARE(history.error, QString());
        QCOMPARE(history.skipped, skipped);
        QCOMPARE(history.records.size(), 2);
        QCOMPARE(RecordToJson(history.records[0]), RecordToJson(first));
        QCOMPARE(RecordToJson(history.records[1]), RecordToJson(second));
    }

#ifdef Q_OS_UNIX  // FIFOs and devices
    void unreadable_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("refused");
        QTest::newRow("missing") << "missing" << false;
        QTest::newRow("a FIFO") << "fifo" << true;
    }

    // No history is an empty one; anything but a regular file is refused
    // with a reason (the kinds of files: test_profile), and a FIFO without a
    // writer does not hang the read.
    void unreadable()
    {
        QFETCH(QString, kind);
        QFETCH(bool, refused);
        const QString path = m_dir->filePath(QStringLiteral("history.jsonl"));
        if (kind != "missing")
            QVERIFY(MakeEntry(kind, path));
        const HistoryRead history = ReadHistory(path);
        QCOMPARE(!history.error.isEmpty(), refused);
        QVERIFY(history.records.isEmpty());
    }
#endif

    // The export reads in a spreadsheet: a byte-order mark, a header, one
    // row per record with every field quoted (quotes doubled) and CR LF, the
    // time with its offset, the outcome in English, the values as JSON in UTF-8.
    void csv()
    {
        const auto at = [](int minute) { return QDateTime(QDate(2026, 12, 7), QTime(10, minute, 2), Qt::OffsetFromUTC, 8 * 3600); };
        const WriteRecord refused{at(31), "main", {1, "/dev/ttyUSB0", WindowSource()}, true, {}, {}};
        const WriteRecord written{at(32), "sensor", {2, "/dev/ttyUSB1", ProfileSource("/home/a/车 \"1\".json")}, false,
                                  {{"COMSMSA8", true}, {"COMSMSAH", false}}, {{"Text1", "后门\r\n\"开\""}}, {"Text7", "Text8"}};
        QCOMPARE(HistoryToCsv({refused, written}),
                 QByteArray("\xEF\xBB\xBF" R"("time","page","COM","device","source","outcome","blocks","values","default secrets sent")" "\r\n"
                            R"("2026-12-07T10:31:02+08:00","main","COM1","/dev/ttyUSB0","window","refused","","{}","")" "\r\n"
                            R"("2026-12-07T10:32:02+08:00","sensor","COM2","/dev/ttyUSB1","profile /home/a/车 ""1"".json",)"
                            R"("1/2 answered, COMSMSAH not answered","COMSMSA8 answered; COMSMSAH not answered",)"
                            R"("{""Text1"":""后门\r\n\""开\""""}","Text7, Text8")" "\r\n"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestHistory)
#include "test_history.moc"
