#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// A page of fixed size on a screen too small for it at the current scaling
// (1366×768 at 150 %, 1280×720 at 200 %): the window shrinks to the screen's
// free area and its content scrolls, in the direction that needs it only,
// while its buttons stay below the scrolled part, always in sight. On a
// screen large enough nothing changes.

// The size of a window whose scrolled content is `content`, with `fixed`
// (its menu and buttons) above and below it, in `available`, room left for
// its frame (the title bar and borders the window system adds). A direction
// that scrolls takes `scrollBar` from the other one.
QSize FittedSize(const QSize &content, int fixed, const QSize &available, const QSize &frame, int scrollBar);

// Where a window whose frame is `frame` stays wholly inside `available`: the
// nearest such place, its top-left corner first when it is too big.
QPoint PositionOnScreen(const QRect &frame, const QRect &available);

// Fits a built page of fixed size to its screen: when it does not fit, its
// content (all but a menu bar of its layout and `buttons`) moves into a
// scroll area, `buttons` below it, and the page takes the fitted size. True
// when the page was changed.
bool FitToScreen(QWidget &page, QWidget &buttons);

// Moves a top-level window back onto its screen's free area where its place
// has left it partly outside.
void KeepOnScreen(QWidget &window);
