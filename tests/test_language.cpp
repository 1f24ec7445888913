// The language a person reads: --lang, or else the system's locale, with
// Chinese when none is set; the texts of the windows beside the pages, of
// the command line and Qt's own buttons follow it, and so does what a screen
// reader is told of every control of both pages.
#include "command_line.h"
#include "language.h"
#include "page_alone.h"
#include "page_fields.h"
#include "page_style.h"
#include "profile_menu.h"
#include "sensor_page.h"
#include "validation.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

class TestLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choice_data()
    {
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("english");
        QTest::newRow("no locale set") << "" << "" << "" << QStringList{} << false;
        QTest::newRow("C") << "" << "" << "C" << QStringList{} << false;
        QTest::newRow("POSIX") << "" << "" << "POSIX" << QStringList{} << false;
        QTest::newRow("C.UTF-8") << "" << "" << "C.UTF-8" << QStringList{} << false;
        QTest::newRow("zh_CN.UTF-8") << "" << "" << "zh_CN.UTF-8" << QStringList{} << false;
        QTest::newRow("zh_TW.Big5") << "" << "" << "zh_TW.Big5" << QStringList{} << false;
        QTest::newRow("en_US.UTF-8") << "" << "" << "en_US.UTF-8" << QStringList{} << true;
        QTest::newRow("de_DE@euro") << "" << "" << "de_DE@euro" << QStringList{} << true;
        QTest::newRow("LC_MESSAGES before LANG") << "" << "en_GB.UTF-8" << "zh_CN.UTF-8" << QStringList{} << true;
        QTest::newRow("LC_ALL before LC_MESSAGES") << "C" << "en_US.UTF-8" << "en_US.UTF-8" << QStringList{} << false;
        QTest::newRow("--lang en before the locale") << "zh_CN.UTF-8" << "" << "" << QStringList{"--lang", "en"} << true;
        QTest::newRow("--lang zh before the locale") << "" << "" << "en_US.UTF-8" << QStringList{"--lang=zh"} << false;
        QTest::newRow("a refused --lang leaves the locale's")
            << "" << "" << "en_US.UTF-8" << QStringList{"--lang", "fr"} << true;
    }

    void choice()
    {
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(QStringList, arguments);
        QFETCH(bool, english);
#ifdef Q_OS_WIN
        if (arguments.isEmpty() || arguments.constLast() == QLatin1String("fr"))
            QSKIP("Windows takes the language from the user's settings, not from locale variables");
#endif
        const std::pair<const char *, QString> variables[] = {{"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}};
        for (const auto &[name, value] : variables) {
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, value.toUtf8());
        }
        const CommandLine options = ParseCommandLine(QStringList{"alarmcfg"} + arguments);
        QCOMPARE(options.language == Language::English, english);
    }

    // The main page's title and button, a validation message naming a field,
    // a window's texts beside the pages, the command line's help and Qt's own
    // button in one language, the untranslated Chinese nowhere in English;
    // the names of the pages' controls.
    void texts_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("zh") << false;
        QTest::newRow("en") << true;
    }

    void texts()
    {
        QFETCH(bool, english);
        const Translations translations(english ? Language::English : Language::Chinese);
        PageAlone alone;
        MainPage &mainPage = alone.page;
        MainPageValues typed = DefaultMainPage();
        typed.text[1] = QStringLiteral("12345x");
        QStringList texts{mainPage.windowTitle(),
                          mainPage.findChild<QPushButton *>(QStringLiteral("Command1"))->text(),
                          DescribeProblems(ValidateMainPage(typed))};

        QWidget page;
        const ProfileMenu menu(&page);
        texts << menu.fileMenu()->title();
        for (const QAction *action : menu.fileMenu()->actions()) {
            if (!action->isSeparator())
                texts << action->text();
        }
        const QMessageBox box(QMessageBox::Critical, QString(), QString(), QMessageBox::Ok);
        texts << box.button(QMessageBox::Ok)->text() << CommandLineHelp();
        for (const QString &text : texts)
            QVERIFY2(HasChinese(text) != english, qPrintable(text));

        // Each control of a field table, found on its page: a name no other
        // control of the page has, in the page's language; a text box is
        // named as its field is, number and all ("授权手机号码2").
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
                QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(where));
                names.insert(name);
                QVERIFY2(!(english && HasChinese(name)), qPrintable(where));
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

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
