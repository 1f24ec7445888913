#pragma once

#include "message_sink.h"

#include <functional>

// Passes every message on, and adds one line to the first write-failure
// message ("写入设置失败！") it passes: the note, taken when that message
// comes, unless it is empty then. Later messages go on unchanged.
class WriteFailureNote : public MessageSink
{
public:
    WriteFailureNote(MessageSink &messages, std::function<QString()> note);

    void showError(const QString &title, const QString &text) override;
    bool confirm(const QString &title, const QString &text, const QString &stayButton,
                 const QString &goOnButton) override
    {
        return m_messages.confirm(title, text, stayButton, goOnButton);
    }

private:
    MessageSink &m_messages;
    std::function<QString()> m_note;
    bool m_noted = false;
};
