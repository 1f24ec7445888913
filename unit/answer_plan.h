#pragma once

#include <QByteArray>
#include <vector>

class PacedLine;

// How the unit answers a block.
struct AnswerStyle
{
    int delayMs = 0;      // from the block's last byte to the answer
    int answerBytes = 1;  // bytes written at once
    int pieces = 0;       // when above 0: that many bytes, one at a time ...
    int pieceGapMs = 0;   // ... this far apart
    QByteArray bytes;     // when not empty: these bytes at once, whatever they are
};

// Bytes to write to the line at a given time (nanoseconds, same clock as the block's).
struct TimedBytes
{
    qint64 dueNs;
    QByteArray bytes;
};

// The answer byte: any value does, the tool only counts bytes.
constexpr char kAnswerByte = 0x4F;

// The writes that answer a block complete at `blockDoneNs`, in time order.
// With a line, each byte is held until it would have crossed it.
std::vector<TimedBytes> PlanAnswer(const AnswerStyle &style, qint64 blockDoneNs, PacedLine *line);
