#pragma once

#include "page_values.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Every setting of both pages in one file people can read and pass around:
// UTF-8 JSON with a format version. The COM choice is left out, and the
// SMS-rewrite password unless asked for.
struct Profile
{
    MainPageValues main;
    SensorPageValues sensor;
    bool hasPassword = false;  // the rewrite password came from the profile, or goes into it
};

constexpr int kProfileVersion = 1;

QByteArray ProfileToJson(const Profile &profile, bool includePassword);

// A profile, or every problem found: invalid JSON, an unknown version,
// missing fields, fields of the wrong type, values the unit cannot hold.
// Each problem names the field ("main.passPhrases.arm") and what is wrong.
struct ProfileParse
{
    std::optional<Profile> profile;
    QStringList problems;
};
ProfileParse ParseProfile(const QByteArray &json);

// The same for a file; each problem also names the file. Only a regular file
// of at most a few MB is read: a FIFO, a device or a huge file is refused.
ProfileParse ReadProfileFile(const QString &path);
// Written atomically; returns the reason on failure, empty on success. A path
// that is no regular file (a device such as /dev/null, a FIFO, a folder) is
// refused, never replaced. Every profile holds the pass phrases: it is
// readable by its owner alone (0600) from the moment it exists.
QString WriteProfileFile(const QString &path, const QByteArray &json);
