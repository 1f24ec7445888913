#pragma once

#include <QByteArray>
#include <vector>

// One piece of the incoming stream: a whole block, or bytes that cannot start one.
struct FramedPiece
{
    bool isBlock = false;
    QByteArray bytes;
    // How many bytes of the feed that completed the piece had been fed when it
    // was complete (0 when the piece ended with bytes of an earlier feed).
    qsizetype endInFeed = 0;
};

// Cuts a byte stream into blocks by their eight-byte tag and the size the
// tag has. Bytes that cannot begin a known tag come out as garbage, up to the
// next place where a tag could start. Holds at most one unfinished block.
class BlockFramer
{
public:
    // Takes the next bytes of the stream; returns the pieces they complete, in order.
    std::vector<FramedPiece> feed(const QByteArray &bytes);

    // Bytes held for a block (or a tag) still to be completed.
    const QByteArray &pending() const { return m_pending; }

private:
    QByteArray m_pending;
};
