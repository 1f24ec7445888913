#pragma once

#include <QString>
#include <QTranslator>
#include <optional>

// The language a person reads. Chinese is the program's own; English is its
// translation. Nothing that reaches the unit or the disk depends on it.
enum class Language { Chinese, English };

// The system's locale for messages as the C library picks it: LC_ALL, then
// LC_MESSAGES, then LANG; empty when none is set.
QString SystemMessagesLocale();

// Chinese for a Chinese locale and for none at all ("", "C", "POSIX", "C.UTF-8");
// English for any other.
Language LanguageOfLocale(const QString &locale);

// The language --lang names: "zh" or "en"; nothing for any other value.
std::optional<Language> LanguageNamed(const QString &name);

// Qt's own texts and the program's, in `language`, for as long as this
// object lives (a translator leaves the application with its end); the
// application object must exist.
class Translations
{
public:
    explicit Translations(Language language);

private:
    QTranslator m_qt;
    QTranslator m_serialPort;
    QTranslator m_program;
};
