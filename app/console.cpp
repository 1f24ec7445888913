#include "console.h"

QTextStream &Out()
{
    static QTextStream out(stdout);
    return out;
}

QTextStream &Err()
{
    static QTextStream err(stderr);
    return err;
}

void PrintLine(const QString &line)
{
    QTextStream &out = Out();
    if (out.status() == QTextStream::Ok)
        out << line << Qt::endl;
}

void StderrMessages::showError(const QString &title, const QString &text)
{
    Err() << title << '\n' << text << Qt::endl;
}

bool PrintStoreErrors(Store &store)
{
    const QStringList errors = store.takeErrors();
    for (const QString &error : errors)
        Err() << error << Qt::endl;
    return errors.isEmpty();
}
