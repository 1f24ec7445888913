#pragma once

#include "message_sink.h"
#include "port.h"
#include "memory_store.h"
#include "write_view.h"

#include <QMap>
#include <QStringList>
#include <functional>
#include <vector>

// One shared record of what a write did, in order: "send COMSMSA2",
// "store k1", "show", "place", "timer", "close", "enable 0", "message <title>".
using EventLog = QStringList;

// A scripted serial line. For each block written, `replies` says which bytes
// become waiting at which read of the receive count (1 = right after sending).
class FakePort : public Port
{
public:
    struct Piece
    {
        int atRead;
        QByteArray bytes;
    };
    using Reply = std::vector<Piece>;

    explicit FakePort(EventLog *log = nullptr) : m_log(log) {}

    bool open = true;
    bool rejectWrite = false;
    int failAtRead = 0;        // the port breaks at this read (0: never)
    std::vector<Reply> replies;  // one per block, in order; missing: silence
    QByteArray waiting;          // the receive buffer
    QList<QByteArray> written;
    int reads = 0;               // reads of the count for the current block
    int waits = 0;

    bool isOpen() const override { return open; }
    QString deviceName() const override { return QStringLiteral("/dev/fake"); }
    void discardInput() override { waiting.clear(); }
    bool writeAll(const QByteArray &bytes) override
    {
        if (rejectWrite) {
            m_error = QStringLiteral("write rejected");
            return false;
        }
        written.append(bytes);
        reads = 0;
        if (m_log)
            m_log->append(QStringLiteral("send ") + QString::fromLatin1(bytes.left(8)));
        return true;
    }
    qint64 bytesWaiting() override
    {
        ++reads;
        if (failAtRead && reads >= failAtRead)
            m_error = QStringLiteral("device removed");
        const int block = written.size() - 1;
        if (block < int(replies.size()))
            for (const Piece &piece : replies[block])
                if (piece.atRead == reads)
                    waiting += piece.bytes;
        return waiting.size();
    }
    void waitForBytes(int) override { ++waits; }
    QByteArray read(qint64 count) override
    {
        const QByteArray bytes = waiting.left(count);
        waiting.remove(0, count);
        return bytes;
    }
    bool hasFailed() const override { return !m_error.isEmpty(); }
    QString errorString() const override { return m_error; }

    // Every block answered with one byte right away.
    void answerAll(int blocks)
    {
        replies.assign(blocks, Reply{{1, QByteArray("O")}});
    }

private:
    EventLog *m_log;
    QString m_error;
};

class RecordingMessages : public MessageSink
{
public:
    explicit RecordingMessages(EventLog *log = nullptr) : m_log(log) {}
    QList<QPair<QString, QString>> shown;
    void showError(const QString &title, const QString &text) override
    {
        shown.append({title, text});
        if (m_log)
            m_log->append(QStringLiteral("message ") + title);
    }

private:
    EventLog *m_log;
};

class RecordingView : public WriteView
{
public:
    explicit RecordingView(EventLog *log) : m_log(log) {}
    void setWriteEnabled(bool enabled) override { m_log->append(enabled ? "enable 1" : "enable 0"); }
    void placeWaitWindow() override { m_log->append("place"); }
    void showWaitWindow() override { m_log->append("show"); }
    void startWaitTimer() override { m_log->append("timer"); }
    void closeWaitWindow() override { m_log->append("close"); }

private:
    EventLog *m_log;
};

// Each exchange as "COMSMSA2 answered" or "COMSMSA2 not answered", with a
// hook after each one (to pull the cable or change the disk mid-write).
class ExchangeView : public RecordingView
{
public:
    ExchangeView() : RecordingView(&m_events) {}
    QStringList exchanges;
    std::function<void(int exchanged)> afterExchange = [](int) {};

    void blockExchanged(const QByteArray &tag, bool answered) override
    {
        exchanges << QString::fromLatin1(tag) + (answered ? " answered" : " not answered");
        afterExchange(int(exchanges.size()));
    }

private:
    EventLog m_events;
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
