#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// Values for several keys, in the order they are stored.
using StoredValues = QList<std::pair<QString, QString>>;

// Where the fields keep their values between runs: one value per key.
// Failures never throw; each is collected, so that a page load or a write can
// report them once, naming every file and the reason.
class Store
{
public:
    virtual ~Store() = default;

    // Makes the settings directory exist (the main page's load does this first).
    virtual void ensureDirectory() = 0;
    virtual bool contains(const QString &key) = 0;
    // The stored value, or nothing when it cannot be read.
    virtual std::optional<QString> read(const QString &key) = 0;
    // Replaces the stored value; false when it could not be stored.
    virtual bool write(const QString &key, const QString &value) = 0;
    // Replaces the stored values of several keys; false when any could not be
    // stored. Here each key is written on its own; a store on a disk replaces
    // all of them or none.
    virtual bool writeAll(const StoredValues &values);

    // Keeps other running instances of the program away from the settings
    // until as many release() calls, for reads and writes that belong
    // together. False, with the failure in the errors, when another instance
    // keeps them past a short wait. Here nothing is shared: always true.
    virtual bool hold() { return true; }
    virtual void release() {}

    // The failures collected since the last call, oldest first.
    QStringList takeErrors();
    bool hasErrors() const { return !m_errors.isEmpty(); }
    void addError(const QString &error) { m_errors.append(error); }

private:
    QStringList m_errors;
};

// Holds a store for as long as it lives.
class HeldStore
{
public:
    explicit HeldStore(Store &store) : m_store(store), m_held(store.hold()) {}
    ~HeldStore()
    {
        if (m_held)
            m_store.release();
    }
    HeldStore(const HeldStore &) = delete;
    HeldStore &operator=(const HeldStore &) = delete;

    bool held() const { return m_held; }

private:
    Store &m_store;
    const bool m_held;
};
