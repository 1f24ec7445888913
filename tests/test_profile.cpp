#include "memory_store.h"
#include "page_settings.h"
#include "profile_transfer.h"
#include "test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

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
    profile.main.text[28] = QStringLiteral("9876543210123456");
    profile.main.alarmMode = AlarmMode::CallOnly;
    profile.main.ringTone = RingTone::SwitchedOff;
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

    // The profile README.md shows, filled out: a first run's settings with
    // three numbers typed. Exported it is that document; each alarm mode
    // reads back by its documented name.
    void goldenProfile()
    {
        QFile file(QFINDTESTDATA("golden_profile.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonDocument golden = QJsonDocument::fromJson(file.readAll());
        MemoryStore firstRun;
        Profile typed = ProfileFromStore(firstRun);
        typed.main.text[1] = typed.main.text[17] = typed.sensor.text[2] = QStringLiteral("13800138000");
        typed.hasPassword = true;
        QCOMPARE(QJsonDocument::fromJson(ProfileToJson(typed, true)), golden);
        const std::pair<const char *, AlarmMode> modes[] = {
            {"smsOnly", AlarmMode::SmsOnly}, {"callOnly", AlarmMode::CallOnly},
            {"smsAndCall", AlarmMode::SmsAndCall}, {"none", AlarmMode::None}};
        for (const auto &[name, mode] : modes) {
            const QJsonValue root = Edited(golden.object(), {"main", "alarmMode"}, QString::fromLatin1(name));
            const ProfileParse parse = ParseProfile(QJsonDocument(root.toObject()).toJson());
            QVERIFY2(parse.profile, qPrintable(parse.problems.join('\n')));
            typed.main.alarmMode = mode;
            QCOMPARE(parse.profile->main, typed.main);
            QCOMPARE(parse.profile->sensor, typed.sensor);
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

    void oddFiles_data()
    {
        QTest::addColumn<QString>("entry");  // what stands at the path given
        QTest::addColumn<bool>("regular");
        QTest::newRow("FIFO") << "FIFO" << false;
        QTest::newRow("link to a FIFO") << "link to a FIFO" << false;
        QTest::newRow("folder") << "folder" << false;
        QTest::newRow("/dev/zero") << "/dev/zero" << false;
        QTest::newRow("sparse file of 8 GiB") << "sparse" << true;
        QTest::newRow("link to a profile") << "link to a profile" << true;
    }

    // An import from a FIFO never blocks, and one from an endless or huge
    // file never fills the memory: each is refused at once, naming the file.
    // An export onto anything but a regular file (a device such as /dev/null,
    // a FIFO, a folder) is refused and leaves it as it is. Through a link the
    // linked file is read and written.
    void oddFiles()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs FIFOs and /dev/zero");
#else
        QFETCH(QString, entry);
        QFETCH(bool, regular);
        QTemporaryDir temp;
        const QString path = temp.filePath("profile.json");
        const QString target = entry.startsWith("link") ? temp.filePath("target") : path;
        const QByteArray json = ProfileToJson(RichProfile(), false);
        QFile file(target);
        if (entry.endsWith("FIFO") || entry == "folder")
            QVERIFY(MakeEntry(entry, target));
        else if (entry == "/dev/zero")
            QVERIFY(QFile::link(entry, path));
        else
            QVERIFY(file.open(QIODevice::WriteOnly)
                    && (entry == "sparse" ? file.resize(qint64(8) << 30) : file.write(json) > 0));
        file.close();
        if (target != path)
            QVERIFY(QFile::link(target, path));
        const ProfileParse parse = ReadProfileFile(path);
        QCOMPARE(parse.profile.has_value(), entry == "link to a profile");
        QVERIFY2(parse.profile || parse.problems.join('\n').contains(path), qPrintable(parse.problems.join('\n')));
        if (entry == "/dev/zero")
            return;  // never written to: a fault would replace /dev/zero
        QCOMPARE(WriteProfileFile(path, json).isEmpty(), regular);
        QCOMPARE(QFileInfo(target).isFile(), regular);
        QCOMPARE(QFileInfo(path).isSymLink(), target != path);
        QCOMPARE(ReadProfileFile(path).profile.has_value(), regular);
#endif
    }
};

QTEST_GUILESS_MAIN(TestProfile)
#include "test_profile.moc"
