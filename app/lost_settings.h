#pragma once

#include "page_fields.h"

class FileStore;
class Store;

// Settings files lost from a page, for a write or export without a window.
// A page none of whose files exist was never stored (the sensor page's files
// appear when it is first opened or written): its defaults go out, as on a
// first run. A page that has some of them lost the others, and their
// defaults must not go out in place of what the user stored: each missing
// file becomes a failure of `stored`.
void ReportLostFiles(const FileStore &files, const FieldTable &table, Store &stored);
