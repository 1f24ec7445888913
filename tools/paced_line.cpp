#include "paced_line.h"

qint64 PacedLine::Send(qint64 readyNs, qsizetype count)
{
    const qint64 startNs = qMax(readyNs, freeAtNs_);
    freeAtNs_ = startNs + kByteNs * count;
    return startNs;
}
