// Which serial devices the main page opens while it loads: only the one of the
// stored COM choice, since opening a serial device can reset what is plugged
// into it; with simulated units, none before they have been started, once
// the page is painted or a write asks for them.
#include "file_store.h"
#include "history_log.h"
#include "logged_unit.h"
#include "main_page.h"
#include "serial_link.h"
#include "test_support.h"

#include <QPushButton>
#include <QTest>
#include <array>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Counts the openings of the watched files.
class OpenWatch
{
public:
    OpenWatch() : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}
    ~OpenWatch() { ::close(m_fd); }
    void watch(int key, const QString &path)
    {
        m_keys[inotify_add_watch(m_fd, QFile::encodeName(path).constData(), IN_OPEN)] = key;
    }
    // The keys of the files opened since the last call, in order, once each.
    QList<int> opened()
    {
        QList<int> keys;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t size; (size = ::read(m_fd, buffer, sizeof buffer)) > 0;) {
            for (char *at = buffer; at < buffer + size;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                if (!keys.contains(m_keys.value(event->wd)))
                    keys << m_keys.value(event->wd);
                at += sizeof(inotify_event) + event->len;
            }
        }
        return keys;
    }

private:
    int m_fd;
    QHash<int, int> m_keys;
};

}  // namespace

class TestStartupPort : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        for (LoggedUnit &unit : m_units)
            QVERIFY(!unit.device().isEmpty());
    }

    void opensOnlyTheStoredChoice_data()
    {
        QTest::addColumn<QStringList>("stored");  // Option1..Option4
        QTest::addColumn<int>("selected");
        QTest::addColumn<QList<int>>("opened");
        QTest::newRow("first start") << QStringList() << 1 << QList<int>{1};
        QTest::newRow("COM3") << QStringList{"False", "False", "True", "False"} << 3 << QList<int>{3};
        QTest::newRow("two stored, the higher wins") << QStringList{"False", "True", "False", "True"} << 4 << QList<int>{4};
        QTest::newRow("none: writes go to COM1") << QStringList{"False", "False", "False", "False"} << 0 << QList<int>{1};
    }

    void opensOnlyTheStoredChoice()
    {
        QFETCH(QStringList, stored);
        QFETCH(int, selected);
        QFETCH(QList<int>, opened);
        QTemporaryDir parent;
        FileStore store(parent.filePath(QStringLiteral("woclc1k")));
        store.ensureDirectory();
        for (int k = 0; k < stored.size(); ++k)
            QVERIFY(store.write(QStringLiteral("Option%1").arg(k + 1), stored[k]));
        ComPortMap map;
        OpenWatch watch;
        for (int com = 1; com <= 4; ++com) {
            map.setOverride(com, m_units[com - 1].device());
            watch.watch(com, m_units[com - 1].device());
        }
        SerialLink link(map, [] { return QList<SerialPortFacts>(); });
        RecordingMessages messages;
        HistoryLog history(parent.filePath(QStringLiteral("history.jsonl")));
        MainPage page(link, store, messages, history);
        QCOMPARE(watch.opened(), opened);
        QCOMPARE(page.selectedCom(), selected);
        QCOMPARE(link.port().deviceName(), m_units[opened[0] - 1].device());
        QVERIFY(link.port().isOpen());
    }

    void simulatedUnitsStartAfterThePicture_data()
    {
        QTest::addColumn<bool>("writeFirst");  // the write button clicked before the page is shown
        QTest::newRow("page painted") << false;
        QTest::newRow("write before the picture") << true;
    }

    void simulatedUnitsStartAfterThePicture()
    {
        QFETCH(bool, writeFirst);
        QTemporaryDir parent;
        FileStore store(parent.filePath(QStringLiteral("woclc1k")));
        OpenWatch watch;
        for (int com = 1; com <= 4; ++com)
            watch.watch(com, m_units[com - 1].device());
        // Until the units start, the options stand for the system's devices (here none).
        SerialLink link(ComPortMap(), [] { return QList<SerialPortFacts>(); });
        int starts = 0;
        auto startUnits = [&] {
            ++starts;
            for (int com = 1; com <= 4; ++com)
                link.pointOption(com, m_units[com - 1].device());
            return QString();
        };
        RecordingMessages messages;
        HistoryLog history(parent.filePath(QStringLiteral("history.jsonl")));
        MainPage page(link, store, messages, history, startUnits);
        QCOMPARE(starts, 0);
        QCOMPARE(watch.opened(), QList<int>());
        const qsizetype logged = m_units[0].bytes().size();
        if (writeFirst)
            page.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        else
            page.show();
        QTRY_COMPARE(starts, 1);
        QCOMPARE(watch.opened(), QList<int>{1});
        QTRY_COMPARE(m_units[0].bytes().size() - logged, writeFirst ? 6 : 0);
        QCOMPARE(messages.texts, QStringList());
    }

private:
    std::array<LoggedUnit, 4> m_units;
};

QTEST_MAIN(TestStartupPort)
#include "test_startup_port.moc"
