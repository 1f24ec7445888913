#include "store_errors.h"

#include "message_sink.h"
#include "store.h"

#include <QCoreApplication>

void ReportStoreErrors(Store &store, MessageSink &messages, const QString &context)
{
    const QStringList errors = store.takeErrors();
    if (!errors.isEmpty())
        messages.showError(QCoreApplication::translate("StoreErrors", "设置文件出错"), context + u'\n' + errors.join(u'\n'));
}
