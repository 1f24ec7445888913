#pragma once

// How a page write went.
struct WriteResult
{
    bool refused = false;  // nothing sent or stored: invalid fields or no open port
    int blocksSent = 0;
    int blocksAnswered = 0;

    bool succeeded() const { return !refused && blocksSent == blocksAnswered; }
};
