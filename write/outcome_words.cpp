#include "outcome_words.h"

#include "block_layouts.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The tags the write's page sends, in sending order; the recorded ones for a
// tag this program does not know.
QList<QByteArray> PageTags(const QList<BlockOutcome> &blocks)
{
    QList<QByteArray> tags;
    const BlockLayout *first = blocks.isEmpty() ? nullptr : FindBlockLayout(blocks.first().tag);
    if (first) {
        for (const BlockLayout &layout : AllBlockLayouts())
            if (layout.page == first->page)
                tags << QByteArray(layout.tag);
    } else {
        for (const BlockOutcome &block : blocks)
            tags << block.tag;
    }
    return tags;
}

}  // namespace

QString PartNames(const QList<QByteArray> &tags)
{
    QStringList names;
    for (const QByteArray &tag : tags)
        names << PartName(tag);
    return names.join(QCoreApplication::translate("WriteOutcome", "、", "between parts"));
}

QString OutcomeSummary(bool refused, const QList<BlockOutcome> &blocks)
{
    if (refused)
        return QCoreApplication::translate("WriteOutcome", "没有发送任何设置");
    QList<QByteArray> reached;
    for (const BlockOutcome &block : blocks)
        if (block.answered)
            reached << block.tag;
    QList<QByteArray> missed;
    for (const QByteArray &tag : PageTags(blocks))
        if (!reached.contains(tag))
            missed << tag;
    if (missed.isEmpty())
        return QCoreApplication::translate("WriteOutcome", "已写入");
    if (reached.isEmpty())
        return QCoreApplication::translate("WriteOutcome", "报警器未收到任何设置");
    return QCoreApplication::translate("WriteOutcome", "已写入：%1；未写入：%2").arg(PartNames(reached), PartNames(missed));
}

QString BlockDetails(const QList<BlockOutcome> &blocks)
{
    QStringList lines;
    for (const BlockOutcome &block : blocks)
        lines << (block.answered ? QCoreApplication::translate("WriteOutcome", "%1（%2）：已应答")
                                 : QCoreApplication::translate("WriteOutcome", "%1（%2）：未应答"))
                     .arg(QString::fromLatin1(block.tag), PartName(block.tag));
    return lines.join(u'\n');
}
