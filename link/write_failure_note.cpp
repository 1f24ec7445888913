#include "write_failure_note.h"

#include "exchange.h"

WriteFailureNote::WriteFailureNote(MessageSink &messages, std::function<QString()> note)
    : m_messages(messages), m_note(std::move(note))
{
}

void WriteFailureNote::showError(const QString &title, const QString &text)
{
    if (m_noted || title != WriteFailureTitle()) {
        m_messages.showError(title, text);
        return;
    }
    m_noted = true;
    const QString note = m_note();
    m_messages.showError(title, note.isEmpty() ? text : text + QLatin1String("\n\r") + note);
}
