#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

QString SystemMessagesLocale()
{
#ifdef Q_OS_WIN
    return QLocale::system().name();
#else
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const QString value = qEnvironmentVariable(variable); !value.isEmpty())
            return value;
    }
    return {};
#endif
}

Language LanguageOfLocale(const QString &locale)
{
    const QString name = locale.section(u'.', 0, 0).section(u'@', 0, 0);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX") || name.startsWith(QLatin1String("zh")))
        return Language::Chinese;
    return Language::English;
}

std::optional<Language> LanguageNamed(const QString &name)
{
    if (name == QLatin1String("zh"))
        return Language::Chinese;
    if (name == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

Translations::Translations(Language language)
{
    // Qt's texts (buttons, file dialogs, context menus) are English already;
    // in Chinese they come from Qt's translations when they are installed.
    if (language == Language::Chinese) {
        const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (m_qt.load(QStringLiteral("qtbase_zh_CN"), qtTranslations))
            QCoreApplication::installTranslator(&m_qt);
        if (m_serialPort.load(QStringLiteral("qtserialport_zh_CN"), qtTranslations))
            QCoreApplication::installTranslator(&m_serialPort);
    }
    // Each language holds only the texts written in the other one.
    const QString program = language == Language::Chinese ? QStringLiteral(":/i18n/alarmcfg_zh_CN.qm")
                                                          : QStringLiteral(":/i18n/alarmcfg_en.qm");
    if (m_program.load(program))
        QCoreApplication::installTranslator(&m_program);
}
