// Settings files: the defaults written on a first run, files written by other
// programs, texts GBK cannot hold, the option groups' restore order and the
// store points of a write; and the disk failing: a settings directory that
// cannot be used at the load or goes in the middle of a write, and writes
// cut off part way. A field is never left empty or half-written, and every
// file that could not be read or stored is reported.
#include "file_store.h"
#include "memory_store.h"
#include "page_settings.h"
#include "profile_transfer.h"
#include "settings_lock.h"
#include "test_support.h"
#include "write_sequences.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

QByteArray hex(const char *digits) { return QByteArray::fromHex(digits); }  // blanks are skipped

// The default of k1 and its file: GBK (and so GB18030) bytes, then CR LF.
const QString kDefaultK1 = QStringLiteral("青山绿水");
const QByteArray kK1 = hex("C7E0 C9BD C2CC CBAE 0D0A");

// Files as "name=hex bytes" sorted by name, so that a difference names its file.
using Files = QMap<QString, QByteArray>;
QStringList Render(const Files &files)
{
    QStringList lines;
    for (auto it = files.begin(); it != files.end(); ++it)
        lines << it.key() + u'=' + QString::fromLatin1(it.value().toHex(' '));
    return lines;
}

// A settings directory of its own for one test, created as the main page's
// load does; with `firstRunFiles`, holding the files a first run writes
// (copies of one first run's: each write of the store waits for the disk).
struct SettingsDir
{
    QTemporaryDir temp;
    FileStore store{temp.path() + QStringLiteral("/woclc1k")};

    explicit SettingsDir(bool firstRunFiles = false)
    {
        store.ensureDirectory();
        if (!firstRunFiles)
            return;
        static const std::unique_ptr<SettingsDir> firstRun = [] {
            auto dir = std::make_unique<SettingsDir>();
            RestoreMainPage(dir->store);
            RestoreSensorPage(dir->store);
            return dir;
        }();
        for (const auto [name, bytes] : firstRun->files().asKeyValueRange())
            WriteBytes(store.directory() + u'/' + name, bytes);
    }
    QString path(const QString &key) const { return store.filePath(key); }
    Files files() const  // every entry but the lock file, temporary files included
    {
        Files files;
        const QDir dir(store.directory());
        for (const QString &name : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            if (name != SettingsLock::fileName())
                files[name] = ReadBytes(dir.filePath(name));
        return files;
    }
};

using StoreCall = std::function<void(Store &)>;  // one store point of a write

// What stands at a path, links not followed: "link to <target>", "folder", "file" or "other".
QString EntryKind(const QString &path)
{
    const QFileInfo entry(path);
    if (entry.isSymLink())
        return QStringLiteral("link to ") + entry.symLinkTarget();
    return entry.isDir() ? QStringLiteral("folder") : entry.isFile() ? QStringLiteral("file") : QStringLiteral("other");
}

#ifdef Q_OS_UNIX
// A full disk, for root as well: while this lives, every write past `bytes`
// bytes of a file fails instead of ending the process.
struct FileSizeLimit
{
    explicit FileSizeLimit(rlim_t bytes) : handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit small{bytes, previous.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, handler);
    }
    rlimit previous{};
    void (*handler)(int);
};
#endif

// Root passes every permission check: while this lives, the process acts
// with the effective user id of nobody, in a folder open to everyone.
struct WithoutRootsPowers
{
#ifdef Q_OS_UNIX
    explicit WithoutRootsPowers(const QString &folder) : root(geteuid() == 0)
    {
        QVERIFY(!root || (QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)) && seteuid(65534) == 0));
    }
    ~WithoutRootsPowers() { QVERIFY(!root || seteuid(0) == 0); }
    const bool root;
#else
    explicit WithoutRootsPowers(const QString &) {}
#endif
};

}  // namespace

class TestStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A first run writes every field's file with its default, as GB18030
    // and CR LF: an option as True or False, the check box as a number. The
    // password has no file. (The default texts are pinned by the golden profile.)
    void firstRestoreWritesDefaults()
    {
        SettingsDir dir;
        const MainPageSettings page = RestoreMainPage(dir.store);
        RestoreSensorPage(dir.store);
        QCOMPARE(dir.store.takeErrors(), QStringList());
        const Files files = dir.files();
        QCOMPARE(files.size(), 31 + 20);
        QCOMPARE(files.value("k1.cck"), kK1);
        QCOMPARE(files.value("Option1.cck"), QByteArray("True\r\n"));
        QCOMPARE(files.value("Option2.cck"), QByteArray("False\r\n"));
        QCOMPARE(files.value("Check1.cck"), QByteArray("0\r\n"));
        QCOMPARE(files.value("Ttt10.cck"), QByteArray("\r\n"));
        QVERIFY(!files.contains("Text15.cck"));
        QCOMPARE(ComOptionAfterRestore(page.comOptions), 1);
        QCOMPARE(page.values.alarmMode, AlarmMode::SmsAndCall);
        // 你的汽车后备箱被人撬开，请查看！
        QCOMPARE(files.value("SMS1.cck"), hex("C4E3 B5C4 C6FB B3B5 BAF3 B1B8 CFE4 B1BB C8CB C7CB BFAA A3AC C7EB B2E9 BFB4 A3A1 0D0A"));
    }

    void fileContents_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("bytes");  // the file
        QTest::addColumn<QString>("text");      // the value the field takes; null: the file is not usable
        QTest::addColumn<bool>("stored");       // the store writes text as these bytes
        auto row = [](const char *name, const char *key, const QByteArray &bytes, const QString &text = {}) {
            QTest::newRow(name) << key << bytes << text << false;
        };
        auto text = [](const char *name, const QByteArray &bytes, const QString &text, bool stored = true) {
            QTest::newRow(name) << "Text16" << bytes << text << stored;
        };
        text("GBK", kK1, kDefaultK1);
        text("empty line", "\r\n", "");
        text("blanks kept", " 12 34\t\r\n", " 12 34\t");
        text("two lines come back whole", hex("B5DAD2BBD0D0 0D0A B5DAB6FED0D0 0D0A"), "第一行\r\n第二行");
        text("ends with a line break", "a\n\r\n", "a\n");
        text("mixed", hex("B3B5 95308D37 2061 0D0A"), "车\U0001F697 a");
        text("no line end", "abc", "abc", false);
        text("LF only", "abc\n", "abc", false);
        text("CR only", "abc\r", "abc", false);
        row("k1 keeps its second line", "k1", hex("BFAAC3C5 0D0A BCFBC9BD 0D0A"), "开门\r\n见山");
        row("tel1 keeps a LF", "tel1", "138\n0013\r\n", "138\n0013");
        row("Text17 keeps a CR", "Text17", "138\r0013\r\n", "138\r0013");
        row("Option7 ignores a second line", "Option7", "False\r\nTrue\r\n", "False");
        row("empty Option1", "Option1", QByteArray());
        row("corrupted Option1", "Option1", "yes\r\n");
        row("corrupted Option7", "Option7", "Ture\r\n");
        row("empty Check1", "Check1", QByteArray());
        row("corrupted Check1", "Check1", " x \r\n");
        row("Check1 out of range", "Check1", "7\r\n");
        row("empty k1", "k1", QByteArray());
        row("empty tel1", "tel1", QByteArray());
        row("k1 not GB18030", "k1", "\x81\x20\r\n");
        row("k1 cut inside a character", "k1", hex("C7E0 C9"));  // 青, half of 山
        row("k1 with a NUL byte", "k1", QByteArray("ab\0c\r\n", 6));
        row("k1 in UTF-8 with a byte-order mark", "k1", "\xEF\xBB\xBF" "abc\r\n");
        row("k1 in UTF-8, as another editor saves it", "k1", QStringLiteral("芝麻开门\r\n").toUtf8());
        row("Option1 of 4000 characters", "Option1", QByteArray(4000, 'y') + "\r\n");
    }

    // Files of other programs are read and left as they are, and the store
    // writes what the next load reads back. Every text field
    // takes more than the first line, an option only its first. A file that
    // is not usable gives its field the default, and one short error names it.
    void fileContents()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, stored);
        MemoryStore reference;  // the text alone, as the store takes it
        QVERIFY(text.isNull() || reference.write(key, text));
        const MainPageSettings expected = RestoreMainPage(reference);
        SettingsDir dir(true);
        QVERIFY(WriteBytes(dir.path(key), bytes));
        const MainPageSettings page = RestoreMainPage(dir.store);
        const QStringList errors = dir.store.takeErrors();
        QCOMPARE(errors.size(), text.isNull() ? 1 : 0);
        QVERIFY2(text.isNull() == errors.join(u'\n').contains(key + ".cck"), qPrintable(errors.join(u'\n')));
        QVERIFY2(errors.join(u'\n').size() < 200, qPrintable(errors.join(u'\n')));
        QVERIFY(page.values == expected.values);
        QCOMPARE(page.comOptions, expected.comOptions);
        QCOMPARE(ReadBytes(dir.path(key)), bytes);
        if (!stored)
            return;
        QVERIFY(dir.store.write(key, page.values.text[16]));
        QCOMPARE(ReadBytes(dir.path(key)).toHex(' '), bytes.toHex(' '));
    }

    void optionRestoreOrder_data()
    {
        QTest::addColumn<QStringList>("options");  // Option1.cck .. Option7.cck
        QTest::addColumn<int>("com");              // 0: none selected, COM1 stays open
        QTest::addColumn<AlarmMode>("mode");
        const QString T = "True", F = "False";
        QTest::newRow("all COM False") << QStringList{F, F, F, F, F, F, T} << 0 << AlarmMode::SmsAndCall;
        QTest::newRow("COM1, COM3: higher wins") << QStringList{T, F, T, F, F, F, T} << 3 << AlarmMode::SmsAndCall;
        QTest::newRow("any case, numbers") << QStringList{"false", "TRUE", "0", "0", "0", "-1", "0"} << 2
                                           << AlarmMode::CallOnly;
        QTest::newRow("SMS only") << QStringList{T, F, F, F, T, F, F} << 1 << AlarmMode::SmsOnly;
        QTest::newRow("no alarm mode") << QStringList{T, F, F, F, F, F, F} << 1 << AlarmMode::None;
        QTest::newRow("Option5, Option7") << QStringList{T, F, F, F, T, F, T} << 1 << AlarmMode::SmsAndCall;
        QTest::newRow("Option5, Option6") << QStringList{T, F, F, F, T, T, F} << 1 << AlarmMode::CallOnly;
    }

    // Options are restored in order, each True selecting its option and
    // clearing the others of its group; COM1 is selected before the restore.
    void optionRestoreOrder()
    {
        QFETCH(QStringList, options);
        QFETCH(int, com);
        QFETCH(AlarmMode, mode);
        SettingsDir dir(true);
        for (int k = 0; k < 7; ++k)
            QVERIFY(WriteBytes(dir.path(QStringLiteral("Option%1").arg(k + 1)), options[k].toLatin1() + "\r\n"));
        const MainPageSettings page = RestoreMainPage(dir.store);
        QCOMPARE(dir.store.takeErrors(), QStringList());
        QCOMPARE(ComOptionAfterRestore(page.comOptions), com);
        QCOMPARE(page.values.alarmMode, mode);
    }

    void storeGroups_data()
    {
        QTest::addColumn<StoreCall>("store");
        QTest::addColumn<Files>("expected");
        MainPageValues main;  // every text names its control; Text15 must never be stored
        for (int n = 1; n <= 28; ++n)
            main.text[n] = QStringLiteral("n%1").arg(n);
        main.alarmMode = AlarmMode::CallOnly;
        main.ringTone = RingTone::SwitchedOff;
        SensorPageValues sensorPage;
        for (int n = 1; n <= 20; ++n)
            sensorPage.text[n] = QStringLiteral("s%1").arg(n);

        Files phrases{{"k1.cck", "n7\r\n"}, {"g1.cck", "n8\r\n"}, {"k8.cck", "n13\r\n"}, {"g8.cck", "n14\r\n"}};
        for (int k = 1; k <= 6; ++k)
            phrases[QStringLiteral("tel%1.cck").arg(k)] = "n" + QByteArray::number(k) + "\r\n";
        Files alarm{{"Option5.cck", "False\r\n"}, {"Option6.cck", "True\r\n"}, {"Option7.cck", "False\r\n"}};
        for (int n = 16; n <= 28; ++n)
            alarm[QStringLiteral("Text%1.cck").arg(n)] = "n" + QByteArray::number(n) + "\r\n";
        Files sensors;
        for (int n = 1; n <= 10; ++n) {
            sensors[QStringLiteral("SMS%1.cck").arg(n)] = "s" + QByteArray::number(2 * n - 1) + "\r\n";
            sensors[QStringLiteral("Ttt%1.cck").arg(n)] = "s" + QByteArray::number(2 * n) + "\r\n";
        }
        auto com = [](const char *a, const char *b, const char *c, const char *d) {
            return Files{{"Option1.cck", a}, {"Option2.cck", b}, {"Option3.cck", c}, {"Option4.cck", d}};
        };
        QTest::newRow("pass phrases and numbers")
            << StoreCall([=](Store &s) { StorePassPhrasesAndNumbers(s, main); }) << phrases;
        QTest::newRow("alarm settings") << StoreCall([=](Store &s) { StoreAlarmSettings(s, main); }) << alarm;
        QTest::newRow("ring tone") << StoreCall([=](Store &s) { StoreRingTone(s, main); })
                                   << Files{{"Check1.cck", " 1 \r\n"}};
        QTest::newRow("sensor page") << StoreCall([=](Store &s) { StoreSensorPage(s, sensorPage); }) << sensors;
        QTest::newRow("COM3") << StoreCall([](Store &s) { StoreComOptions(s, 3); })
                              << com("False\r\n", "False\r\n", "True\r\n", "False\r\n");
        QTest::newRow("no COM") << StoreCall([](Store &s) { StoreComOptions(s, 0); })
                                << com("False\r\n", "False\r\n", "False\r\n", "False\r\n");
    }

    // Each store point writes its own files, in the right values, and no other.
    void storeGroups()
    {
        QFETCH(StoreCall, store);
        QFETCH(Files, expected);
        SettingsDir dir;
        store(dir.store);
        QCOMPARE(dir.store.takeErrors(), QStringList());
        QCOMPARE(Render(dir.files()), Render(expected));
    }

    void unusableDirectory_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("atExchange");  // 0: before the load
        QTest::addColumn<int>("errors");      // files the write could not store
        QTest::newRow("below a regular file") << "below file" << 0 << 27;
        QTest::newRow("taken by a regular file") << "file" << 0 << 27;
        QTest::newRow("replaced by a file mid-write") << "file" << 3 << 17;
        QTest::newRow("removed mid-write") << "removed" << 3 << 17;
#ifdef Q_OS_UNIX  // a Windows folder's read-only attribute does not stop writes in it
        QTest::newRow("read-only") << "read-only" << 0 << 27;
        QTest::newRow("made read-only mid-write") << "read-only" << 3 << 17;
#endif
        QTest::newRow("missing a file mid-write") << "missing Text20" << 3 << 0;
    }

    // A directory that cannot be used at the load gives the pages their
    // defaults and reports every file. One that goes after COMSMSA3, when the
    // first store point has stored its ten files and two are still to come,
    // fails the files still to be stored. The unit gets every block all the
    // same, and every file not stored is reported by name.
    void unusableDirectory()
    {
        QFETCH(QString, change);
        QFETCH(int, atExchange);
        QFETCH(int, errors);
        QTemporaryDir temp;
        const QString path = temp.filePath(change == "below file" ? "blocker/woclc1k" : "woclc1k");
        FileStore store(path);
        auto makeChange = [&] {
            if (change == "below file")
                QVERIFY(WriteBytes(temp.filePath("blocker"), "x"));
            else if (change == "file")
                QVERIFY(QDir(path).removeRecursively() && WriteBytes(path, QByteArray()));
            else if (change == "removed")
                QVERIFY(QDir(path).removeRecursively());
            else if (change == "read-only")
                QVERIFY(QDir().mkpath(path) && QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
            else
                QVERIFY(QFile::remove(store.filePath("Text20")));
        };
        if (atExchange == 0)
            makeChange();
        WithoutRootsPowers nobody(temp.path());
        store.ensureDirectory();
        MainPageSettings page = RestoreMainPage(store);
        if (atExchange == 0) {
            QVERIFY(page.values == DefaultMainPage());
            QCOMPARE(RestoreSensorPage(store).text[3], QStringLiteral("车内有人进入，请查看！"));
            const QString reported = store.takeErrors().join(u'\n');
            for (const char *file : {"Option1.cck", "k1.cck", "Option7.cck", "SMS1.cck", "Ttt10.cck"})
                QVERIFY2(reported.contains(QLatin1String(file)), qPrintable(reported));
        }

        page.values.text[7] = QStringLiteral("开门见山");
        page.values.text[20] = QStringLiteral("13800138000");
        page.values.alarmMode = AlarmMode::CallOnly;
        page.values.ringTone = RingTone::SwitchedOff;
        RecordingView view;
        view.afterExchange = [&](int exchanged) {
            if (exchanged == atExchange)
                makeChange();
        };
        FakePort port;
        port.answer("yyyyyy");
        RecordingMessages messages;
        const WriteResult result = WriteMainPage(page.values, port, store, messages, view);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(result.succeeded());  // the unit took every block; the disk is another matter
        QCOMPARE(port.written.size(), 6);
        const QString reported = store.takeErrors().join(u'\n');
        QCOMPARE(reported.count(QLatin1String(".cck")), errors);
        for (const char *file : {"Text16.cck", "Option7.cck", "Check1.cck"})
            QVERIFY2(errors == 0 || reported.contains(QLatin1String(file)), qPrintable(reported));
        if (change == "file")
            QCOMPARE(ReadBytes(path), QByteArray());  // left as it was
        if (errors == 0)
            QVERIFY(RestoreMainPage(store).values == page.values);
    }

    // A write that fails part way, as on a full disk, leaves the old file as
    // it was and no new or temporary file, and reports both files; the next
    // load restores the old value or the default, never an empty or cut one.
    // Temporary files a crash left beside a settings file are neither read
    // nor in the way of the next write.
    void interruptedWrites()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs a file-size limit");
#else
        SettingsDir dir;
        QVERIFY(dir.store.write("Text16", QStringLiteral("旧的短信")));
        const Files before = dir.files();
        bool replaced = true, created = true;
        {
            FileSizeLimit full(12);
            replaced = dir.store.write("Text16", QString(60, u'新'));
            created = dir.store.write("k1", QString(11, u'新'));
        }
        QVERIFY(!replaced && !created);
        QCOMPARE(Render(dir.files()), Render(before));
        const QStringList errors = dir.store.takeErrors();
        QCOMPARE(errors.size(), 2);
        QVERIFY(errors[0].contains(QLatin1String("Text16.cck")) && errors[1].contains(QLatin1String("k1.cck")));

        const QByteArray half = hex("D0C2 B5");  // 新, half of 的
        for (const char *suffix : {".AbCdEf", ".XyZ123", ".tmp", "~", ".AbCdEfG"})
            QVERIFY(WriteBytes(dir.path("Text16") + QLatin1String(suffix), half));
        QVERIFY(QDir().mkdir(dir.path("k1") + ".AbCdEf"));
        const MainPageSettings page = RestoreMainPage(dir.store);
        QCOMPARE(dir.store.takeErrors(), QStringList());
        QCOMPARE(page.values.text[16], QStringLiteral("旧的短信"));
        QCOMPARE(page.values.text[7], kDefaultK1);  // k1 never got there: its default
        QVERIFY(dir.store.write("Text16", QStringLiteral("新的短信")));
        QCOMPARE(RestoreMainPage(dir.store).values.text[16], QStringLiteral("新的短信"));

        // The next start removes the temporary files of cut-off writes
        // ("<name>.cck." and six letters), and nothing else.
        dir.store.ensureDirectory();
        QStringList left = dir.files().keys();
        left.removeIf([](const QString &name) { return name.endsWith(QLatin1String(".cck")); });
        QCOMPARE(left, QStringList({"Text16.cck.AbCdEfG", "Text16.cck.XyZ123", "Text16.cck.tmp", "Text16.cck~",
                                    "k1.cck.AbCdEf"}));
#endif
    }

    void oddEntries_data()
    {
        QTest::addColumn<QString>("entry");  // what stands in place of k1.cck
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("replaceable");
        QTest::newRow("FIFO") << "FIFO" << false << false;
        QTest::newRow("/dev/zero through a link") << "link to /dev/zero" << false << false;  // not written to
        QTest::newRow("sparse file of 8 GiB") << "sparse" << false << true;
        QTest::newRow("folder") << "folder" << false << false;
        QTest::newRow("link to a file elsewhere") << "link" << true << true;
    }

    // Whatever stands in place of a settings file, the load and the write
    // neither hang nor fill the memory: anything but a regular file of a
    // settings file's size is reported and left as it is, and only a regular
    // file is ever replaced. Through a link, the linked file is read and written.
    void oddEntries()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs FIFOs and /dev/zero");
#else
        QFETCH(QString, entry);
        QFETCH(bool, readable);
        QFETCH(bool, replaceable);
        SettingsDir dir;
        const QString path = dir.path("k1");
        const QString linked = dir.temp.filePath("dotfiles-k1.cck");
        QFile sparse(path);
        if (entry == "FIFO" || entry == "folder")
            QVERIFY(MakeEntry(entry, path));
        else if (entry == "link to /dev/zero")
            QVERIFY(QFile::link("/dev/zero", path));
        else if (entry == "sparse")
            QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(8) << 30));
        else
            QVERIFY(WriteBytes(linked, hex("BFAAC3C5 BCFBC9BD 0D0A"))  // 开门见山
                    && QFile::link(linked, path));
        sparse.close();
        const QString kind = EntryKind(path);

        const QString typed = RestoreMainPage(dir.store).values.text[7];
        QString errors = dir.store.takeErrors().join(u'\n');
        QCOMPARE(typed, readable ? QStringLiteral("开门见山") : kDefaultK1);
        QVERIFY2(readable ? errors.isEmpty() : errors.contains(QLatin1String("k1.cck")), qPrintable(errors));
        if (entry == "link to /dev/zero")
            return;  // never written to: a fault would replace /dev/zero

        QCOMPARE(dir.store.write("k1", QStringLiteral("山水")), replaceable);
        errors = dir.store.takeErrors().join(u'\n');
        QVERIFY2(replaceable ? errors.isEmpty() : errors.contains(QLatin1String("k1.cck")), qPrintable(errors));
        QCOMPARE(EntryKind(path), kind);
        QCOMPARE(RestoreMainPage(dir.store).values.text[7], replaceable ? QStringLiteral("山水") : kDefaultK1);
#endif
    }

    void profileImports_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("named");  // the file the error names
        QTest::newRow("nothing in the way") << "" << "";
        QTest::newRow("a folder named tel3.cck") << "folder" << "tel3.cck";
        QTest::newRow("full disk") << "full disk" << "Text16.cck";
    }

    // A profile goes into the store whole or not at all: when one file
    // cannot be replaced, every file stays as it was, no temporary file is
    // left, and the error names the file.
    void profileImports()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, named);
        SettingsDir dir(true);
        Profile profile = ProfileFromStore(dir.store);
        QCOMPARE(dir.store.takeErrors(), QStringList());
        profile.main.text[1] = QStringLiteral("1");  // files of a few bytes, before one too long for a full disk
        profile.main.text[7] = QStringLiteral("开门");
        profile.main.text[16] = QString(20, u'长');
        profile.sensor.text[20] = QStringLiteral("2");
        if (obstacle == "folder")
            QVERIFY(QFile::remove(dir.path("tel3")) && QDir().mkdir(dir.path("tel3")));
        const Files before = dir.files();
        {
#ifdef Q_OS_UNIX
            std::optional<FileSizeLimit> full;
            if (obstacle == "full disk")
                full.emplace(12);
#else
            if (obstacle == "full disk")
                QSKIP("needs a file-size limit");
#endif
            StoreProfile(dir.store, profile);
        }
        const QString errors = dir.store.takeErrors().join(u'\n');
        QVERIFY2(named.isEmpty() ? errors.isEmpty() : errors.contains(named), qPrintable(errors));
        if (obstacle.isEmpty()) {
            const Profile stored = ProfileFromStore(dir.store);
            QVERIFY(stored.main == profile.main && stored.sensor == profile.sensor);
        } else {
            QCOMPARE(Render(dir.files()), Render(before));
        }
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
