#include "block_sender.h"

#include "block_layouts.h"
#include "exchange.h"
#include "outcome_words.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>
#include <utility>

namespace {

// Keeps the one message an exchange may show until it is known whether the
// port is still there.
class HeldMessage : public MessageSink
{
public:
    void showError(const QString &title, const QString &text) override { m_message = {title, text}; }
    void passOn(MessageSink &messages) const
    {
        if (m_message)
            messages.showError(m_message->first, m_message->second);
    }

private:
    std::optional<std::pair<QString, QString>> m_message;
};

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
    if (m_result.portLost)
        return false;
    HeldMessage held;
    const bool answered = ExchangeBlock(m_port, block, held);
    m_result.blocks.append({block.left(kTagSize), answered});
    m_view.blockExchanged(block.left(kTagSize), answered);
    if (!answered && (m_port.hasFailed() || !m_port.isOpen()))
        tellPortLost();
    else
        held.passOn(m_messages);
    return answered;
}

bool BlockSender::sendAfterPause(const QByteArray &block)
{
    if (m_result.portLost)
        return false;
    m_view.pauseBetweenBlocks();
    return send(block);
}

bool BlockSender::exchanged(const char *tag) const
{
    return std::any_of(m_result.blocks.cbegin(), m_result.blocks.cend(),
                       [tag](const BlockOutcome &block) { return block.tag == tag; });
}

void BlockSender::tellPortLost()
{
    m_result.portLost = true;
    QList<QByteArray> reached;
    for (const BlockOutcome &block : std::as_const(m_result.blocks))
        if (block.answered)
            reached << block.tag;
    const QString written = reached.isEmpty()
        ? QCoreApplication::translate("Write", "报警器没有收到任何设置。")
        : QCoreApplication::translate("Write", "断开前已写入报警器：%1。").arg(PartNames(reached));
    m_messages.showError(QCoreApplication::translate("Write", "串口已断开"),
                         QCoreApplication::translate("Write", "写入途中串口 %1 断开了（USB转串口线可能被拔出）：%2\n%3\n"
                                                              "其余设置没有发送。请重新连接报警器，再写入一次。")
                             .arg(m_port.deviceName(), m_port.errorString(), written));
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
