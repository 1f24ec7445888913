#include "queued_input.h"

#include <QCoreApplication>
#include <QEvent>

InputHold::InputHold(QWidget &window) : m_window(&window)
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputHold::~InputHold()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputHold::eventFilter(QObject *receiver, QEvent *event)
{
    const bool input = event->isInputEvent() || event->type() == QEvent::InputMethod
        || event->type() == QEvent::Shortcut;
    auto *widget = qobject_cast<QWidget *>(receiver);
    return input && widget && widget->window() == m_window;
}
