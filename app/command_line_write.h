#pragma once

#include "command_line.h"

// `alarmcfg --write main|sensor|all`: takes the pages from the settings store
// (restored as the pages' loads would) or from --profile (the store is left
// untouched), validates them and writes them to the port of the stored COM
// choice, one line per block on stdout, failure messages on stderr.
// Returns the process exit code: 0 only when no write was refused, every
// block sent was answered and the store took every value.
int RunCommandLineWrite(const CommandLine &options);
