#pragma once

class HistoryLog;
class MessageSink;
struct WriteRecord;

// Puts a write made from a window into the history. A history that cannot be
// written never stops a write: the first failure is shown once, as "写入记录".
void RecordWindowWrite(HistoryLog &log, MessageSink &messages, const WriteRecord &record);
