#include "support/PseudoTerminal.h"

#include "platform/Registry.h"

#include <QDeadlineTimer>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal() : m_master(::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC))
{
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        throw std::runtime_error("no pseudo-terminal");
    m_path = QString::fromLocal8Bit(::ptsname(m_master));
}

PseudoTerminal::~PseudoTerminal()
{
    closeFarEnd();
}

void PseudoTerminal::write(const QByteArray& data)
{
    const char* next = data.constData();
    qsizetype left = data.size();
    QDeadlineTimer deadline(20000);
    while (left > 0 && !deadline.hasExpired()) {
        const ssize_t wrote = ::write(m_master, next, static_cast<size_t>(left));
        if (wrote > 0) {
            next += wrote;
            left -= wrote;
        } else if (wrote < 0 && errno != EAGAIN && errno != EINTR) {
            throw std::runtime_error("the far end cannot write");
        } else {
            pollfd out{m_master, POLLOUT, 0};
            ::poll(&out, 1, 50);
        }
    }
    if (left > 0)
        throw std::runtime_error("the port took not all bytes");
}

QByteArray PseudoTerminal::read(qsizetype size, int timeoutMs)
{
    QByteArray data;
    QDeadlineTimer deadline(timeoutMs);
    char chunk[4096];
    while (data.size() < size && !deadline.hasExpired()) {
        pollfd in{m_master, POLLIN, 0};
        if (::poll(&in, 1, static_cast<int>(deadline.remainingTime())) <= 0)
            break;
        const ssize_t got = ::read(m_master, chunk, sizeof chunk);
        if (got <= 0)
            break;
        data.append(chunk, got);
    }
    return data;
}

QByteArray PseudoTerminal::readFor(int waitMs)
{
    return read(std::numeric_limits<qsizetype>::max(), waitMs);
}

void PseudoTerminal::closeFarEnd()
{
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}

void PseudoTerminal::listPorts(const QStringList& paths)
{
    if (!platform::registry::writeString(platform::registry::Root::CurrentUser,
                                         platform::serial::extraPortsKey(), "Ports", paths.join(';')))
        throw std::runtime_error("cannot write the settings store");
}

double processCpuMs()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}
