// A profile given to open with the pages (a desktop entry's "open with") that
// is missing, a folder or unreadable is refused with status 2 and one line on
// standard error; started without a terminal but with a display, the user
// sees it in a message box as well. Without a display no window is tried.
#include "command_line_process.h"

#include <QTest>
#include <unistd.h>

class TestProfileToOpen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("display");
        QTest::newRow("missing, a display") << "missing" << true;
        QTest::newRow("a folder, no display") << "folder" << false;
        QTest::newRow("unreadable, no display") << "unreadable" << false;
    }

    void refused()
    {
        QFETCH(QString, kind);
        QFETCH(bool, display);
        const CommandLineProcess alarmcfg;
        const QString profile = alarmcfg.configPath("car.json");
        if (kind == "folder")
            QVERIFY(QDir().mkdir(profile));
        if (kind == "unreadable") {
            QVERIFY(QFile(profile).open(QIODevice::WriteOnly) && QFile::setPermissions(profile, {}));
            if (QFileInfo(profile).isReadable())
                QSKIP("this user reads every file");
        }
        QProcessEnvironment environment = alarmcfg.environment();
        if (display)
            environment.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess process;
        process.setReadChannel(QProcess::StandardError);
        alarmcfg.start(process, {profile}, {}, environment);
        // Qt's own warnings may come first with a display.
        const QByteArray refusal = "alarmcfg: ";
        QByteArray err;
        while (!err.contains(refusal) || !err.mid(err.indexOf(refusal)).contains('\n')) {
            if (!process.waitForReadyRead(20000))
                break;
            err += process.readAllStandardError();
        }
        err += process.readAllStandardError();
        const QByteArray line = err.mid(err.indexOf(refusal));
        QVERIFY2(err.contains(refusal) && line.contains(profile.toUtf8()) && line.count('\n') == 1, err.constData());
        if (display) {
            // The box waits for the user; standard error is no terminal here.
            QVERIFY(!process.waitForFinished(1000));
            process.kill();
        }
        QVERIFY(process.waitForFinished(20000));
        if (!display)
            QCOMPARE(process.exitCode(), 2);
        QVERIFY(!QFileInfo::exists(alarmcfg.settings().directory()));
    }
};

QTEST_GUILESS_MAIN(TestProfileToOpen)
#include "test_profile_to_open.moc"
