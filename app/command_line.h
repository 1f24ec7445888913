#pragma once

#include "com_port_map.h"

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line.
struct CommandLine
{
    QString writePage;          // "main", "sensor" or "all": write without a window
    bool dryRun = false;        // with writePage: print the blocks, send nothing
    QString profile;            // with writePage: write from this profile, not the store
    QString exportFile;         // write the stored settings to this profile
    QString importFile;         // store this profile's settings
    bool includePassword = false;  // with exportFile: put the password in
    QString password;           // Text15 when the profile holds none
    QStringList portOverrides;  // "COMk=DEVICE"
    bool simulate = false;      // GUI with a simulated unit behind every COM option

    bool wantsWindow() const
    {
        return writePage.isEmpty() && exportFile.isEmpty() && importFile.isEmpty();
    }
};

// True when the arguments ask for no window (a write, an export or import,
// --help or --version), so that main() can create a QCoreApplication instead
// of a QApplication.
bool WantsNoWindow(int argc, char **argv);

// Parses the application's arguments; prints help, version or an error and
// exits the process on its own where the parser does.
CommandLine ParseCommandLine(const QStringList &arguments);

// The system's COM mapping with the --port overrides applied.
ComPortMap PortMapFor(const CommandLine &options);
