#include "command_line_write.h"

#include "block_layouts.h"
#include "file_store.h"
#include "page_settings.h"
#include "serial_link.h"
#include "validation.h"
#include "write_sequences.h"

#include <QTextStream>

namespace {

QTextStream &Out()
{
    static QTextStream out(stdout);
    return out;
}

QTextStream &Err()
{
    static QTextStream err(stderr);
    return err;
}

class StderrMessages : public MessageSink
{
public:
    void showError(const QString &title, const QString &text) override
    {
        Err() << title << '\n' << text << Qt::endl;
    }
};

// No window to show: one line per block on stdout.
class BlockLineView : public WriteView
{
public:
    void setWriteEnabled(bool) override {}
    void placeWaitWindow() override {}
    void showWaitWindow() override {}
    void startWaitTimer() override {}
    void closeWaitWindow() override {}
    void blockExchanged(const QByteArray &tag, bool answered) override
    {
        Out() << tag << (answered ? " answered" : " not answered") << Qt::endl;
    }
};

struct RestoredPages
{
    MainPageSettings main;
    SensorPageValues sensor;
};

// The page's fields as its load restores them; the main page is restored for
// the sensor write too, since its COM choice picks the port.
RestoredPages Restore(FileStore &store, const CommandLine &options)
{
    store.ensureDirectory();
    RestoredPages pages{RestoreMainPage(store), {}};
    pages.main.values.text[MainPageControls::kRewritePassword] = options.password;
    if (options.writePage == QLatin1String("sensor"))
        pages.sensor = RestoreSensorPage(store);
    return pages;
}

int PrintDryRun(const RestoredPages &pages, bool mainPage)
{
    const QList<ValidationProblem> problems =
        mainPage ? ValidateMainPage(pages.main.values) : ValidateSensorPage(pages.sensor);
    if (!problems.isEmpty()) {
        Err() << DescribeProblems(problems) << Qt::endl;
        return 1;
    }
    const QList<QByteArray> blocks =
        mainPage ? MainPageBlocks(pages.main.values) : SensorPageBlocks(pages.sensor);
    for (const QByteArray &block : blocks)
        Out() << block.left(kTagSize) << ' ' << block.toHex().toUpper() << Qt::endl;
    return 0;
}

bool ReportStoreErrors(Store &store)
{
    const QStringList errors = store.takeErrors();
    for (const QString &error : errors)
        Err() << error << Qt::endl;
    return errors.isEmpty();
}

}  // namespace

int RunCommandLineWrite(const CommandLine &options)
{
    FileStore store(FileStore::defaultDirectory());
    const RestoredPages pages = Restore(store, options);
    const bool mainPage = options.writePage == QLatin1String("main");
    const bool restoredCleanly = ReportStoreErrors(store);
    if (options.dryRun)
        return PrintDryRun(pages, mainPage);

    SerialLink link(PortMapFor(options));
    const int com = ComOptionAfterRestore(pages.main.comOptions);
    const QString openError = link.select(com == 0 ? 1 : com);
    if (!openError.isEmpty())
        Err() << openError << Qt::endl;

    StderrMessages messages;
    BlockLineView view;
    const WriteResult result =
        mainPage ? WriteMainPage(pages.main.values, link.port(), store, messages, view)
                 : WriteSensorPage(pages.sensor, link.port(), store, messages, view);
    link.close();
    const bool storedCleanly = ReportStoreErrors(store);
    return result.succeeded() && restoredCleanly && storedCleanly ? 0 : 1;
}
