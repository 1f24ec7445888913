// Any byte stream into the simulated unit, cut into feeds of any sizes. The
// framer hands out every byte once and in order, holds at most one unfinished
// block, finds the same blocks however the stream is cut, and each block it
// finds decodes, logs as one JSON line, and rebuilds to a block that decodes
// to the same fields.
#include "block_decoder.h"
#include "block_framer.h"
#include "block_log_line.h"
#include "fuzz_check.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <fuzzer/FuzzedDataProvider.h>
#include <vector>

namespace {

struct Framed
{
    QList<QByteArray> blocks;
    QByteArray garbage;  // all of it, in order
    QByteArray pending;
};

bool CouldStartTag(const QByteArray &bytes)
{
    for (const BlockLayout *layout : AllBlockLayouts())
        if (QByteArray(layout->tag).startsWith(bytes.left(kTagSize)))
            return true;
    return false;
}

void CheckBlock(const QByteArray &block)
{
    const BlockLayout *layout = FindBlockLayout(block.left(kTagSize));
    FUZZ_CHECK(layout && block.size() == layout->size);
    const std::optional<DecodedBlock> decoded = DecodeBlock(block);
    FUZZ_CHECK(decoded && decoded->layout == layout);
    const QByteArray rebuilt = RebuildBlock(*decoded);
    FUZZ_CHECK(rebuilt.size() == block.size() && rebuilt.startsWith(layout->tag));
    FUZZ_CHECK(RebuildBlock(*DecodeBlock(rebuilt)) == rebuilt);

    const QByteArray line = BlockLogLine(block);
    FUZZ_CHECK(!line.contains('\n'));
    const QJsonObject logged = QJsonDocument::fromJson(line).object();
    FUZZ_CHECK(logged.value(QLatin1String("tag")).toString() == QLatin1String(layout->tag));
    FUZZ_CHECK(logged.value(QLatin1String("exact")).toBool() == (rebuilt == block));
}

Framed Frame(const QByteArray &stream, const std::vector<qsizetype> &feedSizes)
{
    BlockFramer framer;
    Framed framed;
    QByteArray out;
    for (qsizetype at = 0, k = 0; at < stream.size(); ++k) {
        const QByteArray feed = stream.mid(at, feedSizes[k % feedSizes.size()]);
        at += feed.size();
        qsizetype lastEnd = 0;
        for (const FramedPiece &piece : framer.feed(feed)) {
            FUZZ_CHECK(piece.endInFeed >= lastEnd && piece.endInFeed <= feed.size());
            lastEnd = piece.endInFeed;
            out += piece.bytes;
            if (piece.isBlock) {
                CheckBlock(piece.bytes);
                framed.blocks.append(piece.bytes);
            } else {
                FUZZ_CHECK(!piece.bytes.isEmpty());
                framed.garbage += piece.bytes;
            }
        }
        FUZZ_CHECK(framer.pending().size() < BlockLayoutOf("COMSMSA7").size);
        FUZZ_CHECK(framer.pending().isEmpty() || CouldStartTag(framer.pending()));
    }
    FUZZ_CHECK(out + framer.pending() == stream);
    framed.pending = framer.pending();
    return framed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    std::vector<qsizetype> feedSizes;
    for (int k = 0; k < 4; ++k)
        feedSizes.push_back(provider.ConsumeIntegralInRange<qsizetype>(1, 300));
    const std::string rest = provider.ConsumeRemainingBytesAsString();
    const QByteArray stream(rest.data(), qsizetype(rest.size()));

    const Framed whole = Frame(stream, {qMax<qsizetype>(1, stream.size())});
    const Framed cut = Frame(stream, feedSizes);
    FUZZ_CHECK(cut.blocks == whole.blocks);
    FUZZ_CHECK(cut.garbage == whole.garbage);
    FUZZ_CHECK(cut.pending == whole.pending);
    return 0;
}
