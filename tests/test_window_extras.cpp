// What surrounds the pages, each piece on its own: the keyboard rules and
// the menu's keys, pastes longer than a box holds or with line breaks, a
// window kept on a small screen, the history window and the batch window
// against simulated units.
#include "batch_window.h"
#include "history_dialog.h"
#include "history_log.h"
#include "history_reading.h"
#include "keyboard_rules.h"
#include "multi_line_box.h"
#include "profile.h"
#include "profile_menu.h"
#include "screen_fit.h"
#include "serial_link.h"
#include "test_support.h"
#include "typing_limit.h"
#include "logged_unit.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QSignalSpy>
#include <QTest>

namespace {

// A page with a menu, a one-line box, a multi-line box and a button, shown
// and active so that its shortcuts work.
struct KeyPage
{
    KeyPage()
        : menu(new ProfileMenu(&page)),
          line(TextBox(QStringLiteral("Text7"), 11)),
          multi(new MultiLineBox(QStringLiteral("Text16"), 70)),
          button(new QPushButton(QStringLiteral("返回主页")))
    {
        auto *layout = new QVBoxLayout(&page);
        layout->setMenuBar(menu);
        layout->addWidget(line);
        layout->addWidget(multi);
        layout->addWidget(button);
        InstallKeyboardRules(page);
        page.show();
        page.activateWindow();
    }

    QWidget page;
    ProfileMenu *menu;
    QLineEdit *line;
    MultiLineBox *multi;
    QPushButton *button;
};

QString BoxText(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return line->text();
    return static_cast<MultiLineBox *>(box)->value();
}

WriteResult Result(bool refused, const QString &answers)  // "yn": the blocks A8 and AH, answered or not
{
    WriteResult result;
    result.refused = refused;
    const QList<QByteArray> tags{"COMSMSA8", "COMSMSAH"};
    for (int k = 0; k < answers.size(); ++k) {
        result.blocks.append({tags[k], answers[k] == u'y'});
    }
    return result;
}

}  // namespace

class TestWindowExtras : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void altCombinationsTypeNothing_data()
    {
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        for (const bool multiLine : {false, true}) {
            const char *box = multiLine ? "multi-line box" : "one-line box";
            QTest::addRow("%s: Alt+X", box) << multiLine << int(Qt::AltModifier) << "x" << "";
            QTest::addRow("%s: Alt+Shift+X", box) << multiLine << int(Qt::AltModifier | Qt::ShiftModifier) << "X" << "";
            QTest::addRow("%s: AltGr as Ctrl+Alt", box) << multiLine << int(Qt::AltModifier | Qt::ControlModifier) << "@" << "@";
            QTest::addRow("%s: AltGr as a group switch", box)
                << multiLine << int(Qt::AltModifier | Qt::GroupSwitchModifier) << "€" << "€";
        }
    }

    // An Alt+letter no menu takes types nothing into a box; AltGr text still goes in.
    void altCombinationsTypeNothing()
    {
        QFETCH(bool, multiLine);
        QFETCH(int, modifiers);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        KeyPage keys;
        QWidget *box = multiLine ? static_cast<QWidget *>(keys.multi) : keys.line;
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, typed, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(BoxText(box), expected);
    }

    void keysPressButtonsAndOpenTheMenu_data()
    {
        QTest::addColumn<QString>("focus");  // "button", "line" or "multi"
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("clicked");
        QTest::addColumn<bool>("menuOpen");
        QTest::newRow("Enter") << "button" << int(Qt::Key_Return) << int(Qt::NoModifier) << true << false;
        QTest::newRow("keypad Enter") << "button" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true << false;
        QTest::newRow("Ctrl+Enter") << "button" << int(Qt::Key_Return) << int(Qt::ControlModifier) << false << false;
        QTest::newRow("F10") << "button" << int(Qt::Key_F10) << int(Qt::NoModifier) << false << true;
        QTest::newRow("Alt+F") << "button" << int(Qt::Key_F) << int(Qt::AltModifier) << false << true;
        QTest::newRow("Esc in a one-line box") << "line" << int(Qt::Key_Escape) << int(Qt::NoModifier) << true << false;
        QTest::newRow("Esc in a multi-line box") << "multi" << int(Qt::Key_Escape) << int(Qt::NoModifier) << true << false;
    }

    // With the focus on a push button: Enter presses it as Space does; F10
    // and Alt+F open the menu 文件. Esc in any box of the sensor page
    // presses its 返回主页.
    void keysPressButtonsAndOpenTheMenu()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, clicked);
        QFETCH(bool, menuOpen);
        KeyPage keys;
        InstallEscapeButton(keys.page, *keys.button);
        QVERIFY(QTest::qWaitForWindowActive(&keys.page));
        QWidget *focused = focus == "line" ? keys.line : focus == "multi" ? static_cast<QWidget *>(keys.multi) : keys.button;
        focused->setFocus();
        QSignalSpy clicks(keys.button, &QPushButton::clicked);
        QTest::keyClick(focused, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(clicks.size(), clicked ? 1 : 0);
        QCOMPARE(keys.menu->fileMenu()->isVisible(), menuOpen);
        keys.menu->fileMenu()->close();
    }

    void pasteOverTheLimit_data()
    {
        QTest::addColumn<QString>("box");  // "text" (11 characters), "phone" or "multi" (6)
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("leftOut");
        QTest::newRow("pass phrase") << "text" << "一二" << "三四五六七八九十壹贰叁肆伍" << "一二三四五六七八九十壹" << 4;
        QTest::newRow("pass phrase, fits") << "text" << "一二" << "三四" << "一二三四" << 0;
        QTest::newRow("pass phrase full") << "text" << "一二三四五六七八九十壹" << "贰叁" << "一二三四五六七八九十壹" << 2;
        QTest::newRow("pairs stay whole") << "text" << "一二三四五六七八九十" << "𠀀𠀁" << "一二三四五六七八九十" << 2;
        QTest::newRow("phone: digits count") << "phone" << "" << "+86 (138) 0013-8000 12345 678" << "+86 (138) 0013-8000 123" << 6;
        QTest::newRow("phone: separators pass") << "phone" << "" << "138-0013-8000" << "138-0013-8000" << 0;
        QTest::newRow("multi-line") << "multi" << "一" << "甲\n乙丙丁戊" << "一甲\n乙丙" << 2;
        // A one-line box takes no line break: a QLineEdit would show it as a blank.
        QTest::newRow("pass phrase, LF at the end") << "text" << "" << "芝麻开门\n" << "芝麻开门" << 1;
        QTest::newRow("pass phrase, CR LF at the end") << "text" << "" << "芝麻开门\r\n" << "芝麻开门" << 2;
        QTest::newRow("pass phrase, two lines") << "text" << "" << "芝麻\n开门" << "芝麻" << 3;
        QTest::newRow("phone number, LF at the end") << "phone" << "" << "13800138000\n" << "13800138000" << 1;
    }

    // A paste longer than the box holds: what fits is taken and the box's
    // tooltip says how much was left out, until the box changes again.
    void pasteOverTheLimit()
    {
        QFETCH(QString, box);
        QFETCH(QString, before);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        QFETCH(int, leftOut);
        std::unique_ptr<QWidget> edit;
        if (box == QLatin1String("multi")) {
            auto *multi = new MultiLineBox(QStringLiteral("Text1"), 6);
            edit.reset(multi);
            multi->setValue(before);
            multi->moveCursor(QTextCursor::End);
        } else {
            QLineEdit *line = box == QLatin1String("phone") ? PhoneNumberBox(QStringLiteral("Text1"))
                                                             : TextBox(QStringLiteral("Text7"), 11);
            edit.reset(line);
            line->setText(before);
        }
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(edit.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(BoxText(edit.get()), QString(kept).replace(u'\n', QLatin1String("\r\n")));
        QCOMPARE(edit->toolTip(), leftOut > 0 ? QStringLiteral("已截去 %1 个字符").arg(leftOut) : QString());
        QTest::keyClick(edit.get(), Qt::Key_Backspace);
        QCOMPARE(edit->toolTip(), QString());
    }

    void positionOnScreen_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("inside") << QRect(100, 100, 320, 90) << QPoint(100, 100);
        QTest::newRow("past the right and bottom edges") << QRect(700, 580, 320, 90) << QPoint(480, 510);
        QTest::newRow("above and left") << QRect(-50, -20, 320, 90) << QPoint(0, 0);
        QTest::newRow("larger than the screen") << QRect(300, 300, 900, 700) << QPoint(0, 0);
    }

    // The wait window placed beside the page stays inside an 800×600 work area.
    void positionOnScreen()
    {
        QFETCH(QRect, frame);
        QFETCH(QPoint, position);
        QCOMPARE(PositionOnScreen(frame, QRect(0, 0, 800, 600)), position);
    }

    // The history newest first, one line that is no record told above it;
    // the CSV export holds the records, for the owner alone, and a folder
    // that does not exist is told.
    void historyWindow()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.jsonl"));
        HistoryLog log(path);
        const QStringList sources{WindowSource(), CommandLineSource(), ProfileSource(QStringLiteral("/srv/car.json"))};
        for (int k = 0; k < sources.size(); ++k) {
            WriteRecord record = SensorPageRecord(TypedSensorPage(), Result(k == 1, k == 1 ? "" : "yn"), {k + 1, "/dev/ttyUSB0", sources[k]});
            record.time = QDateTime(QDate(2026, 12, 7), QTime(10, k, 0));
            QVERIFY(log.append(record).isEmpty());
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append) && file.write("not a record\n") > 0);
        file.close();

        RecordingMessages messages;
        HistoryDialog dialog(path, messages);
        const auto *table = dialog.findChild<QTableWidget *>(QStringLiteral("HistoryTable"));
        QCOMPARE(table->rowCount(), 3);
        const auto row = [table](int r) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column)
                cells << table->item(r, column)->text();
            return cells.join(u'|');
        };
        QCOMPARE(row(0), QStringLiteral("2026-12-07 10:02:00|无线报警传感器|COM3 /dev/ttyUSB0|配置文件 /srv/car.json|已写入：无线传感器1–5；未写入：无线传感器6–10"));
        QCOMPARE(row(1), QStringLiteral("2026-12-07 10:01:00|无线报警传感器|COM2 /dev/ttyUSB0|命令行|没有发送任何设置"));
        QVERIFY(row(2).startsWith(QStringLiteral("2026-12-07 10:00:00|无线报警传感器|COM1 /dev/ttyUSB0|窗口|")));
        QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("HistoryNote"))->text().contains(u'1'));

        const QString csv = dir.filePath(QStringLiteral("history.csv"));
        QVERIFY(dialog.exportCsv(csv));
        QFile exported(csv);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = exported.readAll().split('\n');
        QCOMPARE(rows.size(), 5);  // a header, the records in the file's order, nothing after the last line end
        QCOMPARE(rows[0], QByteArray("\xEF\xBB\xBF" R"("time","page","COM","device","source","outcome","blocks","values","default secrets sent")" "\r"));
        const char *const fields[] = {
            R"(","sensor","COM1","/dev/ttyUSB0","window","1/2 answered, COMSMSAH not answered","COMSMSA8 answered; COMSMSAH not answered",")",
            R"(","sensor","COM2","/dev/ttyUSB0","command line","refused","",")",
            R"(","sensor","COM3","/dev/ttyUSB0","profile /srv/car.json","1/2 answered, COMSMSAH not answered","COMSMSA8 answered; COMSMSAH not answered",")"};
        for (int k = 0; k < 3; ++k)
            QVERIFY2(rows[k + 1].startsWith("\"2026-12-07T10:0" + QByteArray::number(k) + ":00") && rows[k + 1].contains(fields[k]),
                     rows[k + 1].constData());
        QVERIFY(!(exported.permissions() & (QFile::ReadGroup | QFile::ReadOther)));
        QVERIFY(messages.texts.isEmpty());
        QVERIFY(!dialog.exportCsv(dir.filePath(QStringLiteral("missing/history.csv"))));
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.texts[0].contains(QStringLiteral("missing/history.csv")));
    }

    // Two units from one profile, the second silent: one succeeded, one
    // failed, each listed, both pages of each in the history; a profile the
    // unit cannot hold is refused before any unit. The window says where it
    // writes and opens on 写入下一台, which Enter presses; a click made while a
    // unit is written is dropped, not taken afterwards for the next unit.
    void batchWindow()
    {
        QTemporaryDir dir;
        const QString profile = dir.filePath(QStringLiteral("car.json"));
        QVERIFY(WriteProfileFile(profile, ProfileToJson({TypedMainPage(), TypedSensorPage(), true}, true)).isEmpty());
        RecordingMessages messages;
        QVERIFY(!BatchPages(dir.filePath(QStringLiteral("none.json")), QString(), messages));
        QCOMPARE(messages.texts.size(), 1);
        const std::optional<UnitPages> pages = BatchPages(profile, QString(), messages);
        QVERIFY(pages);

        const QString cable = dir.filePath(QStringLiteral("tty"));
        auto unit = std::make_unique<LoggedUnit>(QStringList{"--link", cable});
        ComPortMap map;
        map.setOverride(1, cable);
        SerialLink link(map);
        NoWindowView view;
        HistoryLog history(dir.filePath(QStringLiteral("history.jsonl")));
        BatchWindow window(*pages, profile, link, messages, view, history);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        const QString target = window.findChild<QLabel *>(QStringLiteral("BatchTarget"))->text();
        QVERIFY2(target.contains(QStringLiteral("COM1")) && target.contains(cable), qPrintable(target));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *next = window.findChild<QPushButton *>(QStringLiteral("WriteNextUnit"));
        QCOMPARE(QApplication::focusWidget(), next);
        const QPoint centre = next->rect().center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(next, new QMouseEvent(type, centre, next->mapToGlobal(centre), Qt::LeftButton,
                                                              Qt::LeftButton, Qt::NoModifier));
        QTest::keyClick(next, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(window.succeeded() + window.failed(), 1);
        QCOMPARE(QApplication::focusWidget(), next);
        unit.reset();  // the first unit's link goes with it
        unit = std::make_unique<LoggedUnit>(QStringList{"--link", cable, "--silent"});
        QTest::mouseClick(next, Qt::LeftButton);

        QCOMPARE(window.succeeded(), 1);
        QCOMPARE(window.failed(), 1);
        QVERIFY(window.findChild<QLabel *>(QStringLiteral("BatchCounts"))->text().contains(QStringLiteral("成功 1 台，失败 1 台")));
        const auto *units = window.findChild<QListWidget *>(QStringLiteral("BatchUnits"));
        QCOMPARE(units->count(), 2);
        QVERIFY(units->item(0)->text().contains(QStringLiteral("主页 已写入；无线报警传感器 已写入")));
        QVERIFY2(units->item(1)->text().contains(QStringLiteral("主页 报警器未收到任何设置")), qPrintable(units->item(1)->text()));
        const QList<WriteRecord> records = ReadHistory(history.path()).records;
        QCOMPARE(records.size(), 4);
        QStringList written;
        for (const WriteRecord &record : records) {
            QCOMPARE(record.origin.source, ProfileSource(profile));
            written << record.page + (record.succeeded() ? "+" : "-");
        }
        QCOMPARE(written, QStringList({"main+", "sensor+", "main-", "sensor-"}));
        QCOMPARE(messages.texts.size(), 1 + 6);  // the second unit: five main-page blocks and COMSMSA8 unanswered
    }
};

QTEST_MAIN(TestWindowExtras)
#include "test_window_extras.moc"
