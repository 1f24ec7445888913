// The batch window during a unit's write: a click on 写入下一台 made while
// the unit is written is dropped, not delivered afterwards as a request to
// write the next unit.
#include "batch_window.h"
#include "history_log.h"
#include "logged_unit.h"
#include "serial_link.h"
#include "test_support.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestBatchInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clickDuringAUnitIsDropped()
    {
        const QTemporaryDir dir;
        const QString cable = dir.filePath(QStringLiteral("tty"));
        LoggedUnit unit({"--link", cable});
        ComPortMap map;
        map.setOverride(1, cable);
        SerialLink link(map);
        RecordingMessages messages;
        NoWindowView view;
        HistoryLog history(dir.filePath(QStringLiteral("history.jsonl")));
        BatchWindow window({TypedMainPage(), TypedSensorPage()}, dir.filePath(QStringLiteral("car.json")), link,
                           messages, view, history);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        auto *next = window.findChild<QPushButton *>(QStringLiteral("WriteNextUnit"));
        const QPoint centre = next->rect().center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(next, new QMouseEvent(type, centre, next->mapToGlobal(centre), Qt::LeftButton,
                                                              Qt::LeftButton, Qt::NoModifier));
        next->click();
        QCoreApplication::processEvents();
        QCOMPARE(window.succeeded() + window.failed(), 1);
        QTest::mouseClick(next, Qt::LeftButton);  // a click after the write writes the next unit
        QCOMPARE(window.succeeded() + window.failed(), 2);
    }
};

QTEST_MAIN(TestBatchInput)
#include "test_batch_input.moc"
