#include "lost_settings.h"

#include "file_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

void ReportLostFiles(const FileStore &files, const FieldTable &table, Store &stored)
{
    QStringList missing;
    bool anyStored = false;
    for (const Field &field : table) {
        if (field.group == StoreGroup::ComChoice || field.isRewritePassword())
            continue;  // the COM choice is no value sent; the password is never stored
        const QString path = files.filePath(field.settingsKey());
        if (QFileInfo::exists(path))
            anyStored = true;
        else
            missing << path;
    }
    if (!anyStored)
        return;
    for (const QString &path : missing)
        stored.addError(QCoreApplication::translate("CommandLine", "The settings file %1 is missing.")
                            .arg(QDir::toNativeSeparators(path)));
}
