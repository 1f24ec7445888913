// What keys and clicks do around a write: the focus goes back to the write
// button, the outcome line follows edits, input made during a write is
// dropped, and a refused write points at its boxes.
#include "page_on_unit.h"
#include "sensor_page.h"
#include "write_outcome.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

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
    // back on the button after each write, not on 退出. The outcome line
    // describes the page as it was written: an edit afterwards says the page
    // has changed since, until the next write.
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
        auto *outcome = fixture.find<WriteOutcomeLabel>(QStringLiteral("WriteOutcome"), page);
        auto *box = fixture.find<QLineEdit>(sensorPage ? QStringLiteral("Text2") : QStringLiteral("Text1"), page);
        box->setText(QStringLiteral("138"));  // before any write: nothing to say
        QVERIFY(outcome->text().isEmpty());
        auto *write = fixture.find<QPushButton>(sensorPage ? QStringLiteral("Command2") : QStringLiteral("Command1"), page);
        write->setFocus();
        QTest::keyClick(page->focusWidget(), Qt::Key_Return);
        QCOMPARE(page->focusWidget(), write);
        const QString written = outcome->text();
        QVERIFY2(written.startsWith(QStringLiteral("已写入（")), qPrintable(written));
        QTest::keyClick(box, Qt::Key_1);
        QVERIFY2(outcome->text().startsWith(written) && outcome->text().contains(QStringLiteral("此后本页已修改")),
                 qPrintable(outcome->text()));
        QVERIFY(outcome->toolTip().startsWith(outcome->text()));
        QTest::keyClick(page->focusWidget(), Qt::Key_Return);
        QCOMPARE(page->focusWidget(), write);
        QVERIFY(!outcome->text().contains(QStringLiteral("此后")));
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
};

QTEST_MAIN(TestWriteKeys)
#include "test_write_keys.moc"
