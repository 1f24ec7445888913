#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// GB18030, the settings files' encoding. Elsewhere through Qt (with ICU);
// on Windows, whose Qt is built without ICU, through the system's code pages:
// code page 54936 is GB18030 itself. Where the system lacks it (Wine), code
// page 936 (GBK) stands in for the two-byte characters, with the euro sign as
// GB18030 has it (A2 E3), and the characters beyond the BMP (emoji) are
// counted out by their four-byte codes; the other four-byte characters then
// count as unreadable and unwritable, never as something else.

// The text, or nothing when the bytes are no GB18030 text (including a
// character cut off at the end).
std::optional<QString> DecodeGb18030(const QByteArray &bytes);
// The bytes, or nothing when a character cannot be held.
std::optional<QByteArray> EncodeGb18030(const QString &text);
