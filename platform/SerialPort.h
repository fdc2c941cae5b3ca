#pragma once

// Serial ports on POSIX terminals. A port is opened exclusively and without blocking (a tty
// without carrier must never hang the window), set raw with the caller's line settings and
// read and written without blocking. Modem lines and error counters are read on demand: the
// reading thread polls them, since poll() reports neither.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace platform::serial {

// A setting the device refuses, or a write that failed; the text says which.
class Error : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

enum class Parity { None, Odd, Even, Mark, Space };
enum class StopBits { One, OneAndHalf, Two };

struct LineSettings
{
    std::uint32_t baud = 9600;
    int dataBits = 8;
    Parity parity = Parity::None;
    StopBits stopBits = StopBits::One;
};

// The terminal control flags (termios c_cflag) for the frame of the settings: data bits, parity
// (mark and space through CMSPAR) and stop bits; data bits are taken as 5 to 8.
unsigned frameFlags(const LineSettings& settings);

// The modem lines the reader form shows, as a bit set.
enum Line : unsigned { Cts = 0x1, Dsr = 0x2, Ring = 0x4, Carrier = 0x8 };

// What the port reports besides its bytes: the modem lines and the sum of its line-error
// counters (framing, overrun, parity, break, buffer overrun). Either is missing where the
// device has no such thing (a pseudo-terminal has neither).
struct Status
{
    std::optional<unsigned> lines;
    std::optional<std::uint64_t> errors;
};

// Where the status comes from; tests put a double in place of the device's own answers.
class StatusSource
{
public:
    virtual ~StatusSource() = default;
    virtual Status read(int fd) = 0;
};

// nullptr restores the device's own answers (TIOCMGET, TIOCGICOUNT).
void setStatusSource(StatusSource* source);
Status readStatus(int fd);

// The device a port name stands for: "COMn" and "\\.\COMn" are /dev/ttyS(n-1); any other
// name is a path and is taken as it is.
QString devicePath(const QString& portName);

// An open port; moves, closes on destruction.
class Port
{
public:
    Port() = default;
    ~Port();
    Port(Port&& other) noexcept;
    Port& operator=(Port&& other) noexcept;
    Port(const Port&) = delete;
    Port& operator=(const Port&) = delete;

    // Opens the port's device for reading and writing, exclusively (TIOCEXCL, and flock,
    // which root respects too). On failure the port is not open and errorText() says why.
    static Port open(const QString& portName);

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    // The system's text for the failure of open().
    QString errorText() const { return m_error; }

    // Raw mode, no flow control, receiver on, modem control lines ignored. Throws Error for a
    // baud rate, data bits or stop bits the device cannot take.
    void setLine(const LineSettings& settings);
    // Empties both directions' queues.
    void purge();
    // False where the device has no such line (a pseudo-terminal).
    bool setDtr(bool on);
    bool setRts(bool on);
    // Bytes waiting in the input queue; 0 when the device cannot say.
    int bytesWaiting() const;
    // Reads at most `size` bytes without waiting; what was read (empty when nothing waits).
    QByteArray read(int size);
    // Writes every byte, waiting while the output queue is full, as long as the line needs to
    // send them plus a margin; throws Error when a byte cannot be written.
    void writeAll(const QByteArray& data);
    void close();

private:
    explicit Port(int fd) : m_fd(fd) {}

    int m_fd = -1;
    QString m_path;
    // What the write time limit is reckoned from.
    LineSettings m_line;
    QString m_error;
};

// How one wait of the reading thread ended; more than one may hold.
struct WaitResult
{
    bool woken = false;
    bool readable = false;
    bool hungUp = false;
};

// The reading thread's wait on its port, which another thread can end at any time (an
// eventfd): a close must never depend on the device answering.
class Waker
{
public:
    Waker(); // throws Error when the system has no event left
    ~Waker();
    Waker(const Waker&) = delete;
    Waker& operator=(const Waker&) = delete;

    // From any thread; the wake stays until the Waker goes.
    void wake();
    // Waits until woken, until the port (fd, or -1 for none) has bytes or hangs up, or for
    // timeoutMs (-1: no limit).
    WaitResult wait(int portFd, int timeoutMs) const;

private:
    int m_fd = -1;
};

// Device paths of the serial ports that can be opened now, in name order: the ttys under
// /sys/class/tty with a device behind them, and the ports listed in the settings store's value
// "Ports" under extraPortsKey() (separated by ";").
QStringList availablePorts();
QString extraPortsKey();

} // namespace platform::serial
