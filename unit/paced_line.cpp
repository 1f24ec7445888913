#include "paced_line.h"

qint64 PacedLine::send(qint64 readyNs, qsizetype count)
{
    const qint64 startNs = qMax(readyNs, m_freeAtNs);
    m_freeAtNs = startNs + kByteNs * count;
    return startNs;
}
