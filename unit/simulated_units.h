#pragma once

#include <QStringList>
#include <array>
#include <memory>

class ComPortMap;
class UnitProcess;
class QString;

// `alarmcfg --simulate`: one simulated alarm unit (alarmcfg-unit) on a
// pseudo-terminal behind each of COM1 to COM4, started with the program and
// stopped with it. Each block a unit receives is printed to standard output
// as one JSON line after "COMk ". Windows has no pseudo-terminals: there the
// units answer inside the program, behind the port (in-process devices
// "SIM1" to "SIM4"), as the unit does on its line.
class SimulatedUnits
{
public:
    SimulatedUnits();
    SimulatedUnits(const SimulatedUnits &) = delete;
    SimulatedUnits &operator=(const SimulatedUnits &) = delete;
    ~SimulatedUnits();

    // Starts the four units and maps COMk to the k-th unit's device. Returns
    // an empty string, or why a unit could not be started.
    QString start(ComPortMap &map);

private:
#ifdef Q_OS_WIN
    QStringList m_devices;
#else
    std::array<std::unique_ptr<UnitProcess>, 4> m_units;
#endif
};
