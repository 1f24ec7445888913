#pragma once

#include "command_line.h"

// `alarmcfg --export FILE`: the stored settings as a profile.
int RunExport(const CommandLine &options);

// `alarmcfg --import FILE`: a profile's settings into the store, as if typed
// and written; a profile with any problem is refused whole and nothing is stored.
int RunImport(const CommandLine &options);
