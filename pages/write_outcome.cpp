#include "write_outcome.h"

#include "page_style.h"

#include <QStringList>

QString OutcomeSummary(bool refused, const QList<BlockOutcome> &blocks)
{
    if (refused)
        return QStringLiteral("没有发送任何设置");
    QStringList silent;
    for (const BlockOutcome &block : blocks)
        if (!block.answered)
            silent << QString::fromLatin1(block.tag);
    if (silent.isEmpty())
        return QStringLiteral("已写入");
    const QString unanswered = silent.join(QStringLiteral("、")) + QStringLiteral(" 未应答");
    return silent.size() == blocks.size() ? unanswered : unanswered + QStringLiteral("，其余已写入");
}

QString WriteOutcomeText(const WriteResult &result, const QDateTime &when)
{
    const QString summary = OutcomeSummary(result.refused, result.blocks);
    return result.refused ? summary : summary + QStringLiteral("（%1）").arg(when.toString(QStringLiteral("HH:mm:ss")));
}

WriteOutcomeLabel::WriteOutcomeLabel(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("WriteOutcome"));
}

void WriteOutcomeLabel::showOutcome(const WriteResult &result, const QDateTime &when)
{
    setText(WriteOutcomeText(result, when));
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, result.succeeded() ? PageColors::kGreen : PageColors::kDarkRed);
    setPalette(colours);
}
