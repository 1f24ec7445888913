#include "block_framer.h"

#include "block_layouts.h"

namespace {

// True when `start` (at most a tag long) is the beginning of a known tag.
bool CouldStartTag(QByteArrayView start)
{
    for (const BlockLayout &layout : AllBlockLayouts())
        if (QByteArrayView(layout.tag).startsWith(start))
            return true;
    return false;
}

QByteArrayView TagPart(QByteArrayView bytes)
{
    return bytes.first(qMin<qsizetype>(kTagSize, bytes.size()));
}

// Where the next possible tag starts after the first byte; the size when none does.
qsizetype NextTagStart(QByteArrayView bytes)
{
    for (qsizetype i = 1; i < bytes.size(); ++i)
        if (CouldStartTag(TagPart(bytes.sliced(i))))
            return i;
    return bytes.size();
}

}  // namespace

std::vector<FramedPiece> BlockFramer::feed(const QByteArray &bytes)
{
    const qsizetype heldBefore = m_pending.size();
    m_pending += bytes;
    qsizetype taken = 0;  // bytes of m_pending already handed out as pieces
    std::vector<FramedPiece> pieces;
    auto cut = [&](bool isBlock, qsizetype length) {
        const QByteArray piece = m_pending.mid(taken, length);
        taken += length;
        const qsizetype endInFeed = qMax<qsizetype>(0, taken - heldBefore);
        if (!isBlock && !pieces.empty() && !pieces.back().isBlock) {
            pieces.back().bytes += piece;  // one run of garbage
            pieces.back().endInFeed = endInFeed;
        } else {
            pieces.push_back({isBlock, piece, endInFeed});
        }
    };

    while (taken < m_pending.size()) {
        const QByteArrayView rest = QByteArrayView(m_pending).sliced(taken);
        const QByteArrayView tag = TagPart(rest);
        if (!CouldStartTag(tag)) {
            cut(false, NextTagStart(rest));
            continue;
        }
        if (tag.size() < kTagSize)
            break;  // a tag still arriving
        const BlockLayout *layout = FindBlockLayout(tag.toByteArray());
        if (rest.size() < layout->size)
            break;  // a block still arriving
        cut(true, layout->size);
    }
    m_pending.remove(0, taken);
    return pieces;
}
