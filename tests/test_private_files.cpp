// Files that hold pass phrases are for their owner alone, and the history
// never writes through a symbolic link into another file.
#include "history_log.h"
#include "profile_transfer.h"
#include "test_support.h"

#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

class TestPrivateFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void profilesAreOwnerOnly_data()
    {
        QTest::addColumn<int>("mask");
        QTest::addColumn<bool>("password");
        QTest::addColumn<bool>("replacesOpenFile");  // over a profile readable by all (0644)
        QTest::newRow("umask 022") << 022 << false << false;
        QTest::newRow("umask 022, with the password") << 022 << true << false;
        QTest::newRow("umask 022, over a 0644 file") << 022 << false << true;
        QTest::newRow("umask 000") << 0 << false << false;
        QTest::newRow("umask 277") << 0277 << false << false;
        QTest::newRow("umask 277, with the password") << 0277 << true << false;
    }

    // Without the password a profile still holds the four pass phrases.
    void profilesAreOwnerOnly()
    {
        QFETCH(int, mask);
        QFETCH(bool, password);
        QFETCH(bool, replacesOpenFile);
        QTemporaryDir temp;
        const QString path = temp.filePath("profile.json");
        if (replacesOpenFile)
            QVERIFY(WriteBytes(path, "{}") && ::chmod(QFile::encodeName(path).constData(), 0644) == 0);
        const mode_t before = ::umask(mode_t(mask));
        const QString error = ExportProfile(path, {TypedMainPage(), TypedSensorPage(), password});
        ::umask(before);
        QCOMPARE(error, QString());
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
