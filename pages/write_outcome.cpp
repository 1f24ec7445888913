#include "write_outcome.h"

#include "page_style.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
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
    setWordWrap(true);
}

void WriteOutcomeLabel::showOutcome(const WriteResult &result, const QDateTime &when)
{
    m_changedSince = false;
    setText(WriteOutcomeText(result, when));
    setToolTip(text());
    SetTextColour(*this, result.succeeded() ? PageColors::kGreen : PageColors::kDarkRed);
}

void WriteOutcomeLabel::showNote(const QString &note)
{
    m_changedSince = true;  // a note describes no write
    setText(note);
    setToolTip(note);
    SetTextColour(*this, QPalette().color(QPalette::WindowText));
}

void WriteOutcomeLabel::pageChanged()
{
    if (m_changedSince || text().isEmpty())
        return;
    m_changedSince = true;
    setText(QCoreApplication::translate("WriteOutcome", "%1，此后本页已修改", "outcome, then the page was edited").arg(text()));
    setToolTip(text());
    SetTextColour(*this, QPalette().color(QPalette::PlaceholderText));
}

void WriteOutcomeLabel::watch(const QList<QObject *> &fields)
{
    for (QObject *field : fields) {
        if (auto *line = qobject_cast<QLineEdit *>(field))
            connect(line, &QLineEdit::textChanged, this, &WriteOutcomeLabel::pageChanged);
        else if (auto *text = qobject_cast<QPlainTextEdit *>(field))
            connect(text, &QPlainTextEdit::textChanged, this, &WriteOutcomeLabel::pageChanged);
        else if (auto *check = qobject_cast<QCheckBox *>(field))
            connect(check, &QCheckBox::stateChanged, this, &WriteOutcomeLabel::pageChanged);
        else if (auto *button = qobject_cast<QAbstractButton *>(field))
            connect(button, &QAbstractButton::toggled, this, &WriteOutcomeLabel::pageChanged);
    }
}
