#pragma once

#include <QString>
#include <memory>

// An advisory lock on the settings folder, taken through the file
// "alarmcfg.lock" inside it, so that two running instances of the program
// never sweep, store, import or export there at the same time. The lock goes
// with the process: one that ends or crashes leaves none behind.
class SettingsLock
{
public:
    enum class State {
        Held,         // this instance has the folder to itself until the lock is destroyed
        Busy,         // another instance kept it for the whole wait
        Unavailable,  // no lock can be made there (no such folder, a read-only one)
    };

    // Waits up to `waitMs` for the lock on `directory`.
    SettingsLock(const QString &directory, int waitMs);
    ~SettingsLock();
    SettingsLock(const SettingsLock &) = delete;
    SettingsLock &operator=(const SettingsLock &) = delete;

    State state() const { return m_state; }

    static QString fileName();

private:
    struct Handle;  // what the platform locks; null unless Held
    std::unique_ptr<Handle> m_handle;
    State m_state = State::Unavailable;
};
