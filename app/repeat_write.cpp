#include "repeat_write.h"

#include "console.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

namespace {

// Longer than any answer typed at the prompt; a longer line (`< /dev/zero`)
// is no answer and must not be read whole.
constexpr qint64 kLongestAnswer = 64;

void AskForNextUnit()
{
    PrintLine(QCoreApplication::translate("CommandLine", "Connect the next unit and press Enter (q and Enter to stop)."));
}

}  // namespace

RepeatAnswer ReadRepeatAnswer(QIODevice &input)
{
    const QByteArray line = input.readLine(kLongestAnswer + 1);
    if (line.isEmpty() || (line.size() >= kLongestAnswer && !line.endsWith('\n')))
        return RepeatAnswer::Stop;
    const QByteArray answer = line.trimmed();
    if (answer.isEmpty())
        return RepeatAnswer::NextUnit;
    return answer == "q" || answer == "Q" ? RepeatAnswer::Stop : RepeatAnswer::AskAgain;
}

int RepeatWrites(const std::function<bool()> &writeUnit)
{
    // Unbuffered: nothing is read beyond the answer asked for. A descriptor
    // that does not open reads as the end of the input.
    QFile input;
    input.open(fileno(stdin), QIODevice::ReadOnly | QIODevice::Unbuffered);
    int succeeded = 0;
    int failed = 0;
    RepeatAnswer answer = RepeatAnswer::NextUnit;
    while (answer == RepeatAnswer::NextUnit) {
        const bool unitSucceeded = writeUnit();
        (unitSucceeded ? succeeded : failed) += 1;
        PrintLine((unitSucceeded ? QCoreApplication::translate("CommandLine", "Unit %1: succeeded.")
                                 : QCoreApplication::translate("CommandLine", "Unit %1: failed."))
                      .arg(succeeded + failed));
        do {
            AskForNextUnit();
            answer = ReadRepeatAnswer(input);
        } while (answer == RepeatAnswer::AskAgain);
    }
    PrintLine(QCoreApplication::translate("CommandLine", "%1 succeeded, %2 failed.")
                  .arg(QString::number(succeeded), QString::number(failed)));
    return failed == 0 ? 0 : 1;
}
