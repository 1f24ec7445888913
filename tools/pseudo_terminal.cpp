#include "pseudo_terminal.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#if defined(__APPLE__)
#include <util.h>
#else
#include <pty.h>
#endif

namespace {

QString SystemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

}  // namespace

PseudoTerminal::~PseudoTerminal()
{
    Close();
}

bool PseudoTerminal::Open(QString *error)
{
    Close();
    if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) {
        *error = SystemError("openpty");
        master_ = slave_ = -1;
        return false;
    }
    termios settings{};
    if (tcgetattr(slave_, &settings) != 0) {
        *error = SystemError("tcgetattr");
        Close();
        return false;
    }
    cfmakeraw(&settings);
    cfsetspeed(&settings, B9600);
    const int flags = fcntl(master_, F_GETFL);
    if (tcsetattr(slave_, TCSANOW, &settings) != 0 || flags < 0
        || fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0) {
        *error = SystemError("setting up the pseudo-terminal");
        Close();
        return false;
    }
    const char *name = ttyname(slave_);
    if (!name) {
        *error = SystemError("ttyname");
        Close();
        return false;
    }
    devicePath_ = QString::fromLocal8Bit(name);
    return true;
}

void PseudoTerminal::Close()
{
    for (int *fd : {&master_, &slave_}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}
