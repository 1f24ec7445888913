#include "store.h"

QStringList Store::takeErrors()
{
    return std::exchange(m_errors, {});
}

bool Store::writeAll(const StoredValues &values)
{
    bool stored = true;
    for (const auto &[key, value] : values)
        stored = write(key, value) && stored;
    return stored;
}
