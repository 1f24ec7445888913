#pragma once

#include "com_port_map.h"
#include "history_log.h"
#include "main_page.h"
#include "serial_link.h"
#include "test_support.h"

#include <QTemporaryDir>

// The main page with no serial device behind any COM option, for the tests
// that only look at the page; nothing is written.
struct PageAlone
{
    MemoryStore store;
    RecordingMessages messages;
    QTemporaryDir folder;
    HistoryLog history{folder.filePath(QStringLiteral("history.jsonl"))};
    SerialLink link{ComPortMap{}, [] { return QList<SerialPortFacts>{}; }};
    MainPage page{link, store, messages, history};
};
