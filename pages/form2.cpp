#include "form2.h"

#include "close_hold.h"
#include "multi_line_box.h"
#include "page_settings.h"
#include "page_style.h"
#include "port_status.h"
#include "sensor_picture.h"
#include "store_errors.h"
#include "twips.h"
#include "write_sequences.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>

Form2::Form2(Store &store, MessageSink &messages, Port &port, PortStatus &portStatus, WaitWindowSlot &waitWindow,
             CloseHold &closeHold, const QWidget &mainPage)
    : m_store(store),
      m_messages(messages),
      m_port(port),
      m_portStatus(portStatus),
      m_closeHold(closeHold),
      m_widgets(BuildSensorPage(*this)),
      m_writeView(mainPage, waitWindow, *m_widgets.command2)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("  无线报警传感器内容设置"));
    setWindowIcon(SensorPicture(32));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(PageFont());
    setFixedSize(TwipsSize(*this, 8475, 5790));

    connect(m_widgets.command1, &QPushButton::clicked, this, &QWidget::close);
    connect(m_widgets.command2, &QPushButton::clicked, this, &Form2::write);
    connect(m_widgets.command3, &QPushButton::clicked, this, &Form2::exitRequested);

    showValues(RestoreSensorPage(m_store));
    ReportStoreErrors(m_store, m_messages,
                      QStringLiteral("读取设置时出现以下问题，相应的设置已使用默认值："));
}

SensorPageValues Form2::values() const
{
    SensorPageValues values;
    for (int sensor = 1; sensor <= kSensorCount; ++sensor) {
        values.text[2 * sensor - 1] = m_widgets.alarmTexts[sensor]->value();
        values.text[2 * sensor] = m_widgets.numbers[sensor]->text();
    }
    return values;
}

void Form2::showValues(const SensorPageValues &values)
{
    for (int sensor = 1; sensor <= kSensorCount; ++sensor) {
        m_widgets.alarmTexts[sensor]->setValue(values.text[2 * sensor - 1]);
        m_widgets.numbers[sensor]->setText(values.text[2 * sensor]);
    }
}

void Form2::write()
{
    m_closeHold.runWrite([this] {
        m_portStatus.runWrite([this] {
            WriteSensorPage(values(), m_port, m_store, m_messages, m_writeView);
            ReportStoreErrors(m_store, m_messages, QStringLiteral("保存设置时出现以下问题："));
        });
    });
}

void Form2::closeEvent(QCloseEvent *event)
{
    // Closed now, the page would be gone under its running write.
    if (m_closeHold.holds(*this, *event))
        return;
    // The main page shows first, so a window stays on the screen.
    Q_EMIT returnRequested();
    event->accept();
}
