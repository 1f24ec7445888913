#include "multi_line_box.h"
#include "page_test_support.h"
#include "profile.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

// Importing and exporting profiles from the main page.
class TestPageProfiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportThenImportIntoAnotherInstallation();
    void badProfileChangesNothing();
};

void TestPageProfiles::exportThenImportIntoAnotherInstallation()
{
    PageFixture from({});
    Form1 &page = from.start();
    from.find<QLineEdit>("Text3")->setText(QStringLiteral("139 0013 9000"));
    from.find<QLineEdit>("Text15")->setText(QStringLiteral("天下太平"));
    from.find<MultiLineBox>("Text16")->setValue(QStringLiteral("车被碰了\r\nCar hit"));
    from.find<QRadioButton>("Option5")->click();
    from.storeValue(QStringLiteral("Ttt4"), QStringLiteral("13800138000"));
    const QString path = from.parent.filePath(QStringLiteral("car.json"));
    QVERIFY(page.exportProfile(path, false));

    PageFixture to({});
    Form1 &other = to.start();
    to.removeFiles();
    to.messages.texts.clear();  // no serial device behind COM1 here
    QVERIFY(other.importProfile(path));
    QVERIFY(to.messages.texts.isEmpty());

    MainPageValues expected = page.values();
    expected.text[15] = QStringLiteral("秋水长天");  // left out of the profile, so the page keeps its own
    QCOMPARE(other.values(), expected);
    QCOMPARE(to.storedValue(QStringLiteral("Text16")), QStringLiteral("车被碰了\r\nCar hit"));
    QCOMPARE(to.storedValue(QStringLiteral("Option5")), QStringLiteral("True"));
    QCOMPARE(to.storedValue(QStringLiteral("Ttt4")), QStringLiteral("13800138000"));
    QVERIFY(!to.storedKeys().contains(QStringLiteral("Option1")));  // the COM choice stays
    QStringList written = MainPageWriteKeys() + SensorPageKeys();
    written.sort();
    QCOMPARE(to.storedKeys(), written);
}

void TestPageProfiles::badProfileChangesNothing()
{
    PageFixture fixture({});
    Form1 &page = fixture.start();
    fixture.messages.texts.clear();  // no serial device behind COM1 here
    const QString path = fixture.parent.filePath(QStringLiteral("bad.json"));
    Profile profile{page.values(), {}, false};
    profile.main.text[1] = QStringLiteral("+8613800138000");
    QVERIFY(WriteProfileFile(path, ProfileToJson(profile, false)).isEmpty());
    const QString storedBefore = fixture.storedValue(QStringLiteral("tel1"));
    const MainPageValues shownBefore = page.values();

    QVERIFY(!page.importProfile(path));
    QCOMPARE(fixture.messages.texts.size(), 1);
    QVERIFY2(fixture.messages.texts[0].contains(path)
                 && fixture.messages.texts[0].contains(QStringLiteral("main.authorisedNumbers[0]")),
             qPrintable(fixture.messages.texts[0]));
    QCOMPARE(page.values(), shownBefore);
    QCOMPARE(fixture.storedValue(QStringLiteral("tel1")), storedBefore);
}

QTEST_MAIN(TestPageProfiles)
#include "test_page_profiles.moc"
