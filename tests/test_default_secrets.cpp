// The pass phrases and the rewrite password at their published defaults:
// which ones are, the question the window asks before sending them, the
// command line's refusal, the batch's one question, and the history's note.
#include "batch_window.h"
#include "command_line.h"
#include "command_line_write.h"
#include "default_secrets.h"
#include "history_format.h"
#include "page_on_unit.h"
#include "profile.h"
#include "sensor_page.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList kSecrets{"Text7", "Text8", "Text13", "Text14", "Text15"};

QStringList Controls(const QList<const Field *> &fields)
{
    QStringList controls;
    for (const Field *field : fields)
        controls << field->controlName();
    return controls;
}

// The main page with every secret changed but those named.
MainPageValues WithDefaults(const QStringList &atDefault)
{
    const QMap<QString, QString> changed{
        {"Text7", "锄禾日当"}, {"Text8", "午汗滴禾"}, {"Text13", "下土谁知"}, {"Text14", "盘中餐粒"}, {"Text15", "粒皆辛苦"}};
    MainPageValues values = TypedMainPage();
    for (const QString &control : kSecrets) {
        if (!atDefault.contains(control))
            values.text[FieldOf(MainPageFields(), control).number()] = changed[control];
    }
    return values;
}

}  // namespace

class TestDefaultSecrets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void atDefault_data()
    {
        QTest::addColumn<QStringList>("atDefault");
        QTest::newRow("a first start: all five") << kSecrets;
        QTest::newRow("the password only") << QStringList{"Text15"};
        QTest::newRow("two pass phrases") << QStringList{"Text8", "Text14"};
        QTest::newRow("none") << QStringList{};
    }

    // Exactly the secrets still holding their table default count, in the page's order.
    void atDefault()
    {
        QFETCH(QStringList, atDefault);
        const MainPageValues values = WithDefaults(atDefault);
        QCOMPARE(Controls(SecretsAtDefault(values)), atDefault);
        QCOMPARE(DefaultSecretsRefusal(values).isEmpty(), atDefault.isEmpty());
        RecordingMessages messages;
        messages.goOn = false;
        QCOMPARE(ConfirmDefaultSecrets(values, messages), atDefault.isEmpty());
        QCOMPARE(messages.questions.size(), atDefault.isEmpty() ? 0 : 1);
        for (const QString &control : atDefault)
            QVERIFY(messages.questions.value(0).contains(FieldOf(MainPageFields(), control).labelText()));
    }

    // The window asks before sending a default; 返回修改 sends nothing and
    // records nothing; 仍然写入 writes, and the history names the secrets
    // (never their values). A page with every secret changed, and the sensor
    // page, are not asked about.
    void windowAsks()
    {
        PageOnUnit fixture;
        MainPage &page = fixture.start();
        auto *write = fixture.find<QPushButton>(QStringLiteral("Command1"));
        fixture.messages.goOn = false;
        write->click();
        QCOMPARE(fixture.messages.questions.size(), 1);
        QVERIFY(fixture.messages.questions[0].contains(RewritePasswordField().labelText()));
        QVERIFY(fixture.records().isEmpty());

        fixture.messages.goOn = true;
        write->click();
        QCOMPARE(fixture.messages.questions.size(), 2);
        QList<WriteRecord> records = fixture.records();
        QCOMPARE(records.size(), 1);
        QVERIFY(records[0].succeeded());
        QCOMPARE(records[0].defaultSecrets, kSecrets);
        QVERIFY(FormatHistoryLine(records[0]).contains(RewritePasswordField().labelText()));
        QVERIFY(!ReadBytes(fixture.history.path()).contains(RewritePasswordField().defaultValue));

        const MainPageValues changed = WithDefaults({});
        for (const QString &control : kSecrets)
            fixture.find<QLineEdit>(control)->setText(changed.text[FieldOf(MainPageFields(), control).number()]);
        write->click();
        fixture.find<QPushButton>(QStringLiteral("Command3"))->click();
        fixture.find<QPushButton>(QStringLiteral("Command2"), page.sensorPage())->click();
        QCOMPARE(fixture.messages.questions.size(), 2);
        records = fixture.records();
        QCOMPARE(records.size(), 3);
        QVERIFY(records[1].defaultSecrets.isEmpty() && records[2].defaultSecrets.isEmpty());
    }

    void commandLineRefuses_data()
    {
        QTest::addColumn<QStringList>("arguments");  // PROFILE: a profile with the default pass phrases
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("records");
        QTest::newRow("--write main") << QStringList{"--write", "main"} << 2 << 0;
        QTest::newRow("--write all") << QStringList{"--write", "all"} << 2 << 0;
        QTest::newRow("--repeat") << QStringList{"--write", "main", "--repeat"} << 2 << 0;
        QTest::newRow("a profile with its own password")
            << QStringList{"--write", "all", "--profile", "PROFILE"} << 2 << 0;
        QTest::newRow("--write sensor sends no secret") << QStringList{"--write", "sensor"} << 0 << 1;
        QTest::newRow("--send-default-secrets")
            << QStringList{"--write", "all", "--send-default-secrets"} << 0 << 2;
    }

    // `--write main|all`, `--repeat` and a profile refuse a default secret
    // before the first byte, exit status 2, unless told to send them.
    void commandLineRefuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(int, records);
        PageOnUnit fixture;
        qputenv("XDG_CONFIG_HOME", fixture.dir.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_STATE_HOME", fixture.dir.path().toUtf8());
        const QString profile = fixture.dir.filePath(QStringLiteral("car.json"));
        MainPageValues main = DefaultMainPage();
        main.text[15] = QStringLiteral("天下太平");
        QVERIFY(WriteProfileFile(profile, ProfileToJson({main, TypedSensorPage(), true}, true)).isEmpty());
        const CommandLine options = ParseCommandLine(
            QStringList{"alarmcfg", "--port", "COM1=" + fixture.unit.device()} + arguments.replaceInStrings("PROFILE", profile));
        QCOMPARE(options.mode, CommandLine::Mode::Write);
        QCOMPARE(RunCommandLineWrite(options, false), exitCode);
        QCOMPARE(ReadHistory(DefaultHistoryPath()).records.size(), records);
    }

    // 批量写入 asks once, before the first unit; declined, there is no run.
    void batchAsksOnce()
    {
        QTemporaryDir dir;
        const QString profile = dir.filePath(QStringLiteral("car.json"));
        QVERIFY(WriteProfileFile(profile, ProfileToJson({TypedMainPage(), TypedSensorPage(), false}, false)).isEmpty());
        RecordingMessages messages;
        messages.goOn = false;
        QVERIFY(!BatchPages(profile, QStringLiteral("天下太平"), messages));
        QCOMPARE(messages.questions.size(), 1);
        QVERIFY(!messages.questions[0].contains(RewritePasswordField().labelText()));
        messages.goOn = true;
        QVERIFY(BatchPages(profile, QStringLiteral("天下太平"), messages));
        QVERIFY(WriteProfileFile(profile, ProfileToJson({WithDefaults({}), TypedSensorPage(), true}, true)).isEmpty());
        QVERIFY(BatchPages(profile, QString(), messages));
        QCOMPARE(messages.questions.size(), 2);
    }
};

QTEST_MAIN(TestDefaultSecrets)
#include "test_default_secrets.moc"
