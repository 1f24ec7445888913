#pragma once

#include "message_sink.h"

#include <QPointer>
#include <QWidget>

// Shows each message as a modal message box with the error icon and one OK
// button, over the active window, or over the page when no window is active
// yet (a message at start-up): a box with a parent is centred on it.
class MessageBoxSink : public MessageSink
{
public:
    void setPage(QWidget *page) { m_page = page; }
    void showError(const QString &title, const QString &text) override;
    // A warning box with the two buttons; Enter and Esc keep to `stayButton`.
    bool confirm(const QString &title, const QString &text, const QString &stayButton,
                 const QString &goOnButton) override;

private:
    QPointer<QWidget> m_page;
};
