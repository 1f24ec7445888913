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
    void showError(const QString &title, const QString &text) override
    {
        titles.append(title);
        texts.append(text);
    }

    QStringList titles;
    QStringList texts;
};

// Pseudo-terminals standing in for serial devices that open.
class PseudoTerminals
{
public:
    explicit PseudoTerminals(int count);
    ~PseudoTerminals();
    QStringList devices;

private:
    std::vector<int> m_masters;
};

// The main page on a settings directory not created yet, with `devices`
// behind COM1, COM2, ...; loaded by start().
class PageFixture
{
public:
    explicit PageFixture(const QStringList &devices);

    // Writes one settings file as the store does.
    void storeValue(const QString &key, const QString &value);
    QString storedValue(const QString &key);
    // Removes every settings file, so that storedKeys() then tells what was written.
    void removeFiles();
    QStringList storedKeys() const;  // sorted

    Form1 &start();
    template <typename Widget = QWidget>
    Widget *find(const QString &name, QWidget *root = nullptr)
    {
        return (root ? root : page.get())->findChild<Widget *>(name);
    }

    QTemporaryDir parent;
    QString directory;
    FileStore store;
    CapturedMessages messages;
    SerialLink link;
    std::unique_ptr<Form1> page;
};

// Sorted settings keys: those a main-page write stores, the sensor page's,
// and the COM options the exits store.
QStringList MainPageWriteKeys();
QStringList SensorPageKeys();
QStringList ComOptionKeys();
// Twips to pixels as the pages convert them.
QPoint Twips(const QWidget &widget, int right, int down);
