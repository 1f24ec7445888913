// alarmcfg-unit: a simulated alarm unit behind a pseudo-terminal, for tests,
// demos and benchmarks of the configuration tool without hardware.

#include "device_symlink.h"
#include "pseudo_terminal.h"
#include "simulated_unit.h"
#include "termination_signals.h"
#include "unit_options.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("alarmcfg-unit"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ALARMCFG_VERSION));
    const std::optional<UnitOptions> options = ParseUnitOptions(app);
    if (!options)
        return 2;

    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    QFile logFile(options->logFile);
    if (!options->logFile.isEmpty() && !logFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "alarmcfg-unit: cannot write %s: %s\n", qUtf8Printable(options->logFile),
                     qUtf8Printable(logFile.errorString()));
        return 1;
    }

    QString error;
    PseudoTerminal terminal;
    DeviceSymlink symlink;
    if (!terminal.open(&error)
        || (!options->linkPath.isEmpty() && !symlink.create(options->linkPath, terminal.devicePath(), &error))) {
        std::fprintf(stderr, "alarmcfg-unit: %s\n", qUtf8Printable(error));
        return 1;
    }

    // The first line names the device; whoever started the unit reads it to find the port.
    out.write(terminal.devicePath().toLocal8Bit() + '\n');
    out.flush();

    SimulatedUnit unit(terminal, options->logFile.isEmpty() ? out : logFile, options->behaviour);
    QObject::connect(&unit, &SimulatedUnit::finished, &app, [](int exitCode) { QCoreApplication::exit(exitCode); });
    QuitOnTerminationSignals(app);
    return app.exec();
}
