#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class MessageSink;
class QButtonGroup;
class QLabel;
class QWidget;
class SerialLink;

// The main page's side of the serial port: the COM options' tooltips and the
// status line follow the devices the system has, polled while the page is
// shown (the system gives no notice of an adapter plugged in or pulled
// out); the port is selected again before a write when its option now
// stands for another device or the port was lost; and a failure found while
// the page loads is shown once the page is on the screen, over it.
class PortStatus : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPollMs = 2000;

    PortStatus(SerialLink &link, QButtonGroup &comOptions, QLabel &statusLine, MessageSink &messages,
               bool simulatedUnit, QWidget &page);

    // The select-port action on option com; returns the failure message.
    QString select(int com);
    // Shows a port failure at once (a click) or, while the page has not
    // been shown yet, once it is.
    void report(const QString &failure);
    // Runs a write on the port the selected option stands for now. When
    // that port cannot be opened, says why instead and writes nothing.
    // Afterwards the status line shows what the write left.
    void runWrite(const std::function<void()> &write);
    // Takes the system's devices afresh and shows them.
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show();

    SerialLink &m_link;
    QButtonGroup &m_comOptions;
    QLabel &m_statusLine;
    MessageSink &m_messages;
    bool m_simulatedUnit;
    QWidget &m_page;
    QTimer m_poll;
    QString m_failureToShow;
    bool m_writing = false;
};
