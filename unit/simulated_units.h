#pragma once

#include <array>
#include <memory>

class ComPortMap;
class UnitProcess;
class QString;

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

    // Starts the four unit processes without waiting for them, so that the
    // program can do other work while they come up.
    void launch();
    // Waits for the launched units (launching them first if need be) and
    // maps COMk to the k-th unit's device. Returns an empty string, or why a
    // unit could not be started.
    QString start(ComPortMap &map);

private:
    std::array<std::unique_ptr<UnitProcess>, 4> m_units;
};
