#include "exchange.h"

#include "printable_text.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// Waits for the first answer byte; false when none came in time or the port failed.
bool AwaitAnswer(Port &port)
{
    for (int poll = 1; port.bytesWaiting() <= 0; ++poll) {
        if (poll == kPollLimit || port.hasFailed())
            return false;
        port.waitForBytes(kPollIntervalMs);
    }
    return true;
}

// Drops the answer and what follows it until the line is quiet, so that the
// tail of an answer cannot answer the next block.
void AwaitQuietLine(Port &port)
{
    int waits = 0;
    do {
        port.discardInput();
        port.waitForBytes(kQuietMs);
    } while (port.bytesWaiting() > 0 && !port.hasFailed() && ++waits < kQuietWaitLimit);
}

void ReportFailure(Port &port, MessageSink &messages, const QString &portError)
{
    QString prompt = WriteFailurePrompt();
    if (!portError.isEmpty())
        prompt += QStringLiteral("\n\r") + QCoreApplication::translate("Link", "（串口 %1：%2）").arg(Printable(port.deviceName()), Printable(portError));
    messages.showError(WriteFailureTitle(), prompt);
}

}  // namespace

QString WriteFailureTitle()
{
    return QCoreApplication::translate("Link", "写入设置失败！");
}

QString WriteFailurePrompt()
{
    const QStringList lines = {
        QCoreApplication::translate("Link", "设置写入失败。你可能存在以下之一的错误："),
        QCoreApplication::translate("Link", "1：TQ18/TQ18G未起动成功（LED0不亮）。"),
        QCoreApplication::translate("Link", "2：TQ18/TQ18G与计算机的串口电缆未连接好。"),
        QCoreApplication::translate("Link", "3：串口设置错误，请在“版本查询”中重新设置COM口。"),
    };
    return lines.join(QStringLiteral("\n\r"));
}

bool ExchangeBlock(Port &port, const QByteArray &block, MessageSink &messages)
{
    if (!port.isOpen()) {
        ReportFailure(port, messages, QCoreApplication::translate("Link", "串口未打开"));
        return false;
    }
    port.discardInput();
    if (!port.writeAll(block)) {
        ReportFailure(port, messages, port.errorString());
        return false;
    }
    if (!AwaitAnswer(port)) {
        ReportFailure(port, messages, port.hasFailed() ? port.errorString() : QString());
        return false;
    }
    AwaitQuietLine(port);  // the answer's content carries no meaning
    return true;
}
