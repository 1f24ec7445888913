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
};
