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

// The write buttons of both pages, clicked with the simulated unit behind
// COM1 on a pseudo-terminal: what it received, what the user was told, and
// what was stored.
class TestGuiWrite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void mainPageToAnsweringUnit();
    void sensorPageToAnsweringUnit();
    void sensorPageToSilentUnit();
    void mainPageToUnitSilentForTheLastBlock();
    void storeFailureAtWriteIsReportedOnce();

private:
    // The main page with the unit behind COM1; the store's record starts empty.
    Form1 &startWith(const QStringList &unitOptions);
    QPushButton *button(QWidget &page, const char *name);
    // Clicks the button, which returns once the whole write has run.
    void clickAndWaitForTheUnit(QPushButton *button, int blocks);

    std::unique_ptr<UnitProcess> m_unit;
    std::unique_ptr<PageFixture> m_fixture;
};

void TestGuiWrite::cleanup()
{
    m_fixture.reset();
    m_unit.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Form1 &TestGuiWrite::startWith(const QStringList &unitOptions)
{
    m_unit = std::make_unique<UnitProcess>(unitOptions);
    m_fixture = std::make_unique<PageFixture>(QStringList{m_unit->device()});
    Form1 &page = m_fixture->start();
    page.show();
    m_fixture->store.written.clear();
    return page;
}

QPushButton *TestGuiWrite::button(QWidget &page, const char *name)
{
    return page.findChild<QPushButton *>(QLatin1String(name));
}

void TestGuiWrite::clickAndWaitForTheUnit(QPushButton *button, int blocks)
{
    button->click();
    QVERIFY(button->isEnabled());
    QTRY_COMPARE(m_unit->blocks().size(), blocks);
}

void TestGuiWrite::mainPageToAnsweringUnit()
{
    Form1 &page = startWith({});
    PageFixture &f = *m_fixture;
    QVERIFY(f.link.port().isOpen());
    page.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("138 0013 8000"));
    page.findChild<MultiLineBox *>(QStringLiteral("Text16"))->setPlainText(QStringLiteral("车被碰了\n快来"));
    page.findChild<QRadioButton *>(QStringLiteral("Option5"))->click();
    page.findChild<QCheckBox *>(QStringLiteral("Check1"))->click();

    clickAndWaitForTheUnit(button(page, "Command1"), 6);
    QCOMPARE(m_unit->bytes(), MainPageBlocks(page.values()));
    QVERIFY(f.messages.all.empty());
    QCOMPARE(f.store.written, MainPageWriteKeys());
    QCOMPARE(f.storedValue(QStringLiteral("Text16")), QStringLiteral("车被碰了\r\n快来"));
    QCOMPARE(f.storedValue(QStringLiteral("Check1")), QStringLiteral(" 1 "));
    QCOMPARE(f.storedValue(QStringLiteral("Option5")), QStringLiteral("True"));

    QPointer<Form3> waitWindow = page.waitWindow().loaded();
    QVERIFY(waitWindow && waitWindow->isVisible() && waitWindow->timer()->isActive());
    QTRY_VERIFY(!waitWindow);
}

void TestGuiWrite::sensorPageToAnsweringUnit()
{
    Form1 &page = startWith({});
    PageFixture &f = *m_fixture;
    page.move(120, 60);
    button(page, "Command3")->click();
    Form2 &sensorPage = *page.sensorPage();
    f.store.written.clear();
    sensorPage.findChild<MultiLineBox *>(QStringLiteral("Text3"))->setPlainText(QStringLiteral("有人\n进入"));
    sensorPage.findChild<QLineEdit *>(QStringLiteral("Text20"))->setText(QStringLiteral("13900139000"));

    clickAndWaitForTheUnit(button(sensorPage, "Command2"), 2);
    QCOMPARE(m_unit->bytes(), SensorPageBlocks(sensorPage.values()));
    QVERIFY(f.messages.all.empty());
    QCOMPARE(f.store.written, SensorPageKeys());
    QCOMPARE(f.storedValue(QStringLiteral("SMS2")), QStringLiteral("有人\r\n进入"));
    QCOMPARE(f.storedValue(QStringLiteral("Ttt10")), QStringLiteral("13900139000"));

    // Placed from the hidden main page, as for the main page's write.
    QPointer<Form3> waitWindow = page.waitWindow().loaded();
    QVERIFY(waitWindow && waitWindow->timer()->isActive());
    QCOMPARE(waitWindow->pos(), QPoint(120, 60) + Twips(page, 1999, 2300));
    QTRY_VERIFY(!waitWindow);
}

void TestGuiWrite::sensorPageToSilentUnit()
{
    Form1 &page = startWith({QStringLiteral("--silent")});
    PageFixture &f = *m_fixture;
    button(page, "Command3")->click();
    Form2 &sensorPage = *page.sensorPage();
    f.store.written.clear();

    clickAndWaitForTheUnit(button(sensorPage, "Command2"), 1);
    QCOMPARE(m_unit->tags(), QStringList{QStringLiteral("COMSMSA8")});
    QCOMPARE(f.messages.titles(), QStringList{WriteFailureTitle()});
    QVERIFY(!page.waitWindow().loaded());
    QCOMPARE(f.store.written, SensorPageKeys());
}

void TestGuiWrite::mainPageToUnitSilentForTheLastBlock()
{
    Form1 &page = startWith({QStringLiteral("--silent-for"), QStringLiteral("COMSMSA4")});
    PageFixture &f = *m_fixture;

    clickAndWaitForTheUnit(button(page, "Command1"), 6);
    QCOMPARE(m_unit->tags(), QStringList({"COMSMSA2", "COMSMSAB", "COMSMSA3", "COMSMSA7", "COMSMSA5",
                                          "COMSMSA4"}));
    QCOMPARE(f.messages.titles(), QStringList{WriteFailureTitle()});
    QCOMPARE(f.store.written, MainPageWriteKeys());
    // The window shown after the first answer does not stay with a still bar.
    Form3 *waitWindow = page.waitWindow().loaded();
    QVERIFY(!waitWindow || !waitWindow->isVisible());
}

void TestGuiWrite::storeFailureAtWriteIsReportedOnce()
{
    Form1 &page = startWith({});
    PageFixture &f = *m_fixture;
    for (const char *key : {"tel2", "Check1"}) {
        QFile::remove(f.store.files().filePath(QLatin1String(key)));
        QDir(f.directory).mkdir(QLatin1String(key) + QLatin1String(".cck"));
    }

    clickAndWaitForTheUnit(button(page, "Command1"), 6);
    QCOMPARE(f.messages.all.size(), size_t(1));
    QVERIFY(f.messages.all[0].text.contains(QStringLiteral("tel2.cck")));
    QVERIFY(f.messages.all[0].text.contains(QStringLiteral("Check1.cck")));
    QCOMPARE(f.storedValue(QStringLiteral("tel1")), QString());
}

QTEST_MAIN(TestGuiWrite)
#include "test_gui_write.moc"
