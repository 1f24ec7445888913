#pragma once

#include <functional>

// `alarmcfg --write ... --repeat`, for a row of units on the bench: writes
// one unit (`writeUnit` says whether it succeeded), prints its outcome, then
// asks on standard input for the next one: Enter writes it, "q" or the end of
// the input stops. Ends with how many units succeeded and failed. Returns the
// exit code: 0 only when every unit succeeded.
int RepeatWrites(const std::function<bool()> &writeUnit);
