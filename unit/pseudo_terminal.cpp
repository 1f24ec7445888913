#include "pseudo_terminal.h"

#include <QStringList>

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
    close();
}

bool PseudoTerminal::open(QString *error)
{
    close();
    if (openpty(&m_master, &m_slave, nullptr, nullptr, nullptr) != 0) {
        *error = SystemError("openpty");
        m_master = m_slave = -1;
        return false;
    }
    termios settings{};
    if (tcgetattr(m_slave, &settings) != 0) {
        *error = SystemError("tcgetattr");
        close();
        return false;
    }
    cfmakeraw(&settings);
    cfsetspeed(&settings, B9600);
    const int flags = fcntl(m_master, F_GETFL);
    if (tcsetattr(m_slave, TCSANOW, &settings) != 0 || flags < 0
        || fcntl(m_master, F_SETFL, flags | O_NONBLOCK) != 0) {
        *error = SystemError("setting up the pseudo-terminal");
        close();
        return false;
    }
    const char *name = ttyname(m_slave);
    if (!name) {
        *error = SystemError("ttyname");
        close();
        return false;
    }
    m_devicePath = QString::fromLocal8Bit(name);
    return true;
}

void PseudoTerminal::close()
{
    for (int *fd : {&m_master, &m_slave}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

QString PseudoTerminal::lineSettingsProblem() const
{
    termios settings{};
    if (tcgetattr(m_master, &settings) != 0)
        return SystemError("tcgetattr");
    QStringList problems;
    if (cfgetispeed(&settings) != B9600 || cfgetospeed(&settings) != B9600)
        problems << QStringLiteral("not 9600 baud");
    if ((settings.c_cflag & CSIZE) != CS8)
        problems << QStringLiteral("not 8 data bits");
    if (settings.c_cflag & PARENB)
        problems << QStringLiteral("parity");
    if (settings.c_cflag & CSTOPB)
        problems << QStringLiteral("two stop bits");
    if (settings.c_cflag & CRTSCTS)
        problems << QStringLiteral("hardware flow control");
    if (settings.c_iflag & (IXON | IXOFF))
        problems << QStringLiteral("software flow control");
    return problems.join(QStringLiteral(", "));
}
