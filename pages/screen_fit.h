#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// A page of fixed size on a screen too small for it at the current scaling
// (1366×768 at 150 %, 1280×720 at 200 %): the window shrinks to the screen's
// free area and its content scrolls, so every control stays reachable. On a
// screen large enough nothing changes.

// The size a window of `size` may have in `available`, room left for its
// frame (the title bar and borders the window system adds).
QSize FittedSize(const QSize &size, const QSize &available, const QSize &frame);

// Where a window whose frame is `frame` stays wholly inside `available`: the
// nearest such place, its top-left corner first when it is too big.
QPoint PositionOnScreen(const QRect &frame, const QRect &available);

// Fits a built page of fixed size to its screen: when it does not fit, its
// content (all but a menu bar of its layout) moves into a scroll area and
// the page takes the fitted size. True when the page was changed.
bool FitToScreen(QWidget &page);

// Moves a top-level window back onto its screen's free area where its place
// has left it partly outside.
void KeepOnScreen(QWidget &window);
