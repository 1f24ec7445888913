#include "answer_plan.h"

#include "paced_line.h"

namespace {

constexpr qint64 kNsPerMs = 1'000'000;

}  // namespace

std::vector<TimedBytes> PlanAnswer(const AnswerStyle &style, qint64 blockDoneNs, PacedLine *line)
{
    const qint64 readyNs = blockDoneNs + style.delayMs * kNsPerMs;
    std::vector<TimedBytes> writes;
    if (style.pieces > 0) {
        for (int k = 0; k < style.pieces; ++k)
            writes.push_back({readyNs + kNsPerMs * k * style.pieceGapMs, QByteArray(1, kAnswerByte)});
    } else {
        writes.push_back({readyNs, style.bytes.isEmpty() ? QByteArray(style.answerBytes, kAnswerByte) : style.bytes});
    }
    if (!line)
        return writes;

    std::vector<TimedBytes> paced;
    for (const TimedBytes &write : writes)
        for (char byte : write.bytes)
            paced.push_back({line->send(write.dueNs, 1) + PacedLine::kByteNs, QByteArray(1, byte)});
    return paced;
}
