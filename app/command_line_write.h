#pragma once

#include "command_line.h"

// `alarmcfg --write main|sensor`: restores the page from the settings store as
// the page's load would, validates it and writes it to the port of the stored
// COM choice, one line per block on stdout, failure messages on stderr.
// Returns the process exit code: 0 only when the write was not refused and
// every block sent was answered.
int RunCommandLineWrite(const CommandLine &options);
