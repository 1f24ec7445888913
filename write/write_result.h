#pragma once

#include <QByteArray>
#include <QList>

// One block of a write: its tag ("COMSMSA2") and whether the unit answered it.
struct BlockOutcome
{
    QByteArray tag;
    bool answered = false;

    bool operator==(const BlockOutcome &other) const { return tag == other.tag && answered == other.answered; }
};

// How a page write went.
struct WriteResult
{
    bool refused = false;  // nothing sent or stored: invalid fields or no open port
    int blocksSent = 0;
    int blocksAnswered = 0;
    QList<BlockOutcome> blocks;  // every block sent, in sending order

    bool succeeded() const { return !refused && blocksSent == blocksAnswered; }
};
