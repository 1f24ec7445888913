#include "store.h"

QStringList Store::takeErrors()
{
    return std::exchange(m_errors, {});
}
