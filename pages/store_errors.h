#pragma once

#include <QString>

class MessageSink;
class Store;

// Reports in one message every store failure collected since the last
// report, each naming its file, after the lead sentence `context`; shows
// nothing when there was none.
void ReportStoreErrors(Store &store, MessageSink &messages, const QString &context);
