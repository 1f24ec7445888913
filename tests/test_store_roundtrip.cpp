// What validation lets through comes back from the settings files unchanged,
// and a settings file in UTF-8 is refused, never read as other Chinese text.
#include "file_store.h"
#include "memory_store.h"
#include "page_fields.h"
#include "page_settings.h"
#include "settings_file.h"
#include "test_support.h"
#include "validation.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

SensorPageValues DefaultSensorPage()
{
    MemoryStore empty;
    return RestoreSensorPage(empty);
}

// The problems validation finds in `field` when it holds `value` and every other field its default.
QList<ValidationProblem> ProblemsWith(Page page, const Field &field, const QString &value)
{
    QList<ValidationProblem> problems;
    if (page == Page::Main) {
        MainPageValues values = DefaultMainPage();
        values.text[field.number()] = value;
        problems = ValidateMainPage(values);
    } else {
        SensorPageValues values = DefaultSensorPage();
        values.text[field.number()] = value;
        problems = ValidateSensorPage(values);
    }
    return problems;
}

QString Restored(Page page, Store &store, const Field &field)
{
    return page == Page::Main ? RestoreMainPage(store).values.text[field.number()]
                              : RestoreSensorPage(store).text[field.number()];
}

}  // namespace

class TestStoreRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void acceptedValuesComeBack_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("oneLine");    // a pass phrase takes it
        QTest::addColumn<bool>("multiLine");  // an SMS text takes it
        auto row = [](const char *name, const QString &value, bool oneLine, bool multiLine) {
            QTest::newRow(name) << value << oneLine << multiLine;
        };
        row("NUL inside", QStringLiteral("开门") + QChar(0) + QStringLiteral("见山"), false, false);
        row("NUL alone", QString(QChar(0)), false, false);
        row("锘开: EF BB BF AA, no UTF-8", QStringLiteral("锘开"), true, true);
        row("锘緻: EF BB BF 40, UTF-8 with its byte-order mark", QStringLiteral("锘緻"), false, false);
        row("青山绿水 in UTF-8 read as GB18030", QStringLiteral("闈掑北缁挎按"), false, false);
        row("Chinese and punctuation", QStringLiteral("停车，请出示证件！"), true, true);
        row("outside the BMP", QStringLiteral("车\U0001F697"), true, true);
        row("Latin with accents", QStringLiteral("café"), true, true);
        row("two lines", QStringLiteral("第一行\r\n第二行"), false, true);
        row("ends with a line break", QStringLiteral("开门\r\n"), false, true);
    }

    // Every stored text field of both pages, with its neighbours at their
    // defaults: validated, stored, read back by the next load.
    void acceptedValuesComeBack()
    {
        QFETCH(QString, value);
        QFETCH(bool, oneLine);
        QFETCH(bool, multiLine);
        QTemporaryDir temp;
        FileStore store(temp.path() + QStringLiteral("/woclc1k"));
        store.ensureDirectory();
        RestoreMainPage(store);
        RestoreSensorPage(store);
        for (const Page page : {Page::Main, Page::Sensor}) {
            for (const Field &field : page == Page::Main ? MainPageFields() : SensorPageFields()) {
                if (!field.isText() || field.isRewritePassword())
                    continue;
                const QList<ValidationProblem> problems = ProblemsWith(page, field, value);
                const QString where = QStringLiteral("%1 %2").arg(int(page)).arg(field.controlName());
                if (field.type != FieldType::PhoneNumber)
                    QVERIFY2(problems.isEmpty() == (field.type == FieldType::OneLineText ? oneLine : multiLine),
                             qPrintable(where + QStringLiteral(": ") + DescribeProblems(problems)));
                if (!problems.isEmpty())
                    continue;
                QVERIFY2(store.write(field.settingsKey(), value), qPrintable(where));
                QCOMPARE(Restored(page, store, field), value);
                QCOMPARE(store.takeErrors(), QStringList());
            }
        }
    }

    void utf8Files_data()
    {
        QTest::addColumn<QString>("value");
        for (const FieldTable *table : {&MainPageFields(), &SensorPageFields()})
            for (const Field &field : *table)
                if (field.isText() && !field.defaultText().isEmpty())
                    QTest::newRow(field.key ? field.key : field.control) << field.defaultText();
        for (const char *typed : {"停车", "熄火", "设防", "撤防", "您好", "开门见山", "芝麻开门", "新的短信", "张三的车",
                                  "粤B·12345", "你好，世界！", "车被碰了\r\n快来", "车🚗"})
            QTest::newRow(typed) << QString::fromUtf8(typed);
    }

    // The same text in both encodings: GB18030, as this program writes it,
    // comes back; UTF-8, as another editor may save it, is refused.
    void utf8Files()
    {
        QFETCH(QString, value);
        SettingsFileProblem problem;
        const std::optional<QByteArray> gb18030 = FormatSettingsFile(value);
        QVERIFY(gb18030);
        QCOMPARE(ParseSettingsFile(*gb18030, &problem), value);
        QCOMPARE(ParseSettingsFile(value.toUtf8() + "\r\n", &problem), std::nullopt);
        QCOMPARE(problem, SettingsFileProblem::NotGb18030);
    }

    // A pass phrase saved in UTF-8 by another editor: the load names the file
    // and keeps the default, as for any file it cannot read.
    void utf8FileIsReported()
    {
        QTemporaryDir temp;
        FileStore store(temp.path());
        QVERIFY(WriteBytes(store.filePath("k1"), QStringLiteral("芝麻开门\r\n").toUtf8()));
        const MainPageValues values = RestoreMainPage(store).values;
        QCOMPARE(values.text[FieldOf(MainPageFields(), "Text7").number()], FieldOf(MainPageFields(), "Text7").defaultText());
        const QStringList errors = store.takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.first().contains("k1.cck"));
    }
};

QTEST_GUILESS_MAIN(TestStoreRoundTrip)
#include "test_store_roundtrip.moc"
