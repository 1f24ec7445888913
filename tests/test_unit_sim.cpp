// The simulated alarm unit's framing of the incoming stream. (The program
// itself behind a pseudo-terminal is what every serial-line test talks to.)
#include "block_framer.h"
#include "block_layouts.h"

#include <QTest>

namespace {

const QByteArray kA5 = QByteArray("COMSMSA5") + QByteArray(16, '\0');

// "block:<tag>" or "garbage:<hex>", then "@" and where the piece ended in its feed.
QString Describe(const FramedPiece &piece)
{
    const QString what = piece.isBlock ? "block:" + QString::fromLatin1(piece.bytes.left(kTagSize))
                                       : "garbage:" + QString::fromLatin1(piece.bytes.toHex());
    return what + "@" + QString::number(piece.endInFeed);
}

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

        const QByteArray a3 = BuildBlock(BlockLayoutOf("COMSMSA3"), MainPageValues{});
        QList<QByteArray> bytewise;
        for (char byte : a3)
            bytewise << QByteArray(1, byte);
        QTest::newRow("block in single bytes") << bytewise << QStringList{"block:COMSMSA3@1"} << QByteArray();
        QTest::newRow("two blocks in one feed")
            << QList<QByteArray>{kA5 + a3} << QStringList{"block:COMSMSA5@24", "block:COMSMSA3@81"} << QByteArray();
        QTest::newRow("garbage before a tag")
            << QList<QByteArray>{"xyz" + kA5.left(10), kA5.mid(10)}
            << QStringList{"garbage:78797a@3", "block:COMSMSA5@14"} << QByteArray();
        QTest::newRow("one byte before a tag")
            << QList<QByteArray>{"x" + kA5} << QStringList{"garbage:78@1", "block:COMSMSA5@25"} << QByteArray();
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
};

QTEST_GUILESS_MAIN(TestUnitSim)
#include "test_unit_sim.moc"
