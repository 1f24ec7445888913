#include "command_line_profile.h"

#include "console.h"
#include "file_store.h"
#include "lost_settings.h"
#include "page_fields.h"
#include "printable_text.h"
#include "profile_transfer.h"
#include "read_only_store.h"

#include <QCoreApplication>

int RunExport(const CommandLine &options)
{
    // Exporting reads the settings; it creates no file, not even a missing one.
    FileStore fileStore(FileStore::defaultDirectory());
    ReadOnlyStore stored(fileStore);
    ReportLostFiles(fileStore, MainPageFields(), stored);
    ReportLostFiles(fileStore, SensorPageFields(), stored);
    Profile profile = ProfileFromStore(stored);
    // A profile is a source for later writes: it never carries a default in
    // place of a setting that could not be read or was lost.
    if (!PrintStoreErrors(stored)) {
        Err() << QCoreApplication::translate("CommandLine", "Nothing was exported: a stored setting could not be read.")
              << Qt::endl;
        return 1;
    }
    profile.main.text[RewritePasswordField().number()] = options.password;
    profile.hasPassword = options.includePassword;
    if (const QString error = ExportProfile(options.exportFile, profile); !error.isEmpty()) {
        PrintError(Printable(options.exportFile) + QLatin1String(": ") + error);
        return 1;
    }
    return 0;
}

int RunImport(const CommandLine &options)
{
    FileStore store(FileStore::defaultDirectory());
    const ProfileParse parse = ImportProfile(options.importFile, store);
    for (const QString &problem : parse.problems)
        PrintError(problem);
    if (!parse.profile)
        return 1;
    return PrintStoreErrors(store) ? 0 : 1;
}
