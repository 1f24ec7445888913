#include "sensor_page_layout.h"

#include "grid_panel.h"
#include "multi_line_box.h"
#include "page_style.h"
#include "twips.h"
#include "typing_limit.h"
#include "validation.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 3;

QLabel *NamedLabel(int number, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    return label;
}

QPushButton *Command(int number, const QString &caption)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(QStringLiteral("Command%1").arg(number));
    button->setAutoDefault(false);
    return button;
}

// One sensor's sentence: "NN号无线传感器被触发，把" [text] "发送给" [number].
QWidget *SensorCell(SensorPageWidgets &w, int sensor)
{
    const int textNumber = 2 * sensor - 1;
    auto *cell = new QWidget;
    auto *layout = new QVBoxLayout(cell);
    layout->setContentsMargins(5, 3, 5, 3);
    layout->setSpacing(2);
    layout->addWidget(NamedLabel(textNumber, QStringLiteral("%1号无线传感器被触发，把")
                                                 .arg(sensor, 2, 10, QLatin1Char('0'))));

    auto *text = new MultiLineBox(QStringLiteral("Text%1").arg(textNumber), kSensorTextMaxLength);
    text->setSizeTwips(1935, 495);
    auto *textRow = new QHBoxLayout;
    textRow->setSpacing(4);
    textRow->addWidget(text);
    textRow->addWidget(new RemainingCounter(text, RemainingCounter::Lines::Two), 1, Qt::AlignLeft);
    layout->addLayout(textRow);

    QLineEdit *number = PhoneNumberBox(QStringLiteral("Text%1").arg(textNumber + 1));
    auto *numberRow = new QHBoxLayout;
    numberRow->addWidget(NamedLabel(textNumber + 1, QStringLiteral("发送给")));
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
    auto *row = new QHBoxLayout(cell);
    row->setSpacing(10);
    w.command3 = Command(3, QStringLiteral("退   出"));
    w.command1 = Command(1, QStringLiteral("返回主页"));
    w.command2 = Command(2, QStringLiteral("立即写入本页设置"));
    row->addStretch();
    row->addWidget(w.command3);
    row->addWidget(w.command1);
    row->addWidget(w.command2);
    row->addStretch();
    return cell;
}

void SetFocusOrder(const SensorPageWidgets &w)
{
    QList<QWidget *> order;
    for (int sensor = 1; sensor <= kSensorCount; ++sensor)
        order << w.alarmTexts[sensor] << w.numbers[sensor];
    order << w.command1 << w.command2 << w.command3;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace

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
