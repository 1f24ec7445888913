#include "history_reading.h"

#include "bounded_read.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

namespace {

// The whole lines of the file's last kHistoryReadLimit bytes.
QString ReadTail(QFile &file, QByteArray &tail)
{
    const qint64 start = std::max<qint64>(0, file.size() - kHistoryReadLimit);
    if (!file.seek(start))
        return file.errorString();
    tail = file.read(kHistoryReadLimit);
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    // Reading began inside a line: the rest of it is no record.
    if (start > 0)
        tail.remove(0, tail.indexOf('\n') + 1);
    return {};
}

}  // namespace

HistoryRead ReadHistory(const QString &path)
{
    HistoryRead history;
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
        return history;
    QFile file;
    QByteArray tail;
    if (QString problem = OpenRegularFile(file, path, QCoreApplication::translate("History", "not a regular file")); !problem.isEmpty()) {
        history.error = std::move(problem);
        return history;
    }
    if (QString problem = ReadTail(file, tail); !problem.isEmpty()) {
        history.error = std::move(problem);
        return history;
    }
    for (const QByteArray &line : tail.split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        // A line that is no JSON object reads as an empty object, which is no record.
        const std::optional<WriteRecord> record = RecordFromJson(QJsonDocument::fromJson(line).object());
        if (record)
            history.records.append(*record);
        else
            ++history.skipped;
    }
    return history;
}
