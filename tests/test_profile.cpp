#include "memory_store.h"
#include "page_settings.h"
#include "profile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// A page with every kind of value: multi-line, Chinese and Latin texts,
// numbers typed with separators, a non-default alarm mode and ring tone.
Profile RichProfile()
{
    MemoryStore store;
    Profile profile = ProfileFromStore(store);
    profile.main.text[1] = QStringLiteral("138 0013 8000");
    profile.main.text[6] = QStringLiteral("(020)1234-5678");
    profile.main.text[7] = QStringLiteral("Cut fuel");
    profile.main.text[16] = QStringLiteral("车被碰了\r\nCar hit!");
    profile.main.text[28] = QStringLiteral("ABCDEF0123456789");
    profile.main.alarmMode = AlarmMode::CallOnly;
    profile.main.check1 = 1;
    profile.sensor.text[19] = QStringLiteral("后门\r\n打开");
    profile.sensor.text[20] = QStringLiteral("１３８００１３８０００");
    return profile;
}

// `node` with the value at a path of keys and array indexes ("main/passPhrases")
// replaced, or removed when `value` is undefined.
QJsonValue Edited(const QJsonValue &node, QStringList path, const QJsonValue &value)
{
    const QString step = path.takeFirst();
    bool isIndex = false;
    const int index = step.toInt(&isIndex);
    if (isIndex) {
        QJsonArray array = node.toArray();
        array[index] = path.isEmpty() ? value : Edited(array[index], path, value);
        return array;
    }
    QJsonObject object = node.toObject();
    if (path.isEmpty() && value.isUndefined())
        object.remove(step);
    else
        object[step] = path.isEmpty() ? value : Edited(object[step], path, value);
    return object;
}

}  // namespace

class TestProfile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The stored settings of both pages, in every alarm mode, through a
    // profile into another store come back file for file; the COM choice stays out.
    void storeToProfileToStoreIsLossless()
    {
        for (AlarmMode mode : {AlarmMode::None, AlarmMode::SmsOnly, AlarmMode::CallOnly, AlarmMode::SmsAndCall}) {
            MemoryStore original;
            Profile rich = RichProfile();
            rich.main.alarmMode = mode;
            StoreProfile(original, rich);
            StoreComOptions(original, 3);
            const ProfileParse parse = ParseProfile(ProfileToJson(ProfileFromStore(original), false));
            QVERIFY2(parse.profile, qPrintable(parse.problems.join('\n')));
            MemoryStore copy;
            StoreComOptions(copy, 3);
            StoreProfile(copy, *parse.profile);
            QCOMPARE(copy.values, original.values);
            QCOMPARE(copy.values.size(), 4 + 27 + 20);
        }
    }

    void badProfilesAreRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("named");
        const QByteArray good = ProfileToJson(RichProfile(), false);
        auto row = [&good](const char *name, const QString &path, const QJsonValue &value, const QString &named) {
            const QJsonValue root = Edited(QJsonDocument::fromJson(good).object(), path.split(u'/'), value);
            QTest::newRow(name) << QJsonDocument(root.toObject()).toJson() << named;
        };
        QTest::newRow("not JSON") << good.left(good.size() / 2) << QStringLiteral("JSON");
        QTest::newRow("not a profile") << QByteArray("{\"a\": 1}") << QStringLiteral("format");
        row("unknown version", "version", 2, "version");
        row("unknown version of 100000 characters", "version", QString(100000, u'9'), "version");
        row("missing field", "main/passPhrases", QJsonValue::Undefined, "main.passPhrases.arm");
        row("short array", "main/authorisedNumbers", QJsonArray{"1", "2"}, "main.authorisedNumbers[5]");
        row("number as a JSON number", "sensors/3/number", 13800138000.0, "sensors[3].number");
        row("unknown alarm mode", "main/alarmMode", "loud", "main.alarmMode");
        row("ring tone as text", "main/switchOffRingTone", "yes", "main.switchOffRingTone");
        row("number the unit cannot hold", "sensors/9/number", "+8613800138000", "sensors[9].number");
        row("pass phrase too long", "main/passPhrases/disarm", "twelve chars", "main.passPhrases.disarm");
        row("password not four Chinese characters", "main/rewritePassword", "1234", "main.rewritePassword");
    }

    void badProfilesAreRefusedWhole()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, named);
        const ProfileParse parse = ParseProfile(json);
        QVERIFY(!parse.profile);
        QVERIFY2(parse.problems.join('\n').contains(named), qPrintable(parse.problems.join('\n')));
        QVERIFY2(parse.problems.join('\n').size() < 300, qPrintable(parse.problems.join('\n')));
    }

    void oddFilesAreNotRead_data()
    {
        QTest::addColumn<QString>("entry");  // what stands at the path given
        QTest::newRow("FIFO") << "FIFO";
        QTest::newRow("/dev/zero") << "/dev/zero";
        QTest::newRow("sparse file of 8 GiB") << "sparse";
        QTest::newRow("link to a profile") << "link";
    }

    // A FIFO never blocks the import and an endless or huge file never fills
    // the memory: each is refused at once, naming the file. A profile kept
    // behind a link is read.
    void oddFilesAreNotRead()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs FIFOs and /dev/zero");
#else
        QFETCH(QString, entry);
        QTemporaryDir temp;
        const QString path = temp.filePath("profile.json");
        QFile file(entry == "link" ? temp.filePath("kept.json") : path);
        if (entry == "FIFO")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (entry == "/dev/zero")
            QVERIFY(QFile::link(entry, path));
        else if (entry == "sparse")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(8) << 30));
        else
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ProfileToJson(RichProfile(), false)) > 0
                    && QFile::link(file.fileName(), path));
        file.close();
        const ProfileParse parse = ReadProfileFile(path);
        QCOMPARE(parse.profile.has_value(), entry == "link");
        QVERIFY2(parse.profile || parse.problems.join('\n').contains(path), qPrintable(parse.problems.join('\n')));
#endif
    }

    void onlyRegularFilesAreReplaced_data()
    {
        QTest::addColumn<QString>("entry");  // what stands at the path given
        QTest::newRow("FIFO") << "FIFO";
        QTest::newRow("link to a FIFO") << "link to a FIFO";
        QTest::newRow("folder") << "folder";
        QTest::newRow("link to a file") << "link to a file";
    }

    // An export onto a device node, a FIFO or a folder is refused with a
    // reason and leaves it as it is (as root, a regular file in place of
    // /dev/null would break the system). Through a link, the linked file is written.
    void onlyRegularFilesAreReplaced()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs FIFOs");
#else
        QFETCH(QString, entry);
        QTemporaryDir temp;
        const QString path = temp.filePath("profile.json");
        const QString target = entry.startsWith("link") ? temp.filePath("target") : path;
        if (entry.endsWith("FIFO"))
            QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        else if (entry == "folder")
            QVERIFY(QDir().mkdir(target));
        if (target != path)
            QVERIFY(QFile::link(target, path));
        const bool regular = entry == "link to a file";
        const QByteArray json = ProfileToJson(RichProfile(), false);
        QCOMPARE(WriteProfileFile(path, json).isEmpty(), regular);
        QCOMPARE(QFileInfo(target).isFile(), regular);
        QCOMPARE(QFileInfo(path).isSymLink(), target != path);
        QCOMPARE(ReadProfileFile(path).profile.has_value(), regular);
#endif
    }

    // A profile with the password is readable by its owner alone from the
    // moment it exists, even under a umask that lets everyone read, and
    // also when it replaces a file open to all.
    void profileWithThePasswordIsOwnerOnly()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs a umask");
#else
        QTemporaryDir temp;
        const QByteArray json = ProfileToJson(RichProfile(), true);
        const mode_t umaskBefore = umask(0);
        const QString created = WriteProfileFile(temp.filePath("new.json"), json, true);
        const QString replaced = WriteProfileFile(temp.filePath("old.json"), json, false).isEmpty()
            ? WriteProfileFile(temp.filePath("old.json"), json, true)
            : QStringLiteral("no file to replace");
        umask(umaskBefore);
        QCOMPARE(created, QString());
        QCOMPARE(replaced, QString());
        for (const char *name : {"new.json", "old.json"}) {
            struct stat status{};
            QCOMPARE(stat(QFile::encodeName(temp.filePath(name)).constData(), &status), 0);
            QCOMPARE(status.st_mode & 0777, mode_t(0600));
        }
#endif
    }
};

QTEST_GUILESS_MAIN(TestProfile)
#include "test_profile.moc"
