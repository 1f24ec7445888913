#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// GB18030 through the system's code pages, for Qt built without ICU (the
// Windows build), whose QStringConverter knows no GB18030. Code page 54936
// is GB18030 itself. Where the system lacks it (Wine), code page 936 (GBK)
// stands in for the two-byte characters, with the euro sign as GB18030 has
// it (A2 E3); the four-byte characters then count as unreadable and
// unwritable, never as something else.

// The text, or nothing when the bytes are no GB18030 text (including a
// character cut off at the end).
std::optional<QString> DecodeGb18030(const QByteArray &bytes);
// The bytes, or nothing when a character cannot be held.
std::optional<QByteArray> EncodeGb18030(const QString &text);
