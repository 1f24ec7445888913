#pragma once

#include <QString>

// Where the link and the write sequences report to the user: the GUI shows a
// modal message box with an error icon, the command line prints to stderr.
class MessageSink
{
public:
    virtual ~MessageSink() = default;
    // Returns once the user has seen the message (the box was closed).
    virtual void showError(const QString &title, const QString &text) = 0;
    // Asks before going on: false for `stayButton`, the default answer,
    // true for `goOnButton`. A sink that cannot ask never goes on.
    virtual bool confirm(const QString &title, const QString &text, const QString &stayButton,
                         const QString &goOnButton)
    {
        Q_UNUSED(title);
        Q_UNUSED(text);
        Q_UNUSED(stayButton);
        Q_UNUSED(goOnButton);
        return false;
    }
};
