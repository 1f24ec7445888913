#pragma once

#include "simulated_unit.h"

#include <QString>
#include <optional>

class QCoreApplication;

struct UnitOptions
{
    UnitBehaviour behaviour;
    QString logFile;   // empty: log to standard output
    QString linkPath;  // empty: no symbolic link
};

// Reads the command line. --help, --version and unknown options end the
// program as QCommandLineParser does; a bad value is printed to standard
// error and gives nothing.
std::optional<UnitOptions> ParseUnitOptions(const QCoreApplication &app);
