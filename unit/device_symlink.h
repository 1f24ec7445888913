#pragma once

#include <QString>

// A symbolic link to the unit's device under a fixed name (for demos), removed again
// when this object goes.
class DeviceSymlink
{
public:
    DeviceSymlink() = default;
    ~DeviceSymlink();
    DeviceSymlink(const DeviceSymlink &) = delete;
    DeviceSymlink &operator=(const DeviceSymlink &) = delete;

    // Makes `linkPath` point at `target`. A symbolic link already there (left
    // by an earlier run) is replaced; any other file is not touched and is an error.
    bool create(const QString &linkPath, const QString &target, QString *error);

private:
    QString m_linkPath;
};
