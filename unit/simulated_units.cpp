#include "simulated_units.h"

#include "com_port_map.h"
#include "unit_process.h"

#include <cstdio>

namespace {

void ForwardLog(QProcess &unit, int com)
{
    while (unit.canReadLine()) {
        const QByteArray line = unit.readLine();
        std::fprintf(stdout, "COM%d %s", com, line.constData());
    }
    std::fflush(stdout);
}

}  // namespace

SimulatedUnits::SimulatedUnits() = default;

// The units are asked to end together, so stopping them takes one wait, not four.
SimulatedUnits::~SimulatedUnits()
{
    for (const std::unique_ptr<UnitProcess> &unit : m_units)
        if (unit)
            unit->process().terminate();
}

QString SimulatedUnits::start(ComPortMap &map)
{
    // The units start side by side: a start is mostly waiting for a new process.
    for (std::unique_ptr<UnitProcess> &unit : m_units) {
        unit = std::make_unique<UnitProcess>();
        unit->launch();
    }
    for (int com = 1; com <= int(m_units.size()); ++com) {
        UnitProcess &unit = *m_units[com - 1];
        if (const QString failure = unit.awaitDevice(); !failure.isEmpty())
            return failure;
        map.setOverride(com, unit.device());
        QProcess *process = &unit.process();
        QObject::connect(process, &QProcess::readyReadStandardOutput, process,
                         [process, com] { ForwardLog(*process, com); });
    }
    return {};
}
