#include "write_outcome.h"

#include "page_style.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

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
    m_blockDetails = BlockDetails(result.blocks);
    showText(WriteOutcomeText(result, when));
    SetTextColour(*this, result.succeeded() ? PageColors::kGreen : PageColors::kDarkRed);
}

void WriteOutcomeLabel::showNote(const QString &note)
{
    m_changedSince = true;  // a note describes no write
    m_blockDetails.clear();
    showText(note);
    SetTextColour(*this, QPalette().color(QPalette::WindowText));
}

void WriteOutcomeLabel::pageChanged()
{
    if (m_changedSince || text().isEmpty())
        return;
    m_changedSince = true;
    showText(QCoreApplication::translate("WriteOutcome", "%1，此后本页已修改", "outcome, then the page was edited").arg(text()));
    SetTextColour(*this, QPalette().color(QPalette::PlaceholderText));
}

void WriteOutcomeLabel::showText(const QString &text)
{
    setText(text);
    setToolTip(m_blockDetails.isEmpty() ? text : text + u'\n' + m_blockDetails);
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
