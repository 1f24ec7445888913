// How the pages hold their shape, run once per screen (tests/screens): a
// paste over a box's limit says so without covering, shrinking or moving a
// box; each phone-number box shows its number; on a screen smaller than a page
// its write and exit buttons stay in sight and only the direction that needs
// it scrolls.
#include "multi_line_box.h"
#include "page_alone.h"
#include "page_fields.h"
#include "sensor_page.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace {

// Both pages shown, side by side.
struct Pages : PageAlone
{
    Pages()
    {
        page.show();
        page.findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        page.show();  // beside the sensor page, which hid it
    }
    SensorPage *sensor() const { return page.sensorPage(); }
};

// Every box of a field table, where it sits in its window.
QMap<QString, QRect> BoxPlaces(const QWidget &window, const FieldTable &table)
{
    QMap<QString, QRect> places;
    for (const Field &field : table) {
        if (!field.isText())
            continue;
        const auto *box = window.findChild<QWidget *>(field.controlName());
        places.insert(field.controlName(), QRect(box->mapTo(&window, QPoint(0, 0)), box->size()));
    }
    return places;
}

// The part of a widget the window shows, none of it scrolled away.
QRegion ShownPart(const QWidget &window, const QWidget &widget)
{
    return widget.visibleRegion().translated(widget.mapTo(&window, QPoint(0, 0)));
}

// The labels of the window shown over a box, by name.
QStringList LabelsOverBoxes(const QWidget &window, const QMap<QString, QRect> &boxes)
{
    QStringList over;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isVisibleTo(&window) || boxes.contains(label->parentWidget()->objectName()))
            continue;  // a box's own number lies inside it
        for (const QString &name : boxes.keys())
            if (ShownPart(window, *label).intersects(ShownPart(window, *window.findChild<QWidget *>(name))))
                over << label->objectName() + QLatin1String(" over ") + name;
    }
    return over;
}

void Paste(QWidget *box, const QString &text)
{
    QApplication::clipboard()->setText(text);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();  // the layouts settle
}

// A button wholly shown in its window and outside any scrolled part, so that
// no scrolling takes it out of sight.
bool WhollyInSight(const QPushButton &button)
{
    for (const QWidget *parent = button.parentWidget(); parent; parent = parent->parentWidget())
        if (qobject_cast<const QScrollArea *>(parent))
            return false;
    return button.visibleRegion() == QRegion(button.rect());
}

}  // namespace

class TestPageLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Pastes too long for each box, one after another: every box keeps its
    // place and size, and nothing the page says of them lies over a box.
    void pastesLeaveTheBoxesAlone()
    {
        Pages pages;
        const std::pair<QWidget *, const FieldTable *> windows[] = {{&pages.page, &MainPageFields()},
                                                                    {pages.sensor(), &SensorPageFields()}};
        for (const auto &[window, table] : windows) {
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QMap<QString, QRect> before = BoxPlaces(*window, *table);
            for (const Field &field : *table) {
                if (!field.isText())
                    continue;
                auto *box = window->findChild<QWidget *>(field.controlName());
                Paste(box, field.type == FieldType::PhoneNumber ? QStringLiteral("1380013800012345678901") : QString(90, u'长'));
                QCOMPARE(BoxPlaces(*window, *table), before);
                const QStringList over = LabelsOverBoxes(*window, before);
                QVERIFY2(over.isEmpty(), qPrintable(over.join(u',')));
                QVERIFY2(!box->toolTip().isEmpty(), field.control);
            }
        }
    }

    // Each phone-number box of the main page shows its number within its
    // group (1 to 6) inside it, the number its field's label ends with.
    void phoneBoxesShowTheirNumbers()
    {
        Pages pages;
        for (const Field &field : MainPageFields()) {
            if (field.type != FieldType::PhoneNumber)
                continue;
            const auto *box = pages.page.findChild<QLineEdit *>(field.controlName());
            const QString number = QString::number(field.profile.index + 1);
            QVERIFY(field.labelText().endsWith(number));
            const QList<QLabel *> inside = box->findChildren<QLabel *>();
            QCOMPARE(inside.size(), 1);
            QCOMPARE(inside.first()->text(), number);
            QVERIFY(box->rect().contains(inside.first()->geometry()));
            QVERIFY(box->textMargins().right() >= inside.first()->width());
        }
    }

    // Both pages on this screen: the write and exit buttons wholly in sight
    // without scrolling, the window on the screen, and no scroll bar across
    // where the screen is wide enough for the page.
    void buttonsStayInSight()
    {
        Pages pages;
        const QSize available = QGuiApplication::primaryScreen()->availableSize();
        const std::pair<QWidget *, QStringList> windows[] = {{&pages.page, {"Command1", "Command2"}},
                                                             {pages.sensor(), {"Command2", "Command3"}}};
        for (const auto &[window, buttons] : windows) {
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QVERIFY(window->width() <= available.width() && window->height() <= available.height());
            for (const QString &name : buttons)
                QVERIFY2(WhollyInSight(*window->findChild<QPushButton *>(name)), qPrintable(window->objectName() + u' ' + name));
            if (const auto *scroll = window->findChild<QScrollArea *>()) {
                const bool wideEnough = scroll->widget()->width() + scroll->verticalScrollBar()->sizeHint().width() <= available.width() - 10;
                QVERIFY(!(wideEnough && scroll->horizontalScrollBar()->isVisible()));
            }
        }
    }
};

QTEST_MAIN(TestPageLayout)
#include "test_page_layout.moc"
