#include "port_status.h"

#include "message_sink.h"
#include "page_style.h"
#include "serial_link.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace {

constexpr std::chrono::milliseconds kAfterFirstPicture{150};

QString PortFailureTitle()
{
    return QCoreApplication::translate("PortStatus", "串口设置");
}

QString StateText(SerialLink::State state)
{
    switch (state) {
    case SerialLink::State::Open:
        return QCoreApplication::translate("PortStatus", "已打开");
    case SerialLink::State::Disconnected:
        return QCoreApplication::translate("PortStatus", "已断开");
    case SerialLink::State::Closed:
        break;
    }
    return QCoreApplication::translate("PortStatus", "未打开");
}

}  // namespace

PortStatus::PortStatus(SerialLink &link, QButtonGroup &comOptions, QLabel &statusLine, MessageSink &messages,
                       std::function<QString()> startSimulatedUnits, QWidget &page)
    : QObject(&page),
      m_link(link),
      m_comOptions(comOptions),
      m_statusLine(statusLine),
      m_messages(messages),
      m_startSimulatedUnits(std::move(startSimulatedUnits)),
      m_simulatedUnit(bool(m_startSimulatedUnits)),
      m_page(page)
{
    connect(&link.watch(), &PortWatch::portsChanged, this, &PortStatus::refresh);
    page.installEventFilter(this);
}

QString PortStatus::select(int com)
{
    if (m_startSimulatedUnits) {
        m_comBeforeUnits = com;
        show();
        return {};
    }
    if (!m_unitsFailure.isEmpty())
        return m_unitsFailure;
    const QString failure = m_link.select(com);
    show();
    return failure;
}

void PortStatus::report(const QString &failure)
{
    if (failure.isEmpty())
        return;
    if (m_page.isVisible())
        m_messages.showError(PortFailureTitle(), failure);
    else
        m_failureToShow = failure;
}

void PortStatus::runWrite(const std::function<void()> &write)
{
    const QString failure = unitsReady() ? m_link.reselectForWrite() : m_unitsFailure;
    show();
    if (!failure.isEmpty()) {
        m_messages.showError(PortFailureTitle(), failure + QCoreApplication::translate("PortStatus", "\n没有写入任何设置。"));
        return;
    }
    m_writing = true;  // the poll keeps off the port while message boxes let it run
    write();
    m_writing = false;
    refresh();
}

void PortStatus::refresh()
{
    if (m_writing)
        return;
    m_link.refresh();
    show();
}

bool PortStatus::unitsReady()
{
    if (m_startSimulatedUnits) {
        m_unitsFailure = std::exchange(m_startSimulatedUnits, nullptr)();
        if (m_unitsFailure.isEmpty())
            report(select(m_comBeforeUnits));
    }
    return m_unitsFailure.isEmpty();
}

bool PortStatus::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_page && event->type() == QEvent::Show) {
        m_refreshAfterPaint = true;
        if (!m_failureToShow.isEmpty()) {
            // After the show has finished: the message goes over the page on the screen.
            QTimer::singleShot(0, this, [this] { report(std::exchange(m_failureToShow, QString())); });
        }
    } else if (watched == &m_page && event->type() == QEvent::Paint && m_refreshAfterPaint) {
        m_refreshAfterPaint = false;
        // A moment after the picture: listing the devices and starting
        // simulated units take the processor from the desktop drawing it.
        QTimer::singleShot(kAfterFirstPicture, this, [this] {
            if (!m_page.isVisible() || !unitsReady())
                return;
            refresh();
            m_link.watch().start();
        });
    } else if (watched == &m_page && event->type() == QEvent::Hide) {
        m_refreshAfterPaint = false;
        m_link.watch().stop();
    }
    return QObject::eventFilter(watched, event);
}

void PortStatus::show()
{
    if (m_startSimulatedUnits) {  // the options stand for no device yet
        m_statusLine.setText(QStringLiteral("COM%1").arg(m_comBeforeUnits)
                             + QCoreApplication::translate("PortStatus", "（模拟报警器）") + u'\n' + StateText(SerialLink::State::Closed));
        return;
    }
    const ComPortMap &map = m_link.map();
    for (int com = 1; com <= 4; ++com)
        m_comOptions.button(com)->setToolTip(map.describe(com));
    const SerialLink::State state = m_link.state();
    QString text = map.describe(m_link.commPort());
    if (m_simulatedUnit)
        text += QCoreApplication::translate("PortStatus", "（模拟报警器）");
    m_statusLine.setText(text + u'\n' + StateText(state));
    SetTextColour(m_statusLine, state == SerialLink::State::Open ? PageColors::kGreen : PageColors::kDarkRed);
}
