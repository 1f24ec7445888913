#pragma once

#include "device_access.h"

#include <QString>

// A port that would not open, with what the system tells about it.
struct OpenFailure
{
    int com = 0;
    QString device;
    QString systemReason;        // the port's own error text
    bool refused = false;        // the open was refused (no permission, or locked)
    DeviceAccess access;
};

// The message for the user: which option and device, why it would not open,
// and what to do. A refused open with read and write access (or as root) is
// a port another program holds, named where the system tells; without access
// the user is sent to the device's group only where joining it helps. A
// running ModemManager adds one line.
QString OpenFailureMessage(const OpenFailure &failure);

// The line about a running ModemManager, empty when it does not run.
QString ModemManagerNote(const ModemManagerFacts &modemManager);
