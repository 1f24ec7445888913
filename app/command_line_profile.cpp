#include "command_line_profile.h"

#include "console.h"
#include "file_store.h"
#include "profile.h"

int RunExport(const CommandLine &options)
{
    FileStore store(FileStore::defaultDirectory());
    store.ensureDirectory();
    Profile profile = ProfileFromStore(store);
    const bool storeClean = PrintStoreErrors(store);
    profile.main.text[MainPageControls::kRewritePassword] = options.password;
    if (const QString error = WriteProfileFile(options.exportFile, ProfileToJson(profile, options.includePassword));
        !error.isEmpty()) {
        Err() << options.exportFile << ": " << error << Qt::endl;
        return 1;
    }
    return storeClean ? 0 : 1;
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
