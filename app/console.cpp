#include "console.h"

#include "printable_text.h"

#include <cstdio>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#include <qt_windows.h>
#endif

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

void PrintError(const QString &message)
{
    QStringList lines = message.split(u'\n');
    for (QString &line : lines)
        line = Printable(line);
    Err() << lines.join(u'\n') << Qt::endl;
}

bool StandardInputReadable()
{
#ifdef Q_OS_UNIX
    const int flags = ::fcntl(STDIN_FILENO, F_GETFL);
    return flags != -1 && (flags & O_ACCMODE) != O_WRONLY;
#elif defined(Q_OS_WIN)
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    return input != nullptr && input != INVALID_HANDLE_VALUE;
#else
    return true;
#endif
}

bool StandardErrorIsTerminal()
{
#ifdef Q_OS_UNIX
    return ::isatty(STDERR_FILENO) == 1;
#elif defined(Q_OS_WIN)
    return _isatty(_fileno(stderr)) != 0;
#else
    return true;
#endif
}

void StderrMessages::showError(const QString &title, const QString &text)
{
    PrintError(title + u'\n' + text);
}

bool PrintStoreErrors(Store &store)
{
    const QStringList errors = store.takeErrors();
    for (const QString &error : errors)
        PrintError(error);
    return errors.isEmpty();
}
