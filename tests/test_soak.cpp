// Five hundred writes of each page in a row, with generated values (Chinese
// and Latin texts, numbers in every shape people type, every option), through
// the real serial port to the simulated unit and into a settings directory:
// every block the unit received is the one built from the page, the store
// holds the page after each write, and memory use stays flat.
#include "fake_port.h"
#include "file_store.h"
#include "page_settings.h"
#include "serial_port.h"
#include "settings_keys.h"
#include "unit_process.h"
#include "write_sequences.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

constexpr int kWrites = 500;
constexpr int kWarmUp = 20;
constexpr qint64 kRssSlackKb = 2048;

// Resident memory of this process in kB.
qint64 ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

class Generator
{
public:
    explicit Generator(quint32 seed) : m_random(seed) {}

    // Chinese, Latin, full-width forms, blanks, a line break or a character
    // outside the BMP, up to `maxUnits` UTF-16 code units.
    QString text(int maxUnits)
    {
        static const QString pieces[] = {u"车"_qs, u"被碰"_qs, u"请查看！"_qs, u"后备箱"_qs, u"Door "_qs, u"ALARM"_qs,
                                         u"x"_qs, u"，"_qs, u"ＡＢ"_qs, u"\r\n"_qs, u"\U0001F697"_qs, u"　"_qs, u"%1"_qs};
        QString text;
        for (int n = m_random.bounded(8); n > 0; --n) {
            const QString &piece = pieces[m_random.bounded(int(std::size(pieces)))];
            if (text.size() + piece.size() <= maxUnits)
                text += piece;
        }
        return text;
    }

    // Up to sixteen digits, as typed: blanks, hyphens, dots, parentheses,
    // full-width digits, lower-case hex letters.
    QString number()
    {
        static const QString digits = u"0123456789０１２３４５６７８９abcdefABCDEF"_qs;
        static const QString separators = u" -.()\t　（）－．"_qs;
        QString number;
        for (int n = m_random.bounded(17); n > 0; --n) {
            if (m_random.bounded(4) == 0)
                number += separators[m_random.bounded(int(separators.size()))];
            number += digits[m_random.bounded(int(digits.size()))];
        }
        return number;
    }

    QString password()
    {
        QString password;
        for (int k = 0; k < 4; ++k)
            password += QChar(char16_t(0x4E00 + m_random.bounded(0x51A6)));
        return password;
    }

    MainPageValues mainPage()
    {
        using namespace MainPageControls;
        MainPageValues values;
        for (int control : {kFuelCutPhrase, kFuelRestorePhrase, kArmPhrase, kDisarmPhrase})
            values.text[control] = text(11);
        values.text[kRewritePassword] = password();
        values.text[kVibrationAlarmText] = text(60);
        for (const auto &numbers : {kAuthorisedNumbers, kAlarmSmsRecipients, kAlarmCallNumbers})
            for (int control : numbers)
                values.text[control] = number();
        values.alarmMode = AlarmMode(m_random.bounded(4));
        values.check1 = m_random.bounded(3);
        return values;
    }

    SensorPageValues sensorPage()
    {
        SensorPageValues values;
        for (int sensor = 1; sensor <= 10; ++sensor) {
            values.text[2 * sensor - 1] = text(20);
            values.text[2 * sensor] = number();
        }
        return values;
    }

private:
    QRandomGenerator m_random;
};

}  // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void manyWritesOfBothPages();
};

void TestSoak::manyWritesOfBothPages()
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
    EventLog events;
    RecordingView view(&events);
    Generator generate(20240611);

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
        QVERIFY2(messages.shown.isEmpty(), where);
        events.clear();
    }
    const qint64 residentAtEnd = ResidentKb();
    qInfo("VmRSS after %d writes of each page: %lld kB, at the end: %lld kB", kWarmUp, residentAfterWarmUp,
          residentAtEnd);
    QVERIFY(residentAfterWarmUp > 0);
    QVERIFY(residentAtEnd - residentAfterWarmUp < kRssSlackKb);
}

QTEST_GUILESS_MAIN(TestSoak)
#include "test_soak.moc"
