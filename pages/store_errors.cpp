#include "store_errors.h"

#include "message_sink.h"
#include "store.h"

#include <QCoreApplication>

namespace {

QString LeadSentence(StoreAction action)
{
    switch (action) {
    case StoreAction::Read:
        return QCoreApplication::translate("StoreErrors", "读取设置时出现以下问题，相应的设置已使用默认值：");
    case StoreAction::SaveComChoice:
        return QCoreApplication::translate("StoreErrors", "保存串口设置时出现以下问题：");
    case StoreAction::Save:
        break;
    }
    return QCoreApplication::translate("StoreErrors", "保存设置时出现以下问题：");
}

}  // namespace

void ReportStoreErrors(Store &store, MessageSink &messages, StoreAction action)
{
    const QStringList errors = store.takeErrors();
    if (!errors.isEmpty())
        messages.showError(QCoreApplication::translate("StoreErrors", "设置文件出错"),
                           LeadSentence(action) + u'\n' + errors.join(u'\n'));
}
