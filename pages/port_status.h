#pragma once

#include <QObject>
#include <QString>
#include <functional>

class MessageSink;
class QButtonGroup;
class QLabel;
class QWidget;
class SerialLink;

// The main page's side of the serial port: the COM options' tooltips and the
// status line follow the devices the system has, as the link's port watch
// tells while the page is shown (the devices are listed afresh, and the
// watch started, only once the page has been painted: the first picture
// does not wait for them); the port is selected again before a write when
// its option now stands for another device or the port was lost; and a
// failure found while the page loads is shown once the page is on the
// screen, over it. Simulated units, where they stand behind the options, are
// started once the page has been painted too, and no port is opened before.
class PortStatus : public QObject
{
    Q_OBJECT

public:
    // `startSimulatedUnits`, when given, starts the simulated units and
    // points the options at them; it returns why they could not be started.
    PortStatus(SerialLink &link, QButtonGroup &comOptions, QLabel &statusLine, MessageSink &messages,
               std::function<QString()> startSimulatedUnits, QWidget &page);

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
    // Starts the simulated units now if they are still to be started; false
    // when they could not be, and no port may be opened.
    bool unitsReady();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show();

    SerialLink &m_link;
    QButtonGroup &m_comOptions;
    QLabel &m_statusLine;
    MessageSink &m_messages;
    std::function<QString()> m_startSimulatedUnits;  // emptied once run
    bool m_simulatedUnit;
    QString m_unitsFailure;
    int m_comBeforeUnits = 1;  // selected while the units were still to be started
    QWidget &m_page;
    QString m_failureToShow;
    bool m_refreshAfterPaint = false;
    bool m_writing = false;
};
