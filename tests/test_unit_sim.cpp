// The simulated alarm unit: framing of the incoming stream, its JSON log line,
// the answer plan, and the program itself behind a real pseudo-terminal.

#include "answer_plan.h"
#include "block_framer.h"
#include "block_layouts.h"
#include "block_log_line.h"
#include "paced_line.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

const QByteArray kA5 = QByteArray("COMSMSA5") + QByteArray(16, '\0');

// "block:<tag>" or "garbage:<hex>", then "@" and where the piece ended in its feed.
QString Describe(const FramedPiece &piece)
{
    const QString what = piece.isBlock ? "block:" + QString::fromLatin1(piece.bytes.left(kTagSize))
                                       : "garbage:" + QString::fromLatin1(piece.bytes.toHex());
    return what + "@" + QString::number(piece.endInFeed);
}

// Waits up to timeoutMs for bytes on fd: what arrived in hex, "" after
// silence, "hang-up" when the line is gone.
QString Await(int fd, int timeoutMs)
{
    pollfd waiting{fd, POLLIN, 0};
    if (poll(&waiting, 1, timeoutMs) == 0)
        return QString();
    char buffer[256];
    const ssize_t count = read(fd, buffer, sizeof buffer);
    return count > 0 ? QString::fromLatin1(QByteArray(buffer, count).toHex()) : QStringLiteral("hang-up");
}

// alarmcfg-unit started with some options, its device opened raw as the tool would.
struct RunningUnit
{
    QProcess process;
    int fd = -1;

    explicit RunningUnit(const QStringList &options)
    {
        process.start(QStringLiteral(ALARMCFG_UNIT), options);
        if (!WaitForLine())
            return;
        fd = open(process.readLine().trimmed().constData(), O_RDWR | O_NOCTTY);
        termios settings{};
        if (fd >= 0 && tcgetattr(fd, &settings) == 0) {
            cfmakeraw(&settings);
            tcsetattr(fd, TCSANOW, &settings);
        }
    }
    ~RunningUnit()
    {
        if (fd >= 0)
            close(fd);
        process.terminate();
        process.waitForFinished();
    }
    bool WaitForLine()
    {
        QDeadlineTimer deadline(3000);
        while (!process.canReadLine() && !deadline.hasExpired())
            process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
        return process.canReadLine();
    }
    QJsonObject NextLogLine()
    {
        return WaitForLine() ? QJsonDocument::fromJson(process.readLine()).object() : QJsonObject();
    }
    bool send(const QByteArray &block) { return write(fd, block.constData(), size_t(block.size())) == block.size(); }
};

}  // namespace

class TestUnitSim : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void framesStream_data()
    {
        QTest::addColumn<QList<QByteArray>>("feeds");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QByteArray>("pending");

        const QByteArray a3 = BuildComsmsA3(MainPageValues{});
        QList<QByteArray> bytewise;
        for (char byte : a3)
            bytewise << QByteArray(1, byte);
        QTest::newRow("block in single bytes") << bytewise << QStringList{"block:COMSMSA3@1"} << QByteArray();
        QTest::newRow("two blocks in one feed")
            << QList<QByteArray>{kA5 + a3} << QStringList{"block:COMSMSA5@24", "block:COMSMSA3@81"} << QByteArray();
        QTest::newRow("garbage before a tag")
            << QList<QByteArray>{"xyz" + kA5.left(10), kA5.mid(10)}
            << QStringList{"garbage:78797a@3", "block:COMSMSA5@14"} << QByteArray();
        QTest::newRow("truncated tag at the end")
            << QList<QByteArray>{kA5 + "COMSM"} << QStringList{"block:COMSMSA5@24"} << QByteArray("COMSM");
        QTest::newRow("partial tag turning out wrong")
            << QList<QByteArray>{"COMSMSA", "Z" + kA5}
            << QStringList{"garbage:434f4d534d53415a@1", "block:COMSMSA5@25"} << QByteArray();
        QTest::newRow("tag starting inside a wrong one")
            << QList<QByteArray>{"COMS" + kA5} << QStringList{"garbage:434f4d53@4", "block:COMSMSA5@28"}
            << QByteArray();
        QTest::newRow("unknown tag")
            << QList<QByteArray>{"COMSMSZZ" + QByteArray(16, '\0') + kA5}
            << QStringList{"garbage:434f4d534d535a5a" + QString(32, u'0') + "@24", "block:COMSMSA5@48"}
            << QByteArray();
    }

    void framesStream()
    {
        QFETCH(QList<QByteArray>, feeds);
        QFETCH(QStringList, expected);
        QFETCH(QByteArray, pending);
        BlockFramer framer;
        QStringList pieces;
        for (const QByteArray &feed : feeds)
            for (const FramedPiece &piece : framer.feed(feed))
                pieces << Describe(piece);
        QCOMPARE(pieces, expected);
        QCOMPARE(framer.pending(), pending);
    }

    // Blocks among random bytes in random feeds: every byte comes out once and in
    // order, every block is found, and the framer never holds more than one block.
    void framesRandomStreamLosslessly()
    {
        QRandomGenerator random(18);
        const MainPageValues page;
        const QList<QByteArray> blocks{BuildComsmsA2(page), BuildComsmsAB(page), BuildComsmsA3(page),
                                       BuildComsmsA7(page), kA5,                 BuildComsmsA4(page)};
        QByteArray stream;
        for (int k = 0; k < 300; ++k) {
            for (int n = random.bounded(5); n > 0; --n)
                stream += char(random.bounded(256));
            stream += blocks[k % blocks.size()];
        }
        BlockFramer framer;
        QByteArray out;
        int blockCount = 0;
        for (qsizetype at = 0; at < stream.size();) {
            const QByteArray feed = stream.mid(at, random.bounded(1, 600));
            at += feed.size();
            for (const FramedPiece &piece : framer.feed(feed)) {
                if (piece.isBlock) {
                    ++blockCount;
                    QCOMPARE(piece.bytes.size(), FindBlockLayout(piece.bytes.left(kTagSize))->size);
                }
                out += piece.bytes;
            }
            QVERIFY(framer.pending().size() < LayoutComsmsA7().size);
        }
        QCOMPARE(out + framer.pending(), stream);
        QCOMPARE(blockCount, 300);
    }

    void logsBlockAsJsonLine()
    {
        MainPageValues page;
        page.text[7] = QStringLiteral("青山绿水");
        page.text[1] = QStringLiteral("13800138000");
        page.check1 = 1;
        const QByteArray a2 = BuildComsmsA2(page);
        const QByteArray line = BlockLogLine(a2);
        QVERIFY(!line.contains('\n'));
        const QJsonObject logged = QJsonDocument::fromJson(line).object();
        QCOMPARE(logged["tag"].toString(), "COMSMSA2");
        QCOMPARE(logged["size"].toInt(), 248);
        QCOMPARE(logged["hex"].toString(), QString::fromLatin1(a2.toHex()));
        QCOMPARE(logged["fields"]["Text7"].toString(), QStringLiteral("青山绿水"));
        QCOMPARE(logged["fields"]["Text8"].toString(), QString());
        QCOMPARE(logged["exact"].toBool(), true);

        const QJsonObject a4 = QJsonDocument::fromJson(BlockLogLine(BuildComsmsA4(page))).object();
        QCOMPARE(a4["fields"]["Text1"].toString(), "13800138000");
        QCOMPARE(a4["fields"]["numberListFlag"].toString(), "80");
        QCOMPARE(a4["fields"]["ringTone"].toString(), "00");
        QCOMPARE(a4["fields"]["closingByte"].toString(), "00");
        QCOMPARE(a4["exact"].toBool(), true);
        const QJsonObject a7 = QJsonDocument::fromJson(BlockLogLine(BuildComsmsA7(page))).object();
        QCOMPARE(a7["fields"]["alarmMode"].toString(), "ff");

        // The last two bytes of a text slot are never written: anything but the fill there is no exact block.
        QByteArray odd = a2;
        odd[8 + 22] = 0x00;
        QCOMPARE(QJsonDocument::fromJson(BlockLogLine(odd)).object()["exact"].toBool(), false);
    }

    void logsGarbageAsJsonLine()
    {
        QCOMPARE(GarbageLogLine("xyz"), QByteArray(R"({"garbage":"78797a"})"));
        QCOMPARE(BlockLogLine(kA5.chopped(1)), GarbageLogLine(kA5.chopped(1)));
    }

    void plansAnswers()
    {
        auto times = [](const std::vector<TimedBytes> &writes) {
            QList<qint64> out;
            for (const TimedBytes &write : writes)
                out << write.dueNs;
            return out;
        };
        constexpr qint64 ms = 1'000'000, byte = PacedLine::kByteNs;
        const std::vector<TimedBytes> many = PlanAnswer({0, 5, 0, 0, {}}, 7 * ms, nullptr);
        QCOMPARE(times(many), QList<qint64>{7 * ms});
        QCOMPARE(many.front().bytes, QByteArray(5, kAnswerByte));
        QCOMPARE(PlanAnswer({0, 1, 0, 0, QByteArray("\x13\x00", 2)}, 0, nullptr).front().bytes, QByteArray("\x13\x00", 2));
        QCOMPARE(times(PlanAnswer({100, 1, 3, 20, {}}, 0, nullptr)), (QList<qint64>{100 * ms, 120 * ms, 140 * ms}));

        // On a paced line each byte arrives one byte time after the line is free for it.
        PacedLine line;
        QCOMPARE(times(PlanAnswer({0, 2, 0, 0, {}}, 0, &line)), (QList<qint64>{byte, 2 * byte}));
        QCOMPARE(times(PlanAnswer({0, 1, 0, 0, {}}, byte, &line)), QList<qint64>{3 * byte});
    }

    void unitAnswersAndLogsBlock()
    {
        RunningUnit unit({});
        QVERIFY(unit.fd >= 0);
        QVERIFY(unit.send(kA5));
        QCOMPARE(Await(unit.fd, 2000), "4f");
        QCOMPARE(Await(unit.fd, 200), "");
        const QJsonObject logged = unit.NextLogLine();
        QCOMPARE(logged["tag"].toString(), "COMSMSA5");
        QCOMPARE(logged["exact"].toBool(), true);
    }

    void unitSilentForTagAnswersOtherTags()
    {
        RunningUnit unit({"--silent-for", "COMSMSA5"});
        QVERIFY(unit.fd >= 0);
        QVERIFY(unit.send(kA5));
        QCOMPARE(Await(unit.fd, 1500), "");
        QCOMPARE(unit.NextLogLine()["tag"].toString(), "COMSMSA5");
        QVERIFY(unit.send(BuildComsmsA3(MainPageValues{})));
        QCOMPARE(Await(unit.fd, 2000), "4f");
    }

    void unitPacedHoldsAnswerForLineTime()
    {
        RunningUnit unit({"--pace"});
        QVERIFY(unit.fd >= 0);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(unit.send(BuildComsmsA7(MainPageValues{})));
        QCOMPARE(Await(unit.fd, 2000), "4f");
        QVERIFY(clock.nsecsElapsed() >= 274 * PacedLine::kByteNs);  // the block and the answer byte
    }

    void unitUnpluggedHangsUpTheLine()
    {
        RunningUnit unit({"--unplug-after", "1"});
        QVERIFY(unit.fd >= 0);
        QVERIFY(unit.send(kA5));
        QCOMPARE(Await(unit.fd, 2000), "hang-up");
        QVERIFY(unit.process.waitForFinished(2000));
        QCOMPARE(unit.process.exitCode(), 0);
        QCOMPARE(unit.NextLogLine()["tag"].toString(), "COMSMSA5");
    }
};

QTEST_GUILESS_MAIN(TestUnitSim)
#include "test_unit_sim.moc"
