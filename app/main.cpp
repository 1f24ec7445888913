#include "command_line.h"
#include "command_line_profile.h"
#include "command_line_write.h"
#include "gui.h"

#include <QApplication>

namespace {

void SetIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("alarmcfg"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ALARMCFG_VERSION));
}

}  // namespace

int main(int argc, char **argv)
{
    if (WantsNoWindow(argc, argv)) {
        QCoreApplication app(argc, argv);
        SetIdentity();
        const CommandLine options = ParseCommandLine(app.arguments());
        if (!options.exportFile.isEmpty())
            return RunExport(options);
        if (!options.importFile.isEmpty())
            return RunImport(options);
        return RunCommandLineWrite(options);
    }
    QApplication app(argc, argv);
    SetIdentity();
    return RunGui(app, ParseCommandLine(app.arguments()));
}
