#pragma once

#include "profile.h"
#include "store.h"

// What the main page's menu and the command line do with profiles; each
// returns its problems for the caller to report. Store failures stay in the
// store's errors.

// The stored settings as a profile (missing files are created with their
// defaults, as at any load), read while the store is held. A store another
// instance keeps gives an empty profile, with the failure in its errors.
Profile ProfileFromStore(Store &store);

// A profile's settings put into the store as a write of both pages would
// store them (the rewrite password never): all of them, or none when any
// cannot be stored.
void StoreProfile(Store &store, const Profile &profile);

// Reads the profile file and, when it has no problem, stores its settings.
// A profile with any problem is refused whole: nothing is stored, and no
// settings folder is made for it.
ProfileParse ImportProfile(const QString &path, Store &store);

// Saves both pages' values as a profile file, readable by its owner alone
// (it holds the pass phrases), with the rewrite password only when the
// profile has it.
// Returns the reason on failure, empty on success.
QString ExportProfile(const QString &path, const Profile &profile);
