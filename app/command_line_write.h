#pragma once

#include "command_line.h"

// `alarmcfg --write main|sensor|all`: takes the pages from the settings store
// (missing settings count as their defaults) or from --profile (the store is
// left untouched), validates every page asked for and writes them to the
// port of the COM option WriteComOption() names (the stored choice unless
// --com or a single --port says otherwise), one line per block on stdout, failure
// messages on stderr. A setting that cannot be read, or any page that cannot
// be written as it stands, refuses the whole write before the first block.
// --dry-run prints the blocks instead and changes nothing on disk.
// Each page written goes into the write history; a history that cannot be
// written is told once on stderr and leaves the exit code as it was.
// --repeat writes one unit after another (see RepeatWrites); it is refused
// with exit code 2 when standard input was not open for reading at the start
// (`answersReadable`), where no answer could come from.
// Returns the process exit code: 0 only when nothing was refused, every
// block sent was answered and the store took every value.
int RunCommandLineWrite(const CommandLine &options, bool answersReadable);
