#pragma once

#include "store.h"

// A store seen through a view that reads and never writes, so that a dry
// run, an export or the reading before a write changes nothing on disk. The
// restore writes a missing value's default before using it; here that write
// goes nowhere and the missing value simply reads as its default.
class ReadOnlyStore : public Store
{
public:
    explicit ReadOnlyStore(Store &stored) : m_stored(stored) {}

    void ensureDirectory() override {}
    bool contains(const QString &key) override
    {
        const bool contained = m_stored.contains(key);
        takeFailures();
        return contained;
    }
    std::optional<QString> read(const QString &key) override
    {
        std::optional<QString> value = m_stored.read(key);
        takeFailures();
        return value;
    }
    bool hold() override
    {
        const bool held = m_stored.hold();
        takeFailures();
        return held;
    }
    void release() override { m_stored.release(); }
    // Nothing is to be stored through this view: not storing is success.
    bool write(const QString &, const QString &) override { return true; }

private:
    // The stored side's failures become this view's, in the order they came.
    void takeFailures()
    {
        for (const QString &error : m_stored.takeErrors())
            addError(error);
    }

    Store &m_stored;
};
