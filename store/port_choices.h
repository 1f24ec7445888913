#pragma once

#include "store.h"

#include <QString>
#include <array>

// The port a COM option was pointed at instead of its own (on Windows a USB
// adapter on COM7 for the option COM1), one settings file per option,
// "comdev1.cck" to "comdev4.cck", beside the COM choice. An option that
// stands for its own port has no file, or an empty one.

// The settings key of option com (1..4).
QString PortChoiceKey(int com);
// The devices the options were pointed at; empty where none was, or where
// the file cannot be read.
std::array<QString, 4> ReadPortChoices(Store &store);
// Remembers `device` for option com; an empty device takes the choice back.
bool StorePortChoice(Store &store, int com, const QString &device);
