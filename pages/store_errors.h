#pragma once

class MessageSink;
class Store;

// What the store was doing when its failures came about; each has its own
// lead sentence.
enum class StoreAction {
    Read,           // restoring a page: the fields concerned show their defaults
    Save,           // storing a page's fields
    SaveComChoice,  // storing the COM choice at the end
};

// Reports in one message every store failure collected since the last
// report, each naming its file, after the lead sentence of `action`; shows
// nothing when there was none.
void ReportStoreErrors(Store &store, MessageSink &messages, StoreAction action);
