#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The simulated alarm unit as a separate process on a pseudo-terminal, with
// its log of received blocks in a temporary file.
class UnitProcess
{
public:
    explicit UnitProcess(const QStringList &options = {})
    {
        m_process.setProgram(QStringLiteral(ALARMCFG_UNIT));
        m_process.setArguments(QStringList{QStringLiteral("--log"), logPath()} + options);
        m_process.start();
        if (m_process.waitForStarted() && m_process.waitForReadyRead(5000))
            m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }

    ~UnitProcess() { unplug(); }

    // Ends the unit, which closes its side of the line: the cable is pulled.
    void unplug()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
    }

    // The pseudo-terminal's device, empty when the unit did not start.
    QString device() const { return m_device; }

    // The blocks the unit received, as logged.
    QList<QJsonObject> blocks() const
    {
        QList<QJsonObject> logged;
        QFile log(logPath());
        if (log.open(QIODevice::ReadOnly))
            while (!log.atEnd())
                logged.append(QJsonDocument::fromJson(log.readLine()).object());
        return logged;
    }

    QStringList tags() const
    {
        QStringList tags;
        for (const QJsonObject &block : blocks())
            tags.append(block.value(QLatin1String("tag")).toString());
        return tags;
    }

    QList<QByteArray> bytes() const
    {
        QList<QByteArray> all;
        for (const QJsonObject &block : blocks())
            all.append(QByteArray::fromHex(block.value(QLatin1String("hex")).toString().toLatin1()));
        return all;
    }

    // The bytes of the blocks logged since the last call, as the unit received them.
    QList<QByteArray> takeBytes()
    {
        QList<QByteArray> taken;
        QFile log(logPath());
        if (!log.open(QIODevice::ReadOnly) || !log.seek(m_taken))
            return taken;
        for (QByteArray line = log.readLine(); line.endsWith('\n'); line = log.readLine()) {
            m_taken += line.size();  // a line still being written waits for the next call
            const QJsonObject block = QJsonDocument::fromJson(line).object();
            taken.append(QByteArray::fromHex(block.value(QLatin1String("hex")).toString().toLatin1()));
        }
        return taken;
    }

private:
    QString logPath() const { return m_dir.filePath(QStringLiteral("unit.log")); }

    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_device;
    qint64 m_taken = 0;  // log bytes takeBytes() has read
};
