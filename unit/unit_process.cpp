#include "unit_process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {

constexpr int kStartMs = 5000;
constexpr int kStopMs = 2000;

}  // namespace

UnitProcess::UnitProcess()
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
#ifdef Q_OS_LINUX
    // A program killed before it could stop its unit takes it along.
    m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
}

UnitProcess::~UnitProcess()
{
    stop();
}

QString UnitProcess::start(const QStringList &options)
{
    launch(options);
    return awaitDevice();
}

void UnitProcess::launch(const QStringList &options)
{
    m_process.start(program(), options);
}

QString UnitProcess::awaitDevice()
{
    if (!m_process.waitForStarted(kStartMs))
        return QCoreApplication::translate("Program", "无法启动模拟报警器 %1：%2").arg(program(), m_process.errorString());
    const QDeadlineTimer deadline(kStartMs);
    while (!m_process.canReadLine()) {
        if (deadline.hasExpired() || !m_process.waitForReadyRead(int(deadline.remainingTime())))
            return QCoreApplication::translate("Program", "模拟报警器 %1 没有给出串口设备。").arg(program());
    }
    m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    return {};
}

void UnitProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(kStopMs))
        m_process.kill();
    m_process.waitForFinished(kStopMs);
}

QString UnitProcess::program()
{
    const QString besideProgram = QCoreApplication::applicationDirPath() + QLatin1String("/alarmcfg-unit");
#ifdef ALARMCFG_UNIT_BUILD_PATH
    if (!QFileInfo::exists(besideProgram))
        return QStringLiteral(ALARMCFG_UNIT_BUILD_PATH);
#endif
    return besideProgram;
}
