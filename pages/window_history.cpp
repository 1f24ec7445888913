#include "window_history.h"

#include "history_log.h"
#include "message_sink.h"
#include "serial_link.h"

#include <QCoreApplication>

WriteOrigin WindowOrigin(const SerialLink &link)
{
    const int com = link.commPort();
    return {com, link.map().device(com), WindowSource()};
}

QString PortName(const WriteOrigin &origin)
{
    const QString com = QStringLiteral("COM%1").arg(origin.com);
    return origin.device.isEmpty() ? com : com + u' ' + origin.device;
}

void RecordWindowWrite(HistoryLog &log, MessageSink &messages, const WriteRecord &record)
{
    if (const QString problem = RecordWrite(log, record); !problem.isEmpty())
        messages.showError(QCoreApplication::translate("WindowHistory", "写入记录"), problem);
}
