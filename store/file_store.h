#pragma once

#include "store.h"

#include <memory>

class SettingsLock;

// The settings directory: one file <key>.cck per field, holding the value
// and CR LF, in GB18030 (the same bytes as GBK for every character GBK has,
// and able to hold every other character too).
class FileStore : public Store
{
public:
    explicit FileStore(QString directory);
    FileStore(FileStore &&) noexcept;
    ~FileStore() override;

    // \woclc1k on the current drive on Windows, where existing installations
    // keep their files; elsewhere woclc1k in the user's configuration
    // directory ($XDG_CONFIG_HOME, by default ~/.config).
    // Where \woclc1k cannot be made (a read-only drive, no rights at its
    // root), Windows falls back to woclc1k in the user's local application
    // data folder.
    static QString defaultDirectory();
    // Says that the fallback was taken and where the settings are; empty
    // otherwise.
    static QString directoryNote();

    QString directory() const { return m_directory; }
    QString filePath(const QString &key) const;

    // Creates the directory, open to its owner only, when it is missing; in
    // one that exists, removes the temporary files of writes that were cut
    // off ("k1.cck.AbCdEf"), and nothing else, while it holds the directory.
    void ensureDirectory() override;
    bool contains(const QString &key) override;
    // The file up to its final line end, so a multi-line text comes back
    // whole. A FIFO, a device, a folder or a file of more than
    // kSettingsFileLimit bytes is refused and reported.
    std::optional<QString> read(const QString &key) override;
    // Written to a temporary file and renamed over the old one, so a crash or
    // a full disk never leaves an empty or half-written file. Every file is
    // written for its owner alone (0600): some hold pass phrases.
    bool write(const QString &key, const QString &value) override;
    // Every file is written to its temporary file first, and all are renamed
    // only when all were written: a failure leaves every file as it was.
    // Holds the directory meanwhile.
    bool writeAll(const StoredValues &values) override;
    // Through the lock file in the directory, waiting up to two seconds for
    // another instance. Where no lock can be made (no directory yet, a
    // read-only one) the store goes on without: nothing can be stored there.
    bool hold() override;
    void release() override;

private:
    QString m_directory;
    std::unique_ptr<SettingsLock> m_lock;
    int m_holds = 0;
};
