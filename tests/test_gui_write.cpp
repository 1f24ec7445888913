#include "exchange.h"
#include "form2.h"
#include "form3.h"
#include "multi_line_box.h"
#include "page_test_support.h"
#include "unit_process.h"
#include "write_sequences.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

// The write buttons of both pages clicked with the simulated unit behind
// COM1 on a pseudo-terminal: the blocks it received, the messages the user
// saw and the settings files written.
class TestGuiWrite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void mainPageToAnsweringUnit();
    void sensorPageToAnsweringUnit();
    void sensorPageToSilentUnit();
    void mainPageToUnitSilentForTheLastBlock();
    void storeFailuresAtWriteAreReportedOnce();

private:
    // The main page with the unit behind COM1 and no settings file left.
    PageFixture &startWith(const QStringList &unitOptions);
    // The sensor page, opened from the main page, and no settings file left.
    Form2 &openSensorPage();
    // Clicks a write button, which returns once the whole write has run.
    void clickWrite(const QString &button, QWidget *page, int blocksExpected);

    std::unique_ptr<UnitProcess> m_unit;
    std::unique_ptr<PageFixture> m_fixture;
};

void TestGuiWrite::cleanup()
{
    m_fixture.reset();
    m_unit.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

PageFixture &TestGuiWrite::startWith(const QStringList &unitOptions)
{
    m_unit = std::make_unique<UnitProcess>(unitOptions);
    m_fixture = std::make_unique<PageFixture>(QStringList{m_unit->device()});
    m_fixture->start().show();
    m_fixture->removeFiles();
    return *m_fixture;
}

Form2 &TestGuiWrite::openSensorPage()
{
    m_fixture->find<QPushButton>(QStringLiteral("Command3"))->click();
    m_fixture->removeFiles();
    return *m_fixture->page->sensorPage();
}

void TestGuiWrite::clickWrite(const QString &button, QWidget *page, int blocksExpected)
{
    QPushButton *write = m_fixture->find<QPushButton>(button, page);
    write->click();
    QVERIFY(write->isEnabled());
    QTRY_COMPARE(m_unit->blocks().size(), blocksExpected);
}

void TestGuiWrite::mainPageToAnsweringUnit()
{
    PageFixture &f = startWith({});
    f.find<QLineEdit>(QStringLiteral("Text1"))->setText(QStringLiteral("138 0013 8000"));
    f.find<MultiLineBox>(QStringLiteral("Text16"))->setPlainText(QStringLiteral("车被碰了\n快来"));
    f.find<QRadioButton>(QStringLiteral("Option5"))->click();
    f.find<QCheckBox>(QStringLiteral("Check1"))->click();

    clickWrite(QStringLiteral("Command1"), nullptr, 6);
    QCOMPARE(m_unit->bytes(), MainPageBlocks(f.page->values()));
    QVERIFY(f.messages.titles.isEmpty());
    QCOMPARE(f.storedKeys(), MainPageWriteKeys());
    QCOMPARE(f.storedValue(QStringLiteral("Text16")), QStringLiteral("车被碰了\r\n快来"));
    QCOMPARE(f.storedValue(QStringLiteral("Check1")), QStringLiteral(" 1 "));

    QPointer<Form3> waitWindow = f.page->waitWindow().loaded();
    QVERIFY(waitWindow && waitWindow->isVisible() && waitWindow->timer()->isActive());
    QTRY_VERIFY(!waitWindow);
}

void TestGuiWrite::sensorPageToAnsweringUnit()
{
    PageFixture &f = startWith({});
    f.page->move(120, 60);
    Form2 &sensorPage = openSensorPage();
    f.find<MultiLineBox>(QStringLiteral("Text3"), &sensorPage)->setPlainText(QStringLiteral("有人\n进入"));
    f.find<QLineEdit>(QStringLiteral("Text20"), &sensorPage)->setText(QStringLiteral("13900139000"));

    clickWrite(QStringLiteral("Command2"), &sensorPage, 2);
    QCOMPARE(m_unit->bytes(), SensorPageBlocks(sensorPage.values()));
    QVERIFY(f.messages.titles.isEmpty());
    QCOMPARE(f.storedKeys(), SensorPageKeys());
    QCOMPARE(f.storedValue(QStringLiteral("SMS2")), QStringLiteral("有人\r\n进入"));

    // Placed from the hidden main page, as for the main page's write.
    QPointer<Form3> waitWindow = f.page->waitWindow().loaded();
    QVERIFY(waitWindow && waitWindow->timer()->isActive());
    QCOMPARE(waitWindow->pos(), QPoint(120, 60) + Twips(*f.page, 1999, 2300));
    QTRY_VERIFY(!waitWindow);
}

void TestGuiWrite::sensorPageToSilentUnit()
{
    PageFixture &f = startWith({QStringLiteral("--silent")});
    Form2 &sensorPage = openSensorPage();

    clickWrite(QStringLiteral("Command2"), &sensorPage, 1);
    QCOMPARE(m_unit->tags(), QStringList{QStringLiteral("COMSMSA8")});
    QCOMPARE(f.messages.titles, QStringList{WriteFailureTitle()});
    QVERIFY(!f.page->waitWindow().loaded());
    QCOMPARE(f.storedKeys(), SensorPageKeys());
}

void TestGuiWrite::mainPageToUnitSilentForTheLastBlock()
{
    PageFixture &f = startWith({QStringLiteral("--silent-for"), QStringLiteral("COMSMSA4")});

    clickWrite(QStringLiteral("Command1"), nullptr, 6);
    QCOMPARE(m_unit->tags(), QStringList({"COMSMSA2", "COMSMSAB", "COMSMSA3", "COMSMSA7", "COMSMSA5",
                                          "COMSMSA4"}));
    QCOMPARE(f.messages.titles, QStringList{WriteFailureTitle()});
    QCOMPARE(f.storedKeys(), MainPageWriteKeys());
    // The window shown after the first answer does not stay behind with a still bar.
    const Form3 *waitWindow = f.page->waitWindow().loaded();
    QVERIFY(!waitWindow || !waitWindow->isVisible());
}

void TestGuiWrite::storeFailuresAtWriteAreReportedOnce()
{
    PageFixture &f = startWith({});
    for (const char *key : {"tel2", "Check1"})
        QDir(f.directory).mkdir(QLatin1String(key) + QLatin1String(".cck"));

    clickWrite(QStringLiteral("Command1"), nullptr, 6);
    QCOMPARE(f.messages.texts.size(), 1);
    QVERIFY(f.messages.texts[0].contains(QStringLiteral("tel2.cck")));
    QVERIFY(f.messages.texts[0].contains(QStringLiteral("Check1.cck")));
    QCOMPARE(f.storedValue(QStringLiteral("tel1")), QString());
}

QTEST_MAIN(TestGuiWrite)
#include "test_gui_write.moc"
