// Which serial devices the main page opens while it loads: only the one of the
// stored COM choice, since opening a serial device can reset what is plugged
// into it.
#include "file_store.h"
#include "history_log.h"
#include "logged_unit.h"
#include "main_page.h"
#include "serial_link.h"
#include "test_support.h"

#include <QtTest>
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

private:
    std::array<LoggedUnit, 4> m_units;
};

QTEST_MAIN(TestStartupPort)
#include "test_startup_port.moc"
