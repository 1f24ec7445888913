#include "wait_window.h"

#include "page_style.h"
#include "sensor_picture.h"
#include "twips.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// How long a newly shown window may take to be mapped by the window system.
constexpr int kExposeWaitMs = 300;

}  // namespace

WaitWindow::WaitWindow()
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowDoesNotAcceptFocus),
      m_bar(new QProgressBar(this)),
      m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QCoreApplication::translate("WaitWindow", "通信等待,请稍后...."));
    setWindowIcon(SensorPicture(32));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(PageFont());
    setFixedSize(TwipsSize(*this, 4755, 1065));

    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setRange(0, kTicks);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setFixedSize(TwipsSize(*this, 3840, 285));
    auto *layout = new QVBoxLayout(this);
    const QPoint corner = TwipsOffset(*this, 450, 330);
    layout->setContentsMargins(corner.x(), corner.y(), 0, 0);
    layout->addWidget(m_bar, 0, Qt::AlignLeft | Qt::AlignTop);

    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kTickMs);
    connect(m_timer, &QTimer::timeout, this, &WaitWindow::tick);
}

void WaitWindow::showPainted()
{
    show();
    raise();
    // A window system maps a new window a moment after show(); until then
    // nothing painted would reach the screen. Only the window system's own
    // events are handled meanwhile, never the user's input.
    const QDeadlineTimer deadline(kExposeWaitMs);
    while (windowHandle() && !windowHandle()->isExposed() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    repaint();
}

void WaitWindow::switchTimerOn()
{
    m_timer->start();
}

void WaitWindow::tick()
{
    m_bar->setValue(m_bar->value() + 1);
    if (m_bar->value() == kTicks) {
        m_timer->stop();
        close();
    }
}
