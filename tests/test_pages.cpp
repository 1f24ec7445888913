// The three windows against a settings directory of their own, with
// pseudo-terminals behind COM1 to COM4 (the simulated unit at the far end
// where a test writes): start-up, navigation and exit, the boxes' typing
// limits, the write buttons end to end, and profiles imported and exported
// from the main page or opened from a file manager.
#include "block_layouts.h"
#include "message_box_sink.h"
#include "multi_line_box.h"
#include "page_on_unit.h"
#include "profile.h"
#include "profile_opening.h"
#include "profile_transfer.h"
#include "pseudo_terminal.h"
#include "sensor_page.h"
#include "twips.h"
#include "typing_limit.h"
#include "wait_window.h"
#include "write_outcome.h"
#include "write_sequences.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTest>

#include <deque>

namespace {

const QStringList kComOptions{"Option1", "Option2", "Option3", "Option4"};

// The main page shown, and no settings file left.
void ShowWithoutFiles(PageOnUnit &fixture)
{
    fixture.start().show();
    fixture.removeFiles();
}

// Types text as a keyboard with an input method would, any character.
void Type(QWidget *widget, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

}  // namespace

class TestPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Lines that open and never answer: a test that writes starts a unit.
    void init()
    {
        for (PseudoTerminal &line : m_lines) {
            QString error;
            QVERIFY2(line.open(&error), qPrintable(error));
            m_devices << line.devicePath();
        }
        m_fixture = std::make_unique<PageOnDevices>(m_devices);
    }

    void cleanup()
    {
        m_fixture.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // closed windows go
        for (PseudoTerminal &line : m_lines)
            line.close();
        m_devices.clear();
    }

    // Stored values come back, even those the boxes would not take; a file
    // that cannot be read gives its default, and one message names it.
    void storedValuesComeBack()
    {
        const QMap<QString, QString> stored{
            {"Text16", "第一行\r\n第二行"}, {"Check1", " 1 "}, {"k8", "这条密语超过了十一个字的长度"},
            {"tel1", "138 0013 8000"}, {"Text28", "02112345678"}, {"Option5", "False"}, {"Option6", "maybe"},
            {"Option7", "False"}, {"Text15", "别的密码"}};  // no field reads Text15
        MemoryStore same;  // what the store's restore, tested on its own, makes of them
        for (auto it = stored.begin(); it != stored.end(); ++it) {
            m_fixture->storeValue(it.key(), it.value());
            same.write(it.key(), it.value());
        }
        QDir(m_fixture->store.directory()).mkdir(QStringLiteral("k1.cck"));
        const MainPageValues values = m_fixture->start().values();
        QCOMPARE(values, RestoreMainPage(same).values);
        QCOMPARE(values.text[13], QStringLiteral("这条密语超过了十一个字的长度"));  // shown whole
        QCOMPARE(m_fixture->find<MultiLineBox>(QStringLiteral("Text16"))->toPlainText(), QStringLiteral("第一行\n第二行"));
        QCOMPARE(m_fixture->messages.texts.size(), 1);
        QVERIFY(m_fixture->messages.texts[0].contains(QStringLiteral("k1.cck")));
        QVERIFY(m_fixture->messages.texts[0].contains(QStringLiteral("Option6.cck")));
    }

    void startOpensTheStoredComChoice_data()
    {
        QTest::addColumn<QStringList>("stored");  // Option1..Option4
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("port");
        QTest::newRow("first start: nothing stored") << QStringList() << 1 << 1;
        QTest::newRow("COM3") << QStringList{"False", "False", "True", "False"} << 3 << 3;
        QTest::newRow("none, COM1 stays open") << QStringList{"False", "False", "False", "False"} << 0 << 1;
    }

    // The load creates every missing file, shows the defaults and opens the
    // port of the stored COM choice, without a message.
    void startOpensTheStoredComChoice()
    {
        QFETCH(QStringList, stored);
        QFETCH(int, selected);
        QFETCH(int, port);
        for (int k = 0; k < stored.size(); ++k)
            m_fixture->storeValue(kComOptions[k], stored[k]);
        MainPage &page = m_fixture->start();
        QCOMPARE(m_fixture->storedKeys().size(), 31);
        QCOMPARE(page.values(), DefaultMainPage());  // the store's defaults, which its own test pins
        QCOMPARE(page.selectedCom(), selected);
        QCOMPARE(m_fixture->link.commPort(), port);
        QCOMPARE(m_fixture->link.port().deviceName(), m_devices[port - 1]);
        const QString status = m_fixture->find<QLabel>(QStringLiteral("PortStatus"))->text();
        QVERIFY2(status.contains(m_devices[port - 1]) && status.contains(QStringLiteral("已打开")), qPrintable(status));
        QVERIFY(m_fixture->messages.titles.isEmpty());
    }

    void portThatCannotBeOpenedIsReportedOnce_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("named");
        QTest::newRow("a device that does not open") << 3 << "/dev/alarmcfg-no-such-device";
        QTest::newRow("an option without a device") << 4 << "COM4";
    }

    // COM1 fails at every start; only the stored port's failure is reported,
    // once the page is on the screen. A click on a working option opens it.
    void portThatCannotBeOpenedIsReportedOnce()
    {
        QFETCH(int, stored);
        QFETCH(QString, named);
        const QString missing = QStringLiteral("/dev/alarmcfg-no-such-device");
        m_fixture = std::make_unique<PageOnDevices>(QStringList{missing, m_devices[1], missing});
        m_fixture->storeValue(kComOptions[stored - 1], QStringLiteral("True"));
        MainPage &page = m_fixture->start();
        QVERIFY(m_fixture->messages.texts.isEmpty());
        page.show();
        QTRY_COMPARE(m_fixture->messages.texts.size(), 1);
        QVERIFY2(m_fixture->messages.texts[0].contains(QStringLiteral("COM%1").arg(stored))
                     && m_fixture->messages.texts[0].contains(named),
                 qPrintable(m_fixture->messages.texts[0]));
        QVERIFY(!m_fixture->link.port().isOpen());
        QVERIFY(m_fixture->find<QLabel>(QStringLiteral("PortStatus"))->text().contains(QStringLiteral("未打开")));

        m_fixture->removeFiles();
        m_fixture->find<QRadioButton>(QStringLiteral("Option2"))->click();
        QCOMPARE(m_fixture->messages.texts.size(), 1);
        QCOMPARE(m_fixture->link.port().deviceName(), m_devices[1]);
        QVERIFY(m_fixture->link.port().isOpen());
        QVERIFY(m_fixture->storedKeys().isEmpty());  // a click is never stored
    }

    // A message box goes over the page even when no window is active (the
    // window system has not activated the page yet), centred on it.
    void messageBoxOverThePage()
    {
        QWidget page;
        page.setAttribute(Qt::WA_ShowWithoutActivating);
        page.show();
        MessageBoxSink boxes;
        boxes.setPage(&page);
        QWidget *parent = nullptr;
        QTimer::singleShot(0, [&parent] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                parent = box->parentWidget();
                box->close();
            }
        });
        boxes.showError(QStringLiteral("串口设置"), QStringLiteral("COM2 没有对应的串口设备"));
        QCOMPARE(parent, &page);
    }

    // Adapters plugged in and pulled out while the page shows appear in the
    // status line and the COM options' tooltips; --port overrides stay. A
    // write that loses its adapter leaves the port disconnected, and the
    // next write goes to the adapter the option stands for then.
    void portFollowsTheHardware()
    {
        std::deque<LoggedUnit> units;  // they outlive the page
        PageOnDevices fixture({QString(), m_devices[3]});  // COM1 from the system's list
        auto listed = [&fixture](const LoggedUnit &unit) {
            fixture.listed = {SerialPortFacts{unit.device(), {}, {}, quint16(0x1a86), quint16(0x7523)}};
        };
        LoggedUnit &first = units.emplace_back(QStringList{"--unplug-after", "2"});
        listed(first);
        MainPage &page = fixture.start();
        page.show();
        QLabel *status = fixture.find<QLabel>(QStringLiteral("PortStatus"));
        QCOMPARE(status->text(), "COM1 → " + first.device() + " (CH340/CH341)\n已打开");

        fixture.find<QPushButton>(QStringLiteral("Command1"))->click();
        QVERIFY(status->text().endsWith(QStringLiteral("已断开")));

        fixture.listed.clear();
        Q_EMIT fixture.link.watch().portsChanged();  // as udev tells of the adapter pulled out
        QTRY_VERIFY_WITH_TIMEOUT(status->text().startsWith(QStringLiteral("COM1 → 无串口设备")), 10000);
        LoggedUnit &second = units.emplace_back();
        listed(second);
        Q_EMIT fixture.link.watch().portsChanged();
        QTRY_VERIFY_WITH_TIMEOUT(status->text().contains(second.device()), 10000);
        QCOMPARE(fixture.find<QRadioButton>(QStringLiteral("Option1"))->toolTip(), "COM1 → " + second.device() + " (CH340/CH341)");
        QCOMPARE(fixture.find<QRadioButton>(QStringLiteral("Option2"))->toolTip(), "COM2 → " + m_devices[3]);

        fixture.messages.texts.clear();
        fixture.find<QPushButton>(QStringLiteral("Command1"))->click();
        QTRY_COMPARE(second.bytes().size(), 6);
        QCOMPARE(fixture.messages.texts, QStringList());
        QVERIFY(status->text().endsWith(QStringLiteral("已打开")));
    }

    void endingStoresOnlyTheComOptions_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("main page 退    出") << "main exit" << kComOptions;
        QTest::newRow("sensor page 退   出") << "sensor exit" << kComOptions;
        QTest::newRow("main page's window frame") << "frame" << QStringList();
    }

    void endingStoresOnlyTheComOptions()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, stored);
        MainPage &page = m_fixture->start();
        page.show();
        QSignalSpy quit(&page, &MainPage::quitRequested);
        m_fixture->find<QRadioButton>(QStringLiteral("Option3"))->click();
        m_fixture->find<QLineEdit>(QStringLiteral("Text7"))->setText(QStringLiteral("不存"));
        if (how == QLatin1String("sensor exit"))
            m_fixture->find<QPushButton>(QStringLiteral("Command3"))->click();
        m_fixture->removeFiles();
        if (how == QLatin1String("frame"))
            page.close();
        else
            m_fixture->find<QPushButton>(how == QLatin1String("sensor exit") ? "Command3" : "Command2", page.sensorPage())->click();
        QCOMPARE(m_fixture->storedKeys(), stored);
        if (!stored.isEmpty()) {
            QCOMPARE(m_fixture->storedValue(QStringLiteral("Option1")), QStringLiteral("False"));
            QCOMPARE(m_fixture->storedValue(QStringLiteral("Option3")), QStringLiteral("True"));
        }
        QVERIFY(!m_fixture->link.port().isOpen());
        QCOMPARE(quit.count(), 1);
    }

    void sensorPageReplacesTheMainPageAndForgetsEdits_data()
    {
        QTest::addColumn<bool>("byWindowFrame");
        QTest::newRow("返回主页") << false;
        QTest::newRow("window frame") << true;
    }

    void sensorPageReplacesTheMainPageAndForgetsEdits()
    {
        QFETCH(bool, byWindowFrame);
        MainPage &page = m_fixture->start();
        page.show();
        page.move(240, 130);
        m_fixture->removeFiles();
        m_fixture->find<QPushButton>(QStringLiteral("Command3"))->click();
        QPointer<SensorPage> sensorPage = page.sensorPage();
        QVERIFY(sensorPage && sensorPage->isVisible() && !page.isVisible());
        QCOMPARE(sensorPage->pos(), QPoint(240, 130) + TwipsOffset(page, 100, 100));
        QVERIFY(m_fixture->link.port().isOpen());
        QCOMPARE(m_fixture->storedKeys().size(), 20);
        const SensorPageValues stored = sensorPage->values();
        MemoryStore defaults;
        QCOMPARE(stored, RestoreSensorPage(defaults));

        m_fixture->find<MultiLineBox>(QStringLiteral("Text1"), sensorPage)->setPlainText(QStringLiteral("改过"));
        if (byWindowFrame)
            sensorPage->close();
        else
            m_fixture->find<QPushButton>(QStringLiteral("Command1"), sensorPage)->click();
        QVERIFY(page.isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // closed windows go
        QVERIFY(!sensorPage);
        QVERIFY(m_fixture->link.port().isOpen());
        m_fixture->find<QPushButton>(QStringLiteral("Command3"))->click();
        QCOMPARE(page.sensorPage()->values(), stored);
        QVERIFY(m_fixture->messages.titles.isEmpty());
    }

    // Typing stops at what the unit can hold (pastes, which take the same
    // limits, are tested beside the pages); a longer stored value is shown
    // whole and can be shortened, not lengthened. A line break counts two.
    void boxesLimitTyping()
    {
        std::unique_ptr<QLineEdit> phrase(TextBox(QStringLiteral("Text7"), 11));
        phrase->setText(QStringLiteral("一二三四五六七八九十壹贰叁"));
        Type(phrase.get(), QStringLiteral("肆"));
        QCOMPARE(phrase->text().size(), 13);
        QTest::keyClick(phrase.get(), Qt::Key_Backspace);
        QCOMPARE(phrase->text().size(), 12);

        MultiLineBox box(QStringLiteral("Text1"), 6);
        RemainingCounter counter(&box, RemainingCounter::Lines::One);
        Type(&box, QStringLiteral("一二三四五"));
        QTest::keyClick(&box, Qt::Key_Return);  // room for one character, not for a line break
        QCOMPARE(box.value(), QStringLiteral("一二三四五"));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.value(), QStringLiteral("一二三四\r\n"));
        QCOMPARE(counter.text(), QStringLiteral("剩余0字"));
        box.setValue(QStringLiteral("第一行\r\n第二行"));
        QCOMPARE(counter.text(), QStringLiteral("超出2字"));
    }

    void writeButtons_data()
    {
        QTest::addColumn<bool>("sensorPage");
        QTest::addColumn<QStringList>("unitOptions");
        QTest::addColumn<int>("received");   // blocks the unit received
        QTest::addColumn<bool>("answered");  // every block answered: the wait window runs its bar
        QTest::newRow("main page, unit answers") << false << QStringList() << 6 << true;
        QTest::newRow("sensor page, unit answers") << true << QStringList() << 2 << true;
        QTest::newRow("sensor page, silent unit") << true << QStringList{"--silent"} << 1 << false;
        // The window shown after the first answer does not stay behind with a still bar.
        QTest::newRow("main page, silent for COMSMSA4") << false << QStringList{"--silent-for", "COMSMSA4"} << 6
                                                        << false;
    }

    // A write button clicked with the simulated unit behind COM1 returns once
    // the whole write has run: the blocks the unit received, the messages,
    // the files stored, and the wait window, placed from the main page even
    // while that is hidden.
    void writeButtons()
    {
        QFETCH(bool, sensorPage);
        QFETCH(QStringList, unitOptions);
        QFETCH(int, received);
        QFETCH(bool, answered);
        PageOnUnit f(unitOptions);
        ShowWithoutFiles(f);
        f.page->move(120, 60);
        QWidget *form = f.page.get();
        if (sensorPage) {
            f.find<QPushButton>(QStringLiteral("Command3"))->click();
            form = f.page->sensorPage();
            f.removeFiles();
        }
        f.find<MultiLineBox>(sensorPage ? "Text3" : "Text16", form)->setPlainText(QStringLiteral("有人\n进入"));
        f.find<QLineEdit>(sensorPage ? "Text20" : "Text1", form)->setText(QStringLiteral("138 0013 8000"));
        if (!sensorPage) {
            f.find<QRadioButton>(QStringLiteral("Option5"))->click();
            f.find<QCheckBox>(QStringLiteral("Check1"))->click();
        }
        QPushButton *write = f.find<QPushButton>(sensorPage ? "Command2" : "Command1", form);
        write->click();
        QVERIFY(write->isEnabled());
        QTRY_COMPARE(f.unit.bytes().size(), received);
        const QList<QByteArray> blocks =
            sensorPage ? SensorPageBlocks(f.page->sensorPage()->values()) : MainPageBlocks(f.page->values());
        QCOMPARE(f.unit.bytes(), blocks.mid(0, received));
        QCOMPARE(f.messages.titles, answered ? QStringList() : QStringList{"写入设置失败！"});
        QCOMPARE(f.storedKeys().size(), sensorPage ? 20 : 27);  // never the COM choice
        QCOMPARE(f.storedValue(sensorPage ? "SMS2" : "Text16"), QStringLiteral("有人\r\n进入"));
        // The write is in the history, as the window made it, with each block's outcome.
        const QList<WriteRecord> history = f.records();
        QCOMPARE(history.size(), 1);
        QCOMPARE(history[0].page, QString::fromLatin1(sensorPage ? "sensor" : "main"));
        QCOMPARE(history[0].origin.source, WindowSource());
        QCOMPARE(history[0].blocks.size(), received);
        QCOMPARE(history[0].succeeded(), answered);

        QPointer<WaitWindow> waitWindow = f.page->waitWindow().loaded();
        if (!answered) {
            QVERIFY(!waitWindow || !waitWindow->isVisible());
            return;
        }
        QVERIFY(waitWindow && waitWindow->isVisible() && waitWindow->timer()->isActive());
        QCOMPARE(waitWindow->pos(), QPoint(120, 60) + TwipsOffset(*f.page, 1999, 2300));
        QTRY_VERIFY(!waitWindow);
    }

    void closeDuringAWriteWaitsForIt_data()
    {
        QTest::addColumn<bool>("sensorPage");
        QTest::newRow("main page") << false;
        QTest::newRow("sensor page") << true;
    }

    // A window-system close that comes while a write runs (the wait window's
    // paint wait lets it in) is carried out only once the write has returned:
    // every block goes out on the open port, and the page is there to the end.
    void closeDuringAWriteWaitsForIt()
    {
        QFETCH(bool, sensorPage);
        PageOnUnit f;
        ShowWithoutFiles(f);
        MainPage &page = *f.page;
        QSignalSpy quit(&page, &MainPage::quitRequested);
        if (sensorPage)
            f.find<QPushButton>(QStringLiteral("Command3"))->click();
        QPointer<QWidget> form = sensorPage ? static_cast<QWidget *>(page.sensorPage()) : &page;
        // Both are delivered by the first event processing inside the write.
        QCoreApplication::postEvent(form->windowHandle(), new QCloseEvent);
        QStringList duringWrite;
        QObject probe;  // goes first, with the look if it was never delivered
        QMetaObject::invokeMethod(
            &probe,
            [&] {
                duringWrite << (f.link.port().isOpen() ? "port open" : "port closed")
                            << (form && form->isVisible() ? "page shown" : "page gone");
            },
            Qt::QueuedConnection);
        f.find<QPushButton>(sensorPage ? "Command2" : "Command1", form)->click();
        QCOMPARE(duringWrite, QStringList({"port open", "page shown"}));
        QTRY_COMPARE(f.unit.bytes().size(), sensorPage ? 2 : 6);
        QCOMPARE(f.messages.titles, QStringList());
        QVERIFY(!form || !form->isVisible());
        QCOMPARE(f.link.port().isOpen(), sensorPage);  // the sensor page's close keeps the port
        QCOMPARE(page.isVisible(), sensorPage);
        QCOMPARE(quit.count(), sensorPage ? 0 : 1);
    }

    void storeFailuresAtWriteAreReportedOnce()
    {
        PageOnUnit f;
        ShowWithoutFiles(f);
        for (const char *key : {"tel2", "Check1"})
            QDir(f.store.directory()).mkdir(QLatin1String(key) + QLatin1String(".cck"));
        f.find<QPushButton>(QStringLiteral("Command1"))->click();
        QCOMPARE(f.messages.texts.size(), 1);
        QVERIFY(f.messages.texts[0].contains(QStringLiteral("tel2.cck")));
        QVERIFY(f.messages.texts[0].contains(QStringLiteral("Check1.cck")));
        QCOMPARE(f.storedValue(QStringLiteral("tel1")), QString());
        QTRY_COMPARE(f.unit.bytes().size(), 6);
    }

    // A profile exported from one installation and imported into another
    // fills both pages and the store as if typed and written; the password
    // left out of it and the COM choice stay as they were. A profile the unit
    // could not take changes nothing, and one message names the file and field.
    void profiles()
    {
        PageOnDevices &from = *m_fixture;
        MainPage &page = from.start();
        from.find<QLineEdit>("Text3")->setText(QStringLiteral("139 0013 9000"));
        from.find<QLineEdit>("Text15")->setText(QStringLiteral("天下太平"));
        from.find<MultiLineBox>("Text16")->setValue(QStringLiteral("车被碰了\r\nCar hit"));
        from.find<QRadioButton>("Option5")->click();
        from.storeValue(QStringLiteral("Ttt4"), QStringLiteral("13800138000"));
        const QString path = from.dir.filePath(QStringLiteral("car.json"));
        const QString title = page.windowTitle();
        QVERIFY(page.exportProfile(path, false));
        QVERIFY(from.find<WriteOutcomeLabel>(QStringLiteral("WriteOutcome"))->text().contains(path));  // where it went
        QCOMPARE(page.windowTitle(), title);

        from.link.close();  // COM1 is the same device for both
        PageOnDevices to(m_devices);
        MainPage &other = to.start();
        to.removeFiles();
        QVERIFY(other.importProfile(path));
        QVERIFY(to.messages.texts.isEmpty());
        QVERIFY2(other.windowTitle().startsWith(title) && other.windowTitle().endsWith(QStringLiteral("car.json")),
                 qPrintable(other.windowTitle()));
        MainPageValues expected = page.values();
        expected.text[15] = QStringLiteral("秋水长天");
        QCOMPARE(other.values(), expected);
        QCOMPARE(to.storedValue(QStringLiteral("Text16")), QStringLiteral("车被碰了\r\nCar hit"));
        QCOMPARE(to.storedValue(QStringLiteral("Option5")), QStringLiteral("True"));
        QCOMPARE(to.storedValue(QStringLiteral("Ttt4")), QStringLiteral("13800138000"));
        QCOMPARE(to.storedKeys().size(), 27 + 20);  // both pages, not the COM choice

        Profile bad{page.values(), {}, false};
        bad.main.text[1] = QStringLiteral("+8613800138000");
        QVERIFY(WriteProfileFile(path, ProfileToJson(bad, false)).isEmpty());
        QVERIFY(!other.importProfile(path));
        QCOMPARE(to.messages.texts.size(), 1);
        QVERIFY2(to.messages.texts[0].contains(path) && to.messages.texts[0].contains("main.authorisedNumbers[0]"),
                 qPrintable(to.messages.texts[0]));
        QCOMPARE(other.values(), expected);
        QCOMPARE(to.storedValue(QStringLiteral("tel1")), QString());
    }

    // A profile opened from a file manager replaces the stored pass phrases
    // only when the user says so, and only once the stored settings were
    // kept, for their owner alone, as a profile to import again.
    void profileOpenedWhenAsked()
    {
        PageOnDevices &f = *m_fixture;
        MainPageValues values = TypedMainPage();
        values.text[7] = QStringLiteral("白云深处");  // Text7, the fuel cut
        f.store.ensureDirectory();
        StorePassPhrasesAndNumbers(f.store, values);
        values.text[7] = QStringLiteral("天下太平");
        const QString profile = f.dir.filePath(QStringLiteral("stranger.alarmcfg.json"));
        QVERIFY(WriteProfileFile(profile, ProfileToJson({values, TypedSensorPage(), false}, false)).isEmpty());
        MainPage &page = f.start();
        const QString backup = f.dir.filePath(QStringLiteral("woclc1k/before-import.alarmcfg.json"));
        for (const bool accepted : {false, true}) {
            f.messages.goOn = accepted;
            QCOMPARE(OpenProfileWhenAsked(page, f.store, f.messages, profile, backup), accepted);
            QVERIFY(f.messages.questions.constLast().contains(QStringLiteral("stranger.alarmcfg.json")));
            QCOMPARE(f.storedValue(QStringLiteral("k1")), accepted ? QStringLiteral("天下太平") : QStringLiteral("白云深处"));
            QCOMPARE(QFile::exists(backup), accepted);
        }
        QCOMPARE(f.messages.questions.size(), 2);
        const ProfileParse kept = ReadProfileFile(backup);
        QVERIFY(kept.profile);
        QCOMPARE(kept.profile->main.text[7], QStringLiteral("白云深处"));
        QCOMPARE(FileMode(backup), mode_t(0600));
        QVERIFY(f.messages.texts.isEmpty());
    }

private:
    PseudoTerminal m_lines[4];
    QStringList m_devices;  // behind COM1 to COM4
    std::unique_ptr<PageOnDevices> m_fixture;
};

QTEST_MAIN(TestPages)
#include "test_pages.moc"
