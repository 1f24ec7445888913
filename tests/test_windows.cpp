// Windows only (run under Wine by scripts/windows-test.sh): the Win32 serial
// port's reasons for a port that will not open, the settings files' GB18030
// through the system's code pages, the settings folder's access list, and both
// pages written through the port to the simulated units that answer inside
// the program (--simulate).
#include "com_port_map.h"
#include "file_store.h"
#include "serial_link.h"
#include "settings_file.h"
#include "simulated_units.h"
#include "test_support.h"
#include "windows_port_advice.h"
#include "write_sequences.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

class TestWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void portAdvice_data();
    void portAdvice();
    void missingPortIsToldApart();
    void settingsBytes_data();
    void settingsBytes();
    void unwritableText_data();
    void unwritableText();
    void pagesReachTheInProcessUnit();
    void settingsFolderIsPrivate();
};

// The system's code tells a port another program holds from one that does
// not exist; neither message speaks of Linux's devices, groups or udev.
void TestWindows::portAdvice_data()
{
    QTest::addColumn<quint32>("error");
    QTest::addColumn<QString>("says");
    QTest::newRow("access denied") << quint32(ERROR_ACCESS_DENIED) << "正被另一个程序占用";
    QTest::newRow("sharing violation") << quint32(ERROR_SHARING_VIOLATION) << "正被另一个程序占用";
    QTest::newRow("file not found") << quint32(ERROR_FILE_NOT_FOUND) << "CH340/CH341、PL2303、CP210x、FTDI";
    QTest::newRow("path not found") << quint32(ERROR_PATH_NOT_FOUND) << "设备管理器";
    QTest::newRow("device failed") << quint32(ERROR_GEN_FAILURE) << "重新插拔";
}

void TestWindows::portAdvice()
{
    QFETCH(quint32, error);
    QFETCH(QString, says);
    const QString reason = WindowsOpenFailureReason(error, QStringLiteral("<system text>"));
    QVERIFY2(reason.contains(says), qPrintable(reason));
    QVERIFY(reason.contains(QLatin1String("<system text>")));
    for (const char *linuxOnly : {"udev", "/dev/", "usermod", "dialout"})
        QVERIFY2(!reason.contains(QLatin1String(linuxOnly)), qPrintable(reason));
}

// A COM number the system does not have: the open fails with the advice for
// a missing port, not for a busy one, and the option can be chosen again.
void TestWindows::missingPortIsToldApart()
{
    ComPortMap map = ComPortMap::fromPorts({});
    map.setOverride(2, QStringLiteral("COM250"));
    SerialLink link(map, [] { return QList<SerialPortFacts>(); });
    const QString message = link.select(2);
    QVERIFY2(message.contains(QLatin1String("COM250")) && message.contains(QStringLiteral("系统中没有这个COM口")),
             qPrintable(message));
    QVERIFY(!link.port().openRefused());
    QCOMPARE(link.state(), SerialLink::State::Closed);
}

// The bytes of a settings file as GB18030 has them, read and written back the
// same, whether the system has code page 54936 or stands in with GBK.
void TestWindows::settingsBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("value");  // empty: the bytes are no GB18030 text
    QTest::newRow("two-byte text") << QByteArray("\xC7\xEF\xCB\xAE\xB3\xA4\xCC\xEC\r\n") << "秋水长天";
    QTest::newRow("euro sign") << QByteArray("\xA2\xE3" "5\r\n") << "€5";
    QTest::newRow("first and last beyond the BMP") << QByteArray("\x90\x30\x81\x30\xE3\x32\x9A\x35\r\n")
                                                   << QStringLiteral("\U00010000\U0010FFFF");
    QTest::newRow("past U+10FFFF") << QByteArray("\xE3\x32\x9A\x36\r\n") << "";
    QTest::newRow("digits, CR LF inside") << QByteArray("13800138000\r\nx\r\n") << "13800138000\r\nx";
    QTest::newRow("character cut off") << QByteArray("\xC7\xEF\xCB") << "";
    QTest::newRow("not a trail byte") << QByteArray("\x81\x20\r\n") << "";
    QTest::newRow("single 0x80") << QByteArray("\x80\r\n") << "";
}

void TestWindows::settingsBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, value);
    SettingsFileProblem problem;
    const std::optional<QString> read = ParseSettingsFile(bytes, &problem);
    if (value.isEmpty()) {
        QVERIFY(!read);
        QCOMPARE(problem, SettingsFileProblem::NotGb18030);
        return;
    }
    QCOMPARE(read.value_or(QStringLiteral("<nothing>")), value);
    QCOMPARE(FormatSettingsFile(value).value_or(QByteArray("<nothing>")), bytes);
}

// Nothing is stored in place of a character the file cannot hold.
void TestWindows::unwritableText_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("unpaired surrogate") << QString(QChar(0xD800));
    if (!IsValidCodePage(54936))  // Wine: GBK stands in, and has no Thai
        QTest::newRow("outside GBK") << QStringLiteral("\u0E01");
}

void TestWindows::unwritableText()
{
    QFETCH(QString, value);
    QVERIFY(!FormatSettingsFile(value));
}

// --simulate without pseudo-terminals: both pages go through the Windows
// port to the units inside the program, which answer every block.
void TestWindows::pagesReachTheInProcessUnit()
{
    ComPortMap map = ComPortMap::fromPorts({});
    SimulatedUnits units;
    QCOMPARE(units.start(map), QString());
    SerialLink link(map, [] { return QList<SerialPortFacts>(); });
    QCOMPARE(link.select(3), QString());
    QCOMPARE(link.port().deviceName(), QStringLiteral("SIM3"));
    MemoryStore store;
    RecordingMessages messages;
    RecordingView view;
    const WriteResult main = WriteMainPage(TypedMainPage(), link.port(), store, messages, view);
    const WriteResult sensor = WriteSensorPage(TypedSensorPage(), link.port(), store, messages, view);
    QVERIFY2(main.succeeded() && sensor.succeeded(), qPrintable(messages.texts.join(u'\n')));
    QCOMPARE(main.blocksSent() + sensor.blocksSent(), 8);
}

namespace {

// The access list of a file or folder in its text form ("D:P(A;OICI;FA;;;SY)…").
QString AccessList(const QString &path)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()), SE_FILE_OBJECT,
                              DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr, nullptr, &descriptor)
        != ERROR_SUCCESS)
        return {};
    LPWSTR text = nullptr;
    QString list;
    if (ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                             &text, nullptr)) {
        list = QString::fromWCharArray(text);
        LocalFree(text);
    }
    LocalFree(descriptor);
    return list;
}

}  // namespace

// The pass phrases' folder, made at the root of a drive where every user may
// make folders and read them, lets in no other user, nor does any settings
// file in it. (Wine keeps no access list of a file's own: it shows its
// default one, the user and the system.)
void TestWindows::settingsFolderIsPrivate()
{
    QTemporaryDir drive;
    FileStore store(drive.filePath(QStringLiteral("woclc1k")));
    store.ensureDirectory();
    QVERIFY(store.write(QStringLiteral("k1"), QStringLiteral("开门见山")));
    for (const QString &path : {store.directory(), store.filePath(QStringLiteral("k1"))}) {
        const QString list = AccessList(path);
        for (const char *everyone : {";WD)", ";BU)", ";AU)"})  // everyone, the users, who signed in
            QVERIFY2(!list.isEmpty() && !list.contains(QLatin1String(everyone)), qPrintable(path + u' ' + list));
    }
}

QTEST_GUILESS_MAIN(TestWindows)
#include "test_windows.moc"
