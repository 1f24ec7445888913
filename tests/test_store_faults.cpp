// The disk under a write: the settings directory replaced by a file, removed,
// made read-only, or missing a file in the middle of a main-page write; a
// store write cut off by a crash. A field is never left empty or
// half-written, and every file that could not be stored is reported.
#include "fake_port.h"
#include "file_store.h"
#include "page_settings.h"
#include "settings_file.h"
#include "write_sequences.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

MainPageValues TypedPage()
{
    MemoryStore empty;
    MainPageValues values = RestoreMainPage(empty).values;
    values.text[7] = QStringLiteral("开门见山");
    values.text[20] = QStringLiteral("13800138000");
    values.alarmMode = AlarmMode::CallOnly;
    values.check1 = 1;
    return values;
}

// Root passes every permission check: while this lives, the process acts
// with the effective user id of nobody, to whom the folder is given first.
class WithoutRootsPowers
{
public:
    explicit WithoutRootsPowers(const QString &folder) : m_root(geteuid() == 0)
    {
        if (!m_root)
            return;
        QDirIterator entries(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                             QDirIterator::Subdirectories);
        QStringList paths{folder};
        while (entries.hasNext())
            paths << entries.next();
        for (const QString &path : paths)
            QVERIFY(chown(QFile::encodeName(path).constData(), kNobody, kNobody) == 0);
        QVERIFY(seteuid(kNobody) == 0);
    }
    ~WithoutRootsPowers()
    {
        if (m_root)
            QVERIFY(seteuid(0) == 0);
    }

private:
    static constexpr uid_t kNobody = 65534;
    const bool m_root;
};

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestStoreFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void directoryChangesDuringAWrite_data();
    void directoryChangesDuringAWrite();
    void crashDuringAStoreWrite();
    void leftoverTemporaryFileIsIgnored();
};

void TestStoreFaults::directoryChangesDuringAWrite_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("errors");  // files of the second and third store points: 16 + 1
    QTest::newRow("replaced by a file") << "file" << 17;
    QTest::newRow("removed") << "removed" << 17;
    QTest::newRow("read-only") << "read-only" << 17;
    QTest::newRow("missing a file") << "missing Text20" << 0;
}

// After COMSMSA3, when the first store point has stored its ten files and
// the other two are still to come.
void TestStoreFaults::directoryChangesDuringAWrite()
{
    QFETCH(QString, change);
    QFETCH(int, errors);
    QTemporaryDir temp;
    const QString path = temp.filePath("woclc1k");
    FileStore store(path);
    store.ensureDirectory();
    RestoreMainPage(store);
    const MainPageValues values = TypedPage();
    WithoutRootsPowers nobody(temp.path());

    ExchangeView view;
    view.afterExchange = [&](int exchanged) {
        if (exchanged != 3)
            return;
        if (change == "file")
            QVERIFY(QDir(path).removeRecursively() && QFile(path).open(QIODevice::WriteOnly));
        else if (change == "removed")
            QVERIFY(QDir(path).removeRecursively());
        else if (change == "read-only")
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
        else
            QVERIFY(QFile::remove(store.filePath("Text20")));
    };
    FakePort port;
    port.answerAll(6);
    RecordingMessages messages;
    const WriteResult result = WriteMainPage(values, port, store, messages, view);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(result.succeeded());  // the unit took every block; the disk is another matter
    QCOMPARE(port.written.size(), 6);
    const QStringList reported = store.takeErrors();
    QCOMPARE(reported.size(), errors);
    for (const char *file : {"Text16.cck", "Option7.cck", "Check1.cck"})
        QVERIFY2(errors == 0 || reported.join(u'\n').contains(QLatin1String(file)), qPrintable(reported.join(u'\n')));
    if (change == "file") {
        QVERIFY(QFileInfo(path).isFile());
        QCOMPARE(QFileInfo(path).size(), 0);  // left as it was
    }
    if (errors == 0)
        QVERIFY(RestoreMainPage(store).values == values);
}

// A store write killed part way (the file-size limit's signal ends the
// process in the middle of writing) leaves the old file whole, and a file
// that did not exist yet absent, so the next load restores the old value or
// the default, never an empty or cut one.
void TestStoreFaults::crashDuringAStoreWrite()
{
    QTemporaryDir temp;
    FileStore store(temp.path());
    QVERIFY(store.write(QStringLiteral("Text16"), QStringLiteral("旧的短信")));
    const pid_t child = fork();
    if (child == 0) {
        const rlimit noCore{0, 0}, small{12, 12};
        setrlimit(RLIMIT_CORE, &noCore);
        std::signal(SIGXFSZ, SIG_DFL);
        setrlimit(RLIMIT_FSIZE, &small);
        store.write(QStringLiteral("Text16"), QString(60, u'新'));
        store.write(QStringLiteral("k1"), QString(11, u'新'));
        _exit(0);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ, "the write was not cut off");

    const MainPageSettings page = RestoreMainPage(store);
    QCOMPARE(store.takeErrors(), QStringList());
    QCOMPARE(page.values.text[16], QStringLiteral("旧的短信"));
    QCOMPARE(page.values.text[7], QStringLiteral("青山绿水"));  // k1 never got there: its default
    QVERIFY(store.write(QStringLiteral("Text16"), QStringLiteral("新的短信")));
    QCOMPARE(RestoreMainPage(store).values.text[16], QStringLiteral("新的短信"));
}

// A temporary file a crash left beside a settings file, half written, is
// neither read nor in the way of the next write.
void TestStoreFaults::leftoverTemporaryFileIsIgnored()
{
    QTemporaryDir temp;
    FileStore store(temp.path());
    QVERIFY(store.write(QStringLiteral("Text16"), QStringLiteral("旧的短信")));
    const QByteArray half = FormatSettingsFile(QStringLiteral("新的短信")).value().left(3);
    for (const char *name : {"Text16.cck.XyZ123", "Text16.cck.tmp", "Text16.cck~"}) {
        QFile leftover(temp.filePath(QLatin1String(name)));
        QVERIFY(leftover.open(QIODevice::WriteOnly) && leftover.write(half) == half.size());
    }
    QCOMPARE(RestoreMainPage(store).values.text[16], QStringLiteral("旧的短信"));
    QVERIFY(store.write(QStringLiteral("Text16"), QStringLiteral("新的短信")));
    QCOMPARE(RestoreMainPage(store).values.text[16], QStringLiteral("新的短信"));
    QCOMPARE(store.takeErrors(), QStringList());
    QCOMPARE(ReadBytes(temp.filePath("Text16.cck.XyZ123")), half);
}

QTEST_APPLESS_MAIN(TestStoreFaults)
#include "test_store_faults.moc"
