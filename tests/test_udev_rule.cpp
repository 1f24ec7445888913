// The udev rule the package installs, read line by line by a small matcher
// of the few keys it uses: which serial devices the desktop user may open
// (uaccess) and which ModemManager is told to leave alone.
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>

namespace {

// A device as udev sees it: its own keys (ACTION, SUBSYSTEM, KERNEL) and the
// attributes and subsystems of its parents (ATTRS{...}, SUBSYSTEMS).
using Device = QHash<QString, QString>;

struct Outcome
{
    bool uaccess = false;
    bool modemManagerIgnores = false;
};

bool Matches(const Device &device, const QString &key, const QString &pattern)
{
    const QRegularExpression glob(QRegularExpression::wildcardToRegularExpression(pattern));
    return device.contains(key) && glob.match(device.value(key)).hasMatch();
}

// Runs the rule file's lines over the device, GOTO and LABEL included.
Outcome Apply(const QStringList &lines, const Device &device)
{
    static const QRegularExpression pair(QStringLiteral(R"(([A-Z]+(?:\{[^}]*\})?)\s*(==|!=|\+=|=)\s*"([^"]*)\")"));
    Outcome outcome;
    QString skipTo;
    for (const QString &line : lines) {
        if (line.trimmed().startsWith(u'#'))
            continue;
        QList<QRegularExpressionMatch> keys;
        for (auto it = pair.globalMatch(line); it.hasNext();)
            keys << it.next();
        if (!skipTo.isEmpty()) {
            if (!keys.isEmpty() && keys[0].captured(1) == QLatin1String("LABEL") && keys[0].captured(3) == skipTo)
                skipTo.clear();
            continue;
        }
        const bool matches = std::all_of(keys.cbegin(), keys.cend(), [&](const QRegularExpressionMatch &m) {
            const QString op = m.captured(2);
            if (op == QLatin1String("=="))
                return Matches(device, m.captured(1), m.captured(3));
            return op == QLatin1String("!=") ? !Matches(device, m.captured(1), m.captured(3)) : true;
        });
        if (!matches)
            continue;
        for (const QRegularExpressionMatch &m : keys) {
            const QString key = m.captured(1);
            if (key == QLatin1String("GOTO"))
                skipTo = m.captured(3);
            else if (key == QLatin1String("TAG") && m.captured(3) == QLatin1String("uaccess"))
                outcome.uaccess = true;
            else if (key == QLatin1String("ENV{ID_MM_DEVICE_IGNORE}") && m.captured(2) == QLatin1String("="))
                outcome.modemManagerIgnores = m.captured(3) == QLatin1String("1");
        }
    }
    return outcome;
}

Device UsbSerial(const QString &kernel, const QString &vendor, const QString &product, const QString &protocol = {})
{
    Device device{{"ACTION", "add"},       {"SUBSYSTEM", "tty"},          {"KERNEL", kernel},
                  {"SUBSYSTEMS", "usb"},   {"ATTRS{idVendor}", vendor},   {"ATTRS{idProduct}", product}};
    if (!protocol.isEmpty())
        device.insert(QStringLiteral("ATTRS{bInterfaceProtocol}"), protocol);
    return device;
}

}  // namespace

class TestUdevRule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void grantsOnlyTheNamedAdapters_data()
    {
        QTest::addColumn<Device>("device");
        QTest::addColumn<bool>("uaccess");  // ModemManager is told to keep off exactly these
        QTest::newRow("CH340") << UsbSerial("ttyUSB0", "1a86", "7523") << true;
        QTest::newRow("PL2303GC") << UsbSerial("ttyUSB1", "067b", "23a3") << true;
        QTest::newRow("FT-X") << UsbSerial("ttyUSB0", "0403", "6015") << true;
        QTest::newRow("PL2303, another product") << UsbSerial("ttyUSB0", "067b", "2304") << false;
        QTest::newRow("a modem on the option driver") << UsbSerial("ttyUSB2", "12d1", "1506") << false;
        QTest::newRow("CDC-ACM without AT commands") << UsbSerial("ttyACM0", "1a86", "55d4", "00") << true;
        QTest::newRow("CDC-ACM modem, AT commands") << UsbSerial("ttyACM0", "1bc7", "0021", "01") << false;
        QTest::newRow("CDC-ACM phone, vendor protocol") << UsbSerial("ttyACM1", "22b8", "2e82", "ff") << false;
        QTest::newRow("on-board serial port")
            << Device{{"ACTION", "add"}, {"SUBSYSTEM", "tty"}, {"KERNEL", "ttyS0"}} << false;
        Device removed = UsbSerial("ttyUSB0", "1a86", "7523");
        removed.insert(QStringLiteral("ACTION"), QStringLiteral("remove"));
        QTest::newRow("CH340 removed") << removed << false;
        Device usbDevice = UsbSerial("ttyUSB0", "1a86", "7523");
        usbDevice.insert(QStringLiteral("SUBSYSTEM"), QStringLiteral("usb"));
        QTest::newRow("the CH340's USB device itself") << usbDevice << false;
    }

    void grantsOnlyTheNamedAdapters()
    {
        QFETCH(Device, device);
        QFETCH(bool, uaccess);
        QFile rule(QStringLiteral(ALARMCFG_UDEV_RULE));
        QVERIFY(rule.open(QIODevice::ReadOnly | QIODevice::Text));
        const Outcome outcome = Apply(QString::fromUtf8(rule.readAll()).split(u'\n'), device);
        QCOMPARE(outcome.uaccess, uaccess);
        QCOMPARE(outcome.modemManagerIgnores, uaccess);
    }
};

QTEST_GUILESS_MAIN(TestUdevRule)
#include "test_udev_rule.moc"
