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

// A message on standard error. Messages built below the command line quote
// file names, device names and stored values: each of their lines is printed
// with its control characters escaped, so that none of them reaches the
// terminal.
void PrintError(const QString &message);

// Whether standard input was open for reading. Asked first thing in main():
// once anything opens a descriptor, a closed descriptor 0 may be reused and
// read as if it were the user's input.
bool StandardInputReadable();

// Whether standard error goes to a terminal, where the user sees it.
bool StandardErrorIsTerminal();

// Failure messages of a write without a window: title and text on stderr.
class StderrMessages : public MessageSink
{
public:
    void showError(const QString &title, const QString &text) override;
};

// Prints the store's collected failures; true when there were none.
bool PrintStoreErrors(Store &store);
