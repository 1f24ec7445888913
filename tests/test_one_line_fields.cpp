// A one-line field never carries a line break: its box takes none, and
// validation refuses one that came from a profile or a settings file, so
// what is sent, stored and shown again is one and the same line.
#include "file_store.h"
#include "page_fields.h"
#include "profile.h"
#include "settings_file.h"
#include "test_support.h"
#include "typing_limit.h"
#include "validation.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList ControlsOf(const QList<ValidationProblem> &problems)
{
    QStringList controls;
    for (const ValidationProblem &problem : problems)
        controls << problem.control;
    return controls;
}

}  // namespace

class TestOneLineFields : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineBreaksAreRefused_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("LF at the end, as pasted") << QStringLiteral("芝麻开门\n");
        QTest::newRow("CR LF at the end") << QStringLiteral("芝麻开门\r\n");
        QTest::newRow("CR inside") << QStringLiteral("芝麻\r开门");
    }

    // Every one-line field of the main page, from the page and from a profile.
    void lineBreaksAreRefused()
    {
        QFETCH(QString, value);
        for (const Field &field : MainPageFields()) {
            if (field.type != FieldType::OneLineText)
                continue;
            MainPageValues values = DefaultMainPage();
            values.text[field.number()] = value;
            QCOMPARE(ControlsOf(ValidateMainPage(values)), QStringList{field.controlName()});
            const ProfileParse parse = ParseProfile(ProfileToJson({values, TypedSensorPage(), true}, true));
            QVERIFY(!parse.profile);
            QCOMPARE(parse.problems.size(), 1);
        }
    }

    // A pass phrase stored as two lines is restored whole, and refused: the
    // page no longer shows one line while the store keeps two.
    void storedLineBreakIsRefused()
    {
        QTemporaryDir temp;
        FileStore store(temp.path());
        QVERIFY(WriteBytes(store.filePath("k1"), FormatSettingsFile(QStringLiteral("芝麻开门\n")).value()));
        const MainPageValues values = RestoreMainPage(store).values;
        QCOMPARE(values.text[FieldOf(MainPageFields(), "Text7").number()], QStringLiteral("芝麻开门\n"));
        QCOMPARE(ControlsOf(ValidateMainPage(values)), QStringList{"Text7"});
    }

    void pasteTakesNoLineBreak_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("pass phrase, LF at the end") << false << "芝麻开门\n" << "芝麻开门";
        QTest::newRow("pass phrase, CR LF at the end") << false << "芝麻开门\r\n" << "芝麻开门";
        QTest::newRow("pass phrase, two lines") << false << "芝麻\n开门" << "芝麻";
        QTest::newRow("phone number, LF at the end") << true << "13800138000\n" << "13800138000";
    }

    // A QLineEdit keeps the line breaks of a paste and shows them as blanks.
    void pasteTakesNoLineBreak()
    {
        QFETCH(bool, phone);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        const std::unique_ptr<QLineEdit> box(phone ? PhoneNumberBox(QStringLiteral("Text1"))
                                                   : TextBox(QStringLiteral("Text7"), 11));
        QApplication::clipboard()->setText(pasted);
        box->paste();
        QCOMPARE(box->text(), kept);
    }
};

QTEST_MAIN(TestOneLineFields)
#include "test_one_line_fields.moc"
