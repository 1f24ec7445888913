#pragma once

#include "wait_window.h"

#include <QPointer>

// The program's one wait window, loaded on its first use by a write and
// gone again once its bar has run to the end.
class WaitWindowSlot
{
public:
    WaitWindowSlot() = default;
    WaitWindowSlot(const WaitWindowSlot &) = delete;
    WaitWindowSlot &operator=(const WaitWindowSlot &) = delete;
    ~WaitWindowSlot();

    // The loaded window, or null.
    WaitWindow *loaded() const { return m_window; }
    // The loaded window, loading it first when there is none.
    WaitWindow &use();

private:
    QPointer<WaitWindow> m_window;
};
