#pragma once

#include "file_store.h"
#include "form1.h"
#include "message_sink.h"
#include "serial_link.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

// A message sink that keeps the messages instead of showing boxes.
class CapturedMessages : public MessageSink
{
public:
    struct Message
    {
        QString title;
        QString text;
    };

    void showError(const QString &title, const QString &text) override { all.push_back({title, text}); }
    QStringList titles() const;

    std::vector<Message> all;
};

// The settings files of a temporary directory, with a record of every key
// written, in order.
class RecordingStore : public Store
{
public:
    explicit RecordingStore(const QString &directory) : m_files(directory) {}

    void ensureDirectory() override;
    bool contains(const QString &key) override;
    std::optional<QString> read(const QString &key) override;
    bool write(const QString &key, const QString &value) override;

    FileStore &files() { return m_files; }
    QStringList written;

private:
    void takeOverErrors();

    FileStore m_files;
};

// Pseudo-terminals standing in for serial devices that open (COM1..COM4).
class PseudoTerminals
{
public:
    explicit PseudoTerminals(int count);
    ~PseudoTerminals();
    QString device(int index) const { return m_devices[index]; }

private:
    std::vector<int> m_masters;
    QStringList m_devices;
};

// The main page on a fresh settings directory (not created yet) with the
// given devices behind COM1..COM4, loaded by start().
class PageFixture
{
public:
    explicit PageFixture(const QStringList &devices);

    // Writes one settings file as the store would (before start()).
    void storeValue(const QString &key, const QString &value);
    QString storedValue(const QString &key);
    Form1 &start();

    template <typename Widget>
    Widget *find(QWidget &root, const QString &name)
    {
        return root.findChild<Widget *>(name);
    }

    QTemporaryDir parent;
    QString directory;
    RecordingStore store;
    CapturedMessages messages;
    SerialLink link;
    std::unique_ptr<Form1> page;
};

// The keys of the settings files that a write of the main page stores.
QStringList MainPageWriteKeys();
QStringList SensorPageKeys();
QStringList ComOptionKeys();
// Twips to pixels as the pages convert them.
QPoint Twips(const QWidget &widget, int right, int down);
