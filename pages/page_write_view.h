#pragma once

#include "wait_window_slot.h"
#include "write_view.h"

class QWidget;

// How a page's write shows itself: the page's write button, and the wait
// window placed 1999 twips right of and 2300 twips below the main page's
// corner, also while the main page is hidden behind the sensor page.
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
};
