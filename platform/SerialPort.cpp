#include "platform/SerialPort.h"

#include "platform/Registry.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace platform::serial {
namespace {

StatusSource* g_statusSource = nullptr;

constexpr tcflag_t FrameFlags = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB;

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

struct BaudCode
{
    std::uint32_t baud;
    speed_t code;
};

// The rates the terminal interface can name; a device that takes others needs a driver's own call.
constexpr std::array<BaudCode, 30> BaudCodes = {{
    {50, B50},           {75, B75},           {110, B110},         {134, B134},         {150, B150},
    {200, B200},         {300, B300},         {600, B600},         {1200, B1200},       {1800, B1800},
    {2400, B2400},       {4800, B4800},       {9600, B9600},       {19200, B19200},     {38400, B38400},
    {57600, B57600},     {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000},
    {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000},
}};

speed_t baudCode(std::uint32_t baud, const QString& device)
{
    for (const BaudCode& entry : BaudCodes)
        if (entry.baud == baud)
            return entry.code;
    throw Error(QString("%1 cannot run at %2 baud.").arg(device).arg(baud).toStdString());
}

void checkFrame(const LineSettings& settings, const QString& device)
{
    if (settings.dataBits < 5 || settings.dataBits > 8)
        throw Error(QString("%1 cannot send %2 data bits; it takes 5 to 8.")
                        .arg(device)
                        .arg(settings.dataBits)
                        .toStdString());
    if (settings.stopBits == StopBits::OneAndHalf)
        throw Error(QString("%1 cannot send 1.5 stop bits.").arg(device).toStdString());
}

// Milliseconds the line needs for `bytes` at the slowest character (start, 8 data, parity and two
// stop bits), twice over, plus a second for a device that is slow to take them.
int transmitLimitMs(qsizetype bytes, std::uint32_t baud)
{
    const double ms = 2.0 * static_cast<double>(bytes) * 12.0 * 1000.0 / std::max<std::uint32_t>(baud, 1);
    return static_cast<int>(std::min(ms + 1000.0, 3600.0 * 1000.0));
}

class DeviceStatus : public StatusSource
{
public:
    Status read(int fd) override
    {
        Status status;
        int bits = 0;
        if (::ioctl(fd, TIOCMGET, &bits) == 0) {
            unsigned lines = 0;
            if (bits & TIOCM_CTS)
                lines |= Cts;
            if (bits & TIOCM_DSR)
                lines |= Dsr;
            if (bits & TIOCM_RNG)
                lines |= Ring;
            if (bits & TIOCM_CAR)
                lines |= Carrier;
            status.lines = lines;
        }
        serial_icounter_struct counts{};
        if (::ioctl(fd, TIOCGICOUNT, &counts) == 0)
            status.errors = std::uint64_t(counts.frame) + counts.overrun + counts.parity + counts.brk +
                            counts.buf_overrun;
        return status;
    }
};

// "ttyUSB10" after "ttyUSB9": names compare by their letters, then by their trailing number.
bool nameOrder(const QString& a, const QString& b)
{
    static const QRegularExpression tail("^(.*?)(\\d+)$");
    const QRegularExpressionMatch ma = tail.match(a);
    const QRegularExpressionMatch mb = tail.match(b);
    if (ma.hasMatch() && mb.hasMatch() && ma.captured(1) == mb.captured(1))
        return ma.captured(2).toULongLong() < mb.captured(2).toULongLong();
    return a < b;
}

} // namespace

void setStatusSource(StatusSource* source)
{
    g_statusSource = source;
}

Status readStatus(int fd)
{
    static DeviceStatus device;
    return (g_statusSource ? g_statusSource : &device)->read(fd);
}

unsigned frameFlags(const LineSettings& settings)
{
    static constexpr tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    tcflag_t flags = sizes[std::clamp(settings.dataBits, 5, 8) - 5];
    switch (settings.parity) {
    case Parity::None:
        break;
    case Parity::Odd:
        flags |= PARENB | PARODD;
        break;
    case Parity::Even:
        flags |= PARENB;
        break;
    case Parity::Mark:
        flags |= PARENB | CMSPAR | PARODD;
        break;
    case Parity::Space:
        flags |= PARENB | CMSPAR;
        break;
    }
    if (settings.stopBits != StopBits::One)
        flags |= CSTOPB;
    return flags;
}

QString devicePath(const QString& portName)
{
    static const QRegularExpression com("^(?:\\\\\\\\\\.\\\\)?COM(\\d+)$",
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = com.match(portName);
    if (match.hasMatch()) {
        const int number = match.captured(1).toInt();
        if (number >= 1)
            return QString("/dev/ttyS%1").arg(number - 1);
    }
    return portName;
}

Port::~Port()
{
    close();
}

Port::Port(Port&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_path(std::move(other.m_path)), m_line(other.m_line),
      m_error(std::move(other.m_error))
{
}

Port& Port::operator=(Port&& other) noexcept
{
    if (this != &other) {
        close();
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::move(other.m_path);
        m_line = other.m_line;
        m_error = std::move(other.m_error);
    }
    return *this;
}

Port Port::open(const QString& portName)
{
    Port port;
    port.m_path = devicePath(portName);
    const int fd =
        ::open(QFile::encodeName(port.m_path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const auto fail = [&port, fd](int error) {
        if (fd >= 0)
            ::close(fd);
        port.m_error = systemText(error);
        return std::move(port);
    };
    if (fd < 0)
        return fail(errno);
    // TIOCEXCL keeps other users out, but not root; flock keeps out every program that asks.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return fail(errno == EWOULDBLOCK ? EBUSY : errno);
    // Root opens a tty that another program marked exclusive; it is still that program's.
    int marked = 0;
    if (::ioctl(fd, TIOCGEXCL, &marked) == 0 && marked)
        return fail(EBUSY);
    if (::ioctl(fd, TIOCEXCL) != 0)
        return fail(errno);
    port.m_fd = fd;
    return port;
}

void Port::close()
{
    if (m_fd < 0)
        return;
    // The exclusive mark outlives this descriptor where the tty stays (a pseudo-terminal's far end).
    ::ioctl(m_fd, TIOCNXCL);
    ::close(m_fd);
    m_fd = -1;
}

void Port::setLine(const LineSettings& settings)
{
    const speed_t speed = baudCode(settings.baud, m_path);
    checkFrame(settings, m_path);

    termios tio{};
    if (::tcgetattr(m_fd, &tio) != 0)
        throw Error(QString("%1: %2").arg(m_path, systemText(errno)).toStdString());
    ::cfmakeraw(&tio);
    tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
    tio.c_cflag &= ~(FrameFlags | CRTSCTS);
    tio.c_cflag |= CLOCAL | CREAD | frameFlags(settings);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    if (::tcsetattr(m_fd, TCSANOW, &tio) != 0)
        throw Error(QString("%1 refused the line settings: %2").arg(m_path, systemText(errno)).toStdString());
    // tcsetattr succeeds when any one of the settings took; read back what the device keeps.
    // A pseudo-terminal, for one, keeps nothing but 8 data bits without parity.
    termios taken{};
    if (::tcgetattr(m_fd, &taken) != 0 || ::cfgetospeed(&taken) != speed ||
        (taken.c_cflag & FrameFlags) != (tio.c_cflag & FrameFlags))
        throw Error(QString("%1 refused the line settings.").arg(m_path).toStdString());
    m_line = settings;
}

void Port::purge()
{
    ::tcflush(m_fd, TCIOFLUSH);
}

bool Port::setDtr(bool on)
{
    const int bit = TIOCM_DTR;
    return ::ioctl(m_fd, on ? TIOCMBIS : TIOCMBIC, &bit) == 0;
}

bool Port::setRts(bool on)
{
    const int bit = TIOCM_RTS;
    return ::ioctl(m_fd, on ? TIOCMBIS : TIOCMBIC, &bit) == 0;
}

int Port::bytesWaiting() const
{
    int count = 0;
    return ::ioctl(m_fd, FIONREAD, &count) == 0 ? count : 0;
}

QByteArray Port::read(int size)
{
    QByteArray data(std::max(size, 0), Qt::Uninitialized);
    ssize_t got = 0;
    do {
        got = size > 0 ? ::read(m_fd, data.data(), data.size()) : 0;
    } while (got < 0 && errno == EINTR);
    data.resize(std::max<ssize_t>(got, 0));
    return data;
}

void Port::writeAll(const QByteArray& data)
{
    const int limitMs = transmitLimitMs(data.size(), m_line.baud);
    QDeadlineTimer deadline(limitMs);
    const char* next = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t wrote = ::write(m_fd, next, static_cast<size_t>(left));
        if (wrote > 0) {
            next += wrote;
            left -= wrote;
            continue;
        }
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0 && errno != EAGAIN)
            throw Error(QString("%1: %2").arg(m_path, systemText(errno)).toStdString());
        pollfd out{m_fd, POLLOUT, 0};
        const int remaining = static_cast<int>(deadline.remainingTime());
        if (remaining == 0 || ::poll(&out, 1, remaining) == 0)
            throw Error(QString("%1 took %2 of %3 bytes in %4 ms.")
                            .arg(m_path)
                            .arg(data.size() - left)
                            .arg(data.size())
                            .arg(limitMs)
                            .toStdString());
    }
}

Waker::Waker() : m_fd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    if (m_fd < 0)
        throw Error(systemText(errno).toStdString());
}

Waker::~Waker()
{
    ::close(m_fd);
}

void Waker::wake()
{
    const std::uint64_t one = 1;
    // The counter only grows; a full counter is woken already.
    [[maybe_unused]] const ssize_t wrote = ::write(m_fd, &one, sizeof one);
}

WaitResult Waker::wait(int portFd, int timeoutMs) const
{
    pollfd fds[2] = {{m_fd, POLLIN, 0}, {portFd, POLLIN, 0}};
    WaitResult result;
    if (::poll(fds, portFd >= 0 ? 2 : 1, timeoutMs) <= 0)
        return result;
    result.woken = fds[0].revents & POLLIN;
    result.readable = fds[1].revents & POLLIN;
    result.hungUp = fds[1].revents & (POLLHUP | POLLERR | POLLNVAL);
    return result;
}

QString extraPortsKey()
{
    return "Software\\Tessary\\Serial";
}

QStringList availablePorts()
{
    QStringList candidates;
    const QDir ttys("/sys/class/tty");
    for (const QString& name : ttys.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System))
        if (QFileInfo::exists(ttys.filePath(name) + "/device"))
            candidates << "/dev/" + name;
    const QString extra =
        registry::readString(registry::Root::CurrentUser, extraPortsKey(), "Ports").value_or(QString());
    for (const QString& path : extra.split(';', Qt::SkipEmptyParts))
        candidates << path.trimmed();
    candidates.removeDuplicates();

    QStringList ports;
    for (const QString& path : candidates)
        if (Port::open(path).isOpen())
            ports << path;
    std::sort(ports.begin(), ports.end(), nameOrder);
    return ports;
}

} // namespace platform::serial
