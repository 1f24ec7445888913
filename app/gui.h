#pragma once

#include "command_line.h"

class QApplication;

// Runs the desktop program: the main page, the sensor page and the wait
// window; the main page imports the profile given to open, once it shows.
int RunGui(QApplication &app, const CommandLine &options);

// A refusal of the command line in a message box, for a user who started the
// program without a terminal; returns once the box is closed.
void ShowRefusal(const QString &refusal);
