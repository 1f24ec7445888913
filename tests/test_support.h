#pragma once

// What the tests share: the pages they write, a scripted serial line, and
// recorders of what a write stored, showed and said.
#include "memory_store.h"
#include "message_sink.h"
#include "page_settings.h"
#include "port.h"
#include "write_view.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QStringList>
#include <algorithm>
#include <functional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

// A file's bytes written whole, or read ("<unreadable>" when it cannot be).
inline bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

#ifdef Q_OS_UNIX
// Puts a "FIFO", a "folder" or else a file holding `bytes` at a path.
inline bool MakeEntry(const QString &kind, const QString &path, const QByteArray &bytes = {})
{
    if (kind.endsWith(QLatin1String("FIFO"), Qt::CaseInsensitive))
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    return kind == QLatin1String("folder") ? QDir().mkdir(path) : WriteBytes(path, bytes);
}

// The permission bits of a path (0xFFFF when there is nothing there).
inline mode_t FileMode(const QString &path)
{
    struct stat status{};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0xFFFF;
}
#endif

// Whether a text holds a Chinese character.
inline bool HasChinese(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.script() == QChar::Script_Han; });
}

// The main page of a first run.
inline MainPageValues DefaultMainPage()
{
    MemoryStore empty;
    return RestoreMainPage(empty).values;
}

// Both pages with values typed the way people type them: numbers with
// blanks, hyphens and full-width forms, a text with a line break.
inline MainPageValues TypedMainPage()
{
    MainPageValues values = DefaultMainPage();
    values.text[1] = QStringLiteral("138 0013-8000");
    values.text[16] = QStringLiteral("车被碰了\n快来");
    values.text[23] = QStringLiteral("（０１０）６２３４５６７８");
    return values;
}

inline SensorPageValues TypedSensorPage()
{
    SensorPageValues values;
    for (int n = 1; n <= 10; ++n)
        values.text[2 * n - 1] = QStringLiteral("%1号传感器 door").arg(n);
    values.text[20] = QStringLiteral("13800138000");
    return values;
}

// One shared record of what a write did, in order: "send COMSMSA2",
// "store k1", "show", "place", "timer", "close", "pause", "enable 0", "message <title>".
using EventLog = QStringList;

// A scripted serial line. For each block written, `replies` says which bytes
// become waiting at which read of the receive count (1 = right after sending).
// Bytes due after the next block was written are still on the line: they
// arrive at the same distance from the last read, counted on the new block.
class FakePort : public Port
{
public:
    explicit FakePort(EventLog *log = nullptr) : m_log(log) {}

    bool open = true;
    bool rejectWrite = false;
    int failAtRead = 0;                    // the port breaks at this read (0: never)
    QList<QMap<int, QByteArray>> replies;  // one per block, in order; missing: silence
    QByteArray waiting;                    // the receive buffer
    QList<QByteArray> written;
    int reads = 0;  // reads of the count for the current block
    int waits = 0;

    // How the blocks are answered, in order: "y" at once with one byte, "p"
    // with "OK" CR LF one byte a read, "n" not at all.
    void answer(const QString &pattern)
    {
        for (QChar c : pattern)
            replies.append(c == u'y'   ? QMap<int, QByteArray>{{1, "O"}}
                           : c == u'p' ? QMap<int, QByteArray>{{1, "O"}, {2, "K"}, {3, "\r"}, {4, "\n"}}
                                       : QMap<int, QByteArray>{});
    }

    bool isOpen() const override { return open; }
    QString deviceName() const override { return QStringLiteral("/dev/fake"); }
    void discardInput() override { waiting.clear(); }
    bool writeAll(const QByteArray &bytes) override
    {
        if (rejectWrite) {
            m_error = QStringLiteral("write rejected");
            return false;
        }
        m_onTheLine.clear();
        for (auto [read, late] : replies.value(written.size() - 1).asKeyValueRange())
            if (read > reads)
                m_onTheLine.insert(read - reads, late);
        written.append(bytes);
        reads = 0;
        if (m_log)
            m_log->append(QStringLiteral("send ") + QString::fromLatin1(bytes.left(8)));
        return true;
    }
    qint64 bytesWaiting() override
    {
        if (++reads >= failAtRead && failAtRead)
            m_error = QStringLiteral("device removed");
        waiting += m_onTheLine.value(reads) + replies.value(written.size() - 1).value(reads);
        return waiting.size();
    }
    void waitForBytes(int) override { ++waits; }
    bool hasFailed() const override { return !m_error.isEmpty(); }
    QString errorString() const override { return m_error; }

private:
    EventLog *m_log;
    QString m_error;
    QMap<int, QByteArray> m_onTheLine;  // the last block's answer still arriving
};

// The messages a write or a page showed, instead of boxes.
class RecordingMessages : public MessageSink
{
public:
    explicit RecordingMessages(EventLog *log = nullptr) : m_log(log) {}
    QStringList titles, texts;
    QStringList questions;  // the texts of the questions asked, apart from the messages
    bool goOn = true;       // the answer to every question
    bool confirm(const QString &, const QString &text, const QString &, const QString &) override
    {
        questions << text;
        return goOn;
    }
    void showError(const QString &title, const QString &text) override
    {
        titles << title;
        texts << text;
        if (m_log)
            m_log->append(QStringLiteral("message ") + title);
    }

private:
    EventLog *m_log;
};

// What a write shows, into a log (its own when given none); and each exchange
// as "COMSMSA2 answered" or "COMSMSA2 not answered", with a hook after each
// one (to pull the cable or change the disk mid-write).
class RecordingView : public WriteView
{
public:
    explicit RecordingView(EventLog *log = nullptr) : m_log(log ? log : &m_own) {}
    QStringList exchanges;
    std::function<void(int exchanged)> afterExchange = [](int) {};

    void setWriteEnabled(bool enabled) override { m_log->append(enabled ? "enable 1" : "enable 0"); }
    void placeWaitWindow() override { m_log->append("place"); }
    void showWaitWindow() override { m_log->append("show"); }
    void startWaitTimer() override { m_log->append("timer"); }
    void closeWaitWindow() override { m_log->append("close"); }
    void pauseBetweenBlocks() override { m_log->append("pause"); }
    void blockExchanged(const QByteArray &tag, bool answered) override
    {
        exchanges << QString::fromLatin1(tag) + (answered ? " answered" : " not answered");
        afterExchange(int(exchanges.size()));
    }

private:
    EventLog m_own;
    EventLog *m_log;
};

// Values kept in memory; every write is logged.
class LoggingStore : public MemoryStore
{
public:
    explicit LoggingStore(EventLog *log) : m_log(log) {}
    bool write(const QString &key, const QString &value) override
    {
        m_log->append(QStringLiteral("store ") + key);
        return MemoryStore::write(key, value);
    }

private:
    EventLog *m_log;
};
