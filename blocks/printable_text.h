#pragma once

#include <QString>

// `text` with every control character written as \xHH (\x1b for ESC), so
// that a name taken from the system (a device, a process, a file) cannot
// move the cursor, clear the line or recolour a terminal or a message box.
QString Printable(const QString &text);
