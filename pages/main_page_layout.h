#pragma once

#include <array>

class MultiLineBox;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The controls of the main page that its actions use.
struct MainPageWidgets
{
    std::array<QLineEdit *, 29> textBoxes{};  // TextN; no Text9..Text12, Text16 is multi-line
    MultiLineBox *text16 = nullptr;
    QButtonGroup *comOptions = nullptr;  // Option1..Option4, ids 1..4
    QButtonGroup *alarmModes = nullptr;  // Option5..Option7, ids 5..7
    QCheckBox *check1 = nullptr;
    QPushButton *command1 = nullptr;     // 立即写入本页设置
    QPushButton *command2 = nullptr;     // 退    出
    QPushButton *command3 = nullptr;     // 无线报警传感器内容设置
    QLabel *portStatus = nullptr;        // the device behind the COM choice
};

// Builds the main page's frames and controls on `page`: the serial port,
// authorised phones, pass phrases and password on the left; the vibration
// alarm and the way to the sensor page on the right; the ring-tone switch
// and the buttons below them. Sets the keyboard focus order.
MainPageWidgets BuildMainPage(QWidget &page);
