#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

class QCloseEvent;

// Holds the pages' window-frame closes while a write runs. The write keeps
// the user-interface thread, but the wait window's paint wait and the
// message boxes let window-system events through, a close request among
// them. Carried out at once it would close the serial port, or destroy the
// sensor page, under the running write; so it is ignored then and carried
// out once the write has returned.
class CloseHold
{
public:
    CloseHold() = default;
    CloseHold(const CloseHold &) = delete;
    CloseHold &operator=(const CloseHold &) = delete;

    // Runs a page's write, then closes every window whose close it held.
    void runWrite(const std::function<void()> &write);

    // For a window's closeEvent: true while a write runs, the event then
    // ignored and the window's close remembered.
    bool holds(QWidget &window, QCloseEvent &event);

private:
    bool m_writing = false;
    QList<QPointer<QWidget>> m_held;
};
