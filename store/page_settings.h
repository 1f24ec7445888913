#pragma once

#include "page_values.h"
#include "store.h"

#include <array>

// The main page as restored at its load.
struct MainPageSettings
{
    MainPageValues values;           // Text15 is always 秋水长天
    std::array<bool, 4> comOptions;  // Option1..Option4 as stored, in restore order
};

// Restores every field in its order, writing a missing file with the field's
// default first. A text field takes every line of its file (validation
// refuses a line break in a one-line field), an option or the check box its
// first line. A file that cannot be read or does not convert gives
// the default; the failure is left in the store's errors.
MainPageSettings RestoreMainPage(Store &store);
SensorPageValues RestoreSensorPage(Store &store);

// The option selected after restoring one option of a group to `value`:
// restoring True selects it (clearing the others), restoring False clears it
// if it was the selected one. 0 means none selected.
int RestoreOption(int selected, int option, bool value);

// The COM option (1..4, 0 for none) selected after the main page's restore;
// every start selects COM1 first.
int ComOptionAfterRestore(const std::array<bool, 4> &comOptions);

// The COM option (1..4, 0 for none) the stored Option1..Option4 select,
// read without creating any file: a missing file counts as its default.
int StoredComChoice(Store &store);

// The three groups the main-page write stores at its fixed points.
void StorePassPhrasesAndNumbers(Store &store, const MainPageValues &values);  // k1 .. tel6
void StoreAlarmSettings(Store &store, const MainPageValues &values);  // Text16 .. Option7
void StoreRingTone(Store &store, const MainPageValues &values);       // Check1, as " 1 "
void StoreSensorPage(Store &store, const SensorPageValues &values);   // SMS1, Ttt1 .. Ttt10
// Option1..Option4 as the exit buttons store them; selectedCom 0 stores four "False".
void StoreComOptions(Store &store, int selectedCom);

// Every file the writes of both pages store, with its value, in the order they store them.
StoredValues BothPagesToStore(const MainPageValues &main, const SensorPageValues &sensor);
