#include "command_line.h"

#include "file_store.h"
#include "other_ports.h"
#include "page_fields.h"
#include "port_choices.h"
#include "read_only_store.h"
#include "validation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace {

using Mode = CommandLine::Mode;

// One of the program's options, its description in the language installed.
// The descriptions are marked for translation where the table names them.
QCommandLineOption Option(std::initializer_list<const char *> names, const char *description,
                          const char *valueName = nullptr, const QString &defaultValue = {})
{
    QStringList nameList;
    for (const char *name : names)
        nameList << QLatin1String(name);
    return QCommandLineOption(nameList, QCoreApplication::translate("CommandLine", description),
                              QLatin1String(valueName), defaultValue);
}

// Every option, and a parser that knows them all: the same for parsing and
// for the help text.
struct OptionTable
{
    const QCommandLineOption help = Option({"h", "help"}, QT_TRANSLATE_NOOP("CommandLine", "Displays help on command-line options."));
    const QCommandLineOption version = Option({"v", "version"}, QT_TRANSLATE_NOOP("CommandLine", "Displays version information."));
    const QCommandLineOption write = Option(
        {"write"},
        QT_TRANSLATE_NOOP("CommandLine", "Write a page from the stored settings, without a window: main, sensor or all."),
        "page");
    const QCommandLineOption dryRun = Option(
        {"dry-run"},
        QT_TRANSLATE_NOOP("CommandLine", "With --write: print each block as its tag and hex bytes; send and store nothing."));
    const QCommandLineOption password = Option(
        {"password"},
        QT_TRANSLATE_NOOP("CommandLine", "With --write, or --export --include-password: the SMS-rewrite password "
                                         "(four Chinese characters)."),
        "text", RewritePasswordField().defaultText());
    const QCommandLineOption profile = Option(
        {"profile"},
        QT_TRANSLATE_NOOP("CommandLine", "With --write: write from this profile; the stored settings stay untouched."),
        "file");
    const QCommandLineOption exportFile =
        Option({"export"}, QT_TRANSLATE_NOOP("CommandLine", "Save the stored settings as a profile."), "file");
    const QCommandLineOption importFile = Option(
        {"import"},
        QT_TRANSLATE_NOOP("CommandLine", "Store a profile's settings, as if typed and written (nothing is sent)."),
        "file");
    const QCommandLineOption includePassword = Option(
        {"include-password"},
        QT_TRANSLATE_NOOP("CommandLine", "With --export: put the SMS-rewrite password (--password) into the profile."));
    const QCommandLineOption port = Option(
        {"port"}, QT_TRANSLATE_NOOP("CommandLine", "Use DEVICE for the option COMk, e.g. COM1=/dev/ttyUSB0. Repeatable."),
        "COMk=DEVICE");
    const QCommandLineOption com = Option(
        {"com"},
        QT_TRANSLATE_NOOP("CommandLine", "With --write: write to the option COMk (1 to 4) instead of the stored choice; "
                                         "a single --port selects its option too. Nothing is stored."),
        "k");
    const QCommandLineOption listPorts = Option(
        {"list-ports"},
        QT_TRANSLATE_NOOP("CommandLine", "List the serial devices behind COM1 to COM4 and any others, with their adapters, "
                                         "access and users; opens none."));
    const QCommandLineOption repeat = Option(
        {"repeat"},
        QT_TRANSLATE_NOOP("CommandLine", "With --write: write one unit after another; Enter goes on to the next, q stops."));
    const QCommandLineOption sendDefaultSecrets = Option(
        {"send-default-secrets"},
        QT_TRANSLATE_NOOP("CommandLine", "With --write main or all: send pass phrases and the SMS-rewrite password even "
                                         "where they are still the published defaults (refused otherwise)."));
    const QCommandLineOption history = Option(
        {"history"},
        QT_TRANSLATE_NOOP("CommandLine", "Show the last N writes (20 without N), oldest first: --history [N] or --history=N."),
        "N");
    const QCommandLineOption simulate = Option(
        {"simulate"}, QT_TRANSLATE_NOOP("CommandLine", "Open the pages with a simulated alarm unit behind every COM option."));
    const QCommandLineOption language = Option(
        {"lang"},
        QT_TRANSLATE_NOOP("CommandLine", "The language of the pages and messages: zh (Chinese) or en "
                                         "(English). Without it, the system's locale chooses."),
        "zh|en");
    QCommandLineParser parser;

    OptionTable()
    {
        parser.setApplicationDescription(
            QCoreApplication::translate("CommandLine", "Configuration tool for the TQ18/TQ18G GSM car alarm.\n"
                           "Without options it opens the settings pages."));
        parser.addOptions({help, version, write, dryRun, repeat, sendDefaultSecrets, profile, exportFile, importFile, includePassword,
                           password, port, com, listPorts, simulate, history, language});
        parser.addPositionalArgument(QStringLiteral("profile"),
                                     QCoreApplication::translate("CommandLine", "Open the pages with this profile imported."),
                                     QStringLiteral("[profile]"));
    }
};

QString Name(const QCommandLineOption &option)
{
    return QLatin1String("--") + option.names().constLast();
}

// An option that only some actions take, and the line that refuses it elsewhere.
struct Pairing
{
    const QCommandLineOption &option;
    bool taken;
    QString refusal;
};

// Why the line cannot be carried out as parsed, or nothing.
QString Refusal(const OptionTable &table, const CommandLine &options)
{
    const QCommandLineParser &parser = table.parser;
    for (const QCommandLineOption *once :
         {&table.write, &table.profile, &table.exportFile, &table.importFile, &table.password, &table.history,
          &table.com, &table.language}) {
        if (parser.values(*once).size() > 1)
            return QCoreApplication::translate("CommandLine", "%1 is given more than once.").arg(Name(*once));
    }
    for (const QCommandLineOption *file : {&table.profile, &table.exportFile, &table.importFile}) {
        if (parser.isSet(*file) && parser.value(*file).isEmpty())
            return QCoreApplication::translate("CommandLine", "%1 needs a file name.").arg(Name(*file));
    }

    const Mode mode = options.mode;
    const Pairing pairings[] = {
        {table.dryRun, mode == Mode::Write, QCoreApplication::translate("CommandLine", "--dry-run goes with --write.")},
        {table.profile, mode == Mode::Write, QCoreApplication::translate("CommandLine", "--profile goes with --write.")},
        {table.repeat, mode == Mode::Write && !options.dryRun,
         QCoreApplication::translate("CommandLine", "--repeat goes with --write, and not with --dry-run.")},
        {table.sendDefaultSecrets, mode == Mode::Write,
         QCoreApplication::translate("CommandLine", "--send-default-secrets goes with --write.")},
        {table.includePassword, mode == Mode::Export, QCoreApplication::translate("CommandLine", "--include-password goes with --export.")},
        {table.password, mode == Mode::Write || (mode == Mode::Export && options.includePassword),
         QCoreApplication::translate("CommandLine", "--password goes with --write, or with --export and --include-password.")},
        {table.simulate, mode == Mode::Window,
         QCoreApplication::translate("CommandLine", "--simulate opens the pages; it does not go with --write, --export, --import, --history "
                        "or --list-ports.")},
        {table.com, mode == Mode::Write, QCoreApplication::translate("CommandLine", "--com goes with --write.")},
    };
    for (const Pairing &pairing : pairings) {
        if (parser.isSet(pairing.option) && !pairing.taken)
            return pairing.refusal;
    }

    QList<int> portOptions;
    for (const QString &assignment : options.portOverrides) {
        const int com = ComPortMap::overriddenOption(assignment);
        if (com == 0)
            return QCoreApplication::translate("CommandLine", "--port takes COMk=DEVICE with k from 1 to 4, not \"%1\".").arg(assignment);
        if (portOptions.contains(com))
            return QCoreApplication::translate("CommandLine", "--port names COM%1 more than once.").arg(com);
        portOptions << com;
    }
    if (parser.isSet(table.com) && (options.com < 1 || options.com > 4))
        return QCoreApplication::translate("CommandLine", "--com takes an option from 1 to 4, not \"%1\".").arg(parser.value(table.com));
    // Of several devices given, the write goes to the one the user names: never
    // to an option none of them stands for.
    if (mode == Mode::Write && !options.dryRun && portOptions.size() > 1 && !portOptions.contains(options.com))
        return QCoreApplication::translate("CommandLine", "With several --port options, --com names the one to write to.");
    const QStringList pages{QStringLiteral("main"), QStringLiteral("sensor"), QStringLiteral("all")};
    if (mode == Mode::Write && !pages.contains(options.writePage))
        return QCoreApplication::translate("CommandLine", "--write takes main, sensor or all, not \"%1\".").arg(options.writePage);
    if (options.includePassword && !IsValidRewritePassword(options.password))
        return QCoreApplication::translate("CommandLine", "--password is not four Chinese characters.");

    if (parser.isSet(table.language) && !LanguageNamed(parser.value(table.language)))
        return QCoreApplication::translate("CommandLine", "--lang takes zh or en, not \"%1\".")
            .arg(parser.value(table.language));

    if (mode == Mode::History && options.historyCount < 1)
        return QCoreApplication::translate("CommandLine", "--history takes a number of writes from 1 on, not \"%1\".")
            .arg(parser.value(table.history));

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > (mode == Mode::Window ? 1 : 0))
        return QCoreApplication::translate("CommandLine", "Unexpected argument \"%1\".").arg(positional.constLast());
    return {};
}

// Why the profile given to open with the pages cannot be opened, or nothing.
QString ProfileToOpenRefusal(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return QCoreApplication::translate("CommandLine", "No profile file \"%1\" to open.").arg(path);
    if (!file.isReadable())
        return QCoreApplication::translate("CommandLine", "The profile \"%1\" cannot be read.").arg(path);
    return {};
}

// QCommandLineParser has no optional values: "--history" takes the number
// after it when there is one, and is "--history=" (the default) otherwise.
QStringList WithHistoryValue(QStringList arguments)
{
    const QString history = QStringLiteral("--history");
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        if (arguments[k] != history)
            continue;
        const QString next = arguments.value(k + 1);
        // A negative number too, so that the refusal says what N must be.
        const QStringView digits = QStringView(next).mid(next.startsWith(u'-') ? 1 : 0);
        const bool number = !digits.isEmpty() && std::all_of(digits.cbegin(), digits.cend(), [](QChar c) {
            return c >= u'0' && c <= u'9';
        });
        if (number)
            arguments.removeAt(k + 1);
        arguments[k] = history + u'=' + (number ? next : QString());
    }
    return arguments;
}

}  // namespace

QStringList ProgramArguments(int argc, char **argv)
{
    QStringList arguments;
#ifdef Q_OS_WIN
    // argv holds the ANSI code page only; the wide command line holds every character.
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; i < count; ++i)
        arguments << QString::fromWCharArray(wide[i]);
    LocalFree(wide);
#else
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
#endif
    return arguments;
}

CommandLine ParseCommandLine(const QStringList &arguments)
{
    OptionTable table;
    const QCommandLineParser &parser = table.parser;
    CommandLine options;
    options.language = LanguageOfLocale(SystemMessagesLocale());
    const auto refuse = [&options](const QString &problem) {
        options.mode = Mode::Refused;
        options.refusal = problem;
        return options;
    };
    if (!table.parser.parse(WithHistoryValue(arguments)))
        return refuse(parser.errorText());
    // A refusal of the rest of the line is worded in the language asked for.
    if (const std::optional<Language> named = LanguageNamed(parser.value(table.language)))
        options.language = *named;
    // After "--" every option would become a profile to open.
    if (arguments.mid(1).contains(QLatin1String("--")))
        return refuse(QCoreApplication::translate("CommandLine", "\"--\" is not taken: give the options, then the profile to open."));
    if (parser.isSet(table.help) || parser.isSet(table.version)) {
        options.mode = parser.isSet(table.help) ? Mode::Help : Mode::Version;
        return options;
    }

    const std::pair<const QCommandLineOption &, Mode> actions[] = {
        {table.write, Mode::Write}, {table.exportFile, Mode::Export}, {table.importFile, Mode::Import},
        {table.history, Mode::History}, {table.listPorts, Mode::ListPorts}};
    for (const auto &[option, mode] : actions) {
        if (!parser.isSet(option))
            continue;
        if (options.mode != Mode::Window)
            return refuse(QCoreApplication::translate("CommandLine", "--write, --export, --import, --history and --list-ports go one at a time."));
        options.mode = mode;
    }
    options.writePage = parser.value(table.write);
    options.dryRun = parser.isSet(table.dryRun);
    options.profile = parser.value(table.profile);
    options.repeat = parser.isSet(table.repeat);
    options.sendDefaultSecrets = parser.isSet(table.sendDefaultSecrets);
    if (const QString count = parser.value(table.history); !count.isEmpty())
        options.historyCount = count.toInt();  // 0 when no number: refused below
    options.exportFile = parser.value(table.exportFile);
    options.importFile = parser.value(table.importFile);
    options.includePassword = parser.isSet(table.includePassword);
    options.password = parser.value(table.password);
    options.portOverrides = parser.values(table.port);
    options.com = parser.value(table.com).toInt();  // 0 when not a number: refused below
    options.simulate = parser.isSet(table.simulate);
    options.openProfile = parser.positionalArguments().value(0);

    if (const QString problem = Refusal(table, options); !problem.isEmpty())
        return refuse(problem);
    if (!options.openProfile.isEmpty()) {
        if (const QString problem = ProfileToOpenRefusal(options.openProfile); !problem.isEmpty()) {
            options.refusedProfileToOpen = true;
            return refuse(problem);
        }
    }
    return options;
}

QString CommandLineHelp()
{
    return OptionTable().parser.helpText();
}

ComPortMap PortMapFor(const CommandLine &options)
{
    ComPortMap map;
    if (OtherPortsOffered()) {  // the ports the options were pointed at in the window
        FileStore files(FileStore::defaultDirectory());
        ReadOnlyStore stored(files);
        const std::array<QString, 4> choices = ReadPortChoices(stored);
        for (int com = 1; com <= 4; ++com)
            if (!choices[com - 1].isEmpty())
                map.setOverride(com, choices[com - 1]);
    }
    for (const QString &assignment : options.portOverrides)
        map.setOverride(assignment);
    return map;
}

int WriteComOption(const CommandLine &options, int stored)
{
    if (options.com != 0)
        return options.com;
    if (!options.portOverrides.isEmpty())  // one only: several need --com
        return ComPortMap::overriddenOption(options.portOverrides.constFirst());
    return stored == 0 ? 1 : stored;
}
