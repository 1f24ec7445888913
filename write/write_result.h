#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <algorithm>

// One block of a write: its tag ("COMSMSA2") and whether the unit answered it.
struct BlockOutcome
{
    QByteArray tag;
    bool answered = false;

    bool operator==(const BlockOutcome &other) const { return tag == other.tag && answered == other.answered; }
};

inline int CountAnswered(const QList<BlockOutcome> &blocks)
{
    return int(std::count_if(blocks.cbegin(), blocks.cend(), [](const BlockOutcome &block) { return block.answered; }));
}

// How a page write went.
struct WriteResult
{
    bool refused = false;  // nothing sent or stored: invalid fields or no open port
    QStringList refusedFields;  // the controls ("Text7") whose values refused it, in the page's order
    QList<BlockOutcome> blocks;  // every block sent, in sending order
    bool portLost = false;  // the port failed in the middle: the blocks after the last one sent never went

    int blocksSent() const { return int(blocks.size()); }
    int blocksAnswered() const { return CountAnswered(blocks); }
    bool succeeded() const { return !refused && blocksSent() == blocksAnswered(); }
};
