#include "profile_transfer.h"

#include "page_settings.h"

Profile ProfileFromStore(Store &store)
{
    const HeldStore held(store);
    if (!held.held())
        return {};
    return {RestoreMainPage(store).values, RestoreSensorPage(store), false};
}

void StoreProfile(Store &store, const Profile &profile)
{
    store.writeAll(BothPagesToStore(profile.main, profile.sensor));
}

ProfileParse ImportProfile(const QString &path, Store &store)
{
    ProfileParse parse = ReadProfileFile(path);
    if (parse.profile) {
        store.ensureDirectory();
        if (const HeldStore held(store); held.held())
            StoreProfile(store, *parse.profile);
    }
    return parse;
}

QString ExportProfile(const QString &path, const Profile &profile)
{
    return WriteProfileFile(path, ProfileToJson(profile, profile.hasPassword));
}
