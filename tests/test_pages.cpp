#include "form2.h"
#include "form3.h"
#include "multi_line_box.h"
#include "page_test_support.h"
#include "page_write_view.h"
#include "settings_keys.h"
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

// The names of the widgets that Tab visits, in order, from `first`.
QStringList FocusOrder(QWidget &page, const QString &first)
{
    QWidget *start = page.findChild<QWidget *>(first);
    QStringList names;
    QWidget *widget = start;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty()
            && page.isAncestorOf(widget))
            names.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != start);
    return names;
}

// Types text as a keyboard with an input method would, any character.
void Type(QWidget *widget, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QStringList Names(const char *kind, std::initializer_list<int> numbers)
{
    QStringList names;
    for (int n : numbers)
        names.append(QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(n));
    return names;
}

}  // namespace

// The three windows against a settings directory of their own and
// pseudo-terminals standing in for the serial devices.
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
    void unreadableSettingsFileIsReportedOnceAndDefaulted();

    void exitsStoreTheComOptionsAndNothingElse_data();
    void exitsStoreTheComOptionsAndNothingElse();
    void closingTheMainPageEndsWithoutStoring();
    void sensorPageReplacesTheMainPageAndForgetsEdits_data();
    void sensorPageReplacesTheMainPageAndForgetsEdits();
    void focusOrders();

    void waitWindowRunsItsBarAndUnloads();
    void waitWindowIsPlacedFromTheMainPage();

    void boxesLimitTyping();
    void phoneNumberBoxTakesOnlyNumbers();
    void multiLineBoxCountsLineBreaksAsTwo();

private:
    std::unique_ptr<PseudoTerminals> m_terminals;
    std::unique_ptr<PageFixture> m_fixture;
};

void TestPages::init()
{
    m_terminals = std::make_unique<PseudoTerminals>(4);
    m_fixture = std::make_unique<PageFixture>(
        QStringList{m_terminals->device(0), m_terminals->device(1), m_terminals->device(2),
                    m_terminals->device(3)});
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

    for (const SettingsKey &field : kMainPageKeys)
        QVERIFY2(f.store.files().contains(QString::fromLatin1(field.key)), field.key);
    QCOMPARE(QDir(f.directory).entryList(QDir::Files).size(), 31);
    QVERIFY(f.messages.all.empty());

    MainPageValues defaults;
    defaults.text[7] = QStringLiteral("青山绿水");
    defaults.text[8] = QStringLiteral("白云深处");
    defaults.text[13] = QStringLiteral("春风化雨");
    defaults.text[14] = QStringLiteral("明月清泉");
    defaults.text[15] = QStringLiteral("秋水长天");
    defaults.text[16] = QStringLiteral("你的汽车被碰，请查看！");
    defaults.alarmMode = AlarmMode::SmsAndCall;
    defaults.check1 = 0;
    QCOMPARE(page.values(), defaults);

    QCOMPARE(page.selectedCom(), 1);
    QCOMPARE(f.link.commPort(), 1);
    QVERIFY(f.link.port().isOpen());
    const QString status = f.find<QLabel>(page, QStringLiteral("PortStatus"))->text();
    QVERIFY2(status.contains(m_terminals->device(0)) && status.contains(QStringLiteral("已打开")),
             qPrintable(status));

    QCOMPARE(page.windowTitle(), QStringLiteral("  GSM车载防盗报警器设置软件 V1.0"));
    QCOMPARE(f.find<QPushButton>(page, QStringLiteral("Command2"))->text(), QStringLiteral("退    出"));
    QCOMPARE(page.size(), QSize(Twips(page, 9030, 7650).x(), Twips(page, 9030, 7650).y()));
}

void TestPages::storedValuesComeBack()
{
    PageFixture &f = *m_fixture;
    f.storeValue(QStringLiteral("Text16"), QStringLiteral("第一行\r\n第二行"));
    f.storeValue(QStringLiteral("Check1"), QStringLiteral(" 1 "));
    f.storeValue(QStringLiteral("k1"), QStringLiteral("这条密语超过了十一个字的长度"));
    f.storeValue(QStringLiteral("tel1"), QStringLiteral("138 0013 8000"));
    f.storeValue(QStringLiteral("Text28"), QStringLiteral("02112345678"));
    for (const char *key : {"Option5", "Option6", "Option7"})
        f.storeValue(QString::fromLatin1(key), QStringLiteral("False"));
    f.storeValue(QStringLiteral("Text15"), QStringLiteral("别的密码"));  // no field reads it
    Form1 &page = f.start();

    const MainPageValues values = page.values();
    QCOMPARE(values.text[16], QStringLiteral("第一行\r\n第二行"));
    QCOMPARE(f.find<MultiLineBox>(page, QStringLiteral("Text16"))->toPlainText(),
             QStringLiteral("第一行\n第二行"));
    QCOMPARE(values.check1, 1);
    QVERIFY(f.find<QCheckBox>(page, QStringLiteral("Check1"))->isChecked());
    QCOMPARE(values.text[7], QStringLiteral("这条密语超过了十一个字的长度"));  // shown whole
    QCOMPARE(values.text[1], QStringLiteral("138 0013 8000"));
    QCOMPARE(values.text[28], QStringLiteral("02112345678"));
    QCOMPARE(values.alarmMode, AlarmMode::None);
    for (const QString &name : Names("Option", {5, 6, 7}))
        QVERIFY(!f.find<QRadioButton>(page, name)->isChecked());
    QCOMPARE(values.text[15], QStringLiteral("秋水长天"));
    QVERIFY(f.messages.all.empty());
}

void TestPages::storedComChoiceOpensItsPort_data()
{
    QTest::addColumn<QStringList>("stored");  // Option1..Option4
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("port");
    QTest::newRow("COM1 as by default") << QStringList{"True", "False", "False", "False"} << 1 << 1;
    QTest::newRow("COM3") << QStringList{"False", "False", "True", "False"} << 3 << 3;
    QTest::newRow("two stored, the higher wins") << QStringList{"False", "True", "False", "True"} << 4 << 4;
    QTest::newRow("none selected, COM1 stays open") << QStringList{"False", "False", "False", "False"} << 0 << 1;
    QTest::newRow("numbers count as well") << QStringList{"0", "1", "0", "0"} << 2 << 2;
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
    QVERIFY(f.link.port().isOpen());
    QCOMPARE(f.link.port().deviceName(), m_terminals->device(port - 1));
    QVERIFY(f.messages.all.empty());
}

void TestPages::portThatCannotBeOpenedIsReportedOnce()
{
    const QString missing = QStringLiteral("/dev/alarmcfg-no-such-device");
    PageFixture f({missing, m_terminals->device(1), missing, m_terminals->device(3)});
    f.storeValue(QStringLiteral("Option1"), QStringLiteral("False"));
    f.storeValue(QStringLiteral("Option3"), QStringLiteral("True"));
    Form1 &page = f.start();
    f.store.written.clear();

    // COM1 fails at every start; only the stored port's failure is worth a message.
    QCOMPARE(f.messages.all.size(), size_t(1));
    QVERIFY(f.messages.all[0].text.contains(missing));
    QVERIFY(f.messages.all[0].text.contains(QStringLiteral("COM3")));
    QVERIFY(!f.link.port().isOpen());
    QVERIFY(f.find<QLabel>(page, QStringLiteral("PortStatus"))->text().contains(QStringLiteral("未打开")));

    f.find<QRadioButton>(page, QStringLiteral("Option2"))->click();
    QCOMPARE(f.messages.all.size(), size_t(1));
    QCOMPARE(f.link.port().deviceName(), m_terminals->device(1));
    QVERIFY(f.link.port().isOpen());
    QVERIFY(f.store.written.isEmpty());  // a click is never stored

    PageFixture second({missing, m_terminals->device(3)});
    second.storeValue(QStringLiteral("Option2"), QStringLiteral("True"));
    second.start();
    QVERIFY(second.messages.all.empty());
    QCOMPARE(second.link.commPort(), 2);
}

void TestPages::unreadableSettingsFileIsReportedOnceAndDefaulted()
{
    PageFixture &f = *m_fixture;
    f.storeValue(QStringLiteral("k1"), QStringLiteral("ignored"));
    QFile::remove(f.store.files().filePath(QStringLiteral("k1")));
    QDir(f.directory).mkdir(QStringLiteral("k1.cck"));
    f.storeValue(QStringLiteral("Option6"), QStringLiteral("maybe"));
    Form1 &page = f.start();

    QCOMPARE(f.messages.all.size(), size_t(1));
    QVERIFY(f.messages.all[0].text.contains(QStringLiteral("k1.cck")));
    QVERIFY(f.messages.all[0].text.contains(QStringLiteral("Option6.cck")));
    QCOMPARE(page.values().text[7], QStringLiteral("青山绿水"));
    QCOMPARE(page.values().alarmMode, AlarmMode::SmsAndCall);
}

void TestPages::exitsStoreTheComOptionsAndNothingElse_data()
{
    QTest::addColumn<bool>("fromSensorPage");
    QTest::newRow("main page 退    出") << false;
    QTest::newRow("sensor page 退   出") << true;
}

void TestPages::exitsStoreTheComOptionsAndNothingElse()
{
    QFETCH(bool, fromSensorPage);
    PageFixture &f = *m_fixture;
    Form1 &page = f.start();
    f.store.written.clear();
    QSignalSpy quit(&page, &Form1::quitRequested);
    f.find<QRadioButton>(page, QStringLiteral("Option3"))->click();
    f.find<QLineEdit>(page, QStringLiteral("Text7"))->setText(QStringLiteral("不存"));
    if (fromSensorPage) {
        f.find<QPushButton>(page, QStringLiteral("Command3"))->click();
        f.store.written.clear();  // the sensor page's first load writes its defaults
        Form2 *sensorPage = page.sensorPage();
        QCOMPARE(f.find<QPushButton>(*sensorPage, QStringLiteral("Command3"))->text(),
                 QStringLiteral("退   出"));
        f.find<QPushButton>(*sensorPage, QStringLiteral("Command3"))->click();
    } else {
        f.find<QPushButton>(page, QStringLiteral("Command2"))->click();
    }

    QCOMPARE(f.store.written, ComOptionKeys());
    QCOMPARE(f.storedValue(QStringLiteral("Option1")), QStringLiteral("False"));
    QCOMPARE(f.storedValue(QStringLiteral("Option3")), QStringLiteral("True"));
    QCOMPARE(f.storedValue(QStringLiteral("k1")), QStringLiteral("青山绿水"));
    QVERIFY(!f.link.port().isOpen());
    QCOMPARE(quit.count(), 1);
}

void TestPages::closingTheMainPageEndsWithoutStoring()
{
    PageFixture &f = *m_fixture;
    Form1 &page = f.start();
    f.store.written.clear();
    page.show();
    QSignalSpy quit(&page, &Form1::quitRequested);
    f.find<QRadioButton>(page, QStringLiteral("Option2"))->click();
    page.close();

    QVERIFY(f.store.written.isEmpty());
    QCOMPARE(f.storedValue(QStringLiteral("Option1")), QStringLiteral("True"));
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
    f.find<QPushButton>(page, QStringLiteral("Command3"))->click();

    QPointer<Form2> sensorPage = page.sensorPage();
    QVERIFY(sensorPage && sensorPage->isVisible());
    QVERIFY(!page.isVisible());
    QCOMPARE(sensorPage->pos(), page.pos() + Twips(page, 100, 100));
    QCOMPARE(sensorPage->windowTitle(), QStringLiteral("  无线报警传感器内容设置"));
    QVERIFY(f.link.port().isOpen());
    for (const QString &key : SensorPageKeys())
        QVERIFY2(f.store.files().contains(key), qPrintable(key));
    SensorPageValues defaults = sensorPage->values();
    QCOMPARE(defaults.text[1], QStringLiteral("你的汽车后备箱被人撬开，请查看！"));
    QCOMPARE(defaults.text[2], QString());
    QCOMPARE(defaults.text[19], QStringLiteral("10号无线传感器报警内容，请输入。"));

    f.find<MultiLineBox>(*sensorPage, QStringLiteral("Text1"))->setPlainText(QStringLiteral("改过"));
    if (byWindowFrame)
        sensorPage->close();
    else
        f.find<QPushButton>(*sensorPage, QStringLiteral("Command1"))->click();
    QVERIFY(page.isVisible());
    DestroyClosedWindows();
    QVERIFY(!sensorPage);
    QVERIFY(f.link.port().isOpen());

    f.find<QPushButton>(page, QStringLiteral("Command3"))->click();
    QCOMPARE(page.sensorPage()->values(), defaults);
    QVERIFY(f.messages.all.empty());
}

void TestPages::focusOrders()
{
    PageFixture &f = *m_fixture;
    Form1 &page = f.start();
    const QStringList mainOrder = Names("Option", {1, 2, 3, 4})
        + Names("Text", {1, 2, 3, 4, 5, 6, 7, 8, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28})
        + Names("Option", {5, 6, 7}) + Names("Command", {1, 2, 3}) + QStringList{"Check1"};
    QCOMPARE(FocusOrder(page, QStringLiteral("Option1")), mainOrder);

    f.find<QPushButton>(page, QStringLiteral("Command3"))->click();
    QStringList sensorOrder;
    for (int n = 1; n <= 20; ++n)
        sensorOrder.append(QStringLiteral("Text%1").arg(n));
    sensorOrder += Names("Command", {1, 2, 3});
    QCOMPARE(FocusOrder(*page.sensorPage(), QStringLiteral("Text1")), sensorOrder);
}

void TestPages::waitWindowRunsItsBarAndUnloads()
{
    WaitWindowSlot slot;
    QPointer<Form3> window = &slot.use();
    QCOMPARE(window->windowTitle(), QStringLiteral("通信等待,请稍后...."));
    QCOMPARE(window->progressBar()->objectName(), QStringLiteral("ProgressBar1"));
    QCOMPARE(window->progressBar()->minimum(), 0);
    QCOMPARE(window->progressBar()->maximum(), 13);
    QCOMPARE(window->progressBar()->value(), 0);
    QVERIFY(!window->timer()->isActive());

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

void TestPages::waitWindowIsPlacedFromTheMainPage()
{
    PageFixture &f = *m_fixture;
    Form1 &page = f.start();
    page.show();
    page.move(300, 40);
    f.find<QPushButton>(page, QStringLiteral("Command3"))->click();  // the main page hides
    Form2 *sensorPage = page.sensorPage();
    PageWriteView view(page, page.waitWindow(), *f.find<QPushButton>(*sensorPage, QStringLiteral("Command2")));

    view.placeWaitWindow();
    view.showWaitWindow();
    Form3 *window = page.waitWindow().loaded();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->pos(), QPoint(300, 40) + Twips(page, 1999, 2300));
    view.closeWaitWindow();
    QVERIFY(!window->isVisible());
}

void TestPages::boxesLimitTyping()
{
    QLineEdit *phrase = TextBox(QStringLiteral("Text7"), 11);
    Type(phrase, QStringLiteral("一二三四五六七八九十壹贰"));
    QCOMPARE(phrase->text(), QStringLiteral("一二三四五六七八九十壹"));

    // A longer stored value is shown whole; it can be shortened, never lengthened.
    phrase->setText(QStringLiteral("一二三四五六七八九十壹贰叁"));
    QTest::keyClick(phrase, Qt::Key_End);
    Type(phrase, QStringLiteral("肆"));
    QCOMPARE(phrase->text().size(), 13);
    QTest::keyClick(phrase, Qt::Key_Backspace);
    QCOMPARE(phrase->text(), QStringLiteral("一二三四五六七八九十壹贰"));
    delete phrase;

    QLineEdit *password = TextBox(QStringLiteral("Text15"), 4);
    Type(password, QStringLiteral("春夏秋冬雪"));
    QCOMPARE(password->text(), QStringLiteral("春夏秋冬"));
    delete password;
}

void TestPages::phoneNumberBoxTakesOnlyNumbers()
{
    QLineEdit *number = PhoneNumberBox(QStringLiteral("Text1"));
    Type(number, QStringLiteral("+86 (138) 0013-8000x"));
    QCOMPARE(number->text(), QStringLiteral("86 (138) 0013-8000"));
    Type(number, QStringLiteral("12345"));  // 16 digits at most
    QCOMPARE(number->text(), QStringLiteral("86 (138) 0013-8000123"));
    number->clear();
    Type(number, QStringLiteral("（０２１）ab.CD"));
    QCOMPARE(number->text(), QStringLiteral("（０２１）ab.CD"));
    delete number;
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
    QTest::keyClick(&box, Qt::Key_Return);  // room for one more character, not a line break
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
