#include "window_history.h"

#include "history_log.h"
#include "message_sink.h"

#include <QCoreApplication>

void RecordWindowWrite(HistoryLog &log, MessageSink &messages, const WriteRecord &record)
{
    if (const QString problem = RecordWrite(log, record); !problem.isEmpty())
        messages.showError(QCoreApplication::translate("WindowHistory", "写入记录"), problem);
}
