#include "command_line.h"

#include "settings_keys.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

bool WantsNoWindow(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"--write", "--help", "-h", "--help-all", "--version", "-v"})
            if (std::strncmp(argv[i], option, std::strlen(option)) == 0)
                return true;
    }
    return false;
}

CommandLine ParseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Configuration tool for the TQ18/TQ18G GSM car alarm.\n"
                       "Without options it opens the settings pages."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption write(
        QStringLiteral("write"),
        QStringLiteral("Write a page from the stored settings, without a window: main or sensor."),
        QStringLiteral("page"));
    const QCommandLineOption dryRun(
        QStringLiteral("dry-run"),
        QStringLiteral("With --write: print each block as its tag and hex bytes; send and store nothing."));
    const QCommandLineOption password(
        QStringLiteral("password"),
        QStringLiteral("With --write main: the SMS-rewrite password (four Chinese characters)."),
        QStringLiteral("text"), QString::fromUtf8(kDefaultRewritePassword));
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Use DEVICE for the option COMk, e.g. COM1=/dev/ttyUSB0. Repeatable."),
        QStringLiteral("COMk=DEVICE"));
    const QCommandLineOption simulate(
        QStringLiteral("simulate"),
        QStringLiteral("Open the pages with a simulated alarm unit behind every COM option."));
    parser.addOptions({write, dryRun, password, port, simulate});
    parser.process(arguments);

    CommandLine options;
    options.writePage = parser.value(write);
    options.dryRun = parser.isSet(dryRun);
    options.password = parser.value(password);
    options.portOverrides = parser.values(port);
    options.simulate = parser.isSet(simulate);

    auto fail = [](const QString &message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::exit(2);
    };
    if (parser.isSet(write) && options.writePage != QLatin1String("main")
        && options.writePage != QLatin1String("sensor"))
        fail(QStringLiteral("--write takes main or sensor, not \"%1\".").arg(options.writePage));
    if (options.dryRun && !parser.isSet(write))
        fail(QStringLiteral("--dry-run goes with --write."));
    for (const QString &assignment : options.portOverrides)
        if (!ComPortMap().setOverride(assignment))
            fail(QStringLiteral("--port takes COMk=DEVICE with k from 1 to 4, not \"%1\".").arg(assignment));
    return options;
}

ComPortMap PortMapFor(const CommandLine &options)
{
    ComPortMap map = ComPortMap::fromSystem();
    for (const QString &assignment : options.portOverrides)
        map.setOverride(assignment);
    return map;
}
