#include "screen_fit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
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

}  // namespace

QSize FittedSize(const QSize &size, const QSize &available, const QSize &frame)
{
    return size.boundedTo(available - frame);
}

QPoint PositionOnScreen(const QRect &frame, const QRect &available)
{
    const int x = std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width()));
    const int y = std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height()));
    return {x, y};
}

bool FitToScreen(QWidget &page)
{
    const QScreen *screen = ScreenOf(page);
    QLayout *content = page.layout();
    const QSize fitted = screen ? FittedSize(page.size(), screen->availableSize(), ExpectedFrame(page)) : page.size();
    if (!content || fitted == page.size())
        return false;

    const QSize pageSize = page.size();
    QWidget *menuBar = content->menuBar();
    content->setMenuBar(nullptr);
    auto *inner = new QWidget;
    inner->setLayout(content);  // takes the layout and its widgets off the page
    const int menuHeight = menuBar ? menuBar->sizeHint().height() : 0;
    inner->setFixedSize(pageSize - QSize(0, menuHeight));

    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("PageScrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(inner);
    auto *outer = new QVBoxLayout(&page);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setMenuBar(menuBar);
    outer->addWidget(scroll);
    page.setFixedSize(fitted);
    return true;
}

void KeepOnScreen(QWidget &window)
{
    if (const QScreen *screen = ScreenOf(window))
        window.move(window.pos() + PositionOnScreen(window.frameGeometry(), screen->availableGeometry())
                    - window.frameGeometry().topLeft());
}
