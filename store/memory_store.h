#pragma once

#include "store.h"

#include <QMap>

// Values kept in memory only: a write from a profile stores nowhere, and
// tests look at what a write stored.
class MemoryStore : public Store
{
public:
    QMap<QString, QString> values;

    void ensureDirectory() override {}
    bool contains(const QString &key) override { return values.contains(key); }
    std::optional<QString> read(const QString &key) override { return values.value(key); }
    bool write(const QString &key, const QString &value) override
    {
        values[key] = value;
        return true;
    }
};
