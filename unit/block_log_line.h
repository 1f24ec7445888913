#pragma once

#include <QByteArray>

// The unit's log: one compact JSON object per line, without the line feed.

// A whole block with a known tag: its tag, size, bytes in lower-case hex, the
// decoded fields (texts and numbers as "TextN", single bytes by their field
// name as two hex digits) and whether rebuilding the fields gives the block
// back byte for byte ("exact"). Anything else is logged as garbage.
QByteArray BlockLogLine(const QByteArray &block);

// Bytes that began no known block: {"garbage": "<hex>"}.
QByteArray GarbageLogLine(const QByteArray &bytes);

// The unit's unasked bytes are all on the line: {"chatter": <count>}.
QByteArray ChatterLogLine(int count);
