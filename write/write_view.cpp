#include "write_view.h"

#include <QThread>

namespace {

constexpr int kPauseBetweenBlocksMs = 50;

}  // namespace

void WriteView::pauseBetweenBlocks()
{
    QThread::msleep(kPauseBetweenBlocksMs);
}
