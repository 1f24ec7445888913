#pragma once

#include "write_record.h"

#include <QString>

class HistoryLog;
class MessageSink;
class SerialLink;

// Where a write from a window goes: the COM option the port stands at now and its device.
WriteOrigin WindowOrigin(const SerialLink &link);

// The port of a write as people read it: "COM1 /dev/ttyUSB0", or "COM1" without a device.
QString PortName(const WriteOrigin &origin);

// Puts a write made from a window into the history. A history that cannot be
// written never stops a write: the first failure is shown once, as "写入记录".
void RecordWindowWrite(HistoryLog &log, MessageSink &messages, const WriteRecord &record);
