#include "page_test_support.h"

#include "settings_keys.h"
#include "twips.h"

#include <QDir>
#include <QTest>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

PseudoTerminals::PseudoTerminals(int count)
{
    for (int i = 0; i < count; ++i) {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            qFatal("cannot open a pseudo-terminal");
        m_masters.push_back(master);
        devices.append(QString::fromLocal8Bit(ptsname(master)));
    }
}

PseudoTerminals::~PseudoTerminals()
{
    for (int master : m_masters)
        ::close(master);
}

namespace {

ComPortMap MapOf(const QStringList &devices)
{
    ComPortMap map;
    for (int k = 0; k < devices.size(); ++k)
        map.setOverride(k + 1, devices[k]);
    return map;
}

template <typename Table>
QStringList SortedKeys(const Table &table)
{
    QStringList keys;
    for (const SettingsKey &field : table)
        keys.append(QString::fromLatin1(field.key));
    keys.sort();
    return keys;
}

}  // namespace

PageFixture::PageFixture(const QStringList &devices)
    : directory(parent.filePath(QStringLiteral("woclc1k"))), store(directory), link(MapOf(devices))
{
}

void PageFixture::storeValue(const QString &key, const QString &value)
{
    store.ensureDirectory();
    QVERIFY(store.write(key, value));
}

QString PageFixture::storedValue(const QString &key)
{
    return store.read(key).value_or(QStringLiteral("<unreadable>"));
}

void PageFixture::removeFiles()
{
    for (const QString &file : QDir(directory).entryList({QStringLiteral("*.cck")}, QDir::Files))
        QFile::remove(QDir(directory).filePath(file));
}

QStringList PageFixture::storedKeys() const
{
    QStringList keys = QDir(directory).entryList({QStringLiteral("*.cck")}, QDir::Files, QDir::Name);
    for (QString &key : keys)
        key.chop(4);
    keys.sort();
    return keys;
}

Form1 &PageFixture::start()
{
    page = std::make_unique<Form1>(link, store, messages);
    return *page;
}

QStringList MainPageWriteKeys()
{
    QStringList keys = SortedKeys(kMainPageKeys);
    for (const QString &option : ComOptionKeys())
        keys.removeOne(option);
    return keys;
}

QStringList SensorPageKeys()
{
    return SortedKeys(kSensorPageKeys);
}

QStringList ComOptionKeys()
{
    return {QStringLiteral("Option1"), QStringLiteral("Option2"), QStringLiteral("Option3"),
            QStringLiteral("Option4")};
}

QPoint Twips(const QWidget &widget, int right, int down)
{
    return TwipsOffset(widget, right, down);
}
