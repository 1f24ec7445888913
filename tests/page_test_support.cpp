#include "page_test_support.h"

#include <QTest>
#include "twips.h"

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

QStringList CapturedMessages::titles() const
{
    QStringList titles;
    for (const Message &message : all)
        titles.append(message.title);
    return titles;
}

void RecordingStore::ensureDirectory()
{
    m_files.ensureDirectory();
    takeOverErrors();
}

bool RecordingStore::contains(const QString &key)
{
    return m_files.contains(key);
}

std::optional<QString> RecordingStore::read(const QString &key)
{
    const std::optional<QString> value = m_files.read(key);
    takeOverErrors();
    return value;
}

bool RecordingStore::write(const QString &key, const QString &value)
{
    written.append(key);
    const bool stored = m_files.write(key, value);
    takeOverErrors();
    return stored;
}

void RecordingStore::takeOverErrors()
{
    for (const QString &error : m_files.takeErrors())
        addError(error);
}

PseudoTerminals::PseudoTerminals(int count)
{
    for (int i = 0; i < count; ++i) {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            qFatal("cannot open a pseudo-terminal");
        m_masters.push_back(master);
        m_devices.append(QString::fromLocal8Bit(ptsname(master)));
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

}  // namespace

PageFixture::PageFixture(const QStringList &devices)
    : directory(parent.filePath(QStringLiteral("woclc1k"))), store(directory), link(MapOf(devices))
{
}

void PageFixture::storeValue(const QString &key, const QString &value)
{
    store.files().ensureDirectory();
    QVERIFY(store.files().write(key, value));
}

QString PageFixture::storedValue(const QString &key)
{
    return store.files().read(key).value_or(QStringLiteral("<unreadable>"));
}

Form1 &PageFixture::start()
{
    page = std::make_unique<Form1>(link, store, messages);
    return *page;
}

QStringList MainPageWriteKeys()
{
    QStringList keys;
    for (const char *key : {"k1", "g1", "k8", "g8", "tel1", "tel2", "tel3", "tel4", "tel5", "tel6"})
        keys.append(QString::fromLatin1(key));
    for (int n = 16; n <= 28; ++n)
        keys.append(QStringLiteral("Text%1").arg(n));
    keys << QStringLiteral("Option5") << QStringLiteral("Option6") << QStringLiteral("Option7")
         << QStringLiteral("Check1");
    return keys;
}

QStringList SensorPageKeys()
{
    QStringList keys;
    for (int sensor = 1; sensor <= 10; ++sensor)
        keys << QStringLiteral("SMS%1").arg(sensor) << QStringLiteral("Ttt%1").arg(sensor);
    return keys;
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
