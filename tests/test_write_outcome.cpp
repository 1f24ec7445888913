// The outcome line under a page's buttons describes the page as it was
// written: an edit afterwards says the page has changed since. Profiles
// exported and imported say where they are.
#include "page_on_unit.h"
#include "sensor_page.h"
#include "write_outcome.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestWriteOutcome : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void changedSinceTheWrite_data()
    {
        QTest::addColumn<bool>("sensorPage");
        QTest::newRow("main page") << false;
        QTest::newRow("sensor page") << true;
    }

    void changedSinceTheWrite()
    {
        QFETCH(bool, sensorPage);
        PageOnUnit fixture;
        MainPage &main = fixture.start();
        QWidget *page = &main;
        if (sensorPage) {
            fixture.find<QPushButton>(QStringLiteral("Command3"))->click();
            page = main.sensorPage();
        }
        auto *outcome = fixture.find<WriteOutcomeLabel>(QStringLiteral("WriteOutcome"), page);
        auto *write = fixture.find<QPushButton>(sensorPage ? QStringLiteral("Command2") : QStringLiteral("Command1"), page);
        auto *box = fixture.find<QLineEdit>(sensorPage ? QStringLiteral("Text2") : QStringLiteral("Text1"), page);
        box->setText(QStringLiteral("138"));  // before any write: nothing to say
        QVERIFY(outcome->text().isEmpty());
        write->click();
        const QString written = outcome->text();
        QVERIFY2(written.startsWith(QStringLiteral("已写入（")), qPrintable(written));
        QTest::keyClick(box, Qt::Key_1);
        QVERIFY2(outcome->text().startsWith(written) && outcome->text().contains(QStringLiteral("此后本页已修改")),
                 qPrintable(outcome->text()));
        QVERIFY(outcome->toolTip().startsWith(outcome->text()));
        write->click();
        QVERIFY(!outcome->text().contains(QStringLiteral("此后")));
    }

    // An export says where the profile went; an import names its file in
    // the page's title.
    void profileNotes()
    {
        PageOnUnit fixture;
        MainPage &page = fixture.start();
        const QString title = page.windowTitle();
        const QString profile = fixture.dir.filePath(QStringLiteral("car.json"));
        QVERIFY(page.exportProfile(profile, false));
        const QString note = fixture.find<WriteOutcomeLabel>(QStringLiteral("WriteOutcome"))->text();
        QVERIFY2(note.contains(profile), qPrintable(note));
        QCOMPARE(page.windowTitle(), title);
        QVERIFY(page.importProfile(profile));
        QVERIFY2(page.windowTitle().startsWith(title) && page.windowTitle().endsWith(QStringLiteral("car.json")),
                 qPrintable(page.windowTitle()));
    }
};

QTEST_MAIN(TestWriteOutcome)
#include "test_write_outcome.moc"
