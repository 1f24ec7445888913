#include "page_write_view.h"

#include "queued_input.h"
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
    if (!enabled) {
        m_hadFocus = m_writeButton.window()->focusWidget() == &m_writeButton;
        m_inputHold = std::make_unique<InputHold>(*m_writeButton.window());
    } else {
        m_inputHold.reset();  // before the button takes clicks again
    }
    m_writeButton.setEnabled(enabled);
    m_writeButton.repaint();  // the write holds the thread: show the change now
    // Disabled, the button passed the focus on (to 退出): take it back, so
    // that a second Enter writes again rather than quitting.
    if (enabled && m_hadFocus)
        m_writeButton.setFocus(Qt::OtherFocusReason);
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
