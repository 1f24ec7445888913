#include "command_line_write.h"

#include "block_layouts.h"
#include "console.h"
#include "file_store.h"
#include "memory_store.h"
#include "page_settings.h"
#include "profile.h"
#include "serial_link.h"
#include "validation.h"
#include "write_sequences.h"

namespace {

// No window to show: one line per block on stdout.
class BlockLineView : public NoWindowView
{
public:
    void blockExchanged(const QByteArray &tag, bool answered) override
    {
        Out() << tag << (answered ? " answered" : " not answered") << Qt::endl;
    }
};

struct Pages
{
    MainPageValues main;
    SensorPageValues sensor;
    int com = 1;  // the stored COM choice; none selected keeps COM1
    bool writeMain = false;
    bool writeSensor = false;
};

// The pages from the store, as the pages' loads restore them (creating missing
// files); the main page is restored for a sensor write too, for its COM choice.
// The password Text15 is never stored: it comes from --password.
Pages FromStore(Store &store, const QString &password, bool withSensorPage)
{
    store.ensureDirectory();
    const MainPageSettings main = RestoreMainPage(store);
    Pages pages{main.values, {}, ComOptionAfterRestore(main.comOptions)};
    if (withSensorPage)
        pages.sensor = RestoreSensorPage(store);
    pages.main.text[MainPageControls::kRewritePassword] = password;
    return pages;
}

// A profile may hold the password; otherwise it comes from --password.
std::optional<Pages> FromProfile(const QString &path, Store &store, const QString &password)
{
    const ProfileParse parse = ReadProfileFile(path);
    for (const QString &problem : parse.problems)
        Err() << problem << Qt::endl;
    if (!parse.profile)
        return std::nullopt;
    Pages pages{parse.profile->main, parse.profile->sensor, StoredComChoice(store)};
    if (!parse.profile->hasPassword)
        pages.main.text[MainPageControls::kRewritePassword] = password;
    return pages;
}

int PrintDryRun(const Pages &pages)
{
    QList<ValidationProblem> problems;
    QList<QByteArray> blocks;
    if (pages.writeMain) {
        problems += ValidateMainPage(pages.main);
        blocks += MainPageBlocks(pages.main);
    }
    if (pages.writeSensor) {
        problems += ValidateSensorPage(pages.sensor);
        blocks += SensorPageBlocks(pages.sensor);
    }
    if (!problems.isEmpty()) {
        Err() << DescribeProblems(problems) << Qt::endl;
        return 1;
    }
    for (const QByteArray &block : blocks)
        Out() << block.left(kTagSize) << ' ' << block.toHex().toUpper() << Qt::endl;
    return 0;
}

bool Write(const Pages &pages, const CommandLine &options, Store &store)
{
    SerialLink link(PortMapFor(options));
    if (const QString openError = link.select(pages.com == 0 ? 1 : pages.com); !openError.isEmpty())
        Err() << openError << Qt::endl;  // the write then refuses the closed port

    StderrMessages messages;
    BlockLineView view;
    bool succeeded = true;
    if (pages.writeMain)
        succeeded &= WriteMainPage(pages.main, link.port(), store, messages, view).succeeded();
    if (pages.writeSensor)
        succeeded &= WriteSensorPage(pages.sensor, link.port(), store, messages, view).succeeded();
    link.close();
    return succeeded;
}

}  // namespace

int RunCommandLineWrite(const CommandLine &options)
{
    FileStore fileStore(FileStore::defaultDirectory());
    MemoryStore discarded;  // a write from a profile stores nowhere
    const bool fromProfile = !options.profile.isEmpty();
    Store &store = fromProfile ? static_cast<Store &>(discarded) : fileStore;

    const bool writeSensor = options.writePage != QLatin1String("main");
    std::optional<Pages> pages = fromProfile ? FromProfile(options.profile, fileStore, options.password)
                                             : FromStore(fileStore, options.password, writeSensor);
    bool storeClean = PrintStoreErrors(fileStore);
    if (!pages)
        return 1;
    pages->writeMain = options.writePage != QLatin1String("sensor");
    pages->writeSensor = writeSensor;

    if (options.dryRun)
        return PrintDryRun(*pages);
    const bool written = Write(*pages, options, store);
    storeClean &= PrintStoreErrors(fileStore);
    return written && storeClean ? 0 : 1;
}
