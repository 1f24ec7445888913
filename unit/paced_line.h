#pragma once

#include <QtGlobal>

// One direction of a serial line at 9600 baud: a byte takes ten bit times
// (1/960 s), and a byte cannot start before the one ahead of it has arrived.
// Times are nanoseconds on any steady clock.
class PacedLine
{
public:
    static constexpr qint64 kByteNs = 1'000'000'000 / 960;

    // Puts `count` bytes on the line, ready to go at `readyNs`. Returns when
    // the first of them starts; byte k (from 0) has arrived kByteNs * (k + 1) later.
    qint64 send(qint64 readyNs, qsizetype count);

private:
    qint64 m_freeAtNs = 0;
};
