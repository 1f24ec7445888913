#pragma once

#include "close_hold.h"
#include "page_values.h"
#include "page_write_view.h"
#include "wait_window_slot.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class HistoryLog;
class MessageSink;
class MultiLineBox;
class PortStatus;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SensorPage;
class SerialLink;
class Store;
class WriteOutcomeLabel;

// The controls of the main page that its actions use.
struct MainPageWidgets
{
    std::array<QLineEdit *, 29> textBoxes{};  // TextN; no Text9..Text12, Text16 is multi-line
    MultiLineBox *alarmText = nullptr;        // Text16
    QButtonGroup *comOptions = nullptr;       // Option1..Option4, ids 1..4
    QButtonGroup *alarmModes = nullptr;       // Option5..Option7, ids 5..7
    QCheckBox *ringToneOff = nullptr;         // Check1
    QPushButton *writeButton = nullptr;       // 立即写入本页设置
    QPushButton *exitButton = nullptr;        // 退    出
    QPushButton *sensorPageButton = nullptr;  // 无线报警传感器内容设置
    QLabel *portStatus = nullptr;             // the device behind the COM choice
    WriteOutcomeLabel *outcome = nullptr;     // how the last write went
    QWidget *buttonRow = nullptr;             // the outcome and the buttons: never scrolled away
};

// The main page "  GSM车载防盗报警器设置软件 V1.0" (Form1): the start-up window.
// It owns the serial connection for the whole run, loads its fields from the
// store, writes them to the unit, opens the sensor page and ends the program.
class MainPage : public QWidget
{
    Q_OBJECT

public:
    // Loads the page: makes the settings directory exist, selects the stored
    // COM choice and opens its port (COM1's when none is stored as selected),
    // then restores every other field. A port that cannot be opened is
    // reported once the page is shown.
    // Every write of either page goes into `history`.
    // `startSimulatedUnits`, when given, puts simulated units behind the COM
    // options; it runs once the page has been painted (or before a write
    // that comes first), and no port is opened before it.
    MainPage(SerialLink &link, Store &store, MessageSink &messages, HistoryLog &history,
             std::function<QString()> startSimulatedUnits = {});
    ~MainPage() override;

    // The fields a write sends, as the page shows them now.
    MainPageValues values() const;
    // The selected COM option, 0 when none is.
    int selectedCom() const;
    // The sensor page while it is loaded, otherwise null.
    SensorPage *sensorPage() const;
    WaitWindowSlot &waitWindow() { return m_waitWindow; }

    // Fills both pages' fields and the store from a profile, as if typed and
    // written, without writing to the unit. A profile with any problem is
    // refused whole with one message. True when imported.
    bool importProfile(const QString &path);
    // Saves what the pages hold now; the sensor page, unloaded while this
    // page shows, holds what is stored.
    bool exportProfile(const QString &path, bool includePassword);

Q_SIGNALS:
    // The program is to end now.
    void quitRequested();

protected:
    // Closing the main page with the window frame ends the program without
    // storing the COM choice; during a write, once the write has returned.
    void closeEvent(QCloseEvent *event) override;

private:
    void load();
    void showValues(const MainPageValues &values);
    // The select-port action: close, then open the selected option's port.
    // Returns the user message when the port could not be opened.
    QString selectPort();

    void write();
    // 文件 → 写入记录… and 文件 → 批量写入….
    void showHistory();
    void openBatchWindow(const QString &profile);
    void openSensorPage();
    void returnFromSensorPage();
    void exitProgram();

    SerialLink &m_link;
    Store &m_store;
    MessageSink &m_messages;
    HistoryLog &m_history;
    MainPageWidgets m_widgets;
    WaitWindowSlot m_waitWindow;
    CloseHold m_closeHold;  // shared with the sensor page
    PageWriteView m_writeView;
    PortStatus *m_ports;  // a child of the page
    QPointer<SensorPage> m_sensorPage;
};
