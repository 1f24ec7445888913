// The serial devices behind the COM options, without hardware: the mapping
// and naming of listed devices, a port that follows devices plugged in and
// pulled out (pseudo-terminals of the simulated unit stand in for USB
// adapters), who holds a port, and what the user is told when a port will
// not open, from the facts the system gives.
#include "com_port_map.h"
#include "device_access.h"
#include "exchange.h"
#include "open_failure.h"
#include "serial_link.h"
#include "test_support.h"
#include "logged_unit.h"
#include "write_failure_note.h"

#include <QTest>
#include <unistd.h>

namespace {

SerialPortFacts Listed(const QString &device, quint16 vendorId = 0, quint16 productId = 0,
                       const QString &description = {})
{
    SerialPortFacts port{device, description, {}, {}, {}};
    if (vendorId != 0) {
        port.vendorId = vendorId;
        port.productId = productId;
    }
    return port;
}

}  // namespace

class TestPorts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mapping_data()
    {
        QTest::addColumn<QList<SerialPortFacts>>("listed");
        QTest::addColumn<QStringList>("options");  // COM1..COM4 as described
        QTest::addColumn<QStringList>("others");
        QTest::newRow("adapters first, in natural order")
            << QList<SerialPortFacts>{Listed("/dev/ttyS0", 0, 0, "ttyS0"), Listed("/dev/ttyUSB10", 0x1a86, 0x7523),
                                      Listed("/dev/ttyUSB2", 0x067b, 0x23c3), Listed("/dev/ttyACM0")}
            << QStringList{"COM1 → /dev/ttyACM0 (CDC-ACM)", "COM2 → /dev/ttyUSB2 (PL2303)",
                           "COM3 → /dev/ttyUSB10 (CH340/CH341)", "COM4 → /dev/ttyS0 (ttyS0)"}
            << QStringList();
        QTest::newRow("a port with USB ids is an adapter; unknown ids give the system's description")
            << QList<SerialPortFacts>{Listed("/dev/ttyS1"), Listed("/dev/ttyXR0", 0x04e2, 0x1410, "XR21V1410"),
                                      Listed("/dev/ttyS0"), Listed("/dev/ttyUSB0", 0x10c4, 0xea60),
                                      Listed("/dev/ttyUSB1", 0x0403, 0x6001)}
            << QStringList{"COM1 → /dev/ttyUSB0 (CP210x)", "COM2 → /dev/ttyUSB1 (FTDI FT232)",
                           "COM3 → /dev/ttyXR0 (XR21V1410)", "COM4 → /dev/ttyS0"}
            << QStringList{"/dev/ttyS1"};
        QTest::newRow("nothing listed") << QList<SerialPortFacts>()
                                        << QStringList{"COM1 → 无串口设备", "COM2 → 无串口设备", "COM3 → 无串口设备",
                                                       "COM4 → 无串口设备"}
                                        << QStringList();
    }

    void mapping()
    {
        QFETCH(QList<SerialPortFacts>, listed);
        QFETCH(QStringList, options);
        QFETCH(QStringList, others);
        const ComPortMap map = ComPortMap::fromPorts(listed);
        QStringList described;
        for (int com = 1; com <= 4; ++com)
            described << map.describe(com);
        QCOMPARE(described, options);
        QStringList rest;
        for (const SerialPortFacts &port : map.others())
            rest << port.device;
        QCOMPARE(rest, others);
    }

    void holders_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("found");
        QTest::newRow("lock file of a live process") << "lock" << true;
        QTest::newRow("an open file in the process table") << "proc" << true;
        QTest::newRow("nobody") << "" << false;
    }

    // The holder of a port, by the lock file QSerialPort leaves (this test's
    // own port) or by a process with the device open; looked for without
    // opening it. A second open of a port this process holds is refused as
    // busy, naming the holder, never with advice to join a group.
    void holders()
    {
        QFETCH(QString, how);
        QFETCH(bool, found);
        LoggedUnit unit;
        QTemporaryDir proc;
        SystemTables tables;
        tables.proc = proc.path();
        SerialPort holder;
        if (how == "lock") {
            QCOMPARE(holder.open(unit.device()), QString());
            ComPortMap map;
            map.setOverride(1, unit.device());
            const QString message = SerialLink(map, [] { return QList<SerialPortFacts>(); }).select(1);
            QVERIFY2(message.contains(QStringLiteral("占用")) && message.contains(QString::number(getpid()))
                         && !message.contains(QStringLiteral("usermod")),
                     qPrintable(message));
        }
        if (how == "proc") {
            QVERIFY(QDir(proc.path()).mkpath(QStringLiteral("4711/fd")));
            QVERIFY(QFile::link(unit.device(), proc.filePath(QStringLiteral("4711/fd/5"))));
            QVERIFY(WriteBytes(proc.filePath(QStringLiteral("4711/comm")), "minicom\n"));
        }
        const std::optional<PortHolder> found1 = FindPortHolder(unit.device(), tables);
        QCOMPARE(found1.has_value(), found);
        if (how == "lock")
            QCOMPARE(found1->pid, qint64(getpid()));
        if (how == "proc")
            QCOMPARE(found1->program, QStringLiteral("minicom"));
    }

    // ModemManager is known by its exact name in the process table.
    void modemManager()
    {
        QTemporaryDir proc;
        SystemTables tables;
        tables.proc = proc.path();
        tables.udevRule = proc.filePath(QStringLiteral("no-rule"));
        for (const char *program : {"ModemManagerX", "ModemManager"}) {
            QVERIFY(QDir(proc.path()).mkpath(QStringLiteral("812")));
            QVERIFY(WriteBytes(proc.filePath(QStringLiteral("812/comm")), QByteArray(program) + '\n'));
            const ModemManagerFacts facts = ProbeModemManager(tables);
            QCOMPARE(facts.runs, program == QLatin1String("ModemManager"));
            QVERIFY(!facts.ruleInstalled);
        }
    }

    void openFailureMessages_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QStringList>("access");  // the facts that hold: exists, rw, root, group=G, group rw, in group
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        const QStringList busy{"占用"};
        const QStringList groupAdvice{"usermod"};
        QTest::newRow("busy, holder known")
            << true << QStringList{"exists", "rw", "group=dialout", "group rw", "holder"} << QStringList{"占用", "minicom，进程号 4711"}
            << groupAdvice;
        QTest::newRow("busy, holder unknown")
            << true << QStringList{"exists", "rw", "group=dialout", "group rw"} << QStringList{"占用", "the system's reason"}
            << groupAdvice;
        QTest::newRow("root: busy, whatever the mode")
            << true << QStringList{"exists", "root", "group=dialout", "group rw"} << busy << groupAdvice;
        QTest::newRow("permission, group the user lacks")
            << true << QStringList{"exists", "group=dialout", "group rw"}
            << QStringList{"sudo usermod -aG dialout $USER", "重新登录"} << busy;
        QTest::newRow("permission, user already in the group")
            << true << QStringList{"exists", "group=dialout", "group rw", "in group"} << QStringList{"dialout"}
            << busy + groupAdvice;
        QTest::newRow("permission, group root does not help")
            << true << QStringList{"exists", "group=root", "group rw"} << QStringList{"root 组", "uaccess", "70-alarmcfg.rules"}
            << busy + groupAdvice;
        QTest::newRow("permission, group without read and write")
            << true << QStringList{"exists", "group=uucp"} << QStringList{"uucp", "uaccess"} << busy + groupAdvice;
        QTest::newRow("no such device") << false << QStringList() << QStringList{"设备不存在"} << busy + groupAdvice;
        QTest::newRow("another failure: the system's reason")
            << false << QStringList{"exists", "rw"} << QStringList{"the system's reason"} << busy + groupAdvice;
        QTest::newRow("busy, ModemManager running")
            << true << QStringList{"exists", "rw", "ModemManager"} << QStringList{"占用", "ModemManager", "ID_MM_DEVICE_IGNORE"}
            << groupAdvice;
    }

    // Every message names the option and the device, then says why and what to do.
    void openFailureMessages()
    {
        QFETCH(bool, refused);
        QFETCH(QStringList, access);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        OpenFailure failure{2, QStringLiteral("/dev/ttyUSB0"), QStringLiteral("the system's reason"), refused, {}};
        DeviceAccess &facts = failure.access;
        facts.known = true;
        facts.exists = access.contains("exists");
        facts.mayReadWrite = access.contains("rw");
        facts.root = access.contains("root");
        facts.group = access.filter("group=").value(0).mid(6);
        facts.groupMayReadWrite = access.contains("group rw");
        facts.inGroup = access.contains("in group");
        if (access.contains("holder"))
            facts.holder = PortHolder{4711, QStringLiteral("minicom")};
        facts.modemManager.runs = access.contains("ModemManager");
        const QString message = OpenFailureMessage(failure);
        QVERIFY2(message.startsWith(QStringLiteral("无法打开串口 COM2（/dev/ttyUSB0）：")), qPrintable(message));
        for (const QString &text : present)
            QVERIFY2(message.contains(text), qPrintable(text + " missing in: " + message));
        for (const QString &text : absent)
            QVERIFY2(!message.contains(text), qPrintable(text + " in: " + message));
    }

    // The note goes with the first write-failure message only; others pass unchanged.
    void writeFailureNote()
    {
        RecordingMessages shown;
        int looks = 0;
        WriteFailureNote messages(shown, [&looks] { return QStringLiteral("note %1").arg(++looks); });
        messages.showError(QStringLiteral("串口设置"), QStringLiteral("a"));
        messages.showError(WriteFailureTitle(), QStringLiteral("b"));
        messages.showError(WriteFailureTitle(), QStringLiteral("c"));
        QCOMPARE(shown.texts, QStringList({"a", "b\n\rnote 1", "c"}));
    }
};

QTEST_GUILESS_MAIN(TestPorts)
#include "test_ports.moc"
