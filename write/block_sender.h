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

    // Exchanges one block; true when the unit answered it. When the port
    // fails on the way (the adapter pulled, the device gone) the block's
    // write-failure message gives way to one message saying so and naming
    // the parts that reached the unit; nothing is sent after that.
    bool send(const QByteArray &block);
    // The view's pause, then send(); neither once the port is lost.
    bool sendAfterPause(const QByteArray &block);
    // Whether the block with `tag` went to the port in this write.
    bool exchanged(const char *tag) const;

    // The wait window after the last block: its bar runs when the unit
    // answered; otherwise a window this write opened is closed.
    void finishWaitWindow(bool lastAnswered, bool shownByThisWrite);

    const WriteResult &result() const { return m_result; }

private:
    void tellPortLost();

    Port &m_port;
    MessageSink &m_messages;
    WriteView &m_view;
    WriteResult m_result;
};
