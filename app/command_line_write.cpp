#include "command_line_write.h"

#include "block_layouts.h"
#include "console.h"
#include "default_secrets.h"
#include "file_store.h"
#include "history_log.h"
#include "lost_settings.h"
#include "memory_store.h"
#include "open_failure.h"
#include "page_fields.h"
#include "page_settings.h"
#include "profile.h"
#include "read_only_store.h"
#include "repeat_write.h"
#include "serial_link.h"
#include "unit_write.h"
#include "validation.h"
#include "write_failure_note.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// No window to show: one line per block on stdout.
class BlockLineView : public NoWindowView
{
public:
    void blockExchanged(const QByteArray &tag, bool answered) override
    {
        PrintLine((answered ? QCoreApplication::translate("CommandLine", "%1 answered")
                            : QCoreApplication::translate("CommandLine", "%1 not answered"))
                      .arg(QString::fromLatin1(tag)));
    }
};

struct Pages
{
    MainPageValues main;
    SensorPageValues sensor;
    int com = 0;  // the stored COM choice, 0 when none is selected
    bool writeMain = false;
    bool writeSensor = false;
};

// The pages from the store as the pages' loads restore them; the main page
// is restored for a sensor write too, for its COM choice. The rewrite
// password is never stored: it comes from --password.
Pages FromStore(Store &stored, const QString &password, bool withSensorPage)
{
    const MainPageSettings main = RestoreMainPage(stored);
    Pages pages{main.values, {}, ComOptionAfterRestore(main.comOptions)};
    if (withSensorPage)
        pages.sensor = RestoreSensorPage(stored);
    pages.main.text[RewritePasswordField().number()] = password;
    return pages;
}

// A profile may hold the password; otherwise it comes from --password.
std::optional<Pages> FromProfile(const QString &path, Store &stored, const QString &password)
{
    const ProfileParse parse = ReadProfileFile(path);
    for (const QString &problem : parse.problems)
        PrintError(problem);
    if (!parse.profile)
        return std::nullopt;
    Pages pages{parse.profile->main, parse.profile->sensor, StoredComChoice(stored)};
    if (!parse.profile->hasPassword)
        pages.main.text[RewritePasswordField().number()] = password;
    return pages;
}

// Both pages of `--write all` are checked before the first block goes out.
QList<ValidationProblem> Problems(const Pages &pages)
{
    QList<ValidationProblem> problems;
    if (pages.writeMain)
        problems += ValidateMainPage(pages.main);
    if (pages.writeSensor)
        problems += ValidateSensorPage(pages.sensor);
    return problems;
}

void PrintBlocks(const Pages &pages)
{
    QList<QByteArray> blocks;
    if (pages.writeMain)
        blocks += MainPageBlocks(pages.main);
    if (pages.writeSensor)
        blocks += SensorPageBlocks(pages.sensor);
    for (const QByteArray &block : blocks)
        PrintLine(QString::fromLatin1(block.left(kTagSize) + ' ' + block.toHex().toUpper()));
}

// Every page written goes into the history; a history that cannot be
// written is told once on stderr and changes nothing else.
void Record(HistoryLog &history, const WriteRecord &record)
{
    if (const QString problem = RecordWrite(history, record); !problem.isEmpty())
        PrintError(problem);
}

// One unit: the port is opened for it and closed after it, so the next unit
// may sit behind a freshly plugged adapter.
bool Write(const Pages &pages, const CommandLine &options, Store &store, HistoryLog &history,
           MessageSink &messages)
{
    const int com = WriteComOption(options, pages.com);
    SerialLink link(PortMapFor(options));
    if (const QString openError = link.select(com); !openError.isEmpty())
        PrintError(openError);  // the write then refuses the closed port

    const WriteOrigin origin{com, link.map().device(com),
                             options.profile.isEmpty() ? CommandLineSource()
                                                       : ProfileSource(QFileInfo(options.profile).absoluteFilePath())};
    BlockLineView view;
    const UnitPages unit{pages.main, pages.sensor, pages.writeMain, pages.writeSensor};
    const UnitWrite written = WriteUnit(unit, link.port(), store, messages, view,
                                        [&](UnitPage page, const WriteResult &result) {
                                            Record(history, UnitPageRecord(unit, page, result, origin));
                                        });
    link.close();
    return written.succeeded();
}

}  // namespace

int RunCommandLineWrite(const CommandLine &options, bool answersReadable)
{
    if (options.repeat && !answersReadable) {
        Err() << QCoreApplication::applicationName() << ": "
              << QCoreApplication::translate("CommandLine", "--repeat reads its answers from standard input, which is closed.")
              << Qt::endl;
        return 2;
    }
    FileStore fileStore(FileStore::defaultDirectory());
    ReadOnlyStore stored(fileStore);  // reading creates nothing, whatever comes next
    const bool fromProfile = !options.profile.isEmpty();
    const bool writeSensor = options.writePage != QLatin1String("main");
    std::optional<Pages> pages = fromProfile ? FromProfile(options.profile, stored, options.password)
                                             : FromStore(stored, options.password, writeSensor);
    if (!pages)
        return 1;
    pages->writeMain = options.writePage != QLatin1String("sensor");
    pages->writeSensor = writeSensor;
    if (!fromProfile) {
        if (pages->writeMain)
            ReportLostFiles(fileStore, MainPageFields(), stored);
        if (pages->writeSensor)
            ReportLostFiles(fileStore, SensorPageFields(), stored);
    }
    // A setting that could not be read would go out as its default: the
    // window shows that default to the user, a write without one must not send it.
    if (!PrintStoreErrors(stored)) {
        Err() << QCoreApplication::translate("CommandLine", "Nothing was written: the settings above could not be read.") << Qt::endl;
        return 1;
    }
    if (const QList<ValidationProblem> problems = Problems(*pages); !problems.isEmpty()) {
        PrintError(DescribeProblems(problems));
        return 1;
    }
    if (options.dryRun) {
        PrintBlocks(*pages);
        return 0;
    }
    if (const QString refusal = pages->writeMain && !options.sendDefaultSecrets ? DefaultSecretsRefusal(pages->main)
                                                                                 : QString();
        !refusal.isEmpty()) {
        Err() << refusal << Qt::endl;
        return 2;
    }

    MemoryStore discarded;  // a write from a profile stores nowhere
    if (!fromProfile) {
        // A folder that cannot be made (a dangling link in its place) is found
        // now, not after the unit has taken every block.
        fileStore.ensureDirectory();
        if (!PrintStoreErrors(fileStore)) {
            Err() << QCoreApplication::translate("CommandLine", "Nothing was written: the settings folder cannot be made.")
                  << Qt::endl;
            return 1;
        }
    }
    Store &store = fromProfile ? static_cast<Store &>(discarded) : fileStore;
    HistoryLog history;
    StderrMessages stderrMessages;
    // One note on a running ModemManager for the whole run, units after the first included.
    WriteFailureNote messages(stderrMessages, [] { return ModemManagerNote(ProbeModemManager()); });
    const auto writeUnit = [&] {
        const bool written = Write(*pages, options, store, history, messages);
        return PrintStoreErrors(fileStore) && written;
    };
    if (options.repeat)
        return RepeatWrites(writeUnit);
    return writeUnit() ? 0 : 1;
}
