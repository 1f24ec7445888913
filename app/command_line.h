#pragma once

#include "com_port_map.h"
#include "language.h"

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line.
struct CommandLine
{
    enum class Mode {
        Window,   // the pages
        Write,    // --write: a page to the unit, without a window
        Export,   // --export: the stored settings to a profile
        Import,   // --import: a profile's settings into the store
        History,  // --history: the last writes
        ListPorts,  // --list-ports: the serial devices behind the COM options
        Help,
        Version,
        Refused,  // a malformed command line: nothing is to be done
    };

    Mode mode = Mode::Window;
    QString refusal;            // with Refused: one line naming the problem
    bool refusedProfileToOpen = false;  // with Refused: the profile to open is missing or unreadable
    QString writePage;          // with Write: "main", "sensor" or "all"
    bool dryRun = false;        // with Write: print the blocks, send nothing
    QString profile;            // with Write: write from this profile, not the store
    bool repeat = false;        // with Write: one unit after another, until told to stop
    bool sendDefaultSecrets = false;  // with Write: send pass phrases and password at their published defaults
    int historyCount = 20;      // with History: how many of the last writes to show
    QString exportFile;         // with Export
    QString importFile;         // with Import
    bool includePassword = false;  // with Export: put the password in
    QString password;           // Text15 when the profile holds none
    QStringList portOverrides;  // "COMk=DEVICE"
    int com = 0;                // with Write: --com k, 0 when not given
    bool simulate = false;      // with Window: a simulated unit behind every COM option
    QString openProfile;        // with Window: a profile to import once the main page shows
    Language language = Language::Chinese;  // --lang, or the system's locale; with Refused too
};

// The program's arguments, program name first, as given: read before any
// application object exists, so that a malformed line is refused without a
// display.
QStringList ProgramArguments(int argc, char **argv);

// Parses the arguments without printing anything or ending the process; a
// line that is malformed in any way comes back as Mode::Refused. The refusal
// and the help are worded in the translations installed at the time.
CommandLine ParseCommandLine(const QStringList &arguments);

// The text --help prints; the application object must exist (it names the
// program as it was called).
QString CommandLineHelp();

// The --port overrides as a COM mapping; the system's devices come in with
// ComPortMap::update (SerialLink::select lists them itself).
ComPortMap PortMapFor(const CommandLine &options);

// The COM option a write goes to: --com k; otherwise the option of a single
// --port (several are refused without --com); otherwise the stored choice
// (`stored`, 0 when none is selected, which keeps COM1). Nothing of it is stored.
int WriteComOption(const CommandLine &options, int stored);
