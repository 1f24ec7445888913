#pragma once

#include "message_sink.h"
#include "port.h"
#include "validation.h"
#include "write_result.h"
#include "write_view.h"

#include <QByteArray>

// What both page writes share: the checks before the first block, and the
// exchange of each block with its count and report.
class BlockSender
{
public:
    BlockSender(Port &port, MessageSink &messages, WriteView &view);

    // Refuses the write with one message when a field cannot be written or
    // the port is not open; true when the write may go on.
    bool mayWrite(const QList<ValidationProblem> &problems);

    // Exchanges one block; true when the unit answered it.
    bool send(const QByteArray &block);

    // The wait window after the last block: its bar runs when the unit
    // answered; otherwise a window this write opened is closed.
    void finishWaitWindow(bool lastAnswered, bool shownByThisWrite);

    const WriteResult &result() const { return m_result; }

private:
    Port &m_port;
    MessageSink &m_messages;
    WriteView &m_view;
    WriteResult m_result;
};
