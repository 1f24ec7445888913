#include "screen_fit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace {

const QScreen *ScreenOf(const QWidget &widget)
{
    return widget.screen() ? widget.screen() : QGuiApplication::primaryScreen();
}

// The frame a window system puts around a window that is not shown yet:
// a title bar and thin borders.
QSize ExpectedFrame(const QWidget &window)
{
    const int border = 2 * window.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    return {border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + border};
}

// The layout under `layout` that holds `widget` itself.
QLayout *LayoutHolding(QLayout &layout, const QWidget &widget)
{
    if (layout.indexOf(&widget) >= 0)
        return &layout;
    for (int i = 0; i < layout.count(); ++i) {
        if (QLayout *inner = layout.itemAt(i)->layout())
            if (QLayout *holding = LayoutHolding(*inner, widget))
                return holding;
    }
    return nullptr;
}

}  // namespace

QSize FittedSize(const QSize &content, int fixed, const QSize &available, const QSize &frame, int scrollBar)
{
    const QSize room = available - frame;
    QSize window(content.width(), content.height() + fixed);
    bool down = window.height() > room.height();
    if (down)
        window.rwidth() += scrollBar;
    if (window.width() > room.width()) {
        window.rheight() += scrollBar;
        if (!down && window.height() > room.height())
            window.rwidth() += scrollBar;
    }
    return window.boundedTo(room);
}

QPoint PositionOnScreen(const QRect &frame, const QRect &available)
{
    const int x = std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width()));
    const int y = std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height()));
    return {x, y};
}

bool FitToScreen(QWidget &page, QWidget &buttons)
{
    const QScreen *screen = ScreenOf(page);
    QLayout *content = page.layout();
    QLayout *around = buttons.parentWidget() ? buttons.parentWidget()->layout() : nullptr;
    QLayout *buttonsPlace = around ? LayoutHolding(*around, buttons) : nullptr;
    const QSize frame = ExpectedFrame(page);
    if (!screen || !content || !buttonsPlace || FittedSize(page.size(), 0, screen->availableSize(), frame, 0) == page.size())
        return false;

    QWidget *menuBar = content->menuBar();
    content->setMenuBar(nullptr);
    buttonsPlace->removeWidget(&buttons);
    auto *bottom = new QHBoxLayout;
    bottom->setContentsMargins(6, 4, 6, 6);
    bottom->addWidget(&buttons);
    const int menuHeight = menuBar ? menuBar->sizeHint().height() : 0;

    // The content keeps its designed size: where the buttons were stays empty.
    auto *inner = new QWidget;
    inner->setLayout(content);  // takes the layout and its widgets off the page
    inner->setFixedSize(page.size() - QSize(0, menuHeight));
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("PageScrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(inner);
    auto *outer = new QVBoxLayout(&page);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->setMenuBar(menuBar);
    outer->addWidget(scroll, 1);
    outer->addLayout(bottom);
    page.setFixedSize(FittedSize(inner->size(), menuHeight + bottom->sizeHint().height(), screen->availableSize(), frame,
                                 page.style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
    return true;
}

void KeepOnScreen(QWidget &window)
{
    if (const QScreen *screen = ScreenOf(window))
        window.move(window.pos() + PositionOnScreen(window.frameGeometry(), screen->availableGeometry())
                    - window.frameGeometry().topLeft());
}
