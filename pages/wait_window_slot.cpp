#include "wait_window_slot.h"

WaitWindowSlot::~WaitWindowSlot()
{
    delete m_window;
}

Form3 &WaitWindowSlot::use()
{
    if (!m_window)
        m_window = new Form3;
    return *m_window;
}
