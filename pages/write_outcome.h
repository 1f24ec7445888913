#pragma once

#include "outcome_words.h"
#include "write_result.h"

#include <QDateTime>
#include <QLabel>
#include <QList>

// The summary with the time the write ended: "已写入（10:31:02）"; a refused
// write sent nothing at any time.
QString WriteOutcomeText(const WriteResult &result, const QDateTime &when);

// A status line under a page's buttons: the last write's outcome, in green
// when the unit answered every block and in dark red otherwise, as the port
// status shows an open and a closed port. It wraps rather than cut a long
// outcome off; its tooltip adds each block's tag and answer.
class WriteOutcomeLabel : public QLabel
{
    Q_OBJECT

public:
    explicit WriteOutcomeLabel(QWidget *parent = nullptr);

    void showOutcome(const WriteResult &result, const QDateTime &when = QDateTime::currentDateTime());
    // A field of the page changed: the outcome no longer describes the page
    // as it shows, and says so ("…，此后本页已修改").
    void pageChanged();
    // A note in place of the outcome ("配置已保存到 …"), in the page's own colour.
    void showNote(const QString &note);
    // Every edit of the page's `boxes` (line edits, plain-text edits,
    // buttons) calls pageChanged().
    void watch(const QList<QObject *> &fields);

private:
    void showText(const QString &text);

    bool m_changedSince = false;
    QString m_blockDetails;  // of the write shown, for the tooltip
};
