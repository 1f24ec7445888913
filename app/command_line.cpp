#include "command_line.h"

#include "settings_keys.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

bool WantsNoWindow(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"--write", "--export", "--import", "--help", "-h", "--version", "-v"})
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
        QStringLiteral("Write a page from the stored settings, without a window: main, sensor or all."),
        QStringLiteral("page"));
    const QCommandLineOption dryRun(
        QStringLiteral("dry-run"),
        QStringLiteral("With --write: print each block as its tag and hex bytes; send and store nothing."));
    const QCommandLineOption password(
        QStringLiteral("password"),
        QStringLiteral("With --write main: the SMS-rewrite password (four Chinese characters)."),
        QStringLiteral("text"), QString::fromUtf8(kDefaultRewritePassword));
    const QCommandLineOption profile(
        QStringLiteral("profile"),
        QStringLiteral("With --write: write from this profile; the stored settings stay untouched."),
        QStringLiteral("file"));
    const QCommandLineOption exportFile(
        QStringLiteral("export"), QStringLiteral("Save the stored settings as a profile."),
        QStringLiteral("file"));
    const QCommandLineOption importFile(
        QStringLiteral("import"),
        QStringLiteral("Store a profile's settings, as if typed and written (nothing is sent)."),
        QStringLiteral("file"));
    const QCommandLineOption includePassword(
        QStringLiteral("include-password"),
        QStringLiteral("With --export: put the SMS-rewrite password (--password) into the profile."));
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Use DEVICE for the option COMk, e.g. COM1=/dev/ttyUSB0. Repeatable."),
        QStringLiteral("COMk=DEVICE"));
    const QCommandLineOption simulate(
        QStringLiteral("simulate"),
        QStringLiteral("Open the pages with a simulated alarm unit behind every COM option."));
    parser.addOptions({write, dryRun, profile, exportFile, importFile, includePassword, password,
                       port, simulate});
    parser.process(arguments);

    CommandLine options;
    options.writePage = parser.value(write);
    options.dryRun = parser.isSet(dryRun);
    options.profile = parser.value(profile);
    options.exportFile = parser.value(exportFile);
    options.importFile = parser.value(importFile);
    options.includePassword = parser.isSet(includePassword);
    options.password = parser.value(password);
    options.portOverrides = parser.values(port);
    options.simulate = parser.isSet(simulate);

    auto fail = [](const QString &message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::exit(2);
    };
    const QStringList pages{QStringLiteral("main"), QStringLiteral("sensor"), QStringLiteral("all")};
    if (parser.isSet(write) && !pages.contains(options.writePage))
        fail(QStringLiteral("--write takes main, sensor or all, not \"%1\".").arg(options.writePage));
    if (int(parser.isSet(write)) + int(parser.isSet(exportFile)) + int(parser.isSet(importFile)) > 1)
        fail(QStringLiteral("--write, --export and --import go one at a time."));
    if ((options.dryRun || parser.isSet(profile)) && !parser.isSet(write))
        fail(QStringLiteral("--dry-run and --profile go with --write."));
    if (options.includePassword && !parser.isSet(exportFile))
        fail(QStringLiteral("--include-password goes with --export."));
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
