#pragma once

#include <array>

class MultiLineBox;
class QLineEdit;
class QPushButton;
class QWidget;

constexpr int kSensorCount = 10;

// The controls of the sensor page that its actions use.
struct SensorPageWidgets
{
    std::array<MultiLineBox *, kSensorCount + 1> alarmTexts{};  // sensor n: Text(2n-1); index 0 unused
    std::array<QLineEdit *, kSensorCount + 1> numbers{};        // sensor n: Text(2n)
    QPushButton *command1 = nullptr;              // 返回主页
    QPushButton *command2 = nullptr;              // 立即写入本页设置
    QPushButton *command3 = nullptr;              // 退   出
};

// Builds the sensor page on `page`: a blue grid of ten sensor cells, three
// to a row, with the buttons right of sensor 10. Sets the focus order.
SensorPageWidgets BuildSensorPage(QWidget &page);
