#pragma once

#include "queued_input.h"
#include "wait_window_slot.h"
#include "write_view.h"

#include <memory>

class QWidget;

// How a page's write shows itself: the page's write button, and the wait
// window placed 1999 twips right of and 2300 twips below the main page's
// corner, also while the main page is hidden behind the sensor page. Input
// made during the write is dropped as it ends, and the focus goes back to
// the write button when the write started from it.
class PageWriteView : public WriteView
{
public:
    PageWriteView(const QWidget &mainPage, WaitWindowSlot &waitWindow, QWidget &writeButton);

    void setWriteEnabled(bool enabled) override;
    void placeWaitWindow() override;
    void showWaitWindow() override;
    void startWaitTimer() override;
    void closeWaitWindow() override;

private:
    const QWidget &m_mainPage;
    WaitWindowSlot &m_waitWindow;
    QWidget &m_writeButton;
    bool m_hadFocus = false;
    std::unique_ptr<InputHold> m_inputHold;  // while the write runs
};
