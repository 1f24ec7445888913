#include "repeat_write.h"

#include "console.h"

#include <QTextStream>

namespace {

// Waits for the user to connect the next unit; false to stop.
bool NextUnitConnected(QTextStream &input)
{
    PrintLine(QStringLiteral("Connect the next unit and press Enter (q and Enter to stop)."));
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
        PrintLine(QStringLiteral("Unit %1: %2.")
                      .arg(succeeded + failed)
                      .arg(unitSucceeded ? QLatin1String("succeeded") : QLatin1String("failed")));
    } while (NextUnitConnected(input));
    PrintLine(QStringLiteral("%1 succeeded, %2 failed.").arg(succeeded).arg(failed));
    return failed == 0 ? 0 : 1;
}
