// Lock files of serial devices as the system shows them to the user: read
// without waiting and only when they are regular files, a stale one that
// another user left named as what blocks the port, and every name from the
// system printed with its control characters escaped.
#include "com_port_map.h"
#include "device_access.h"
#include "open_failure.h"
#include "test_support.h"

#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A pid no process has (beyond the kernel's largest).
constexpr qint64 kDeadPid = 2147483000;

// Lock files looked for in `directory` only.
SystemTables LocksIn(const QString &directory)
{
    SystemTables tables;
    tables.lockDirectories = {directory};
    return tables;
}

// A device no program has open; its lock file is named after its path.
struct Device
{
    Device() { WriteBytes(path, {}); }
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("ttyTEST0"));
    QString lockName = QStringLiteral("LCK..") + QString(path).replace(u'/', u'_');
};

}  // namespace

class TestLockFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsOnlyRegularLockFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("held");
        QTest::newRow("regular file") << "file" << true;
        QTest::newRow("FIFO") << "FIFO" << false;
        QTest::newRow("link to a regular file") << "link" << false;
    }

    // A lock file naming this live test is taken for what it says only when
    // it is a regular file; anything else blocks the port. The FIFO holds
    // more than a reader asks for, so that a reader that opens it does not wait.
    void readsOnlyRegularLockFiles()
    {
        QFETCH(QString, kind);
        QFETCH(bool, held);
        QTemporaryDir locks;
        const Device device;
        const QString path = locks.filePath(device.lockName);
        const QByteArray content = QByteArray::number(QCoreApplication::applicationPid()) + "\ntest\n";
        int fifo = -1;
        if (kind == QLatin1String("FIFO")) {
            QVERIFY(MakeEntry(kind, path));
            fifo = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK);
            const QByteArray filled = content + QByteArray(8192, ' ');
            QCOMPARE(::write(fifo, filled.constData(), filled.size()), ssize_t(filled.size()));
        } else if (kind == QLatin1String("link")) {
            QVERIFY(WriteBytes(locks.filePath(QStringLiteral("elsewhere")), content));
            QVERIFY(QFile::link(locks.filePath(QStringLiteral("elsewhere")), path));
        } else {
            QVERIFY(WriteBytes(path, content));
        }
        const DeviceAccess access = ProbeDeviceAccess(device.path, LocksIn(locks.path()));
        ::close(fifo);
        QCOMPARE(access.holder.has_value(), held);
        QCOMPARE(access.blockingLock.has_value(), !held);
        if (!held)
            QCOMPARE(access.blockingLock->path, path);
    }

    // Root may remove any stale lock; another user's stale lock is in the
    // way of everybody else, and the message says which file to remove.
    void staleLockOfAnotherUserIsNamed()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to give the lock file to another user");
        QTemporaryDir parent;
        const Device device;
        const QString directory = parent.filePath(QStringLiteral("lock\x1b[2J"));
        QVERIFY(QDir().mkdir(directory));
        const QString path = directory + u'/' + device.lockName;
        QVERIFY(WriteBytes(path, QByteArray::number(kDeadPid) + "\nminicom\n"));
        QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
        const DeviceAccess access = ProbeDeviceAccess(device.path, LocksIn(directory));
        QVERIFY(!access.holder);
        QVERIFY(access.blockingLock && access.blockingLock->regularFile);
        const QString message = OpenFailureMessage(
            {1, device.path, QStringLiteral("Permission error while locking the device"), true, access});
        QVERIFY2(message.contains(parent.filePath(QStringLiteral("lock\\e[2J/")) + device.lockName), qPrintable(message));
        QVERIFY2(!message.contains(u'\x1b') && !message.contains(QLatin1String("minicom")), qPrintable(message));
    }

    void namesFromTheSystemArePrintedEscaped_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        DeviceAccess held;
        held.known = held.exists = held.mayReadWrite = true;
        held.holder = PortHolder{4242, QStringLiteral("evil%2\x1b]0;title\x07")};
        QTest::newRow("program holding the port")
            << OpenFailureMessage({2, QStringLiteral("/dev/ttyUSB0"), {}, true, held})
            << QStringLiteral("evil%2\\e]0;title\\x07，进程号 4242");
        QTest::newRow("device of a failed opening")
            << OpenFailureMessage({3, QStringLiteral("/dev/tty%1\rUSB0"), QStringLiteral("No such file"), false, {}})
            << QStringLiteral("COM3（/dev/tty%1\\rUSB0）：No such file");
        ComPortMap map;
        map.setOverride(1, QStringLiteral("/dev/pts/%2\x1b[31m"));
        QTest::newRow("device behind an option") << map.describe(1) << QStringLiteral("COM1 → /dev/pts/%2\\e[31m");
    }

    void namesFromTheSystemArePrintedEscaped()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QVERIFY2(message.contains(shown), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TestLockFiles)
#include "test_lock_files.moc"
