#pragma once

#include "command_line.h"

class QApplication;

// Runs the desktop program: the main page, the sensor page and the wait
// window; the main page imports the profile given to open, once it shows.
int RunGui(QApplication &app, const CommandLine &options);
