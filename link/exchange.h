#pragma once

#include "message_sink.h"
#include "port.h"

#include <QByteArray>
#include <QString>

// The unit has about a second to answer: the receive count is read at most
// kPollLimit times, kPollIntervalMs apart, the first time right after sending.
constexpr int kPollLimit = 100;
constexpr int kPollIntervalMs = 10;

// The message shown when the unit does not answer a block.
QString WriteFailureTitle();
QString WriteFailurePrompt();  // four lines, each pair separated by LF then CR

// Sends one block and waits for the unit's answer: any byte counts. Bytes
// left over from an earlier answer are dropped before sending, so a block
// counts as answered only with an answer of its own. Returns false after
// showing the write-failure message when nothing arrives in time or the port
// fails (its own error text is added then).
bool ExchangeBlock(Port &port, const QByteArray &block, MessageSink &messages);
