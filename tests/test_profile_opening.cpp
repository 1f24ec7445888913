#include "file_store.h"
#include "history_log.h"
#include "main_page.h"
#include "page_settings.h"
#include "profile.h"
#include "profile_opening.h"
#include "serial_link.h"
#include "test_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// A profile opened from a file manager replaces the stored pass phrases only
// when the user says so, and only after the stored settings were kept.
class TestProfileOpening : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openedWhenAsked_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::newRow("declined") << false;
        QTest::newRow("accepted") << true;
    }

    void openedWhenAsked()
    {
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        FileStore store(dir.filePath(QStringLiteral("woclc1k")));
        store.ensureDirectory();
        StorePassPhrasesAndNumbers(store, WithPassPhrase(QStringLiteral("白云深处")));
        const QString profile = dir.filePath(QStringLiteral("stranger.alarmcfg.json"));
        QVERIFY(WriteProfileFile(profile, ProfileToJson({WithPassPhrase(QStringLiteral("天下太平")), TypedSensorPage(), false},
                                                        false)).isEmpty());
        RecordingMessages messages;
        messages.goOn = accepted;
        HistoryLog history(dir.filePath(QStringLiteral("history.jsonl")));
        SerialLink link(ComPortMap{}, [] { return QList<SerialPortFacts>{}; });
        MainPage page(link, store, messages, history);
        const QString backup = dir.filePath(QStringLiteral("woclc1k/before-import.alarmcfg.json"));

        QCOMPARE(OpenProfileWhenAsked(page, store, messages, profile, backup), accepted);
        QCOMPARE(messages.questions.size(), 1);
        QVERIFY(messages.questions[0].contains(QStringLiteral("stranger.alarmcfg.json")));
        QCOMPARE(store.read(QStringLiteral("k1")), accepted ? QStringLiteral("天下太平") : QStringLiteral("白云深处"));
        QCOMPARE(QFile::exists(backup), accepted);
        if (accepted) {
            const ProfileParse kept = ReadProfileFile(backup);
            QVERIFY(kept.profile);
            QCOMPARE(kept.profile->main.text[7], QStringLiteral("白云深处"));  // Text7, the fuel cut
            QCOMPARE(QFile::permissions(backup) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
        }
        QVERIFY(messages.texts.isEmpty());
    }

private:
    static MainPageValues WithPassPhrase(const QString &cutFuel)
    {
        MainPageValues values = TypedMainPage();
        values.text[7] = cutFuel;
        return values;
    }
};

QTEST_MAIN(TestProfileOpening)
#include "test_profile_opening.moc"
