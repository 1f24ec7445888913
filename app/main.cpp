#include "command_line.h"
#include "command_line_history.h"
#include "command_line_ports.h"
#include "command_line_profile.h"
#include "command_line_write.h"
#include "console.h"
#include "gui.h"

#include <QApplication>
#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

using Mode = CommandLine::Mode;

// A reader that goes away (`alarmcfg --write all | head -1`) must not end a
// write between two blocks: printing fails from then on and the write goes on.
void SurviveClosedOutput()
{
#ifdef Q_OS_UNIX
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

}  // namespace

// The command line is read before any application object exists: a
// malformed one is refused without a display and before anything is opened.
int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("alarmcfg"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ALARMCFG_VERSION));
    const CommandLine options = ParseCommandLine(ProgramArguments(argc, argv));
    switch (options.mode) {
    case Mode::Refused:
        Err() << QCoreApplication::applicationName() << ": " << options.refusal << Qt::endl;
        return 2;
    case Mode::Version:
        Out() << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << Qt::endl;
        return 0;
    case Mode::Help: {
        QCoreApplication app(argc, argv);
        Out() << CommandLineHelp() << Qt::flush;
        return 0;
    }
    case Mode::Window: {
        QApplication app(argc, argv);
        return RunGui(app, options);
    }
    case Mode::History:
    case Mode::ListPorts:
    case Mode::Write:
    case Mode::Export:
    case Mode::Import:
        break;
    }
    QCoreApplication app(argc, argv);
    SurviveClosedOutput();
    if (options.mode == Mode::Export)
        return RunExport(options);
    if (options.mode == Mode::Import)
        return RunImport(options);
    if (options.mode == Mode::History)
        return RunHistory(options);
    if (options.mode == Mode::ListPorts)
        return RunListPorts(options);
    return RunCommandLineWrite(options);
}
