#pragma once

#include <QString>

class MainPage;
class MessageSink;
class Store;

// A profile handed to the program to open (from a file manager): a stranger's
// profile must not silently replace the user's pass phrases. The user is asked
// first, naming the file; only then are the stored settings saved as a profile
// at `backupPath` (owner-only), so that they can be imported again, and the
// profile imported. True when it was imported.
bool OpenProfileWhenAsked(MainPage &page, Store &store, MessageSink &messages, const QString &path,
                          const QString &backupPath);
