// Five hundred writes of each page in a row, with generated values (Chinese
// and Latin texts, numbers in every shape people type, every option), through
// the real serial port to the simulated unit and into a settings directory:
// every block the unit received is the one built from the page, the store
// holds the page after each write, and memory use stays flat.
#include "file_store.h"
#include "page_settings.h"
#include "random_pages.h"
#include "serial_port.h"
#include "settings_keys.h"
#include "test_support.h"
#include "unit_process.h"
#include "write_sequences.h"

#include <QtTest>

namespace {

constexpr int kWrites = 500;
constexpr int kWarmUp = 20;
constexpr qint64 kRssSlackKb = 2048;

// Resident memory of this process in kB, -1 when it cannot be read.
qint64 ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    const QString text = status.open(QIODevice::ReadOnly) ? QString::fromLatin1(status.readAll()) : QString();
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+)")).match(text);
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

}  // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void manyWritesOfBothPages()
    {
        UnitProcess unit;
        SerialPort port;
        QCOMPARE(port.open(unit.device()), QString());
        QTemporaryDir settings;
        FileStore store(settings.filePath(QStringLiteral("woclc1k")));
        store.ensureDirectory();
        RestoreMainPage(store);
        RestoreSensorPage(store);
        RecordingMessages messages;
        NoWindowView view;
        RandomPages generate(20240611);

        qint64 residentAfterWarmUp = 0;
        for (int write = 1; write <= kWrites; ++write) {
            if (write == kWarmUp)
                residentAfterWarmUp = ResidentKb();
            const QByteArray where = "write " + QByteArray::number(write);

            MainPageValues main = generate.mainPage();
            QVERIFY2(WriteMainPage(main, port, store, messages, view).succeeded(), where);
            QVERIFY2(unit.takeBytes() == MainPageBlocks(main), where);
            main.text[MainPageControls::kRewritePassword] = QString::fromUtf8(kDefaultRewritePassword);  // never stored
            QVERIFY2(RestoreMainPage(store).values == main, where);

            const SensorPageValues sensors = generate.sensorPage();
            QVERIFY2(WriteSensorPage(sensors, port, store, messages, view).succeeded(), where);
            QVERIFY2(unit.takeBytes() == SensorPageBlocks(sensors), where);
            QVERIFY2(RestoreSensorPage(store) == sensors, where);

            QVERIFY2(store.takeErrors().isEmpty(), where);
            QVERIFY2(messages.texts.isEmpty(), where);
        }
        const qint64 residentAtEnd = ResidentKb();
        qInfo("VmRSS after %d writes of each page: %lld kB, at the end: %lld kB", kWarmUp, residentAfterWarmUp,
              residentAtEnd);
        QVERIFY(residentAfterWarmUp > 0);
        QVERIFY(residentAtEnd - residentAfterWarmUp < kRssSlackKb);
    }
};

QTEST_GUILESS_MAIN(TestSoak)
#include "test_soak.moc"
