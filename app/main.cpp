#include "command_line.h"
#include "command_line_history.h"
#include "command_line_ports.h"
#include "command_line_profile.h"
#include "command_line_write.h"
#include "console.h"
#include "file_store.h"
#include "gui.h"
#include "language.h"
#include "printable_text.h"

#include <QApplication>
#ifdef Q_OS_UNIX
#include <csignal>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
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

// A profile to open that cannot be opened is refused on standard error; when
// nobody sees that (the program was started from a desktop entry, with no
// terminal) and a display is at hand, a message box says it too.
bool RefusalWantsWindow(const CommandLine &options)
{
    const auto given = [](const char *variable) { return !qEnvironmentVariableIsEmpty(variable); };
    return options.mode == Mode::Refused && options.refusedProfileToOpen && !StandardErrorIsTerminal()
        && (given("DISPLAY") || given("WAYLAND_DISPLAY") || given("QT_QPA_PLATFORM"));
}

void PrintRefusal(const QString &refusal)
{
    Err() << QCoreApplication::applicationName() << ": " << Printable(refusal) << Qt::endl;
}

#ifdef Q_OS_WIN
// The program prints UTF-8: a Windows console shows it as such while the
// program runs (and reads what is typed as such), and gets its own code page
// back afterwards.
class Utf8Console
{
public:
    Utf8Console() : m_output(GetConsoleOutputCP()), m_input(GetConsoleCP())
    {
        SetConsoleOutputCP(CP_UTF8);
        SetConsoleCP(CP_UTF8);
    }
    ~Utf8Console()
    {
        if (m_output != 0)
            SetConsoleOutputCP(m_output);
        if (m_input != 0)
            SetConsoleCP(m_input);
    }

private:
    UINT m_output;
    UINT m_input;
};
#endif

bool UsesStore(Mode mode)
{
    return mode == Mode::Write || mode == Mode::Import || mode == Mode::Export;
}

}  // namespace

// The command line is read before any application object exists: a
// malformed one is refused without a display and before anything is opened.
// The translations need the application object: the line is read again
// once they are in, so that its refusal and help are in the chosen language.
int main(int argc, char **argv)
{
    // First of all: any descriptor opened later could take a closed 0.
    const bool answersReadable = StandardInputReadable();
    QCoreApplication::setApplicationName(QStringLiteral("alarmcfg"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ALARMCFG_VERSION));
    const QStringList arguments = ProgramArguments(argc, argv);
    const CommandLine firstReading = ParseCommandLine(arguments);
    if (firstReading.mode == Mode::Window) {
        QApplication app(argc, argv);
        const Translations translations(firstReading.language);  // before any widget exists
        return RunGui(app, firstReading);
    }
    if (RefusalWantsWindow(firstReading)) {
        QApplication app(argc, argv);
        const Translations translations(firstReading.language);
        const CommandLine options = ParseCommandLine(arguments);
        PrintRefusal(options.refusal);
        ShowRefusal(options.refusal);
        return 2;
    }
    QCoreApplication app(argc, argv);
    const Translations translations(firstReading.language);
    const CommandLine options = ParseCommandLine(arguments);
    SurviveClosedOutput();
#ifdef Q_OS_WIN
    const Utf8Console console;
#endif
    if (const QString note = UsesStore(options.mode) ? FileStore::directoryNote() : QString(); !note.isEmpty())
        Err() << note << Qt::endl;
    switch (options.mode) {
    case Mode::Refused:
        PrintRefusal(options.refusal);
        return 2;
    case Mode::Version:
        Out() << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << Qt::endl;
        return 0;
    case Mode::Help:
        Out() << CommandLineHelp() << Qt::flush;
        return 0;
    case Mode::Export:
        return RunExport(options);
    case Mode::Import:
        return RunImport(options);
    case Mode::History:
        return RunHistory(options);
    case Mode::ListPorts:
        return RunListPorts(options);
    case Mode::Write:
    case Mode::Window:  // not on the second reading: the same line reads the same
        break;
    }
    return RunCommandLineWrite(options, answersReadable);
}
