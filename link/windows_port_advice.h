#pragma once

#include <QString>

// Why a port would not open on Windows, told by the system's error code, and
// what to do: another program holds it (ERROR_ACCESS_DENIED,
// ERROR_SHARING_VIOLATION), there is no such port (ERROR_FILE_NOT_FOUND: a
// missing adapter or driver, a number that does not exist), or the system's
// own text for anything else.
QString WindowsOpenFailureReason(unsigned long systemError, const QString &systemText);

// True for the codes of a port that another program holds.
bool IsPortBusyError(unsigned long systemError);

// The system's text for an error code, without the line end.
QString WindowsErrorText(unsigned long systemError);
