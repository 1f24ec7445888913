#pragma once

#include "write_result.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The blocks' parts as the page words them, joined: "油路控制密语、无线传感器1–5".
QString PartNames(const QList<QByteArray> &tags);

// What became of a page write, in the page's words: "已写入" when the unit
// answered every block, "已写入：…；未写入：…" naming the parts that reached it
// and those that did not (sent unanswered, or never sent after a failure),
// "报警器未收到任何设置" when none did, "没有发送任何设置" for a refused write.
QString OutcomeSummary(bool refused, const QList<BlockOutcome> &blocks);

// Each block as a technician looks for it, one a line:
// "COMSMSA2（油路控制密语）：已应答".
QString BlockDetails(const QList<BlockOutcome> &blocks);
