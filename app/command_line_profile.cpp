#include "command_line_profile.h"

#include "console.h"
#include "file_store.h"
#include "profile.h"
#include "read_only_store.h"

#include <QCoreApplication>

int RunExport(const CommandLine &options)
{
    // Exporting reads the settings; it creates no file, not even a missing one.
    FileStore fileStore(FileStore::defaultDirectory());
    ReadOnlyStore stored(fileStore);
    Profile profile = ProfileFromStore(stored);
    // A profile is a source for later writes: it never carries a default in
    // place of a setting that could not be read.
    if (!PrintStoreErrors(stored)) {
        Err() << QCoreApplication::translate("CommandLine", "Nothing was exported: a stored setting could not be read.")
              << Qt::endl;
        return 1;
    }
    profile.main.text[MainPageControls::kRewritePassword] = options.password;
    if (const QString error = WriteProfileFile(options.exportFile, ProfileToJson(profile, options.includePassword),
                                               options.includePassword);
        !error.isEmpty()) {
        Err() << options.exportFile << ": " << error << Qt::endl;
        return 1;
    }
    return 0;
}

int RunImport(const CommandLine &options)
{
    const ProfileParse parse = ReadProfileFile(options.importFile);
    for (const QString &problem : parse.problems)
        Err() << problem << Qt::endl;
    if (!parse.profile)
        return 1;
    FileStore store(FileStore::defaultDirectory());
    store.ensureDirectory();
    StoreProfile(store, *parse.profile);
    return PrintStoreErrors(store) ? 0 : 1;
}
