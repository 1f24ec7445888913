// What keys and clicks do around a write: the focus goes back to the write
// button, input made during a write is dropped, a refused write points at
// its boxes, and the batch window answers Enter.
#include "batch_window.h"
#include "page_on_unit.h"
#include "profile.h"
#include "sensor_page.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestWriteKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enterTwiceWritesTwice_data()
    {
        QTest::addColumn<bool>("sensorPage");
        QTest::newRow("main page") << false;
        QTest::newRow("sensor page") << true;
    }

    // Enter, Enter on the focused write button writes twice; the focus is
    // back on the button after each write, not on 退出.
    void enterTwiceWritesTwice()
    {
        QFETCH(bool, sensorPage);
        PageOnUnit fixture;
        MainPage &main = fixture.start();
        QSignalSpy quit(&main, &MainPage::quitRequested);
        main.show();
        QWidget *page = &main;
        if (sensorPage) {
            fixture.find<QPushButton>(QStringLiteral("Command3"))->click();
            page = main.sensorPage();
        }
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page));
        auto *write = fixture.find<QPushButton>(sensorPage ? QStringLiteral("Command2") : QStringLiteral("Command1"), page);
        write->setFocus();
        for (int press = 0; press < 2; ++press)
            QTest::keyClick(page->focusWidget(), Qt::Key_Return);
        QCOMPARE(page->focusWidget(), write);
        QCOMPARE(fixture.records().size(), 2);
        QVERIFY(quit.isEmpty());
        QVERIFY(page->isVisible());
    }

    // Keys and clicks queued while the write runs are dropped as it ends:
    // nothing typed, no second write.
    void inputDuringAWriteIsDropped()
    {
        PageOnUnit fixture;
        MainPage &page = fixture.start();
        page.show();
        auto *box = fixture.find<QLineEdit>(QStringLiteral("Text1"));
        auto *write = fixture.find<QPushButton>(QStringLiteral("Command1"));
        const QString before = box->text();
        QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyPress, Qt::Key_9, Qt::NoModifier, QStringLiteral("9")));
        const QPoint centre = write->rect().center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(write, new QMouseEvent(type, centre, write->mapToGlobal(centre), Qt::LeftButton,
                                                               Qt::LeftButton, Qt::NoModifier));
        write->click();
        QCoreApplication::processEvents();
        QCOMPARE(box->text(), before);
        QCOMPARE(fixture.records().size(), 1);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_9);  // input after the write goes in
        QCOMPARE(box->text(), before + u'9');
    }

    // A refused write puts the focus in the first box it names and marks
    // every box it names until that box is edited.
    void refusedWritePointsAtItsBoxes()
    {
        PageOnUnit fixture;
        MainPage &page = fixture.start();
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        auto *first = fixture.find<QLineEdit>(QStringLiteral("Text2"));
        auto *second = fixture.find<QLineEdit>(QStringLiteral("Text20"));
        first->setText(QStringLiteral("+86 138"));
        second->setText(QStringLiteral("x"));
        auto *write = fixture.find<QPushButton>(QStringLiteral("Command1"));
        write->setFocus();
        write->click();
        QCOMPARE(fixture.messages.texts.size(), 1);
        QCOMPARE(QApplication::focusWidget(), first);
        QVERIFY(first->property("refused").toBool() && second->property("refused").toBool());
        QVERIFY(!fixture.find<QLineEdit>(QStringLiteral("Text1"))->property("refused").toBool());
        QTest::keyClick(first, Qt::Key_Backspace);
        QVERIFY(!first->property("refused").toBool());
        QVERIFY(second->property("refused").toBool());
    }

    // The batch window opens on 写入下一台, says where it will write before
    // the first unit, and Enter writes the next unit.
    void batchWindowTakesEnter()
    {
        PageOnUnit fixture;
        const QString profile = fixture.dir.filePath(QStringLiteral("car.json"));
        QVERIFY(WriteProfileFile(profile, ProfileToJson({TypedMainPage(), TypedSensorPage(), true}, true)).isEmpty());
        const std::optional<UnitPages> pages = BatchPages(profile, QString(), fixture.messages);
        QVERIFY(pages);
        NoWindowView view;
        BatchWindow window(*pages, profile, fixture.link, fixture.messages, view, fixture.history);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        const QString target = window.findChild<QLabel *>(QStringLiteral("BatchTarget"))->text();
        QVERIFY2(target.contains(QStringLiteral("COM1")) && target.contains(fixture.unit.device()), qPrintable(target));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *next = window.findChild<QPushButton *>(QStringLiteral("WriteNextUnit"));
        QCOMPARE(QApplication::focusWidget(), next);
        QTest::keyClick(next, Qt::Key_Return);
        QCOMPARE(window.succeeded(), 1);
        QCOMPARE(QApplication::focusWidget(), next);
    }
};

QTEST_MAIN(TestWriteKeys)
#include "test_write_keys.moc"
