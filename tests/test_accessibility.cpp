// What a screen reader is told of every control of both pages: a name of its
// own, from the field's row in the page's field table, in the page's language.
#include "language.h"
#include "page_fields.h"
#include "page_style.h"
#include "sensor_page.h"
#include "page_alone.h"
#include "test_support.h"

#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>
#include <QPushButton>
#include <QSet>
#include <QtTest>
#include <algorithm>

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyControlHasItsOwnName_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("zh") << false;
        QTest::newRow("en") << true;
    }

    // Each control of a field table, found on its page: a name no other
    // control of the page has, in the page's language; a text box is named
    // as its field is, number and all ("授权手机号码2").
    void everyControlHasItsOwnName()
    {
        QFETCH(bool, english);
        const Translations translations(english ? Language::English : Language::Chinese);
        PageAlone alone;
        MainPage &mainPage = alone.page;
        mainPage.findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        QVERIFY(mainPage.sensorPage());

        const std::pair<const QWidget *, const FieldTable *> pages[] = {{&mainPage, &MainPageFields()},
                                                                        {mainPage.sensorPage(), &SensorPageFields()}};
        for (const auto &[page, table] : pages) {
            QSet<QString> names;
            for (const Field &field : *table) {
                const auto *control = page->findChild<QWidget *>(field.controlName());
                QVERIFY2(control, field.control);
                const QString name = QAccessible::queryAccessibleInterface(const_cast<QWidget *>(control))->text(QAccessible::Name);
                const QString where = QStringLiteral("%1 %2: \"%3\"").arg(page->objectName(), field.controlName(), name);
                QVERIFY2(!name.isEmpty(), qPrintable(where));
                QVERIFY2(!names.contains(name), qPrintable(where));
                names.insert(name);
                const bool chinese = std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.script() == QChar::Script_Han; });
                QVERIFY2(!(english && chinese), qPrintable(where));
                if (field.isText())
                    QCOMPARE(name, field.labelText());
            }
            // A counter reads as its box's label.
            for (const QLabel *label : page->findChildren<QLabel *>(QRegularExpression(QStringLiteral("Remaining$"))))
                QCOMPARE(label->buddy() ? label->buddy()->objectName() + QLatin1String("Remaining") : QString(), label->objectName());
        }
        // The captions above a box: the alarm text's, and each sensor's text and number.
        QCOMPARE(mainPage.findChild<QLabel *>(QStringLiteral("Label9"))->buddy()->objectName(), QStringLiteral("Text16"));
        for (const Field &field : SensorPageFields())
            QCOMPARE(mainPage.sensorPage()->findChild<QLabel *>(NumberedName("Label", field.number()))->buddy(),
                     mainPage.sensorPage()->findChild<QWidget *>(field.controlName()));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
