// Configuration blocks: byte layouts against worked examples (typed phone
// numbers cleaned first), decoder round trips and the validation before a write.
#include "block_decoder.h"
#include "block_layouts.h"
#include "field_encoding.h"
#include "page_fields.h"
#include "test_support.h"
#include "validation.h"
#include "write_sequences.h"

#include <QRegularExpression>
#include <QTest>

namespace {

QByteArray ff(int n) { return QByteArray(n, char(0xFF)); }
QByteArray hex(const char *digits) { return QByteArray::fromHex(digits); }  // blanks are skipped

// Latin letters as the unit reads them: 00, then the ASCII code.
QByteArray latinUcs2(const QByteArray &ascii)
{
    QByteArray bytes;
    for (char c : ascii)
        bytes.append('\0').append(c);
    return bytes;
}

const QString kAlarmText = QStringLiteral("你的汽车被碰，请查看！");

struct Pages
{
    MainPageValues main;
    SensorPageValues sensor;
};

QString &TextOf(Pages &pages, const QByteArray &tag, int control)
{
    return tag == "A8" || tag == "AH" ? pages.sensor.text[control] : pages.main.text[control];
}

// The block the writes send for a tag ("A2" .. "AH").
QByteArray Build(const QByteArray &tag, const Pages &p)
{
    for (const QByteArray &block : MainPageBlocks(p.main) + SensorPageBlocks(p.sensor))
        if (block.mid(6, 2) == tag)
            return block;
    qFatal("unknown block %s", tag.constData());
}

}  // namespace

class TestBlocks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fields_data()
    {
        QTest::addColumn<QByteArray>("tag");
        QTest::addColumn<int>("control");  // 0: no text typed
        QTest::addColumn<QString>("typed");
        QTest::addColumn<AlarmMode>("mode");
        QTest::addColumn<int>("ringTone");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");  // from offset on; the rest as in the empty block
        auto row = [](const char *name, const char *tag, int control, const QString &typed, int offset,
                      const QByteArray &bytes, AlarmMode mode = AlarmMode::SmsAndCall, int ringTone = 0) {
            QTest::newRow(name) << QByteArray(tag) << control << typed << mode << ringTone << offset << bytes;
        };
        const QByteArray letters20 = latinUcs2("ABCDEFGHIJKLMNOPQRST");
        // Every text and number empty; alarm mode (Option7) and ring tone (clear) as the page starts.
        row("empty A2", "A2", 0, "", 0, "COMSMSA2" + ff(240));
        row("empty AB", "AB", 0, "", 0, "COMSMSAB" + ff(241));
        row("empty A3", "A3", 0, "", 0, "COMSMSA3" + ff(49));
        row("empty A7", "A7", 0, "", 0, "COMSMSA7" + ff(265));
        row("empty A5", "A5", 0, "", 0, "COMSMSA5" + QByteArray(16, '\0'));
        row("empty A4", "A4", 0, "", 0, "COMSMSA4" + ff(50) + QByteArray(1, '\0'));
        row("empty A8", "A8", 0, "", 0, "COMSMSA8" + ff(240));
        row("empty AH", "AH", 0, "", 0, "COMSMSAH" + ff(240));

        row("AB", "A2", 7, "AB", 8, hex("0041 0042"));
        row("U+4E2D", "A2", 8, QString(QChar(0x4E2D)), 32, hex("4E2D"));
        row("12 letters keep 11", "AB", 13, "ABCDEFGHIJKL", 104, latinUcs2("ABCDEFGHIJK"));
        row("4-character phrase", "AB", 14, "青山绿水", 128, hex("9752 5C71 7EFF 6C34"));
        row("default alarm text", "A7", 16, kAlarmText, 8,
            hex("4F60 7684 6C7D 8F66 88AB 78B0 FF0C 8BF7 67E5 770B FF01"));
        row("alarm text of 61 keeps 60", "A7", 16, QString(61, u'x'), 8, latinUcs2(QByteArray(60, 'x')));
        row("line break", "A7", 16, "a\r\nb", 8, hex("0061 000D 000A 0062"));
        row("U+FFFF ends the text", "A2", 7, QStringLiteral("ab\uFFFFcd"), 8, hex("0061 0062 FFFF FFFF"));
        row("password of 4", "A7", 15, "秋水长天", 265, hex("79CB 6C34 957F 5929"));
        row("password of 2", "A7", 15, "秋水", 265, hex("79CB 6C34"));
        row("password of 5 keeps 4", "A7", 15, "秋水长天地", 265, hex("79CB 6C34 957F 5929"));
        row("sensor 1 Abc", "A8", 1, "Abc", 8, hex("0041 0062 0063"));
        row("sensor 2 你的", "A8", 3, "你的", 56, hex("4F60 7684"));
        row("sensor 1 text of 25", "A8", 1, "ABCDEFGHIJKLMNOPQRSTUVWXY", 8, letters20);
        row("sensor 6 Abc", "AH", 11, "Abc", 8, hex("0041 0062 0063"));
        row("sensor 8 text of 25", "AH", 15, "ABCDEFGHIJKLMNOPQRSTUVWXY", 104, letters20);

        row("12345", "A3", 1, "12345", 8, hex("12 34 5F FF FF FF FF FF"));
        row("11 digits", "AB", 1, "12345678901", 200, hex("12 34 56 78 90 1F FF FF"));
        row("only Text6 in AB", "AB", 6, "13800138000", 240, hex("13 80 01 38 00 0F FF FF"));
        row("16 digits", "A4", 2, "1234567890123456", 16, hex("12 34 56 78 90 12 34 56"));
        row("17th digit ignored", "A3", 3, "12345678901234567", 24, hex("12 34 56 78 90 12 34 56"));
        row("a letter: no number at all", "A7", 17, "138f0013800", 168, ff(8));
        row("sensor 1 number", "A8", 2, "12345678901", 48, hex("12 34 56 78 90 1F FF FF"));
        row("sensor 5 number 0", "A8", 10, "0", 240, hex("0F FF FF FF FF FF FF FF"));
        row("sensor 1 number of 18", "A8", 2, "123456789012345678", 48, hex("12 34 56 78 90 12 34 56"));
        row("sensor 10 number", "AH", 20, "12345678901", 240, hex("12 34 56 78 90 1F FF FF"));
        // Numbers are cleaned before encoding.
        row("separators dropped", "A3", 1, "(010) 1234-5678\t", 8, hex("01 01 23 45 67 8F FF FF"));
        row("full-width number", "A7", 23, "１３８　００１３．８０００", 216, hex("13 80 01 38 00 0F FF"));

        row("Option5: SMS only", "A7", 0, "", 264, hex("00"), AlarmMode::SmsOnly);
        row("Option6: call only", "A7", 0, "", 264, hex("80"), AlarmMode::CallOnly);
        row("no alarm option", "A7", 0, "", 264, hex("FF"), AlarmMode::None);
        row("ring tone checked", "A4", 0, "", 57, hex("00 00"), AlarmMode::SmsAndCall, 1);
        row("ring tone grayed", "A4", 0, "", 57, hex("FF 00"), AlarmMode::SmsAndCall, 2);
    }

    // One value set on an empty page changes its own bytes and, for an
    // authorised number, the number-list flag: 0x00 in AB, 0x80 in A3 and A4.
    // The empty blocks compare whole.
    void fields()
    {
        QFETCH(QByteArray, tag);
        QFETCH(int, control);
        QFETCH(QString, typed);
        QFETCH(AlarmMode, mode);
        QFETCH(int, ringTone);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QByteArray expected = Build(tag, Pages{});
        expected.replace(offset, bytes.size(), bytes);
        if (control >= 1 && control <= 6 && (tag == "AB" || tag == "A3" || tag == "A4"))
            expected[tag == "AB" ? 248 : 56] = tag == "AB" ? '\x00' : '\x80';
        Pages pages;
        TextOf(pages, tag, control) = typed;
        pages.main.alarmMode = mode;
        pages.main.ringTone = RingTone(ringTone);
        QCOMPARE(Build(tag, pages).toHex(' '), expected.toHex(' '));
    }

    void numberListFlag_data()
    {
        QTest::addColumn<QStringList>("numbers");  // Text1, Text2, ...; the rest empty
        QTest::addColumn<bool>("given");
        QTest::newRow("all empty") << QStringList() << false;
        QTest::newRow("blanks") << QStringList{"   ", " "} << false;
        QTest::newRow("hyphens and dots in Text6") << QStringList{"", "", "", "", "", "-.-"} << false;
        QTest::newRow("tab, U+3000, parentheses") << QStringList{"\t", "\u3000", "( )", "（　）"} << false;
        QTest::newRow("letters only, refused") << QStringList{"abc"} << false;
        QTest::newRow("one number among blanks") << QStringList{" ", "", "", "", "", "138 0013 8000"} << true;
        QTest::newRow("a full-width zero") << QStringList{"", "", "０"} << true;
    }

    // The flag after the authorised numbers says whether the unit gets any:
    // 0x00 in COMSMSAB, 0x80 in COMSMSA3 and COMSMSA4, else 0xFF.
    void numberListFlag()
    {
        QFETCH(QStringList, numbers);
        QFETCH(bool, given);
        MainPageValues page;
        for (int k = 0; k < numbers.size(); ++k)
            page.text[1 + k] = numbers[k];
        QCOMPARE(quint8(BuildBlock(BlockLayoutOf("COMSMSAB"), page).at(248)), given ? 0x00 : 0xFF);
        QCOMPARE(quint8(BuildBlock(BlockLayoutOf("COMSMSA3"), page).at(56)), given ? 0x80 : 0xFF);
        QCOMPARE(quint8(BuildBlock(BlockLayoutOf("COMSMSA4"), page).at(56)), given ? 0x80 : 0xFF);
    }

    // Typed pages and pages with every field full come back field by field (a
    // number as the unit reads it), and the rebuilt block equals the one sent.
    void decoderRoundTrip()
    {
        Pages full{DefaultMainPage(), {}};
        for (const Field &field : MainPageFields())
            full.main.text[field.number()] = QString(field.maxLength, field.type == FieldType::PhoneNumber ? u'9' : u'车');
        for (const Field &field : SensorPageFields())
            full.sensor.text[field.number()] = QString(field.maxLength, field.type == FieldType::PhoneNumber ? u'1' : u'门');
        full.main.alarmMode = AlarmMode::CallOnly;
        full.main.ringTone = RingTone::SwitchedOff;
        for (Pages pages : {Pages{TypedMainPage(), TypedSensorPage()}, full}) {
            for (const QByteArray &block : MainPageBlocks(pages.main) + SensorPageBlocks(pages.sensor)) {
                const std::optional<DecodedBlock> decoded = DecodeBlock(block);
                QVERIFY2(decoded, block.left(8).constData());
                QCOMPARE(decoded->layout, FindBlockLayout(block.left(8)));
                for (const FieldLayout &field : decoded->layout->fields) {
                    QString typed = TextOf(pages, block.mid(6, 2), field.control);
                    if (field.kind == FieldKind::PhoneNumber)
                        typed = CleanPhoneNumber(typed).value_or(QStringLiteral("<refused>"));
                    if (field.kind == FieldKind::Text || field.kind == FieldKind::PhoneNumber)
                        QCOMPARE(decoded->texts.at(field.control), typed);
                }
                QCOMPARE(RebuildBlock(*decoded).toHex(' '), block.toHex(' '));
            }
        }
        // A byte outside every field that is not the fill shows in the rebuild.
        QByteArray altered = BuildBlock(BlockLayoutOf("COMSMSA7"), DefaultMainPage());
        altered[140] = '\x00';
        QVERIFY(RebuildBlock(*DecodeBlock(altered)) != altered);
    }

    // Unknown tags and sizes that do not match the tag.
    void decoderRejects()
    {
        const QByteArray rejected[] = {
            QByteArray(), QByteArray("COMSMSA2"), QByteArray("COMSMSA9") + ff(240),
            QByteArray("comsmsa2") + ff(240), QByteArray("COMSMSA2") + ff(239), QByteArray("COMSMSA2") + ff(241),
            QByteArray("COMSMSAB") + ff(240), QByteArray("COMSMSA4") + ff(50)};
        for (const QByteArray &block : rejected)
            QVERIFY2(!DecodeBlock(block).has_value(), block.left(8).constData());
    }

    void validation_data()
    {
        QTest::addColumn<bool>("sensorPage");
        QTest::addColumn<int>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("problemAt");  // empty: no problem
        QTest::addColumn<QString>("hint");       // what the message must mention
        auto row = [](bool sensorPage) {
            return [sensorPage](const char *name, int control, const QString &typed, const QString &problemAt,
                                const QString &hint = QString()) {
                QTest::newRow(name) << sensorPage << control << typed << problemAt << hint;
            };
        };
        const auto lone = [](const char16_t *before, ushort unit, const char16_t *after) {
            return QString::fromUtf16(before) + QChar(unit) + QString::fromUtf16(after);
        };
        const auto main = row(false), sensor = row(true);
        main("default main page", 16, kAlarmText, "");
        main("plus in Text1", 1, "+8613800138000", "Text1", "+86");
        main("full-width plus", 3, " ＋86138", "Text3", "+86");
        main("a letter in a number", 5, "138a0013800", "Text5", "0-9");
        main("F inside a number", 19, "138F0013800", "Text19", "0-9");
        main("full-width letter beyond F", 18, "１２ｇ", "Text18");
        main("Chinese in a number", 23, "一二三", "Text23");
        main("17 digits after cleaning", 28, "1234-5678-9012-3456-7", "Text28");
        main("16 digits after cleaning", 6, "1234 5678 9012 3456", "");
        main("full-width number", 2, "（０１０）１２３４－５６７８", "");
        main("phrase of 11", 7, QString(11, u'字'), "");
        main("Text8 of 12", 8, QString(12, u'字'), "Text8");
        main("alarm text of 60", 16, QString(60, u'振'), "");
        main("alarm text of 61", 16, QString(61, u'振'), "Text16");
        main("U+FFFF in a phrase", 7, QStringLiteral("青山\uFFFF绿水"), "Text7");
        main("lone high surrogate at a phrase's end", 13, lone(u"青山", 0xD83D, u""), "Text13", "D83D");
        main("lone low surrogate in the alarm text", 16, lone(u"振", 0xDE97, u"动"), "Text16");
        main("password with a lone surrogate", 15, lone(u"秋水长", 0xD800, u""), "Text15", "D800");
        main("emoji in a phrase", 14, QStringLiteral("开\U0001F697"), "");
        main("password of 3", 15, "秋水长", "Text15");
        main("password of 5", 15, "秋水长天地", "Text15");
        main("password Latin", 15, "abcd", "Text15");
        main("password empty", 15, "", "Text15");
        main("password outside the BMP", 15, "\U00020000\U00020001", "Text15");
        sensor("sensor text of 20", 19, QString(20, u'门'), "");
        sensor("sensor text of 21", 1, QString(21, u'门'), "Text1");
        sensor("U+FFFF in a sensor text", 13, QStringLiteral("门\uFFFF"), "Text13");
        sensor("sensor number plus", 2, "+86138", "Text2", "+86");
        sensor("lone surrogate in a sensor text", 5, lone(u"门", 0xDC00, u"开"), "Text5");
        sensor("sensor number of 17", 20, "12345678901234567", "Text20");
        sensor("sensor number cleaned", 12, "138 0013 8000", "");
    }

    void validation()
    {
        QFETCH(bool, sensorPage);
        QFETCH(int, control);
        QFETCH(QString, typed);
        QFETCH(QString, problemAt);
        QFETCH(QString, hint);
        QList<ValidationProblem> problems;
        if (sensorPage) {
            SensorPageValues page;
            page.text[control] = typed;
            problems = ValidateSensorPage(page);
        } else {
            MainPageValues page = DefaultMainPage();
            page.text[control] = typed;
            problems = ValidateMainPage(page);
        }
        if (problemAt.isEmpty()) {
            QVERIFY2(problems.isEmpty(), qPrintable(DescribeProblems(problems)));
            return;
        }
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems[0].control, problemAt);
        QVERIFY(!problems[0].what.isEmpty());
        QVERIFY2(problems[0].message.contains(QRegularExpression("\\p{Han}")), qPrintable(problems[0].message));
        QVERIFY2(problems[0].message.contains(hint) && !problems[0].message.contains("A-F"), qPrintable(problems[0].message));
    }
};

QTEST_APPLESS_MAIN(TestBlocks)
#include "test_blocks.moc"
