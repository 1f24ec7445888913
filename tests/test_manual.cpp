// The manuals and the desktop's view of the program: each manual (English
// and Chinese) documents exactly the options --help lists; the desktop entry
// opens the profiles' own file type, which a profile the program saves is
// recognised as.
#include "command_line.h"
#include "profile.h"
#include "profile_transfer.h"
#include "test_support.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString SourceFile(const char *path)
{
    return QString::fromUtf8(ReadBytes(QStringLiteral(ALARMCFG_SOURCE_DIR "/") + QLatin1String(path)));
}

QStringList Sorted(QStringList list)
{
    list.sort();
    list.removeDuplicates();
    return list;
}

// The long options --help lists.
QStringList HelpOptions()
{
    QStringList options;
    static const QRegularExpression option(QStringLiteral("^\\s+(?:-\\w, )?(--[a-z-]+)"),
                                           QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch &match : option.globalMatch(CommandLineHelp()))
        options << match.captured(1);
    return Sorted(options);
}

// The long option each item of the manual's options section names.
QStringList ManualOptions(const QString &manual)
{
    QStringList options;
    const QStringList sections = manual.split(QStringLiteral("\n.SH "));
    for (const QString &section : sections) {
        if (!section.startsWith(QLatin1String("OPTIONS")) && !section.startsWith(QStringLiteral("选项")))
            continue;
        static const QRegularExpression item(QStringLiteral("^\\.TP\\n[^\\n]*?(\\\\-\\\\-[a-z\\\\-]+)"),
                                             QRegularExpression::MultilineOption);
        for (const QRegularExpressionMatch &match : item.globalMatch(section))
            options << match.captured(1).remove(u'\\');
    }
    return Sorted(options);
}

}  // namespace

class TestManual : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void manualListsTheOptions_data()
    {
        QTest::addColumn<QString>("manual");
        QTest::newRow("English") << SourceFile("packaging/alarmcfg.1");
        QTest::newRow("Chinese") << SourceFile("packaging/alarmcfg.zh_CN.1");
    }

    void manualListsTheOptions()
    {
        QFETCH(QString, manual);
        QVERIFY(HelpOptions().size() > 10);
        QCOMPARE(ManualOptions(manual), HelpOptions());
    }

    // The desktop entry declares the type the MIME package defines; a saved
    // profile starts with what the type's magic looks for and its default
    // name matches the type's pattern.
    void profilesHaveTheirFileType()
    {
        const QString mime = SourceFile("packaging/alarmcfg-mime.xml");
        const QString type = QRegularExpression(QStringLiteral("<mime-type type=\"([^\"]+)\"")).match(mime).captured(1);
        QString magic = QRegularExpression(QStringLiteral("<match type=\"string\" value=\"([^\"]+)\"")).match(mime).captured(1);
        const int within = QRegularExpression(QStringLiteral("offset=\"0:(\\d+)\"")).match(mime).captured(1).toInt();
        magic.replace(QLatin1String("&quot;"), QLatin1String("\""));
        const QString glob = QRegularExpression(QStringLiteral("<glob pattern=\"([^\"]+)\"")).match(mime).captured(1);
        QCOMPARE(type, QStringLiteral("application/x-alarmcfg-profile"));
        QVERIFY(QRegularExpression::fromWildcard(glob).match(QStringLiteral("car.alarmcfg.json")).hasMatch());

        const QString entry = SourceFile("app/alarmcfg.desktop");
        const auto value = [&entry](const QString &key) {
            return QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(key) + QLatin1String("=(.+)$"),
                                      QRegularExpression::MultilineOption).match(entry).captured(1);
        };
        QCOMPARE(value(QStringLiteral("MimeType")), type + u';');

        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("car.alarmcfg.json"));
        QCOMPARE(ExportProfile(path, Profile{DefaultMainPage(), TypedSensorPage(), false}), QString());
        QVERIFY(QString::fromUtf8(ReadBytes(path)).left(within + magic.size()).contains(magic));
    }
};

QTEST_MAIN(TestManual)
#include "test_manual.moc"
