// Another instance of the program, for the lock tests: holds the settings
// folder given as its argument, stages a temporary file there as a store
// does, says "held" and keeps both until its standard input closes.
#include "settings_lock.h"

#include <QFile>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    const QString directory = QFile::decodeName(argv[1]);
    const SettingsLock lock(directory, 0);
    if (lock.state() != SettingsLock::State::Held)
        return 1;
    QFile staged(directory + QStringLiteral("/k1.cck.AbCdEf"));
    if (!staged.open(QIODevice::WriteOnly) || staged.write("staged\r\n") < 0)
        return 1;
    staged.close();
    std::puts("held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
