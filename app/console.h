#pragma once

#include "message_sink.h"
#include "store.h"

#include <QTextStream>

// Standard output and error of the command line, in UTF-8.
QTextStream &Out();
QTextStream &Err();

// One line on standard output. Once that fails (a reader that closed its end
// of a pipe), nothing more is printed there; the work goes on.
void PrintLine(const QString &line);

// Failure messages of a write without a window: title and text on stderr.
class StderrMessages : public MessageSink
{
public:
    void showError(const QString &title, const QString &text) override;
};

// Prints the store's collected failures; true when there were none.
bool PrintStoreErrors(Store &store);
