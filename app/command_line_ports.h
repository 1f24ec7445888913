#pragma once

#include "command_line.h"

// `alarmcfg --list-ports`: one line per COM option with its device, the
// adapter's kind and USB ids, whether this user may read and write it and
// whether another program holds it; then the further serial devices the
// system lists. Opens and locks nothing. Returns the exit code, 0.
int RunListPorts(const CommandLine &options);
