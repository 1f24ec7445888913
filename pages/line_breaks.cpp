#include "line_breaks.h"

QString ToBoxText(const QString &value)
{
    QString text = value;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QString FromBoxText(const QString &text)
{
    QString value = text;
    value.replace(u'\n', QLatin1String("\r\n"));
    return value;
}
