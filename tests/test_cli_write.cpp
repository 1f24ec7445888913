#include "file_store.h"
#include "memory_store.h"
#include "page_settings.h"
#include "profile.h"
#include "unit_process.h"
#include "write_sequences.h"

#include <QtTest>

namespace {

struct Run
{
    int exitCode;
    QStringList out;
    QString err;
};

}  // namespace

// `alarmcfg --write` against the simulated unit on a pseudo-terminal, with the
// settings store in a fresh directory.
class TestCliWrite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void mainPageOnEmptyStoreSendsTheSixBuiltBlocks();
    void sensorPage();
    void silentUnit();
    void unitSilentForLastBlock();
    void unitUnpluggedInTheMiddle();
    void refusedWriteSendsNothing();
    void dryRunOpensNoPort();
    void exportThenImportRestoresEveryField();
    void badProfileImportsNothing();
    void writeAllFromProfileLeavesStoreUntouched();

private:
    Run alarmcfg(const QStringList &arguments);
    MainPageValues storedMainPage();
    QMap<QString, QByteArray> storedFiles();

    std::unique_ptr<QTemporaryDir> m_config;
};

void TestCliWrite::init()
{
    m_config = std::make_unique<QTemporaryDir>();
}

Run TestCliWrite::alarmcfg(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config->path());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ALARMCFG), arguments);
    if (!process.waitForFinished(30000))
        return {-1, {}, QStringLiteral("alarmcfg did not finish")};
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            out.split(u'\n', Qt::SkipEmptyParts), QString::fromUtf8(process.readAllStandardError())};
}

MainPageValues TestCliWrite::storedMainPage()
{
    FileStore store(m_config->filePath(QStringLiteral("woclc1k")));
    return RestoreMainPage(store).values;
}

void TestCliWrite::mainPageOnEmptyStoreSendsTheSixBuiltBlocks()
{
    UnitProcess unit;
    QVERIFY(!unit.device().isEmpty());
    const Run run = alarmcfg({"--write", "main", "--port", "COM1=" + unit.device()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, (QStringList{"COMSMSA2 answered", "COMSMSAB answered", "COMSMSA3 answered",
                                   "COMSMSA7 answered", "COMSMSA5 answered", "COMSMSA4 answered"}));
    QCOMPARE(unit.bytes(), MainPageBlocks(storedMainPage()));
    QCOMPARE(QDir(m_config->filePath("woclc1k")).entryList(QDir::Files).size(), 31);
}

void TestCliWrite::sensorPage()
{
    UnitProcess unit;
    const Run run = alarmcfg({"--write", "sensor", "--port", "COM1=" + unit.device()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(unit.tags(), (QStringList{"COMSMSA8", "COMSMSAH"}));
    FileStore store(m_config->filePath(QStringLiteral("woclc1k")));
    QCOMPARE(unit.bytes().first(), SensorPageBlocks(RestoreSensorPage(store)).first());
}

void TestCliWrite::silentUnit()
{
    UnitProcess unit({"--silent"});
    const Run run = alarmcfg({"--write", "main", "--port", "COM1=" + unit.device()});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(unit.tags(), (QStringList{"COMSMSA2", "COMSMSA3", "COMSMSA7", "COMSMSA5", "COMSMSA4"}));
    QCOMPARE(run.err.count(QStringLiteral("写入设置失败！")), 5);
    QCOMPARE(run.out.filter(QRegularExpression(" not answered$")).size(), 5);
}

void TestCliWrite::unitSilentForLastBlock()
{
    UnitProcess unit({"--silent-for", "COMSMSA4"});
    const Run run = alarmcfg({"--write", "main", "--port", "COM1=" + unit.device()});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(unit.tags().size(), 6);
    QCOMPARE(run.out.last(), QStringLiteral("COMSMSA4 not answered"));
    QCOMPARE(run.err.count(QStringLiteral("写入设置失败！")), 1);
}

void TestCliWrite::unitUnpluggedInTheMiddle()
{
    UnitProcess unit({"--unplug-after", "2"});
    const Run run = alarmcfg({"--write", "main", "--port", "COM1=" + unit.device()});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(unit.tags(), (QStringList{"COMSMSA2", "COMSMSAB"}));
    QCOMPARE(run.out.first(), QStringLiteral("COMSMSA2 answered"));
    QCOMPARE(run.out.size(), 6);
    QCOMPARE(run.out.filter(QRegularExpression(" not answered$")).size(), 5);
    // The settings are stored all the same.
    QCOMPARE(QDir(m_config->filePath("woclc1k")).entryList(QDir::Files).size(), 31);
}

void TestCliWrite::refusedWriteSendsNothing()
{
    UnitProcess unit;
    FileStore store(m_config->filePath(QStringLiteral("woclc1k")));
    store.ensureDirectory();
    QVERIFY(store.write(QStringLiteral("tel1"), QStringLiteral("+8613800138000")));
    const Run run = alarmcfg({"--write", "main", "--port", "COM1=" + unit.device()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(QStringLiteral("授权手机号码1")), qPrintable(run.err));
    QTest::qWait(200);
    QVERIFY(unit.tags().isEmpty());
}

void TestCliWrite::dryRunOpensNoPort()
{
    const Run run = alarmcfg({"--write", "main", "--dry-run", "--password", "天下太平",
                              "--port", "COM1=/nonexistent/device"});
    QCOMPARE(run.exitCode, 0);
    MainPageValues values = storedMainPage();
    values.text[15] = QStringLiteral("天下太平");
    QStringList expected;
    for (const QByteArray &block : MainPageBlocks(values))
        expected << QString::fromLatin1(block.left(8) + ' ' + block.toHex().toUpper());
    QCOMPARE(run.out, expected);
    QVERIFY(run.err.isEmpty());
}

QMap<QString, QByteArray> TestCliWrite::storedFiles()
{
    QMap<QString, QByteArray> files;
    QDir dir(m_config->filePath(QStringLiteral("woclc1k")));
    for (const QString &name : dir.entryList(QDir::Files)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files[name] = file.readAll();
    }
    return files;
}

void TestCliWrite::exportThenImportRestoresEveryField()
{
    FileStore store(m_config->filePath(QStringLiteral("woclc1k")));
    store.ensureDirectory();
    store.write(QStringLiteral("Text16"), QStringLiteral("车被碰了\r\nSecond line"));
    store.write(QStringLiteral("Ttt7"), QStringLiteral("0755-1234 5678"));
    store.write(QStringLiteral("Option6"), QStringLiteral("True"));
    store.write(QStringLiteral("Option7"), QStringLiteral("False"));
    store.write(QStringLiteral("Check1"), QStringLiteral(" 1 "));
    const QString profile = m_config->filePath(QStringLiteral("car.json"));
    QCOMPARE(alarmcfg({"--export", profile}).exitCode, 0);
    QMap<QString, QByteArray> before = storedFiles();

    QVERIFY(QDir(m_config->filePath(QStringLiteral("woclc1k"))).removeRecursively());
    const Run run = alarmcfg({"--import", profile});
    QCOMPARE(run.exitCode, 0);
    for (int k = 1; k <= 4; ++k)  // the COM choice is not part of a profile
        before.remove(QStringLiteral("Option%1.cck").arg(k));
    QCOMPARE(storedFiles(), before);
}

void TestCliWrite::badProfileImportsNothing()
{
    const QString profile = m_config->filePath(QStringLiteral("bad.json"));
    QFile file(profile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    Profile good;
    QByteArray json = ProfileToJson(good, false);
    file.write(json.replace("\"version\": 1", "\"version\": 7"));
    file.close();
    const Run run = alarmcfg({"--import", profile});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(profile) && run.err.contains(QStringLiteral("version")), qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(m_config->filePath(QStringLiteral("woclc1k"))));
}

void TestCliWrite::writeAllFromProfileLeavesStoreUntouched()
{
    MemoryStore defaults;
    Profile profile = ProfileFromStore(defaults);
    profile.main.text[3] = QStringLiteral("13900139000");
    profile.main.text[15] = QStringLiteral("天下太平");
    profile.sensor.text[2] = QStringLiteral("13800138000");
    const QString path = m_config->filePath(QStringLiteral("car.json"));
    QVERIFY(WriteProfileFile(path, ProfileToJson(profile, true)).isEmpty());

    UnitProcess unit;
    const Run run = alarmcfg({"--write", "all", "--profile", path, "--port", "COM1=" + unit.device()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(unit.bytes(), MainPageBlocks(profile.main) + SensorPageBlocks(profile.sensor));
    QVERIFY(!QFileInfo::exists(m_config->filePath(QStringLiteral("woclc1k"))));
}

QTEST_GUILESS_MAIN(TestCliWrite)
#include "test_cli_write.moc"
