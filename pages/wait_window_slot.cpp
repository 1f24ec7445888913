#include "wait_window_slot.h"

WaitWindowSlot::~WaitWindowSlot()
{
    delete m_window;
}

WaitWindow &WaitWindowSlot::use()
{
    if (!m_window)
        m_window = new WaitWindow;
    return *m_window;
}
