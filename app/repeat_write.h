#pragma once

#include <QIODevice>
#include <functional>

// What the user answered when asked to connect the next unit.
enum class RepeatAnswer {
    NextUnit,  // Enter on an empty line
    Stop,      // "q", the end of the input, or a line far longer than anyone types
    AskAgain,  // anything else: "quit", "n", a full-width "ｑ" ...
};

// Reads one answer, one line of at most a few dozen bytes, from `input`.
RepeatAnswer ReadRepeatAnswer(QIODevice &input);

// `alarmcfg --write ... --repeat`, for a row of units on the bench: writes
// one unit (`writeUnit` says whether it succeeded), prints its outcome, then
// asks on standard input for the next one (see RepeatAnswer). Ends with how
// many units succeeded and failed. Returns the exit code: 0 only when every
// unit succeeded. Standard input must have been open for reading at the start
// (StandardInputReadable()).
int RepeatWrites(const std::function<bool()> &writeUnit);
