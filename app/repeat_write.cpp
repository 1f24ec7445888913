#include "repeat_write.h"

#include "console.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

// Waits for the user to connect the next unit; false to stop.
bool NextUnitConnected(QTextStream &input)
{
    PrintLine(QCoreApplication::translate("CommandLine", "Connect the next unit and press Enter (q and Enter to stop)."));
    const QString answer = input.readLine();
    return !answer.isNull() && answer.trimmed().compare(QLatin1String("q"), Qt::CaseInsensitive) != 0;
}

}  // namespace

int RepeatWrites(const std::function<bool()> &writeUnit)
{
    QTextStream input(stdin);
    int succeeded = 0;
    int failed = 0;
    do {
        const bool unitSucceeded = writeUnit();
        (unitSucceeded ? succeeded : failed) += 1;
        PrintLine((unitSucceeded ? QCoreApplication::translate("CommandLine", "Unit %1: succeeded.")
                                 : QCoreApplication::translate("CommandLine", "Unit %1: failed."))
                      .arg(succeeded + failed));
    } while (NextUnitConnected(input));
    PrintLine(QCoreApplication::translate("CommandLine", "%1 succeeded, %2 failed.").arg(succeeded).arg(failed));
    return failed == 0 ? 0 : 1;
}
