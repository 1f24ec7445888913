// Two instances of the program on one settings folder: while one holds it,
// the other neither sweeps away its temporary files nor stores, imports or
// exports, and says the settings are in use.
#include "file_store.h"
#include "page_fields.h"
#include "page_settings.h"
#include "profile_transfer.h"
#include "settings_file.h"
#include "test_support.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr char kStaged[] = "k1.cck.AbCdEf";

// The holder program with the folder held; it lets go when closed.
class OtherInstance
{
public:
    explicit OtherInstance(const QString &directory)
    {
        m_process.start(QStringLiteral(SETTINGS_LOCK_HOLDER), {directory});
        m_held = m_process.waitForReadyRead(30000) && m_process.readLine() == "held\n";
    }
    ~OtherInstance() { letGo(); }
    bool held() const { return m_held; }
    void letGo()
    {
        m_process.closeWriteChannel();
        m_process.waitForFinished(30000);
    }

private:
    QProcess m_process;
    bool m_held = false;
};

}  // namespace

class TestSettingsLock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void busyFolder_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("store") << "store";
        QTest::newRow("import") << "import";
        QTest::newRow("export") << "export";
    }

    // Nothing is stored or read while another instance holds the folder, nor
    // are its temporary files swept away; the message says so and names no
    // setting. Once the other instance is done, the same action goes through
    // (an import sweeps the files a write left).
    void busyFolder()
    {
        QFETCH(QString, action);
        QTemporaryDir temp;
        FileStore store(temp.path());
        const QByteArray before = FormatSettingsFile(QStringLiteral("青山绿水")).value();
        QVERIFY(WriteBytes(store.filePath("k1"), before));
        const QString profile = temp.filePath("profile.json");
        Profile typed{TypedMainPage(), TypedSensorPage(), false};
        typed.main.text[FieldOf(MainPageFields(), "Text7").number()] = QStringLiteral("芝麻开门");
        QVERIFY(ExportProfile(profile, typed).isEmpty());
        auto act = [&] {
            if (action == "store")
                StoreProfile(store, typed);  // every file in one go: one wait for the lock
            else if (action == "import")
                ImportProfile(profile, store);
            else
                ProfileFromStore(store);
        };

        OtherInstance other(temp.path());
        QVERIFY(other.held());
        act();
        const QStringList errors = store.takeErrors();
        QVERIFY(!errors.isEmpty());
        for (const QString &error : errors)
            QVERIFY2(error.contains("alarmcfg") && !error.contains("芝麻开门") && !error.contains("青山绿水"), qPrintable(error));
        QCOMPARE(ReadBytes(store.filePath("k1")), before);
        QCOMPARE(QDir(temp.path()).entryList({"*.cck*"}), (QStringList{"k1.cck", kStaged}));

        other.letGo();
        act();
        QCOMPARE(store.takeErrors(), QStringList());
        QCOMPARE(QFile::exists(temp.filePath(kStaged)), action != "import");
    }
};

QTEST_GUILESS_MAIN(TestSettingsLock)
#include "test_settings_lock.moc"
