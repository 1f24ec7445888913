#pragma once

#include <QByteArray>

// What a write shows on the screen, implemented by the page that runs it
// (and by the command line and tests, which show nothing).
class WriteView
{
public:
    virtual ~WriteView() = default;

    // The page's write button, disabled while its write runs.
    virtual void setWriteEnabled(bool enabled) = 0;
    // The wait window: placed 1999 twips right of and 2300 below the main
    // page's corner, shown modeless; its timer runs the bar and closes it.
    virtual void placeWaitWindow() = 0;
    virtual void showWaitWindow() = 0;
    virtual void startWaitTimer() = 0;
    virtual void closeWaitWindow() = 0;
    // The rest the unit gets between two of the main page's blocks: 50 ms.
    // A test's view records it instead of waiting.
    virtual void pauseBetweenBlocks();
    // Told after each exchange, for the command line's one line per block.
    virtual void blockExchanged(const QByteArray &tag, bool answered)
    {
        Q_UNUSED(tag);
        Q_UNUSED(answered);
    }
};

// A write with no window to show: the command line, the benchmark.
class NoWindowView : public WriteView
{
public:
    void setWriteEnabled(bool) override {}
    void placeWaitWindow() override {}
    void showWaitWindow() override {}
    void startWaitTimer() override {}
    void closeWaitWindow() override {}
};
