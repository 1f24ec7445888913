#include "block_sender.h"

#include "block_layouts.h"
#include "exchange.h"

#include <QCoreApplication>

namespace {

QString RefusalTitle()
{
    return QCoreApplication::translate("Write", "无法写入设置");
}

}  // namespace

BlockSender::BlockSender(Port &port, MessageSink &messages, WriteView &view)
    : m_port(port), m_messages(messages), m_view(view)
{
}

bool BlockSender::mayWrite(const QList<ValidationProblem> &problems)
{
    if (!problems.isEmpty()) {
        for (const ValidationProblem &problem : problems)
            m_result.refusedFields << problem.control;
        m_messages.showError(RefusalTitle(), DescribeProblems(problems));
    } else if (!m_port.isOpen()) {
        const QString device = m_port.deviceName().isEmpty()
            ? QString()
            : QCoreApplication::translate("Write", "（%1）").arg(m_port.deviceName());
        m_messages.showError(RefusalTitle(),
                             QCoreApplication::translate("Write", "串口%1未打开，没有写入任何设置。\n"
                                                                  "请在“串口设置”中选择连接报警器的COM口，然后再写入。")
                                 .arg(device));
    } else {
        return true;
    }
    m_result.refused = true;
    return false;
}

bool BlockSender::send(const QByteArray &block)
{
    const bool answered = ExchangeBlock(m_port, block, m_messages);
    m_result.blocks.append({block.left(kTagSize), answered});
    m_view.blockExchanged(block.left(kTagSize), answered);
    return answered;
}

void BlockSender::finishWaitWindow(bool lastAnswered, bool shownByThisWrite)
{
    if (lastAnswered) {
        m_view.showWaitWindow();
        m_view.placeWaitWindow();
        m_view.startWaitTimer();
    } else if (shownByThisWrite) {
        m_view.closeWaitWindow();
    }
}
