#include "command_line.h"
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
        return RunCommandLineWrite(ParseCommandLine(app.arguments()));
    }
    QApplication app(argc, argv);
    SetIdentity();
    return RunGui(app, ParseCommandLine(app.arguments()));
}
