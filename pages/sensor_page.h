#pragma once

#include "page_values.h"
#include "page_write_view.h"

#include <QWidget>

#include <array>

class CloseHold;
class HistoryLog;
class MessageSink;
class MultiLineBox;
class PortStatus;
class QLineEdit;
class QPushButton;
class SerialLink;
class Store;
class WriteOutcomeLabel;
class WaitWindowSlot;

// The controls of the sensor page that its actions use.
struct SensorPageWidgets
{
    std::array<MultiLineBox *, kSensorCount + 1> alarmTexts{};  // sensor n: Text(2n-1); index 0 unused
    std::array<QLineEdit *, kSensorCount + 1> numbers{};        // sensor n: Text(2n)
    QPushButton *returnButton = nullptr;                        // 返回主页
    QPushButton *writeButton = nullptr;                         // 立即写入本页设置
    QPushButton *exitButton = nullptr;                          // 退   出
    WriteOutcomeLabel *outcome = nullptr;                       // how the last write went
    QWidget *buttonCell = nullptr;                              // the buttons: never scrolled away
};

// The sensor page "  无线报警传感器内容设置" (Form2): the alarm text and number of each
// of the ten wireless sensors. It exists only while it is shown: it loads
// its boxes from the store when created, and closing it (返回主页 or the
// window frame) brings the main page back and destroys it, so edits that
// were not written are gone. A close during its write waits for the write.
class SensorPage : public QWidget
{
    Q_OBJECT

public:
    // `mainPage` places the wait window; `link` is the main page's open port,
    // which `portStatus` selects again for a write where needed; writes go
    // into `history`; `closeHold` is the main page's, which holds closes
    // during writes.
    SensorPage(Store &store, MessageSink &messages, HistoryLog &history, SerialLink &link,
               PortStatus &portStatus, WaitWindowSlot &waitWindow, CloseHold &closeHold,
               const QWidget &mainPage);

    SensorPageValues values() const;

Q_SIGNALS:
    // The main page is to be shown again; this page is about to be destroyed.
    void returnRequested();
    // 退   出: the main page ends the program.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showValues(const SensorPageValues &values);
    void write();

    Store &m_store;
    MessageSink &m_messages;
    HistoryLog &m_history;
    SerialLink &m_link;
    PortStatus &m_portStatus;
    CloseHold &m_closeHold;
    SensorPageWidgets m_widgets;
    PageWriteView m_writeView;
};
