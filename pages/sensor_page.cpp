#include "sensor_page.h"

#include "box_naming.h"
#include "close_hold.h"
#include "keyboard_rules.h"
#include "multi_line_box.h"
#include "grid_panel.h"
#include "page_fields.h"
#include "page_settings.h"
#include "page_style.h"
#include "port_status.h"
#include "refused_boxes.h"
#include "screen_fit.h"
#include "sensor_picture.h"
#include "serial_link.h"
#include "store_errors.h"
#include "twips.h"
#include "typing_limit.h"
#include "window_history.h"
#include "write_outcome.h"
#include "write_record.h"
#include "write_sequences.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 3;

// One sensor's sentence: "NN号无线传感器被触发，把" [text] "发送给" [number].
QWidget *SensorCell(SensorPageWidgets &w, int sensor)
{
    const Field &textField = FieldOf(SensorPageFields(), NumberedName("Text", 2 * sensor - 1));
    const Field &numberField = FieldOf(SensorPageFields(), NumberedName("Text", 2 * sensor));
    auto *cell = new QWidget;
    auto *layout = new QVBoxLayout(cell);
    layout->setContentsMargins(5, 3, 5, 3);
    layout->setSpacing(2);
    QLabel *heading = NamedLabel(NumberedName("Label", textField.number()),
                                 QCoreApplication::translate("SensorPage", "%1号无线传感器被触发，把").arg(sensor, 2, 10, QLatin1Char('0')));
    layout->addWidget(heading);

    auto *text = new MultiLineBox(textField.controlName(), textField.maxLength);
    text->setSizeTwips(1935, 495);
    NameAfterField(*text, textField);
    CaptionOf(*text, *heading);
    auto *textRow = new QHBoxLayout;
    textRow->setSpacing(4);
    textRow->addWidget(text);
    textRow->addWidget(new RemainingCounter(text, RemainingCounter::Lines::Two), 1, Qt::AlignLeft);
    layout->addLayout(textRow);

    QLineEdit *number = PhoneNumberBox(numberField.controlName());
    NameAfterField(*number, numberField);
    QLabel *sendTo = NamedLabel(NumberedName("Label", numberField.number()), QCoreApplication::translate("SensorPage", "发送给"));
    CaptionOf(*number, *sendTo);
    auto *numberRow = new QHBoxLayout;
    numberRow->addWidget(sendTo);
    numberRow->addWidget(number, 1);
    layout->addLayout(numberRow);
    layout->addStretch();

    w.alarmTexts[sensor] = text;
    w.numbers[sensor] = number;
    return cell;
}

QWidget *ButtonCell(SensorPageWidgets &w)
{
    auto *cell = new QWidget;
    w.buttonCell = cell;
    auto *row = new QHBoxLayout;
    row->setSpacing(10);
    w.exitButton = NamedButton(QStringLiteral("Command3"), QCoreApplication::translate("SensorPage", "退   出"));
    w.returnButton = NamedButton(QStringLiteral("Command1"), QCoreApplication::translate("SensorPage", "返回主页"));
    w.writeButton = NamedButton(QStringLiteral("Command2"), QCoreApplication::translate("SensorPage", "立即写入本页设置"));
    w.outcome = new WriteOutcomeLabel;
    row->addStretch();
    row->addWidget(w.exitButton);
    row->addWidget(w.returnButton);
    row->addWidget(w.writeButton);
    row->addStretch();
    auto *column = new QVBoxLayout(cell);
    column->addLayout(row);
    column->addWidget(w.outcome, 0, Qt::AlignHCenter);
    return cell;
}

void SetFocusOrder(const SensorPageWidgets &w)
{
    QList<QWidget *> order;
    for (int sensor = 1; sensor <= kSensorCount; ++sensor)
        order << w.alarmTexts[sensor] << w.numbers[sensor];
    order << w.returnButton << w.writeButton << w.exitButton;
    ChainFocus(order);
}

// Builds the sensor page on `page`: a blue grid of ten sensor cells, three
// to a row, with the buttons right of sensor 10. Sets the focus order.
SensorPageWidgets BuildSensorPage(QWidget &page)
{
    SensorPageWidgets w;
    auto *panel = new GridPanel(PageColors::kBlue);
    for (int sensor = 1; sensor <= kSensorCount; ++sensor)
        panel->grid()->addWidget(SensorCell(w, sensor), (sensor - 1) / kColumns,
                                 (sensor - 1) % kColumns);
    panel->grid()->addWidget(ButtonCell(w), kSensorCount / kColumns, 1, 1, kColumns - 1);

    auto *layout = new QVBoxLayout(&page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(panel);
    SetFocusOrder(w);
    return w;
}

}  // namespace

SensorPage::SensorPage(Store &store, MessageSink &messages, HistoryLog &history, SerialLink &link,
                       PortStatus &portStatus, WaitWindowSlot &waitWindow, CloseHold &closeHold,
                       const QWidget &mainPage)
    : m_store(store),
      m_messages(messages),
      m_history(history),
      m_link(link),
      m_portStatus(portStatus),
      m_closeHold(closeHold),
      m_widgets(BuildSensorPage(*this)),
      m_writeView(mainPage, waitWindow, *m_widgets.writeButton)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QCoreApplication::translate("SensorPage", "  无线报警传感器内容设置"));
    setWindowIcon(SensorPicture(32));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(PageFont());
    setFixedSize(TwipsSize(*this, 8475, 5790));

    InstallKeyboardRules(*this);
    InstallEscapeButton(*this, *m_widgets.returnButton);
    FitToScreen(*this, *m_widgets.buttonCell);

    connect(m_widgets.returnButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_widgets.writeButton, &QPushButton::clicked, this, &SensorPage::write);
    connect(m_widgets.exitButton, &QPushButton::clicked, this, &SensorPage::exitRequested);

    showValues(RestoreSensorPage(m_store));
    QList<QObject *> fields;
    for (int sensor = 1; sensor <= kSensorCount; ++sensor)
        fields << m_widgets.alarmTexts[sensor] << m_widgets.numbers[sensor];
    m_widgets.outcome->watch(fields);
    ReportStoreErrors(m_store, m_messages, StoreAction::Read);
}

SensorPageValues SensorPage::values() const
{
    SensorPageValues values;
    for (int sensor = 1; sensor <= kSensorCount; ++sensor) {
        values.text[2 * sensor - 1] = m_widgets.alarmTexts[sensor]->value();
        values.text[2 * sensor] = m_widgets.numbers[sensor]->text();
    }
    return values;
}

void SensorPage::showValues(const SensorPageValues &values)
{
    for (int sensor = 1; sensor <= kSensorCount; ++sensor) {
        m_widgets.alarmTexts[sensor]->setValue(values.text[2 * sensor - 1]);
        m_widgets.numbers[sensor]->setText(values.text[2 * sensor]);
    }
}

void SensorPage::write()
{
    m_closeHold.runWrite([this] {
        m_portStatus.runWrite([this] {
            const SensorPageValues written = values();
            const WriteResult result = WriteSensorPage(written, m_link.port(), m_store, m_messages, m_writeView);
            m_widgets.outcome->showOutcome(result);
            RecordWindowWrite(m_history, m_messages, SensorPageRecord(written, result, WindowOrigin(m_link)));
            ReportStoreErrors(m_store, m_messages, StoreAction::Save);
            MarkRefusedBoxes(*this, result.refusedFields);
        });
    });
}

void SensorPage::closeEvent(QCloseEvent *event)
{
    // Closed now, the page would be gone under its running write.
    if (m_closeHold.holds(*this, *event))
        return;
    // The main page shows first, so a window stays on the screen.
    Q_EMIT returnRequested();
    event->accept();
}
