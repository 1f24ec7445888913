#pragma once

// The main page on a settings directory (not created yet) and history of its
// own: with `devices` behind COM1, COM2, ... (--port overrides) and the system
// listing `listed` (PageOnDevices), or with one simulated unit behind COM1
// (PageOnUnit). The page is loaded by start().
#include "file_store.h"
#include "history_log.h"
#include "history_reading.h"
#include "logged_unit.h"
#include "main_page.h"
#include "serial_link.h"
#include "test_support.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct PageOnDevices
{
    explicit PageOnDevices(const QStringList &devices = {})
        : store(dir.filePath(QStringLiteral("woclc1k"))),
          link(
              [&devices] {
                  ComPortMap map;
                  for (int k = 0; k < devices.size(); ++k)
                      map.setOverride(k + 1, devices[k]);
                  return map;
              }(),
              [this] { return listed; })
    {
    }

    MainPage &start()
    {
        page = std::make_unique<MainPage>(link, store, messages, history);
        return *page;
    }
    template <typename Widget = QWidget>
    Widget *find(const QString &name, QWidget *root = nullptr)
    {
        return (root ? root : page.get())->findChild<Widget *>(name);
    }
    QList<WriteRecord> records() const { return ReadHistory(history.path()).records; }
    // Writes one settings file as the store does.
    void storeValue(const QString &key, const QString &value)
    {
        store.ensureDirectory();
        QVERIFY(store.write(key, value));
    }
    QString storedValue(const QString &key) { return store.read(key).value_or(QStringLiteral("<unreadable>")); }
    // Removes every settings file, so that storedKeys() then tells what was written.
    void removeFiles()
    {
        for (const QString &key : storedKeys())
            QFile::remove(store.filePath(key));
    }
    QStringList storedKeys() const  // sorted
    {
        return QDir(store.directory()).entryList({QStringLiteral("*.cck")}, QDir::Files, QDir::Name).replaceInStrings(".cck", "");
    }

    QTemporaryDir dir;
    FileStore store;
    RecordingMessages messages;
    HistoryLog history{dir.filePath(QStringLiteral("history.jsonl"))};
    QList<SerialPortFacts> listed;
    SerialLink link;
    std::unique_ptr<MainPage> page;
};

// The unit goes up before the page's link opens it, and down after.
struct SimulatedUnit
{
    explicit SimulatedUnit(const QStringList &options) : unit(options) {}
    LoggedUnit unit;
};

struct PageOnUnit : SimulatedUnit, PageOnDevices
{
    explicit PageOnUnit(const QStringList &unitOptions = {})
        : SimulatedUnit(unitOptions), PageOnDevices({unit.device()})
    {
    }
};
