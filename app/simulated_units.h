#pragma once

#include <QString>
#include <memory>
#include <vector>

class ComPortMap;
class QProcess;

// `alarmcfg --simulate`: one simulated alarm unit (alarmcfg-unit) on a
// pseudo-terminal behind each of COM1 to COM4, started with the program and
// stopped with it. Each block a unit receives is printed to standard output
// as one JSON line after "COMk ".
class SimulatedUnits
{
public:
    SimulatedUnits();
    SimulatedUnits(const SimulatedUnits &) = delete;
    SimulatedUnits &operator=(const SimulatedUnits &) = delete;
    ~SimulatedUnits();

    // Starts `program` four times and maps COMk to the k-th unit's device.
    // Returns an empty string, or why a unit could not be started.
    QString start(const QString &program, ComPortMap &map);

private:
    std::vector<std::unique_ptr<QProcess>> m_units;
};
