#include "close_hold.h"

#include <QCloseEvent>
#include <utility>

void CloseHold::runWrite(const std::function<void()> &write)
{
    m_writing = true;
    write();
    m_writing = false;
    const QList<QPointer<QWidget>> held = std::exchange(m_held, {});
    for (const QPointer<QWidget> &window : held)
        if (window)
            window->close();
}

bool CloseHold::holds(QWidget &window, QCloseEvent &event)
{
    if (!m_writing)
        return false;
    event.ignore();
    if (!m_held.contains(&window))
        m_held.append(&window);
    return true;
}
