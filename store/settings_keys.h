#pragma once

#include <array>

// How a field's value is written in its file.
enum class ValueKind {
    Text,      // the box's text as typed
    Option,    // "True" or "False"
    CheckBox,  // the state as a number
};

// How much of a file is the field's value.
enum class Lines {
    One,   // the first line: a line break never reaches the unit inside a pass phrase or a number
    Many,  // every line up to the final line end: the SMS texts
};

// One field of a page: its settings key, its control, the lines of its file
// it takes and the value written when its file is missing.
struct SettingsKey
{
    const char *key;
    const char *control;
    ValueKind kind;
    Lines lines;
    const char *defaultValue;  // UTF-8
};

// The main page's 31 fields in restore order. Text15 (the SMS-rewrite
// password) has no file: it starts from 秋水长天 at every start.
extern const std::array<SettingsKey, 31> kMainPageKeys;

// The sensor page's 20 fields in restore order: SMS1, Ttt1, ..., SMS10, Ttt10.
extern const std::array<SettingsKey, 20> kSensorPageKeys;

constexpr char kDefaultRewritePassword[] = "秋水长天";
