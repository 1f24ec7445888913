#pragma once

// The main page on a settings directory and history of its own, with one
// simulated unit behind COM1.
#include "file_store.h"
#include "history_log.h"
#include "history_reading.h"
#include "logged_unit.h"
#include "main_page.h"
#include "serial_link.h"
#include "test_support.h"

#include <QTemporaryDir>
#include <memory>

struct PageOnUnit
{
    explicit PageOnUnit(const QStringList &unitOptions = {})
        : unit(unitOptions),
          store(dir.filePath(QStringLiteral("woclc1k"))),
          link(
              [this] {
                  ComPortMap map;
                  map.setOverride(1, unit.device());
                  return map;
              }(),
              [] { return QList<SerialPortFacts>{}; })
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

    QTemporaryDir dir;
    LoggedUnit unit;
    FileStore store;
    RecordingMessages messages;
    HistoryLog history{dir.filePath(QStringLiteral("history.jsonl"))};
    SerialLink link;
    std::unique_ptr<MainPage> page;
};
