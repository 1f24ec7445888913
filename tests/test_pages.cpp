#include "form2.h"
#include "form3.h"
#include "multi_line_box.h"
#include "page_test_support.h"
#include "typing_limit.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

void DestroyClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Types text as a keyboard with an input method would, any character.
void Type(QWidget *widget, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The named widgets that Tab visits, in order, from `first`.
QStringList FocusOrder(QWidget &page, const QString &first)
{
    QWidget *start = page.findChild<QWidget *>(first);
    QStringList names;
    for (QWidget *widget = start; names.isEmpty() || widget != start; widget = widget->nextInFocusChain())
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty())
            names.append(widget->objectName());
    return names;
}

QStringList Names(const QString &kind, std::initializer_list<int> numbers)
{
    QStringList names;
    for (int n : numbers)
        names.append(kind + QString::number(n));
    return names;
}

}  // namespace

// The three windows against a settings directory of their own, with
// pseudo-terminals standing in for the serial devices behind COM1 to COM4.
class TestPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstStartCreatesTheFilesAndShowsTheDefaults();
    void storedValuesComeBack();
    void storedComChoiceOpensItsPort_data();
    void storedComChoiceOpensItsPort();
    void portThatCannotBeOpenedIsReportedOnce();
    void unreadableSettingsFilesAreReportedOnceAndDefaulted();

    void endingStoresOnlyTheComOptions_data();
    void endingStoresOnlyTheComOptions();
    void sensorPageReplacesTheMainPageAndForgetsEdits_data();
    void sensorPageReplacesTheMainPageAndForgetsEdits();
    void focusOrders();

    void waitWindowRunsItsBarAndUnloads();

    void oneLineBoxesLimitTyping();
    void multiLineBoxCountsLineBreaksAsTwo();

private:
    std::unique_ptr<PseudoTerminals> m_terminals;
    std::unique_ptr<PageFixture> m_fixture;
};

void TestPages::init()
{
    m_terminals = std::make_unique<PseudoTerminals>(4);
    m_fixture = std::make_unique<PageFixture>(m_terminals->devices);
}

void TestPages::cleanup()
{
    m_fixture.reset();
    DestroyClosedWindows();
    m_terminals.reset();
}

void TestPages::firstStartCreatesTheFilesAndShowsTheDefaults()
{
    PageFixture &f = *m_fixture;
    Form1 &page = f.start();

    QStringList allKeys = MainPageWriteKeys() + ComOptionKeys();
    allKeys.sort();
    QCOMPARE(f.storedKeys(), allKeys);
    QVERIFY(f.messages.titles.isEmpty());
    MainPageValues defaults;
    defaults.text[7] = QStringLiteral("青山绿水");
    defaults.text[8] = QStringLiteral("白云深处");
    defaults.text[13] = QStringLiteral("春风化雨");
    defaults.text[14] = QStringLiteral("明月清泉");
    defaults.text[15] = QStringLiteral("秋水长天");
    defaults.text[16] = QStringLiteral("你的汽车被碰，请查看！");
    defaults.alarmMode = AlarmMode::SmsAndCall;
    QCOMPARE(page.values(), defaults);

    QCOMPARE(page.selectedCom(), 1);
    QCOMPARE(f.link.port().deviceName(), m_terminals->devices[0]);
    QVERIFY(f.link.port().isOpen());
    const QString status = f.find<QLabel>(QStringLiteral("PortStatus"))->text();
    QVERIFY2(status.contains(m_terminals->devices[0]) && status.contains(QStringLiteral("已打开")),
             qPrintable(status));
}

void TestPages::storedValuesComeBack()
{
    PageFixture &f = *m_fixture;
    f.storeValue(QStringLiteral("Text16"), QStringLiteral("第一行\r\n第二行"));
    f.storeValue(QStringLiteral("Check1"), QStringLiteral(" 1 "));
    f.storeValue(QStringLiteral("k1"), QStringLiteral("这条密语超过了十一个字的长度"));
    f.storeValue(QStringLiteral("tel1"), QStringLiteral("138 0013 8000"));
    f.storeValue(QStringLiteral("Text28"), QStringLiteral("02112345678"));
    for (const QString &key : Names(QStringLiteral("Option"), {5, 6, 7}))
        f.storeValue(key, QStringLiteral("False"));
    f.storeValue(QStringLiteral("Text15"), QStringLiteral("别的密码"));  // no field reads it
    Form1 &page = f.start();

    const MainPageValues values = page.values();
    QCOMPARE(values.text[16], QStringLiteral("第一行\r\n第二行"));
    QCOMPARE(f.find<MultiLineBox>(QStringLiteral("Text16"))->toPlainText(), QStringLiteral("第一行\n第二行"));
    QVERIFY(f.find<QCheckBox>(QStringLiteral("Check1"))->isChecked());
    QCOMPARE(values.check1, 1);
    QCOMPARE(values.text[7], QStringLiteral("这条密语超过了十一个字的长度"));  // shown whole
    QCOMPARE(values.text[1], QStringLiteral("138 0013 8000"));
    QCOMPARE(values.text[28], QStringLiteral("02112345678"));
    QCOMPARE(values.alarmMode, AlarmMode::None);
    for (const QString &name : Names(QStringLiteral("Option"), {5, 6, 7}))
        QVERIFY(!f.find<QRadioButton>(name)->isChecked());
    QCOMPARE(values.text[15], QStringLiteral("秋水长天"));
}

void TestPages::storedComChoiceOpensItsPort_data()
{
    QTest::addColumn<QStringList>("stored");  // Option1..Option4
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("port");
    QTest::newRow("COM3") << QStringList{"False", "False", "True", "False"} << 3 << 3;
    QTest::newRow("two stored, the higher wins") << QStringList{"False", "True", "False", "True"} << 4 << 4;
    QTest::newRow("none, COM1 stays open") << QStringList{"False", "False", "False", "False"} << 0 << 1;
    QTest::newRow("numbers") << QStringList{"0", "1", "0", "0"} << 2 << 2;
}

void TestPages::storedComChoiceOpensItsPort()
{
    QFETCH(QStringList, stored);
    QFETCH(int, selected);
    QFETCH(int, port);
    PageFixture &f = *m_fixture;
    for (int k = 0; k < 4; ++k)
        f.storeValue(ComOptionKeys()[k], stored[k]);
    Form1 &page = f.start();

    QCOMPARE(page.selectedCom(), selected);
    QCOMPARE(f.link.commPort(), port);
    QCOMPARE(f.link.port().deviceName(), m_terminals->devices[port - 1]);
    QVERIFY(f.link.port().isOpen());
    QVERIFY(f.messages.titles.isEmpty());
}

void TestPages::portThatCannotBeOpenedIsReportedOnce()
{
    const QString missing = QStringLiteral("/dev/alarmcfg-no-such-device");
    const QStringList &devices = m_terminals->devices;
    PageFixture f({missing, devices[1], missing});
    f.storeValue(QStringLiteral("Option3"), QStringLiteral("True"));
    f.start();

    // COM1 fails at every start; only the stored port's failure is reported.
    QCOMPARE(f.messages.texts.size(), 1);
    QVERIFY(f.messages.texts[0].contains(QStringLiteral("COM3")) && f.messages.texts[0].contains(missing));
    QVERIFY(!f.link.port().isOpen());
    QVERIFY(f.find<QLabel>(QStringLiteral("PortStatus"))->text().contains(QStringLiteral("未打开")));

    f.removeFiles();
    f.find<QRadioButton>(QStringLiteral("Option2"))->click();
    QCOMPARE(f.messages.texts.size(), 1);
    QCOMPARE(f.link.port().deviceName(), devices[1]);
    QVERIFY(f.link.port().isOpen());
    QVERIFY(f.storedKeys().isEmpty());  // a click is never stored

    PageFixture second({missing, devices[3]});
    second.storeValue(QStringLiteral("Option2"), QStringLiteral("True"));
    second.start();
    QVERIFY(second.messages.titles.isEmpty());
    QCOMPARE(second.link.port().deviceName(), devices[3]);
}

void TestPages::unreadableSettingsFilesAreReportedOnceAndDefaulted()
{
    PageFixture &f = *m_fixture;
    f.storeValue(QStringLiteral("Option6"), QStringLiteral("maybe"));
    QDir(f.directory).mkdir(QStringLiteral("k1.cck"));
    Form1 &page = f.start();

    QCOMPARE(f.messages.texts.size(), 1);
    QVERIFY(f.messages.texts[0].contains(QStringLiteral("k1.cck")));
    QVERIFY(f.messages.texts[0].contains(QStringLiteral("Option6.cck")));
    QCOMPARE(page.values().text[7], QStringLiteral("青山绿水"));
    QCOMPARE(page.values().alarmMode, AlarmMode::SmsAndCall);
}

void TestPages::endingStoresOnlyTheComOptions_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("main page 退    出") << "main exit" << ComOptionKeys();
    QTest::newRow("sensor page 退   出") << "sensor exit" << ComOptionKeys();
    QTest::newRow("main page's window frame") << "frame" << QStringList();
}

void TestPages::endingStoresOnlyTheComOptions()
{
    QFETCH(QString, how);
    QFETCH(QStringList, stored);
    PageFixture &f = *m_fixture;
    Form1 &page = f.start();
    page.show();
    QSignalSpy quit(&page, &Form1::quitRequested);
    f.find<QRadioButton>(QStringLiteral("Option3"))->click();
    f.find<QLineEdit>(QStringLiteral("Text7"))->setText(QStringLiteral("不存"));
    if (how == QLatin1String("sensor exit")) {
        f.find<QPushButton>(QStringLiteral("Command3"))->click();
        f.removeFiles();
        f.find<QPushButton>(QStringLiteral("Command3"), page.sensorPage())->click();
    } else {
        f.removeFiles();
        if (how == QLatin1String("frame"))
            page.close();
        else
            f.find<QPushButton>(QStringLiteral("Command2"))->click();
    }

    QCOMPARE(f.storedKeys(), stored);
    if (!stored.isEmpty()) {
        QCOMPARE(f.storedValue(QStringLiteral("Option1")), QStringLiteral("False"));
        QCOMPARE(f.storedValue(QStringLiteral("Option3")), QStringLiteral("True"));
    }
    QVERIFY(!f.link.port().isOpen());
    QCOMPARE(quit.count(), 1);
}

void TestPages::sensorPageReplacesTheMainPageAndForgetsEdits_data()
{
    QTest::addColumn<bool>("byWindowFrame");
    QTest::newRow("返回主页") << false;
    QTest::newRow("window frame") << true;
}

void TestPages::sensorPageReplacesTheMainPageAndForgetsEdits()
{
    QFETCH(bool, byWindowFrame);
    PageFixture &f = *m_fixture;
    Form1 &page = f.start();
    page.show();
    page.move(240, 130);
    f.removeFiles();
    f.find<QPushButton>(QStringLiteral("Command3"))->click();

    QPointer<Form2> sensorPage = page.sensorPage();
    QVERIFY(sensorPage && sensorPage->isVisible() && !page.isVisible());
    QCOMPARE(sensorPage->pos(), QPoint(240, 130) + Twips(page, 100, 100));
    QVERIFY(f.link.port().isOpen());
    QCOMPARE(f.storedKeys(), SensorPageKeys());
    const SensorPageValues stored = sensorPage->values();
    QCOMPARE(stored.text[1], QStringLiteral("你的汽车后备箱被人撬开，请查看！"));
    QCOMPARE(stored.text[19], QStringLiteral("10号无线传感器报警内容，请输入。"));
    QCOMPARE(stored.text[20], QString());

    f.find<MultiLineBox>(QStringLiteral("Text1"), sensorPage)->setPlainText(QStringLiteral("改过"));
    if (byWindowFrame)
        sensorPage->close();
    else
        f.find<QPushButton>(QStringLiteral("Command1"), sensorPage)->click();
    QVERIFY(page.isVisible());
    DestroyClosedWindows();
    QVERIFY(!sensorPage);
    QVERIFY(f.link.port().isOpen());

    f.find<QPushButton>(QStringLiteral("Command3"))->click();
    QCOMPARE(page.sensorPage()->values(), stored);
    QVERIFY(f.messages.titles.isEmpty());
}

void TestPages::focusOrders()
{
    PageFixture &f = *m_fixture;
    Form1 &page = f.start();
    const QString option = QStringLiteral("Option");
    const QString text = QStringLiteral("Text");
    const QString command = QStringLiteral("Command");
    QCOMPARE(FocusOrder(page, QStringLiteral("Option1")),
             Names(option, {1, 2, 3, 4})
                 + Names(text, {1, 2, 3, 4, 5, 6, 7, 8, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,
                                25, 26, 27, 28})
                 + Names(option, {5, 6, 7}) + Names(command, {1, 2, 3}) + QStringList{"Check1"});

    f.find<QPushButton>(QStringLiteral("Command3"))->click();
    QCOMPARE(FocusOrder(*page.sensorPage(), QStringLiteral("Text1")),
             Names(text, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20})
                 + Names(command, {1, 2, 3}));
}

void TestPages::waitWindowRunsItsBarAndUnloads()
{
    WaitWindowSlot slot;
    QPointer<Form3> window = &slot.use();
    QCOMPARE(window->progressBar()->maximum(), 13);
    window->showPainted();
    QTest::qWait(3 * Form3::kTickMs);
    QCOMPARE(window->progressBar()->value(), 0);  // still until the timer is switched on

    QList<int> steps;
    connect(window->progressBar(), &QProgressBar::valueChanged, [&steps](int value) { steps.append(value); });
    window->switchTimerOn();
    QTRY_VERIFY(!window);
    QCOMPARE(steps, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    QVERIFY(!slot.loaded());

    Form3 &again = slot.use();
    QCOMPARE(again.progressBar()->value(), 0);
    QVERIFY(!again.timer()->isActive());
}

void TestPages::oneLineBoxesLimitTyping()
{
    std::unique_ptr<QLineEdit> phrase(TextBox(QStringLiteral("Text7"), 11));
    Type(phrase.get(), QStringLiteral("一二三四五六七八九十壹贰"));
    QCOMPARE(phrase->text(), QStringLiteral("一二三四五六七八九十壹"));

    // A longer stored value is shown whole; it can be shortened, not lengthened.
    phrase->setText(QStringLiteral("一二三四五六七八九十壹贰叁"));
    QTest::keyClick(phrase.get(), Qt::Key_End);
    Type(phrase.get(), QStringLiteral("肆"));
    QCOMPARE(phrase->text().size(), 13);
    QTest::keyClick(phrase.get(), Qt::Key_Backspace);
    QCOMPARE(phrase->text().size(), 12);

    std::unique_ptr<QLineEdit> number(PhoneNumberBox(QStringLiteral("Text1")));
    Type(number.get(), QStringLiteral("+86 (138) 0013-8000x12345"));
    QCOMPARE(number->text(), QStringLiteral("86 (138) 0013-8000123"));  // 16 digits at most
    number->clear();
    Type(number.get(), QStringLiteral("（０２１）ab.CD"));
    QCOMPARE(number->text(), QStringLiteral("（０２１）ab.CD"));
}

void TestPages::multiLineBoxCountsLineBreaksAsTwo()
{
    MultiLineBox box(QStringLiteral("Text1"), 6);
    RemainingCounter counter(&box, RemainingCounter::Lines::One);
    Type(&box, QStringLiteral("一二三四"));
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.value(), QStringLiteral("一二三四\r\n"));
    QCOMPARE(counter.text(), QStringLiteral("剩余0字"));
    Type(&box, QStringLiteral("五"));
    QCOMPARE(box.value(), QStringLiteral("一二三四\r\n"));

    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Backspace);
    Type(&box, QStringLiteral("四五"));
    QTest::keyClick(&box, Qt::Key_Return);  // room for one character, not for a line break
    QCOMPARE(box.value(), QStringLiteral("一二三四五"));

    QTest::keyClick(&box, Qt::Key_Backspace);
    QApplication::clipboard()->setText(QStringLiteral("甲\n乙丙丁"));
    box.paste();
    QCOMPARE(box.value(), QStringLiteral("一二三四甲"));

    box.setValue(QStringLiteral("第一行\r\n第二行"));
    QCOMPARE(box.toPlainText(), QStringLiteral("第一行\n第二行"));
    QCOMPARE(counter.text(), QStringLiteral("超出2字"));
}

QTEST_MAIN(TestPages)
#include "test_pages.moc"
