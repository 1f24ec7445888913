#include "command_line_history.h"

#include "console.h"
#include "history_format.h"
#include "history_log.h"
#include "history_reading.h"
#include "printable_text.h"

#include <QCoreApplication>
#include <QDir>

int RunHistory(const CommandLine &options)
{
    const QString path = DefaultHistoryPath();
    const HistoryRead history = ReadHistory(path);
    const QString file = Printable(QDir::toNativeSeparators(path));
    if (!history.error.isEmpty()) {
        Err() << QCoreApplication::translate("CommandLine", "The write history %1 cannot be read: %2.").arg(file, Printable(history.error))
              << Qt::endl;
        return 1;
    }
    if (history.skipped > 0) {
        Err() << QCoreApplication::translate("CommandLine", "%1 line(s) of %2 are no write record and are left out.")
                     .arg(QString::number(history.skipped), file)
              << Qt::endl;
    }
    const qsizetype first = std::max<qsizetype>(0, history.records.size() - options.historyCount);
    for (const WriteRecord &record : history.records.mid(first))
        PrintLine(FormatHistoryLine(record));
    return 0;
}
