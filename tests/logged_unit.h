#pragma once

#include "unit_process.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

// The simulated alarm unit on a pseudo-terminal, with its log of received
// blocks in a temporary file.
class LoggedUnit
{
public:
    explicit LoggedUnit(const QStringList &options = {})
    {
        m_process.start(QStringList{QStringLiteral("--log"), logPath()} + options);
    }

    // Ends the unit, which closes its side of the line: the cable is pulled.
    void unplug() { m_process.stop(); }

    // The pseudo-terminal's device, empty when the unit did not start.
    QString device() const { return m_process.device(); }
    // The bytes of the blocks the unit received, as it logged them: all of
    // them, or those logged since the last call.
    QList<QByteArray> bytes() const
    {
        qint64 from = 0;
        return readLog(from);
    }
    QList<QByteArray> takeBytes() { return readLog(m_taken); }
    // Whether the unit has sent all of its unasked bytes (--chatter).
    bool chatterSent() const
    {
        QFile log(logPath());
        return log.open(QIODevice::ReadOnly) && log.readAll().contains("{\"chatter\":");
    }

private:
    QString logPath() const { return m_dir.filePath(QStringLiteral("unit.log")); }
    // The blocks (and garbage, as empty blocks) of the whole lines from
    // `offset` on; a line still being written waits for the next call.
    QList<QByteArray> readLog(qint64 &offset) const
    {
        QList<QByteArray> blocks;
        QFile log(logPath());
        if (!log.open(QIODevice::ReadOnly) || !log.seek(offset))
            return blocks;
        for (QByteArray line = log.readLine(); line.endsWith('\n'); line = log.readLine()) {
            offset += line.size();
            const QJsonObject block = QJsonDocument::fromJson(line).object();
            if (!block.contains(QLatin1String("chatter")))
                blocks << QByteArray::fromHex(block.value(QLatin1String("hex")).toString().toLatin1());
        }
        return blocks;
    }

    QTemporaryDir m_dir;
    UnitProcess m_process;
    qint64 m_taken = 0;  // log bytes takeBytes() has read
};
