#include "other_ports.h"

#include <QtGlobal>

bool OtherPortsOffered()
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}
