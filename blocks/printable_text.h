#pragma once

#include <QString>

// A text that came from outside (a file name, a process name, a stored value)
// as the program prints it: every control character is written out as an
// escape (\n, \r, \t, \e, \x7f, \x9b, \u2028), so that the text can neither
// make a line of its own nor send commands to the terminal. Everything else,
// backslashes included, stays as it is.
QString Printable(const QString &text);
