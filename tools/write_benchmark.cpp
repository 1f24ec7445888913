// Times a main-page write against the simulated unit pacing a 9600-baud line
// and compares it with the least time the line allows: every byte of the six
// blocks and of their six one-byte answers at ten bit times, plus the five
// 50 ms pauses between the blocks. Prints the ratio as its last line.

#include "block_layouts.h"
#include "file_store.h"
#include "page_settings.h"
#include "serial_link.h"
#include "unit_process.h"
#include "write_sequences.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRuns = 5;
constexpr double kSecondsPerByte = 10.0 / 9600.0;
constexpr double kPausesSeconds = 5 * 0.050;

class PrintedMessages : public MessageSink
{
public:
    void showError(const QString &title, const QString &text) override
    {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(title), qPrintable(text));
    }
};

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    UnitProcess unit;
    if (const QString failure = unit.start({QStringLiteral("--pace"), QStringLiteral("--log"), QStringLiteral("/dev/null")});
        !failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }

    ComPortMap map;
    map.setOverride(1, unit.device());
    SerialLink link(map);
    if (const QString error = link.select(1); !error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    QTemporaryDir settings;
    FileStore store(settings.path());
    const MainPageValues values = RestoreMainPage(store).values;
    int lineBytes = 0;
    for (const QByteArray &block : MainPageBlocks(values))
        lineBytes += block.size() + 1;  // the block and its one-byte answer
    const double lowerBound = lineBytes * kSecondsPerByte + kPausesSeconds;

    PrintedMessages messages;
    NoWindowView view;
    std::vector<double> seconds;
    for (int run = 1; run <= kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        const WriteResult result = WriteMainPage(values, link.port(), store, messages, view);
        seconds.push_back(timer.nsecsElapsed() / 1e9);
        if (!result.succeeded()) {
            std::fprintf(stderr, "run %d: the unit did not answer every block\n", run);
            return 1;
        }
        out << QStringLiteral("run %1: %2 s").arg(run).arg(seconds.back(), 0, 'f', 3) << Qt::endl;
    }
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[kRuns / 2];
    out << QStringLiteral("line bytes: %1, lower bound: %2 s, median: %3 s")
               .arg(lineBytes)
               .arg(lowerBound, 0, 'f', 3)
               .arg(median, 0, 'f', 3)
        << Qt::endl;
    out << QStringLiteral("ratio: %1").arg(median / lowerBound, 0, 'f', 3) << Qt::endl;
    link.close();
    return 0;
}
