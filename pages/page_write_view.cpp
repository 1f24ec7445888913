#include "page_write_view.h"

#include "screen_fit.h"
#include "twips.h"

#include <QWidget>

PageWriteView::PageWriteView(const QWidget &mainPage, WaitWindowSlot &waitWindow,
                             QWidget &writeButton)
    : m_mainPage(mainPage), m_waitWindow(waitWindow), m_writeButton(writeButton)
{
}

void PageWriteView::setWriteEnabled(bool enabled)
{
    m_writeButton.setEnabled(enabled);
    m_writeButton.repaint();  // the write holds the thread: show the change now
}

void PageWriteView::placeWaitWindow()
{
    m_waitWindow.use().move(m_mainPage.pos() + TwipsOffset(m_mainPage, 1999, 2300));
    KeepOnScreen(m_waitWindow.use());
}

void PageWriteView::showWaitWindow()
{
    m_waitWindow.use().showPainted();
}

void PageWriteView::startWaitTimer()
{
    m_waitWindow.use().switchTimerOn();
}

void PageWriteView::closeWaitWindow()
{
    if (WaitWindow *window = m_waitWindow.loaded())
        window->close();
}
