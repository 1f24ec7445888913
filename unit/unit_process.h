#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The simulated unit alarmcfg-unit running as a child process: started, its
// pseudo-terminal's device read from its first line of output, and stopped
// again (which pulls the cable: its side of the line closes). What
// `alarmcfg --simulate`, the benchmark and the tests start.
class UnitProcess
{
public:
    UnitProcess();
    UnitProcess(const UnitProcess &) = delete;
    UnitProcess &operator=(const UnitProcess &) = delete;
    ~UnitProcess();

    // Starts the unit with these options and waits for its device. Returns
    // an empty string, or why the unit did not start.
    QString start(const QStringList &options = {});
    // start() in two halves, so that several units can start side by side:
    // launch them all, then wait for each one's device.
    void launch(const QStringList &options = {});
    QString awaitDevice();
    // Ends the unit: asks first, then kills it.
    void stop();

    // The pseudo-terminal's device, empty before a successful start.
    QString device() const { return m_device; }
    // The unit's standard output after the device line (its log, unless --log).
    QProcess &process() { return m_process; }

    // alarmcfg-unit beside the running program once installed; in the build
    // tree, where the build put it.
    static QString program();

private:
    QProcess m_process;
    QString m_device;
};
