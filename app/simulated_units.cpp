#include "simulated_units.h"

#include "com_port_map.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <cstdio>
#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {

constexpr int kStartMs = 5000;
constexpr int kStopMs = 2000;

// The device the unit prints as its first line, or nothing when it does not
// come in time.
QString ReadDevice(QProcess &unit)
{
    const QDeadlineTimer deadline(kStartMs);
    while (!unit.canReadLine()) {
        if (deadline.hasExpired() || !unit.waitForReadyRead(int(deadline.remainingTime())))
            return {};
    }
    return QString::fromLocal8Bit(unit.readLine()).trimmed();
}

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

SimulatedUnits::~SimulatedUnits()
{
    for (const std::unique_ptr<QProcess> &unit : m_units)
        unit->terminate();
    for (const std::unique_ptr<QProcess> &unit : m_units)
        if (!unit->waitForFinished(kStopMs))
            unit->kill();
}

QString SimulatedUnits::start(const QString &program, ComPortMap &map)
{
    for (int com = 1; com <= 4; ++com) {
        auto unit = std::make_unique<QProcess>();
        unit->setProcessChannelMode(QProcess::ForwardedErrorChannel);
#ifdef Q_OS_LINUX
        // A program killed before it could stop its units takes them along.
        unit->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
        unit->start(program, {});
        if (!unit->waitForStarted(kStartMs))
            return QCoreApplication::translate("Program", "无法启动模拟报警器 %1：%2").arg(program, unit->errorString());
        const QString device = ReadDevice(*unit);
        if (device.isEmpty())
            return QCoreApplication::translate("Program", "模拟报警器 %1 没有给出串口设备。").arg(program);
        map.setOverride(com, device);
        QProcess *process = unit.get();
        QObject::connect(process, &QProcess::readyReadStandardOutput, process,
                         [process, com] { ForwardLog(*process, com); });
        m_units.push_back(std::move(unit));
    }
    return {};
}
