#include "write_outcome.h"

#include "page_style.h"

#include <QCoreApplication>
#include <QStringList>

QString OutcomeSummary(bool refused, const QList<BlockOutcome> &blocks)
{
    if (refused)
        return QCoreApplication::translate("WriteOutcome", "没有发送任何设置");
    QStringList silent;
    for (const BlockOutcome &block : blocks)
        if (!block.answered)
            silent << QString::fromLatin1(block.tag);
    if (silent.isEmpty())
        return QCoreApplication::translate("WriteOutcome", "已写入");
    const QString tags = silent.join(QCoreApplication::translate("WriteOutcome", "、", "between block tags"));
    return silent.size() == blocks.size() ? QCoreApplication::translate("WriteOutcome", "%1 未应答").arg(tags)
                                          : QCoreApplication::translate("WriteOutcome", "%1 未应答，其余已写入").arg(tags);
}

QString WriteOutcomeText(const WriteResult &result, const QDateTime &when)
{
    const QString summary = OutcomeSummary(result.refused, result.blocks);
    return result.refused ? summary : QCoreApplication::translate("WriteOutcome", "%1（%2）", "outcome (time)")
                                           .arg(summary, when.toString(QStringLiteral("HH:mm:ss")));
}

WriteOutcomeLabel::WriteOutcomeLabel(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("WriteOutcome"));
}

void WriteOutcomeLabel::showOutcome(const WriteResult &result, const QDateTime &when)
{
    setText(WriteOutcomeText(result, when));
    SetTextColour(*this, result.succeeded() ? PageColors::kGreen : PageColors::kDarkRed);
}
