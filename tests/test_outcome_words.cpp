// What reached the unit, in the page's words, wherever a write's outcome is
// told: the outcome line, the history's line and table; the block tags only
// where a technician looks (the tooltips); the same in English.
#include "block_layouts.h"
#include "history_dialog.h"
#include "history_format.h"
#include "history_log.h"
#include "language.h"
#include "test_support.h"
#include "write_outcome.h"

#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// "A2- A3+": COMSMSA2 not answered, COMSMSA3 answered.
QList<BlockOutcome> Blocks(const QString &shorthand)
{
    QList<BlockOutcome> blocks;
    for (const QString &block : shorthand.split(u' ', Qt::SkipEmptyParts))
        blocks.append({"COMSMS" + block.left(2).toLatin1(), block.endsWith(u'+')});
    return blocks;
}

}  // namespace

class TestOutcomeWords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void summary_data()
    {
        QTest::addColumn<QString>("blocks");
        QTest::addColumn<QString>("summary");
        QTest::newRow("main: every block answered") << "A2+ AB+ A3+ A7+ A5+ A4+" << "已写入";
        // COMSMSAB never goes without an answer to COMSMSA2: it did not reach the unit either.
        QTest::newRow("main: COMSMSA2 silent")
            << "A2- A3+ A7+ A5+ A4+"
            << "已写入：授权手机号码（第2份）、报警短信内容和号码、报警方式、安全密语、固定数据、授权手机号码（第3份）和振铃开关；"
               "未写入：油路控制密语、设防解防密语和授权手机号码（第1份）";
        QTest::newRow("main: the port lost at COMSMSA3")
            << "A2+ AB+ A3-"
            << "已写入：油路控制密语、设防解防密语和授权手机号码（第1份）；未写入：授权手机号码（第2份）、"
               "报警短信内容和号码、报警方式、安全密语、固定数据、授权手机号码（第3份）和振铃开关";
        QTest::newRow("sensor: COMSMSAH silent") << "A8+ AH-" << "已写入：无线传感器1–5；未写入：无线传感器6–10";
        QTest::newRow("sensor: nothing answered") << "A8-" << "报警器未收到任何设置";
        QTest::newRow("refused: no block sent") << "" << "没有发送任何设置";
    }

    // The outcome line adds the time of a write that went out, in green
    // when every block was answered.
    void summary()
    {
        QFETCH(QString, blocks);
        QFETCH(QString, summary);
        const bool refused = blocks.isEmpty();
        QCOMPARE(OutcomeSummary(refused, Blocks(blocks)), summary);
        WriteRecord record;
        record.page = QStringLiteral("main");
        record.refused = refused;
        record.blocks = Blocks(blocks);
        QVERIFY2(FormatHistoryLine(record).contains(summary), qPrintable(FormatHistoryLine(record)));
        WriteOutcomeLabel line;
        line.showOutcome({refused, {}, Blocks(blocks)}, QDateTime(QDate(2026, 12, 7), QTime(10, 31, 2)));
        QCOMPARE(line.text(), refused ? summary : summary + QStringLiteral("（10:31:02）"));
        QCOMPARE(line.palette().color(QPalette::WindowText),
                 summary == QStringLiteral("已写入") ? QColor(0x00, 0x80, 0x00) : QColor(0x80, 0x00, 0x00));
        QVERIFY(line.toolTip().contains(line.text()));
        QCOMPARE(line.toolTip().count(QStringLiteral("COMSMS")), Blocks(blocks).size());
    }

    // Every part has its English words; an outcome in English holds no Chinese.
    void english()
    {
        const Translations english(Language::English);
        for (const BlockLayout &layout : AllBlockLayouts())
            QVERIFY2(!HasChinese(PartName(layout.tag)), layout.tag);
        for (const QString &blocks : {"A2- A3+ A7+ A5+ A4+", "A8-"})
            QVERIFY2(!HasChinese(OutcomeSummary(false, Blocks(blocks))), qPrintable(OutcomeSummary(false, Blocks(blocks))));
    }

    // The history's table names the parts, says when published default
    // secrets were sent, and shows each block's tag on hover.
    void historyTable()
    {
        const QTemporaryDir dir;
        HistoryLog log(dir.filePath(QStringLiteral("history.jsonl")));
        WriteRecord record;
        record.time = QDateTime::currentDateTime();
        record.page = QStringLiteral("main");
        record.origin = {1, QStringLiteral("/dev/ttyUSB0"), WindowSource()};
        record.blocks = Blocks("A2+ AB+ A3+ A7+ A5+ A4-");
        record.defaultSecrets = {QStringLiteral("Text7")};
        QVERIFY(log.append(record).isEmpty());
        RecordingMessages messages;
        HistoryDialog dialog(log.path(), messages);
        const QTableWidgetItem *outcome = dialog.findChild<QTableWidget *>(QStringLiteral("HistoryTable"))->item(0, 4);
        QVERIFY2(outcome->text().contains(QStringLiteral("未写入：授权手机号码（第3份）和振铃开关"))
                     && outcome->text().contains(QStringLiteral("发送了默认密语：“切断汽车油路”密语")),
                 qPrintable(outcome->text()));
        QVERIFY2(outcome->toolTip().startsWith(outcome->text())
                     && outcome->toolTip().contains(QStringLiteral("COMSMSA4（授权手机号码（第3份）和振铃开关）：未应答")),
                 qPrintable(outcome->toolTip()));
    }
};

QTEST_MAIN(TestOutcomeWords)
#include "test_outcome_words.moc"
