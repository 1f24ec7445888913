// Files that hold pass phrases are for their owner alone, and the history
// never writes through a symbolic link into another file.
#include "file_store.h"
#include "history_log.h"
#include "profile_transfer.h"
#include "test_support.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

class TestPrivateFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ownerOnly_data()
    {
        QTest::addColumn<int>("mask");
        QTest::addColumn<QString>("file");           // "settings", "profile" or "profile with the password"
        QTest::addColumn<bool>("replacesOpenFile");  // over one readable by all (0644)
        for (const int mask : {0, 022, 0277})
            for (const char *file : {"settings", "profile", "profile with the password"})
                for (const bool replaces : {false, true})
                    QTest::addRow("umask %03o, %s%s", mask, file, replaces ? ", over a 0644 file" : "")
                        << mask << QString::fromLatin1(file) << replaces;
    }

    // Pass phrases at rest: the settings folder is made for its owner alone
    // (and open to the owner, whatever the umask takes away),
    // and a settings file or profile (even without the password it holds the
    // four pass phrases) is readable and writable by its owner alone, whatever
    // the umask and the mode of the file it replaces.
    void ownerOnly()
    {
        QFETCH(int, mask);
        QFETCH(QString, file);
        QFETCH(bool, replacesOpenFile);
        QTemporaryDir temp;
        FileStore store(temp.filePath("woclc1k"));
        const bool settings = file == QLatin1String("settings");
        const QString path = settings ? store.filePath("k1") : temp.filePath("profile.json");
        const mode_t before = ::umask(mode_t(mask));
        store.ensureDirectory();
        if (replacesOpenFile)
            QVERIFY(WriteBytes(path, "{}") && ::chmod(QFile::encodeName(path).constData(), 0644) == 0);
        const bool written = settings ? store.write("k1", QStringLiteral("开门见山"))
                                      : ExportProfile(path, {TypedMainPage(), TypedSensorPage(), file.endsWith("password")}).isEmpty();
        ::umask(before);
        QVERIFY(written);
        QCOMPARE(FileMode(store.directory()) & 0777, mode_t(0700));
        QCOMPARE(FileMode(path), mode_t(0600));
    }

    void historyRefusesALink_data()
    {
        QTest::addColumn<bool>("targetExists");
        QTest::newRow("to a file") << true;
        QTest::newRow("to no file") << false;
    }

    // history.jsonl as a link to ~/.bashrc: the line goes nowhere, the file
    // the link names is neither changed nor created.
    void historyRefusesALink()
    {
        QFETCH(bool, targetExists);
        QTemporaryDir temp;
        const QString target = temp.filePath("bashrc");
        if (targetExists)
            QVERIFY(WriteBytes(target, "alias ll='ls -l'\n"));
        const QString path = temp.filePath("history.jsonl");
        QVERIFY(QFile::link(target, path));
        HistoryLog log(path);
        WriteRecord record;
        record.time = QDateTime::currentDateTime();
        record.page = QStringLiteral("main");
        QVERIFY(!log.append(record).isEmpty());
        QCOMPARE(QFileInfo::exists(target), targetExists);
        if (targetExists)
            QCOMPARE(ReadBytes(target), QByteArray("alias ll='ls -l'\n"));
    }
};

QTEST_GUILESS_MAIN(TestPrivateFiles)
#include "test_private_files.moc"
