#pragma once

#include "message_sink.h"
#include "port.h"

#include <QByteArray>
#include <QString>

// The unit has about a second to answer: the receive count is read at most
// kPollLimit times, kPollIntervalMs apart, the first time right after sending.
constexpr int kPollLimit = 100;
constexpr int kPollIntervalMs = 10;

// An answer may be several bytes ("OK" CR LF takes about 4 ms at 9600 baud).
// It ends when the line has been quiet for kQuietMs, a few character times;
// a line that never goes quiet is given up on after kQuietWaitLimit waits.
constexpr int kQuietMs = 5;
constexpr int kQuietWaitLimit = 100;

// The message shown when the unit does not answer a block.
QString WriteFailureTitle();
QString WriteFailurePrompt();  // four lines, each pair separated by LF then CR

// Sends one block and waits for the unit's answer: any byte counts. The
// answer and whatever follows it until the line goes quiet are dropped, and
// so are bytes waiting before the block is sent: a block counts as answered
// only with an answer of its own. Returns false after showing the
// write-failure message when nothing arrives in time or the port fails (its
// own error text is added then).
bool ExchangeBlock(Port &port, const QByteArray &block, MessageSink &messages);
