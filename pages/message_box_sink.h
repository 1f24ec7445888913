#pragma once

#include "message_sink.h"

// Shows each message as a modal message box with the error icon and one OK
// button, over the active page.
class MessageBoxSink : public MessageSink
{
public:
    void showError(const QString &title, const QString &text) override;
};
