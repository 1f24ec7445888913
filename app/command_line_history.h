#pragma once

#include "command_line.h"

// `alarmcfg --history [N]`: the last N writes of the history, one line each,
// oldest first. No history yet prints nothing. Lines of the file that are no
// record are left out with one note on stderr. Returns the exit code: 0, or
// 1 when the history file cannot be read.
int RunHistory(const CommandLine &options);
